#pragma once

#include "editor/EnvelopeTab.h"
#include "editor/SettingEffect.h"
#include "editor/WaveformPreview.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

class SkiptorAudioProcessor;

namespace gatevox
{

// What the window's timer hands a slot page on every tick: the slot's LFO
// settings as the processor holds them.
struct LfoReadout
{
    std::int32_t waveformNumber = 0; // 0-14
    float phase = 0.0f;              // -1 to 1
    float frequencyHz = 0.0f;        // 0-20 Hz
    float snapInterval = 0.0f;       // normalised snap interval
};

// The page of one effect slot ("Fx 1" to "Fx 5"): the slot's LFO at the left,
// with a preview of its table, and at the right the kernel panel and the
// envelope tab in a tab panel of their own. Every control sends its change as
// a host parameter; the window's timer brings the slot's values back.
class SettingComponent final : public juce::Component,
                               public juce::ComponentListener,
                               public juce::ComboBox::Listener,
                               public juce::TextEditor::Listener,
                               public juce::Button::Listener,
                               public juce::Slider::Listener
{
public:
    static constexpr int width = 752;
    static constexpr int height = 300;

    // slotNumber 1-5.
    SettingComponent (int slotNumber, SkiptorAudioProcessor& processor);
    ~SettingComponent() override;

    [[nodiscard]] int getSlotIndex() const noexcept { return slotIndex; }

    // The timer's refresh from the processor. currentTab is the window's tab
    // in front (5 for the settings page). After a load every page refreshes
    // once, and the last one ("Fx 5") lowers the processor's resync hold.
    void refresh (int currentTab, const LfoReadout& lfo);

    // The tempo-snapped frequency step (beats per second over the snap
    // divisions) while the page's Snap is on.
    void setSnapStep (float step, float divisions);

    [[nodiscard]] const LfoReadout& shownLfo() const noexcept { return lfoShown; }
    [[nodiscard]] float snapStep() const noexcept { return static_cast<float> (frequency.getInterval()); }
    [[nodiscard]] const WaveformPreview& getPreview() const noexcept { return preview; }
    [[nodiscard]] juce::TabbedComponent& getInnerTabs() noexcept { return innerTabs; }
    [[nodiscard]] SettingEffect& getEffectPanel() noexcept { return effect; }
    [[nodiscard]] EnvelopeTab& getEnvelopeTab() noexcept { return envelope; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;

private:
    void buildControls();
    void showInitialValues();
    void showReadout (const LfoReadout& lfo);
    void showShape();
    void snapFrequency (float step);
    void clickSnap();
    void repaintPreview (WaveformPreview::Shown cache);
    void sendParameter (int firstIndex, float value);

    const int slotIndex;
    SkiptorAudioProcessor& processor;
    LfoReadout lfoShown;

    juce::ComboBox waveformBox;
    juce::ComboBox snapIntervalBox;
    WaveformPreview preview;
    juce::Label waveformLabel{"new label", "LFO Waveform:"};
    juce::Label dutyLabel{"DutyCycleLabel", "Duty Cycle"};
    juce::Label floorLabel{"FloorLabel", "Floor"};
    juce::Label frequencyLabel{"new label", "LFO Freq (Hz):"};
    juce::Label waveformTypeLabel{"new label", "Waveform Type:"};
    juce::Label phaseLabel{"new label", "Phase:"};
    juce::Label snapIntervalLabel{"new label", "Freq. Snap Interval:"};
    juce::TabbedComponent innerTabs{juce::TabbedButtonBar::TabsAtTop};
    SettingEffect effect;
    EnvelopeTab envelope;
    juce::Slider duty{"DutyCycle"};
    juce::Slider floor{"Floor"};
    juce::Slider frequency{"FrequencyControl"};
    juce::Slider phase{"PhaseControl"};
    juce::ToggleButton snap{"snap frequency"};

    juce::Image backdrop;
    juce::Image screen;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingComponent)
};

} // namespace gatevox
