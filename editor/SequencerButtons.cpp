#include "editor/SequencerButtons.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/Images.h"
#include "editor/StepValues.h"
#include "params/ParameterLayout.h"

namespace gatevox
{
namespace
{
constexpr juce::uint32 stripColour = 0xff767575;

// Four groups of four keys: 5 pixels between keys, 8 after the fourth.
constexpr std::array<int, SequencerButtons::numKeys> keyX{9,   49,  89,  129, 172, 212, 252, 292,
                                                          332, 372, 412, 452, 492, 532, 572, 612};
constexpr int keyY = 10;

[[nodiscard]] bool isKeyIndex (int index) noexcept
{
    return index >= 1 && index <= SequencerButtons::numKeys;
}
} // namespace

SequencerButtons::SequencerButtons (SkiptorAudioProcessor& owner, juce::TabbedComponent& tabPanel)
    : processor (owner), tabs (tabPanel)
{
    for (int index = 1; index <= numKeys; ++index)
    {
        auto& key = keys[static_cast<std::size_t> (index - 1)];
        key = std::make_unique<sequencerTick> (index, *this);
        addAndMakeVisible (*key);
    }
    setSize (width, height);
}

SequencerButtons::~SequencerButtons() = default;

void SequencerButtons::setKey (int index, int stripValue)
{
    if (!isKeyIndex (index))
        return;

    const juce::ScopedLock lock (processor.getEditorLock());
    keyAt (index).setStripValue (stripValue);
}

int SequencerButtons::getKey (int index) const noexcept
{
    return isKeyIndex (index) ? keys[static_cast<std::size_t> (index - 1)]->getStripValue() : 0;
}

sequencerTick& SequencerButtons::keyAt (int index) noexcept
{
    return *keys[static_cast<std::size_t> (std::clamp (index, 1, numKeys) - 1)];
}

void SequencerButtons::sendStep (int index, int stripValue)
{
    if (isKeyIndex (index))
        processor.setParameterNotifyingHost (parameterIndex::step + index - 1, stepParameterValue (stripValue));
}

void SequencerButtons::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (stripColour));
    g.setColour (juce::Colours::black);
    const auto background = images::stripBackground();
    g.drawImage (background, 0, 0, width, height, 0, 0, background.getWidth(), background.getHeight());
}

void SequencerButtons::resized()
{
    for (int index = 1; index <= numKeys; ++index)
        keyAt (index).setTopLeftPosition (keyX[static_cast<std::size_t> (index - 1)], keyY);
}

void SequencerButtons::keyClicked (sequencerTick& key)
{
    if (tool == Tool::erase)
        eraseStep (key);
    else
        drawStep (key);
}

void SequencerButtons::eraseStep (sequencerTick& key)
{
    key.setStripValue (emptyStripValue);

    const juce::ScopedLock lock (processor.getEditorLock());
    auto& model = processor.getModel();
    const auto pattern = model.sequencer.ints.read (SequencerState::pattern);
    const auto layer = model.sequencer.ints.read (SequencerState::layer);
    model.writeStep (pattern, layer, key.getStepIndex() - 1, emptyStep);
    sendStep (key.getStepIndex(), emptyStripValue);
}

void SequencerButtons::drawStep (sequencerTick& key)
{
    // A right-click repeats the last left-click: it starts from the value that
    // click started from.
    const int before = key.wasRightClicked() ? lastSetting : key.getStripValue();
    lastSetting = before;
    const int drawn = nextStripValue (before);

    {
        const juce::ScopedLock lock (processor.getEditorLock());
        if (processor.getModel().globalOptions.read (GlobalOptions::effectAutoSelect) == 1)
            tabs.setCurrentTabIndex (drawn - 1, true);
    }
    key.setStripValue (drawn);
}

} // namespace gatevox
