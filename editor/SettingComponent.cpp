#include "editor/SettingComponent.h"

#include "core/SkiptorAudioProcessor.h"

namespace gatevox
{

SettingComponent::SettingComponent (int slotNumber, SkiptorAudioProcessor& owner)
    : slotIndex (std::clamp (slotNumber, 1, numSlots) - 1), processor (owner)
{
    setSize (width, height);
}

void SettingComponent::refresh (int, const LfoReadout& lfo)
{
    lfoShown = lfo;

    // Pages refresh in slot order, so by the last one every page has seen
    // the loaded model.
    auto& hold = processor.getModel().resyncHold;
    if (slotIndex == numSlots - 1)
        while (hold.load() > 0)
            hold.fetch_sub (1);
}

void SettingComponent::setSnapStep (float step, float)
{
    frequencyStep = step;
}

} // namespace gatevox
