#pragma once

#include "core/SkiptorAudioProcessor.h"
#include "editor/MainGUI.h"
#include "tests/support/XErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

// Runs the message loop until done() holds or the time is up; returns done().
bool runMessagesUntil (const std::function<bool()>& done, int timeoutMs = 3000);
void runMessagesFor (int milliseconds);

// The user's mouse and keyboard: events enter through the window's peer, as
// the system's own events do, so hit testing, mouse listeners and modal
// windows all take part.
namespace user
{
enum class Button
{
    left,
    right
};

// Presses and releases a mouse button over the component (at its centre
// unless told otherwise, in its own coordinates).
void click (juce::Component& target, Button button = Button::left);
void clickAt (juce::Component& target, juce::Point<int> where, Button button = Button::left);

// Presses the left button at the first point, drags through the others and
// lets go at the last.
void drag (juce::Component& target, const std::vector<juce::Point<int>>& path);

// A key press, delivered where the window delivers keys: to the focused
// component or, while a menu or dialog is open, to that.
void press (juce::Component& window, const juce::KeyPress& key);

// Opens the box's list with a click and picks the item with the arrow keys
// and Return, then waits for the box to tell its listeners.
void choose (juce::ComboBox& box, int itemId);

// With a menu open: moves down to the item (1 for the first) and takes it.
void chooseMenuItem (juce::Component& window, int itemNumber);
} // namespace user

// The first component below the parent, depth first, that matches; nullptr
// when there is none.
juce::Component* findComponentWhere (juce::Component& parent, const std::function<bool (juce::Component&)>& matches);

// The first component of that name below the parent, depth first; nullptr
// when there is none.
juce::Component* findNamedComponent (juce::Component& parent, const juce::String& name);

template <typename ComponentType> ComponentType& findNamed (juce::Component& parent, const juce::String& name)
{
    auto* found = dynamic_cast<ComponentType*> (findNamedComponent (parent, name));
    if (found == nullptr)
        throw std::runtime_error ("no component named " + name.toStdString());
    return *found;
}

// What the host was told: the last value of every parameter the editor sent.
class HostRecorder final : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        received[index] = value;
    }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    [[nodiscard]] bool receivedAny (int firstIndex, int count) const;

    std::map<int, float> received;
};

// One processor with its window open on the desktop, presets in a temporary
// "Presets" folder. The window's own timer is stopped: tests tick it.
class EditorRig : public ::testing::Test
{
protected:
    EditorRig();
    ~EditorRig() override;

    void tick() { window->timerCallback(); }
    void reopenWindow();

    [[nodiscard]] gatevox::ProcessorModel& model() { return processor.getModel(); }
    [[nodiscard]] std::int32_t step (int pattern, int layer, int stepIndex);
    [[nodiscard]] std::int32_t sequencer (gatevox::SequencerState::Int field);
    // Strip values of keys 1-16 as the window shows them.
    [[nodiscard]] std::vector<int> shownKeys();
    [[nodiscard]] gatevox::sequencerTick& key (int index) { return window->getStrip().keyAt (index); }
    [[nodiscard]] juce::Button& button (const juce::String& name) { return findNamed<juce::Button> (*window, name); }
    [[nodiscard]] juce::ComboBox& box (const juce::String& name) { return findNamed<juce::ComboBox> (*window, name); }

    // The control of that kind under a point of the window, where a user would click.
    template <typename ComponentType> ComponentType& at (juce::Point<int> windowPoint)
    {
        for (auto* c = window->getComponentAt (windowPoint); c != nullptr; c = c->getParentComponent())
            if (auto* found = dynamic_cast<ComponentType*> (c))
                return *found;
        throw std::runtime_error ("nothing of that kind there");
    }

    // Writes a row of step values into a pattern's layer, as a load would.
    void writeSteps (int pattern, int layer, const std::vector<std::int32_t>& values);

    const juce::File folder;
    const juce::File presetFolder;
    SkiptorAudioProcessor processor;
    HostRecorder host;
    std::unique_ptr<gatevox::MainGUI> window;

private:
    void openWindow();
    void closeWindow();
};
