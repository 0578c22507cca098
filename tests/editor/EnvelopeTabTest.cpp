#include "tests/editor/SlotPageRig.h"
#include "tests/editor/Snapshot.h"

#include "params/ParameterLayout.h"

using namespace gatevox;

class EnvelopeTabTest : public SlotPageRig
{
protected:
    void showEnvelope (int slot)
    {
        showSlot (slot);
        showInnerTab (slot, 1);
    }
    juce::Button& enable (int slot) { return findNamed<juce::Button> (page (slot), "EnableEnvelope"); }
    juce::ComboBox& destination (int slot) { return findNamed<juce::ComboBox> (page (slot), "Envelope Destination"); }
};

TEST_F (EnvelopeTabTest, EnableEnvelopeSendsOnAndOff)
{
    showEnvelope (2);
    user::click (enable (2));
    EXPECT_FLOAT_EQ (host.received.at (79), 1.0f);
    user::click (enable (2));
    EXPECT_FLOAT_EQ (host.received.at (79), 0.0f);
}

TEST_F (EnvelopeTabTest, DestinationIsSentAndShownInBothBoxes)
{
    showEnvelope (1);
    user::choose (destination (1), 5);
    EXPECT_FLOAT_EQ (host.received.at (128), 5.0f / 7.0f);
    destination (1).setSelectedId (1, juce::dontSendNotification);
    tick();
    EXPECT_EQ (destination (1).getText(), "Param2");
    EXPECT_EQ (findNamed<juce::ComboBox> (page (1).getEffectPanel(), "EnvelopeControl").getText(), "Param2");
}

TEST_F (EnvelopeTabTest, KnobsSendTheirOwnParameter)
{
    showEnvelope (1);
    // Knob 2 of segment 3.
    user::drag (control<juce::Slider> (page (1), {225, 100, 25, 25}), {{12, 12}, {12, 4}, {40, -30}});
    ASSERT_TRUE (host.receivedAny (150, 1));
    EXPECT_FLOAT_EQ (model().envelope (1).knobs.read (EnvelopeSettings::knobIndex (2, 1)), host.received.at (150));
    EXPECT_EQ (host.received.size(), 1u);
}

TEST_F (EnvelopeTabTest, HostValuesShowAfterATick)
{
    showEnvelope (0);
    processor.setParameterFromHost (parameterIndex::envelopeOn, 0.5f);
    processor.setParameterFromHost (parameterIndex::envelopeKnob + 4 * 2 + 3, 0.25f); // knob 3, segment 4
    tick();
    EXPECT_TRUE (enable (0).getToggleState());
    EXPECT_DOUBLE_EQ (control<juce::Slider> (page (0), {346, 100, 25, 25}).getValue(), 0.25);
    processor.setParameterFromHost (parameterIndex::envelopeOn, 1e-8f);
    tick();
    EXPECT_FALSE (enable (0).getToggleState());
    EXPECT_TRUE (host.received.empty()) << "a refresh sends nothing";
}

TEST_F (EnvelopeTabTest, PreviewCurvesFollowTheKnobs)
{
    ADSRPreview preview (4);
    for (int k = 0; k < 3; ++k)
    {
        preview.setKnob (0, k, k == 1 ? 1.0f : 0.0f);
        preview.setKnob (1, k, 1.0f);
    }
    EXPECT_NEAR (preview.point (0, 45), 0.75f, 0.01f);
    EXPECT_NEAR (ADSRPreview::drawnAt (0, 45, preview.point (0, 45)).y, 19.5f, 0.6f);
    EXPECT_NEAR (preview.point (1, 22), 1.07f, 0.01f);
    EXPECT_FLOAT_EQ (ADSRPreview::drawnAt (1, 22, preview.point (1, 22)).y, 2.0f);
    EXPECT_FLOAT_EQ (preview.point (1, 0), 0.999f);
    EXPECT_FLOAT_EQ (ADSRPreview::drawnAt (1, 0, 0.0f).x, 94.0f);
    EXPECT_EQ (preview.fillColour(), juce::Colour (0xb3c8cf06));
    EXPECT_EQ (ADSRPreview (1).fillColour(), juce::Colour (0x88848484));
}

TEST_F (EnvelopeTabTest, LooksAsReviewed)
{
    processor.setParameterFromHost (parameterIndex::envelopeOn + 3, 1.0f);
    processor.setParameterFromHost (parameterIndex::envelopeDestination + 3, 3.0f / 7.0f);
    showEnvelope (3);
    tick();
    expectLooksLikeReference (*page (3).getInnerTabs().getCurrentContentComponent(), "envelope-tab");
}
