#pragma once

#include "editor/ADSRPreview.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class SkiptorAudioProcessor;

namespace gatevox
{

// The "Envelope" page of a slot: Enable Envelope, the destination, and three
// knobs for each of the four segments (start level, shape, end level) under
// a preview of the curve they give. Changes go to the processor as host
// parameters; the slot page's refresh shows what the slot holds.
class EnvelopeTab final : public juce::Component,
                          public juce::ComponentListener,
                          public juce::Slider::Listener,
                          public juce::Button::Listener,
                          public juce::ComboBox::Listener
{
public:
    // slotNumber 1-5.
    EnvelopeTab (int slotNumber, SkiptorAudioProcessor& processor);

    // Shows the slot's envelope without sending anything.
    void refresh();
    // Knob k (0-2) of segment g (0-3), in the preview and on the knob.
    void setKnob (int g, int k, float value);

    [[nodiscard]] const ADSRPreview& getPreview() const noexcept { return preview; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void sliderValueChanged (juce::Slider* slider) override;
    void buttonClicked (juce::Button* button) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    [[nodiscard]] bool envelopeOn() const noexcept;

    const int slotIndex;
    SkiptorAudioProcessor& processor;

    ADSRPreview preview;
    std::array<std::array<juce::Slider, knobsPerSegment>, numEnvelopeSegments> knobs;
    std::array<juce::Label, numEnvelopeSegments> stepLabels;
    juce::ToggleButton enable{"EnableEnvelope"};
    juce::ComboBox destinationBox{"Envelope Destination"};
    juce::Image texture;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EnvelopeTab)
};

} // namespace gatevox
