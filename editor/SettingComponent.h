#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class SkiptorAudioProcessor;

namespace gatevox
{

// What the window's timer hands a slot page on every tick: the slot's LFO
// settings as the processor holds them.
struct LfoReadout
{
    float waveform = 0.0f;     // normalised waveform choice
    float phase = 0.0f;        // -1 to 1
    float frequencyHz = 0.0f;  // 0-20 Hz
    float snapInterval = 0.0f; // normalised snap interval
};

// The page of one effect slot ("Fx 1" to "Fx 5"). It holds the slot's index
// and answers the window's timer; its LFO, kernel and envelope panels sit on it.
class SettingComponent final : public juce::Component
{
public:
    static constexpr int width = 752;
    static constexpr int height = 300;

    // slotNumber 1-5.
    SettingComponent (int slotNumber, SkiptorAudioProcessor& processor);

    [[nodiscard]] int getSlotIndex() const noexcept { return slotIndex; }

    // The timer's refresh from the processor. currentTab is the window's tab
    // in front (5 for the settings page). After a load every page refreshes
    // once, and the last one ("Fx 5") lowers the processor's resync hold.
    void refresh (int currentTab, const LfoReadout& lfo);

    // The tempo-snapped frequency step (beats per second over the snap
    // divisions) while the slot's LFO snap is on.
    void setSnapStep (float step, float divisions);

    [[nodiscard]] const LfoReadout& shownLfo() const noexcept { return lfoShown; }
    [[nodiscard]] float snapStep() const noexcept { return frequencyStep; }

private:
    const int slotIndex;
    SkiptorAudioProcessor& processor;
    LfoReadout lfoShown;
    float frequencyStep = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingComponent)
};

} // namespace gatevox
