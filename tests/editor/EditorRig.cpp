#include "tests/editor/EditorRig.h"

#include "tests/support/TemporaryFolder.h"

#include <cstdlib>

namespace juce
{
// The framework's own dispatch of one pending message (Linux), which its
// plug-in wrappers use to run the message loop in steps.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

bool runMessagesUntil (const std::function<bool()>& done, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMs);
    while (!done())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        if (!juce::dispatchNextMessageOnSystemQueue (true))
            juce::Thread::sleep (1);
    }
    return true;
}

void runMessagesFor (int milliseconds)
{
    runMessagesUntil ([] { return false; }, milliseconds);
}

juce::Component* findComponentWhere (juce::Component& parent, const std::function<bool (juce::Component&)>& matches)
{
    for (auto* child : parent.getChildren())
    {
        if (matches (*child))
            return child;
        if (auto* found = findComponentWhere (*child, matches))
            return found;
    }
    return nullptr;
}

juce::Component* findNamedComponent (juce::Component& parent, const juce::String& name)
{
    return findComponentWhere (parent, [&name] (juce::Component& c) { return c.getName() == name; });
}

namespace user
{
namespace
{
struct ChangeWatcher final : juce::ComboBox::Listener
{
    explicit ChangeWatcher (juce::ComboBox& watched) : box (watched) { box.addListener (this); }
    ~ChangeWatcher() override { box.removeListener (this); }
    void comboBoxChanged (juce::ComboBox*) override { told = true; }

    juce::ComboBox& box;
    bool told = false;
};

void sendMouse (juce::ComponentPeer& peer, juce::Point<float> position, juce::ModifierKeys buttons)
{
    peer.handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, buttons,
                           juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                           juce::Time::currentTimeMillis());
}
} // namespace

void click (juce::Component& target, Button button)
{
    clickAt (target, target.getLocalBounds().getCentre(), button);
}

void clickAt (juce::Component& target, juce::Point<int> where, Button button)
{
    auto* peer = target.getPeer();
    ASSERT_NE (peer, nullptr) << "the component is not on the desktop";
    const auto position = peer->getComponent().getLocalPoint (&target, where).toFloat();
    const juce::ModifierKeys pressed (button == Button::right ? juce::ModifierKeys::rightButtonModifier
                                                              : juce::ModifierKeys::leftButtonModifier);
    sendMouse (*peer, position, {});
    sendMouse (*peer, position, pressed);
    sendMouse (*peer, position, {});
}

void drag (juce::Component& target, const std::vector<juce::Point<int>>& path)
{
    ASSERT_FALSE (path.empty());
    auto* peer = target.getPeer();
    ASSERT_NE (peer, nullptr) << "the component is not on the desktop";
    const auto inPeer = [&] (juce::Point<int> p) { return peer->getComponent().getLocalPoint (&target, p).toFloat(); };
    const juce::ModifierKeys pressed (juce::ModifierKeys::leftButtonModifier);
    sendMouse (*peer, inPeer (path.front()), {});
    for (const auto& point : path)
        sendMouse (*peer, inPeer (point), pressed);
    sendMouse (*peer, inPeer (path.back()), {});
}

void press (juce::Component& window, const juce::KeyPress& key)
{
    auto* peer = window.getPeer();
    ASSERT_NE (peer, nullptr) << "the window is not on the desktop";
    peer->handleKeyPress (key);
}

void choose (juce::ComboBox& box, int itemId)
{
    ChangeWatcher watcher (box);
    auto& window = *box.getTopLevelComponent();
    const int from = box.getSelectedId();
    click (box);
    ASSERT_TRUE (box.isPopupActive());

    // The list opens on the chosen item, or on none when nothing is chosen.
    const int moves = from == 0 ? itemId : itemId - from;
    for (int i = 0; i < std::abs (moves); ++i)
        press (window, juce::KeyPress (moves > 0 ? juce::KeyPress::downKey : juce::KeyPress::upKey));
    press (window, juce::KeyPress (juce::KeyPress::returnKey));

    // The box takes the item once the list has closed, and tells its
    // listeners from the message loop.
    ASSERT_TRUE (from == itemId || runMessagesUntil ([&] { return watcher.told; }))
        << "the box did not take item " << itemId;
    ASSERT_EQ (box.getSelectedId(), itemId);
}

void chooseMenuItem (juce::Component& window, int itemNumber)
{
    for (int i = 0; i < itemNumber; ++i)
        press (window, juce::KeyPress (juce::KeyPress::downKey));
    press (window, juce::KeyPress (juce::KeyPress::returnKey));
}
} // namespace user

bool HostRecorder::receivedAny (int firstIndex, int count) const
{
    const auto first = received.lower_bound (firstIndex);
    return first != received.end() && first->first < firstIndex + count;
}

EditorRig::EditorRig()
    : folder (makeTemporaryFolder ("gatevox-editor-test")), presetFolder (folder.getChildFile ("Presets"))
{
    ignoreXErrors();
    presetFolder.createDirectory();
    processor.addListener (&host);
    openWindow();
}

EditorRig::~EditorRig()
{
    closeWindow();
    processor.removeListener (&host);
    folder.deleteRecursively();
}

void EditorRig::openWindow()
{
    window = std::make_unique<gatevox::MainGUI> (processor, presetFolder);
    EXPECT_TRUE (window->isTimerRunning());
    EXPECT_EQ (window->getTimerInterval(), 200);
    window->stopTimer();
    window->setTopLeftPosition (0, 0);
    window->addToDesktop (0);
    window->setVisible (true);
}

void EditorRig::closeWindow()
{
    window.reset();
}

void EditorRig::reopenWindow()
{
    closeWindow();
    openWindow();
}

std::int32_t EditorRig::step (int pattern, int layer, int stepIndex)
{
    return model().steps.read (pattern, layer, stepIndex);
}

std::int32_t EditorRig::sequencer (gatevox::SequencerState::Int field)
{
    return model().sequencer.ints.read (field);
}

std::vector<int> EditorRig::shownKeys()
{
    std::vector<int> keys;
    for (int index = 1; index <= gatevox::SequencerButtons::numKeys; ++index)
        keys.push_back (window->getStrip().getKey (index));
    return keys;
}

void EditorRig::writeSteps (int pattern, int layer, const std::vector<std::int32_t>& values)
{
    for (std::size_t s = 0; s < values.size(); ++s)
        model().writeStep (pattern, layer, static_cast<int> (s), values[s]);
}
