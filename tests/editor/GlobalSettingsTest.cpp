#include "tests/editor/EditorRig.h"

#include "persistence/GlobalSettings.h"

using namespace gatevox;

class GlobalSettingsPage : public EditorRig
{
protected:
    GlobalSettings& showPage()
    {
        user::click (findNamed<juce::Component> (window->getTabPanel(), "Global Settings"));
        return dynamic_cast<GlobalSettings&> (*window->getTabPanel().getCurrentContentComponent());
    }

    [[nodiscard]] std::int32_t option (GlobalOptions::Option o) { return model().globalOptions.read (o); }
};

TEST_F (GlobalSettingsPage, StartsFromTheOptionsWithItsBoxesEmpty)
{
    processor.changeGlobalOption (GlobalOptions::patternFollowsSongPosition, 1.0f);
    processor.changeGlobalOption (GlobalOptions::additionalSmoothing, 4.0f);
    reopenWindow();
    auto& page = showPage();

    EXPECT_TRUE (findNamed<juce::Button> (page, "toggle pattern pos follow").getToggleState());
    EXPECT_FALSE (findNamed<juce::Button> (page, "toggle effect autoselect").getToggleState());
    for (const auto* name : {"combo smoothing", "combo default routing"})
        EXPECT_EQ (findNamed<juce::ComboBox> (page, name).getSelectedId(), 0) << name;
    EXPECT_EQ (findNamed<juce::ComboBox> (page, "combo smoothing").getTextWhenNothingSelected(), "None");
    EXPECT_FALSE (findNamed<juce::ComboBox> (page, "new combo box").isVisible());
    EXPECT_FALSE (findNamed<juce::ComboBox> (page, "combo empty default").isVisible());
    EXPECT_FALSE (findNamed<juce::Label> (page, "label freq est").isVisible());
}

TEST_F (GlobalSettingsPage, EachChangeReachesTheProcessorsOptions)
{
    auto& page = showPage();
    user::choose (findNamed<juce::ComboBox> (page, "combo smoothing"), 5);
    EXPECT_EQ (option (GlobalOptions::additionalSmoothing), 5);
    user::choose (findNamed<juce::ComboBox> (page, "combo default routing"), 2);
    EXPECT_EQ (option (GlobalOptions::defaultRoutingPath), 2);

    user::click (findNamed<juce::Button> (page, "toggle effect autoselect"));
    EXPECT_EQ (option (GlobalOptions::effectAutoSelect), 1);
    user::click (findNamed<juce::Button> (page, "toggle pattern pos follow"));
    EXPECT_EQ (option (GlobalOptions::patternFollowsSongPosition), 1);
    user::click (findNamed<juce::Button> (page, "toggle pattern pos follow"));
    EXPECT_EQ (option (GlobalOptions::patternFollowsSongPosition), 0);

    // A change while another write holds the options is dropped; the box keeps showing it.
    model().globalOptions.writeCounter().raise();
    user::choose (findNamed<juce::ComboBox> (page, "combo smoothing"), 2);
    model().globalOptions.writeCounter().lower();
    EXPECT_EQ (option (GlobalOptions::additionalSmoothing), 5);
    EXPECT_EQ (findNamed<juce::ComboBox> (page, "combo smoothing").getText(), "First Order Low Pass");
}
