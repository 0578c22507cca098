#include "editor/SequencerTick.h"

#include "editor/Images.h"
#include "editor/SequencerButtons.h"
#include "editor/StepValues.h"

namespace gatevox
{
namespace
{
constexpr juce::uint32 keyBackground = 0xffdddddd;

// An empty step shows the "Fx 1" key faded, but whole while it is pressed.
constexpr float emptyKeyOpacity = 0.33f;
} // namespace

sequencerTick::sequencerTick (int index, SequencerButtons& owner) : stepIndex (index), strip (owner)
{
    addAndMakeVisible (button);
    button.addListener (this);
    // The key sees the press that lands on its button, to tell the two mouse buttons apart.
    button.addMouseListener (this, false);
    setStripValue (1);
    setSize (width, height);
}

sequencerTick::~sequencerTick()
{
    button.removeMouseListener (this);
    button.removeListener (this);
}

void sequencerTick::setStripValue (int value)
{
    const int shown = value >= 1 && value <= emptyStripValue ? value : emptyStripValue;
    if (shown == stripValue)
        return;

    stripValue = shown;
    const bool empty = shown == emptyStripValue;
    const auto image = images::stepKey (empty ? 0 : shown - 1);
    const float idleOpacity = empty ? emptyKeyOpacity : 1.0f;
    const juce::Colour noOverlay;
    button.setImages (false, true, true, image, idleOpacity, noOverlay, {}, idleOpacity, noOverlay, {}, 1.0f,
                      noOverlay);
}

void sequencerTick::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (keyBackground));
}

void sequencerTick::resized()
{
    button.setBounds (getLocalBounds());
}

void sequencerTick::mouseDown (const juce::MouseEvent& e)
{
    rightClick = e.mods.isRightButtonDown();
}

void sequencerTick::buttonClicked (juce::Button*)
{
    strip.keyClicked (*this);
}

} // namespace gatevox
