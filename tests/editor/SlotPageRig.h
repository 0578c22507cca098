#pragma once

#include "tests/editor/EditorRig.h"

#include "editor/SettingComponent.h"

// The window with a slot's page in front, and the page's controls found
// where the user sees them.
class SlotPageRig : public EditorRig
{
protected:
    [[nodiscard]] gatevox::SettingComponent& page (int slot) { return window->getSlotPage (slot); }

    // Brings the slot's tab ("Fx 1" to "Fx 5") to the front with a click.
    void showSlot (int slot);
    // Brings the page's inner tab ("Setting Effect" 0, "Envelope" 1) to the front.
    void showInnerTab (int slot, int tab);

    // The control of that kind whose bounds in its parent are exactly these.
    template <typename ComponentType> ComponentType& control (juce::Component& parent, juce::Rectangle<int> bounds)
    {
        if (auto* found = dynamic_cast<ComponentType*> (findAt (parent, bounds)))
            return *found;
        throw std::runtime_error ("no such control there");
    }

    // Presses the left button on the component and drags through the points
    // (its own coordinates) without letting go; release() lets go.
    void pressAndDrag (juce::Component& target, const std::vector<juce::Point<int>>& path);
    void release (juce::Component& target);

private:
    static juce::Component* findAt (juce::Component& parent, juce::Rectangle<int> bounds);
    juce::Point<float> lastPoint;
};
