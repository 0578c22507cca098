#include "tests/editor/SlotPageRig.h"

namespace
{
void sendMouse (juce::Component& target, juce::Point<float> where, juce::ModifierKeys buttons)
{
    auto* peer = target.getPeer();
    ASSERT_NE (peer, nullptr) << "the component is not on the desktop";
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse,
                            peer->getComponent().getLocalPoint (&target, where), buttons,
                            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                            juce::Time::currentTimeMillis());
}
} // namespace

void SlotPageRig::showSlot (int slot)
{
    user::click (*window->getTabPanel().getTabbedButtonBar().getTabButton (slot));
    ASSERT_EQ (window->getTabPanel().getCurrentTabIndex(), slot);
}

void SlotPageRig::showInnerTab (int slot, int tab)
{
    auto& tabs = page (slot).getInnerTabs();
    user::click (*tabs.getTabbedButtonBar().getTabButton (tab));
    ASSERT_EQ (tabs.getCurrentTabIndex(), tab);
}

void SlotPageRig::pressAndDrag (juce::Component& target, const std::vector<juce::Point<int>>& path)
{
    ASSERT_FALSE (path.empty());
    const juce::ModifierKeys pressed (juce::ModifierKeys::leftButtonModifier);
    sendMouse (target, path.front().toFloat(), {});
    for (const auto& point : path)
        sendMouse (target, point.toFloat(), pressed);
    lastPoint = path.back().toFloat();
}

void SlotPageRig::release (juce::Component& target)
{
    sendMouse (target, lastPoint, {});
}

juce::Component* SlotPageRig::findAt (juce::Component& parent, juce::Rectangle<int> bounds)
{
    return findComponentWhere (parent, [bounds] (juce::Component& c) { return c.getBoundsInParent() == bounds; });
}
