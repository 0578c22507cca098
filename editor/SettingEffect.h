#pragma once

#include "core/SlotSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class SkiptorAudioProcessor;

namespace gatevox
{

// The "Setting Effect" page of a slot: the slot's kernel, gain, pan, route
// ("Layering"), envelope destination and LFO restart, and four knobs for the
// kernel's parameters, each with a box choosing the parameter it controls.
// Choosing a kernel loads its defaults and lays its first four parameters out
// on the knobs; every change goes to the processor as a host parameter.
class SettingEffect final : public juce::Component,
                            public juce::ComboBox::Listener,
                            public juce::Button::Listener,
                            public juce::Slider::Listener
{
public:
    static constexpr int numKnobs = static_cast<int> (SlotSettings::numKnobs);

    // slotNumber 1-5.
    SettingEffect (int slotNumber, SkiptorAudioProcessor& processor);
    ~SettingEffect() override;

    // Shows the slot as the processor holds it; after a kernel change or a
    // load (`resyncing`) also which parameter each knob controls.
    void refresh (bool resyncing);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    void chooseKernel();
    void showParameterChoices (bool sendChoices);
    void chooseParameter (int knob);
    void turnKnob (int knob);
    [[nodiscard]] float knobPosition (int parameter) const noexcept;
    [[nodiscard]] int knobOf (const juce::Component* c) const noexcept;
    void sendParameter (int index, float value);

    const int slotIndex;
    SkiptorAudioProcessor& processor;

    juce::ComboBox kernelBox{"new combo box"};
    juce::ToggleButton continuous{"Wavetable Reset"};
    juce::Label layeringLabel{"Layering", "Layering"};
    juce::ComboBox layeringBox{"LayeringMethod"};
    juce::Label envelopeLabel{"EnvelopeControlLabel", "Envelope"};
    juce::ComboBox envelopeBox{"EnvelopeControl"};
    juce::Slider gain;
    juce::Slider pan;
    juce::Label gainLabel{"new label", "Gain"};
    juce::Label panLabel{"new label", "Pan"};
    std::array<juce::Slider, numKnobs> knobs;
    std::array<juce::ComboBox, numKnobs> parameterBoxes;
    std::array<juce::Label, numKnobs> valueLabels;

    juce::Image texture;
    juce::Image caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingEffect)
};

} // namespace gatevox
