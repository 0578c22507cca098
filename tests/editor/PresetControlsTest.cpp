#include "tests/editor/EditorRig.h"

#include "persistence/PresetFolder.h"

using namespace gatevox;

namespace
{
juce::StringArray listed (const juce::ComboBox& box)
{
    juce::StringArray items;
    for (int i = 0; i < box.getNumItems(); ++i)
        items.add (box.getItemText (i));
    return items;
}
} // namespace

class PresetControls : public EditorRig
{
protected:
    [[nodiscard]] const PresetDialog& dialog() const { return window->getPresets().dialog(); }

    // Types into the open "Save Preset" window's name field and clicks a button.
    void answer (const juce::String& name, const juce::String& buttonName)
    {
        auto* alert = dialog().window();
        ASSERT_NE (alert, nullptr);
        auto* field = alert->getTextEditor (PresetDialog::nameField);
        ASSERT_NE (field, nullptr) << "no name asked for: " << dialog().message();
        field->setText (name);
        user::click (findNamed<juce::Button> (*alert, buttonName));
        // The answer arrives from the message loop; a saved preset rebuilds the list.
        runMessagesUntil ([this, alert] { return dialog().window() != alert; });
    }

    void dismissNotice()
    {
        ASSERT_NE (dialog().window(), nullptr);
        user::press (*dialog().window(), juce::KeyPress (juce::KeyPress::returnKey));
        ASSERT_TRUE (runMessagesUntil ([this] { return dialog().window() == nullptr; }));
    }

    [[nodiscard]] juce::StringArray rowOfSteps()
    {
        juce::StringArray row;
        for (int s = 0; s < numSteps; ++s)
            row.add (juce::String (step (0, 0, s)));
        return row;
    }
};

TEST_F (PresetControls, LoadingBlankPutsTheModelBackToBlank)
{
    writeSteps (0, 0, std::vector<std::int32_t> (numSteps, 2));
    reopenWindow();
    ASSERT_EQ (box ("Presets").getText(), "<Blank>");

    user::click (button ("Load Preset"));
    EXPECT_EQ (rowOfSteps(), juce::StringArray::fromTokens ("5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5", false));
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 6));
}

TEST_F (PresetControls, SaveAsksForANameWritesThePresetAndSelectsIt)
{
    writeSteps (0, 0, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3});
    const auto saved = rowOfSteps();

    user::click (button ("Save Preset"));
    ASSERT_NE (dialog().window(), nullptr);
    EXPECT_EQ (dialog().message(), "Enter the name of your preset:");
    EXPECT_EQ (dialog().window()->getTextEditorContents (PresetDialog::nameField), "Preset Name");
    answer ("Dark", "ok");
    EXPECT_EQ (dialog().window(), nullptr);
    EXPECT_TRUE (presetFolder.getChildFile ("Dark.xml").existsAsFile());
    EXPECT_EQ (listed (box ("Presets")), juce::StringArray ("<Blank>", "Dark"));
    EXPECT_EQ (box ("Presets").getText(), "Dark");

    user::choose (box ("Presets"), 1);
    user::click (button ("Load Preset"));
    ASSERT_NE (rowOfSteps(), saved);
    user::choose (box ("Presets"), 2);
    user::click (button ("Load Preset"));
    EXPECT_EQ (rowOfSteps(), saved);
    EXPECT_EQ (shownKeys()[2], 3);
}

TEST_F (PresetControls, ARefusedNameIsAnsweredInTheDialogAndCancelWritesNothing)
{
    user::click (button ("Save Preset"));
    answer ("../Outside", "ok");
    ASSERT_NE (dialog().window(), nullptr);
    EXPECT_EQ (dialog().message(), describePresetResult (PresetResult::nameIsPath));
    EXPECT_EQ (dialog().window()->getTextEditorContents (PresetDialog::nameField), "../Outside");

    answer ("Outside", "cancel");
    EXPECT_EQ (dialog().window(), nullptr);
    EXPECT_EQ (folder.getNumberOfChildFiles (juce::File::findFiles, "*"), 0);
    EXPECT_EQ (presetFolder.getNumberOfChildFiles (juce::File::findFiles, "*"), 0);
    EXPECT_EQ (listed (box ("Presets")), juce::StringArray ("<Blank>"));
}

TEST_F (PresetControls, AMissingFolderListsOnlyBlankAndSaveSaysSo)
{
    presetFolder.deleteRecursively();
    reopenWindow();
    EXPECT_EQ (listed (box ("Presets")), juce::StringArray ("<Blank>"));

    user::click (button ("Save Preset"));
    EXPECT_TRUE (dialog().message().startsWith ("The preset folder is missing"));
    dismissNotice();
    EXPECT_FALSE (presetFolder.exists()) << "the folder is never created";
}

TEST_F (PresetControls, APresetThatDoesNotParseLeavesTheModelAndSaysSo)
{
    ASSERT_TRUE (presetFolder.getChildFile ("Broken.xml").replaceWithText ("<SkiptorPreset broken"));
    writeSteps (0, 0, std::vector<std::int32_t> (numSteps, 1));
    reopenWindow();
    const auto before = rowOfSteps();

    user::choose (box ("Presets"), 2);
    user::click (button ("Load Preset"));
    EXPECT_EQ (rowOfSteps(), before);
    EXPECT_EQ (dialog().message(), describePresetResult (PresetResult::notAPreset));
    dismissNotice();
}

TEST_F (PresetControls, TheHostsWindowListsTheMachinesPresetsThroughTheProcessor)
{
    window = std::make_unique<MainGUI> (processor);
    juce::StringArray expected ("<Blank>");
    expected.addArray (processor.presetNames());
    EXPECT_EQ (listed (box ("Presets")), expected);
}
