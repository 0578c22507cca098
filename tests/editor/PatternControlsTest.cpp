#include "tests/editor/EditorRig.h"

#include "editor/MainLayout.h"
#include "params/ParameterLayout.h"

using namespace gatevox;

namespace
{
using Row = std::vector<std::int32_t>;

const Row rowA{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3};
const Row rowB{4, 4, 5, 5, 3, 3, 2, 2, 1, 1, 0, 0, 5, 4, 3, 2};

std::vector<int> stripValuesOf (const Row& row)
{
    std::vector<int> keys;
    for (auto value : row)
        keys.push_back (value + 1);
    return keys;
}

juce::Point<int> layerButtonCentre (int layer)
{
    const int x = mainLayout::layerButtonX[static_cast<std::size_t> (layer)];
    // Left of the next button's overlap.
    return {x + 10, mainLayout::layerButtonY + mainLayout::layerButtonHeight / 2};
}
} // namespace

class PatternControls : public EditorRig
{
protected:
    Row stepsOf (int pattern, int layer)
    {
        Row row;
        for (int s = 0; s < numSteps; ++s)
            row.push_back (step (pattern, layer, s));
        return row;
    }

    Row mirrorOf (int pattern, int layer)
    {
        Row row;
        for (int s = 0; s < numSteps; ++s)
            row.push_back (model().stepMirror.read (layer, pattern, s));
        return row;
    }

    void clickLayer (int layer) { user::clickAt (*window, layerButtonCentre (layer)); }

    void copy (int menuItem)
    {
        user::click (button ("Copy Button"));
        user::chooseMenuItem (*window, menuItem);
        ASSERT_TRUE (runMessagesUntil ([this] { return button ("Paste Button").isVisible(); }));
        EXPECT_FALSE (button ("Copy Button").isVisible());
    }

    void paste()
    {
        user::click (button ("Paste Button"));
        EXPECT_TRUE (button ("Copy Button").isVisible());
        EXPECT_FALSE (button ("Paste Button").isVisible());
    }

    juce::ComboBox& patternBox() { return at<juce::ComboBox> (mainLayout::selectedPatternBox.getCentre()); }
    juce::ComboBox& countBox() { return at<juce::ComboBox> (mainLayout::patternCountBox.getCentre()); }
};

TEST_F (PatternControls, ResetEmptiesTheStripAndSendsEveryStep)
{
    writeSteps (0, 0, rowA);
    reopenWindow();
    ASSERT_EQ (shownKeys(), stripValuesOf (rowA));

    user::click (button ("new button"));
    tick();
    EXPECT_EQ (stepsOf (0, 0), Row (numSteps, emptyStep));
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 6));
    for (int s = 0; s < numSteps; ++s)
        EXPECT_FLOAT_EQ (host.received.at (parameterIndex::step + s), 5.0f / 6.0f) << "step " << s + 1;
}

TEST_F (PatternControls, OneLayerPastesIntoAnotherLayerWithoutTellingTheHost)
{
    writeSteps (0, 0, rowA);
    reopenWindow();
    copy (1);

    clickLayer (2);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::layer), 0.5f);
    EXPECT_EQ (sequencer (SequencerState::layer), 2);
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 6)) << "the strip shows the new layer";
    for (int layer = 0; layer < numLayers; ++layer)
        EXPECT_EQ (at<juce::Button> (layerButtonCentre (layer)).getToggleState(), layer == 2);

    host.received.clear();
    paste();
    EXPECT_EQ (stepsOf (0, 2), rowA);
    EXPECT_EQ (mirrorOf (0, 2), rowA);
    EXPECT_EQ (shownKeys(), stripValuesOf (rowA));
    EXPECT_TRUE (host.received.empty());
    tick();
    EXPECT_FALSE (host.receivedAny (parameterIndex::step, numSteps)) << "the strip agrees with the pasted steps";
}

TEST_F (PatternControls, AllLayersPasteIntoAnotherPattern)
{
    const std::vector<Row> layers{rowA, rowB, Row (numSteps, 1), Row (numSteps, 3)};
    for (int layer = 0; layer < numLayers; ++layer)
        writeSteps (0, layer, layers[static_cast<std::size_t> (layer)]);
    clickLayer (1);
    copy (2);

    user::choose (patternBox(), 3);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::selectedPattern), 0.125f);
    EXPECT_EQ (sequencer (SequencerState::pattern), 2);
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 6)) << "the box shows the chosen pattern's steps";

    paste();
    for (int layer = 0; layer < numLayers; ++layer)
    {
        EXPECT_EQ (stepsOf (2, layer), layers[static_cast<std::size_t> (layer)]) << "layer " << layer;
        EXPECT_EQ (mirrorOf (2, layer), layers[static_cast<std::size_t> (layer)]) << "layer " << layer;
    }
    EXPECT_EQ (shownKeys(), stripValuesOf (rowB)) << "the strip shows the current layer";
}

TEST_F (PatternControls, FillTurnsEmptyStepsIntoTheSlotAfterTheLastSetting)
{
    user::click (key (1)); // empty to Fx 1: last setting 6
    user::click (button ("fill button"));
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 1));
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::step + 15), 0.0f);
    tick();
    EXPECT_EQ (stepsOf (0, 0), Row (numSteps, 0));

    user::click (button ("toolDelete"));
    user::click (key (5));
    user::click (key (6));
    user::click (button ("toolDraw"));
    for (int i = 0; i < 3; ++i)
        user::click (key (1)); // Fx 1 to Fx 4: last setting 3
    user::click (button ("fill button"));
    const std::vector<int> expected{4, 1, 1, 1, 4, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ (shownKeys(), expected) << "only the empty steps are filled";
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::step + 4), 0.5f);
}

TEST_F (PatternControls, PatternBoxesSendTheirParameters)
{
    writeSteps (15, 0, rowB);
    user::choose (patternBox(), 16);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::selectedPattern), 0.9375f);
    EXPECT_EQ (sequencer (SequencerState::pattern), 15);
    EXPECT_EQ (shownKeys(), stripValuesOf (rowB));

    user::choose (countBox(), 5);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::patternCount), 0.25f);
    EXPECT_EQ (sequencer (SequencerState::patternCount), 4);

    user::choose (box ("Pattern Speed"), 3);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::patternSpeed), 2.0f / 3.0f);
    EXPECT_EQ (sequencer (SequencerState::patternSpeed), 2);
    user::choose (box ("Pattern Speed"), 1);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::patternSpeed), 0.0f);
    EXPECT_EQ (sequencer (SequencerState::patternSpeed), 0);
}

TEST_F (PatternControls, KnobsSendMasterGainAndMix)
{
    // The knobs turn from 1.2 pi (7 o'clock) to 2.8 pi (5 o'clock) and stop
    // at their ends: over 12 o'clock to 3 o'clock is 1.3 pi of the 1.6 pi
    // travel, to 9 o'clock 0.3 pi.
    tick();
    auto& gain = at<juce::Slider> (mainLayout::gainKnob.getCentre());
    const auto centre = gain.getLocalBounds().getCentre();
    const auto top = centre - juce::Point<int> (0, 40);
    user::drag (gain, {centre, top, centre + juce::Point<int> (40, 0)});
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::effectGain), 0.8125f);
    EXPECT_FLOAT_EQ (model().sequencer.floats.read (SequencerState::effectGain), 0.8125f);

    auto& mix = at<juce::Slider> (mainLayout::mixKnob.getCentre());
    user::drag (mix, {centre, top, centre - juce::Point<int> (40, 0)});
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::effectMix), 0.1875f);
    EXPECT_FLOAT_EQ (model().sequencer.floats.read (SequencerState::effectMix), 0.1875f);
}
