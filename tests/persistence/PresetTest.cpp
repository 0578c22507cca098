#include "tests/persistence/PersistenceSupport.h"

#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "persistence/PresetDocument.h"
#include "persistence/PresetFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <set>
#include <sys/resource.h>
#include <thread>

using namespace gatevox;

namespace
{
void shapeModel (ProcessorModel& model)
{
    namespace pi = parameterIndex;
    setParameter (model, pi::patternSpeed, 0.1f);
    setParameter (model, pi::patternCount, 0.5f);
    setParameter (model, pi::effectGain, 0.7f);
    for (int step = 0; step < numSteps; ++step)
        setParameter (model, pi::step + step, static_cast<float> ((step * 7) % 6) / 6.0f + 0.01f);
    for (int s = 0; s < numSlots; ++s)
    {
        setParameter (model, pi::kernel + s, static_cast<float> (10 + 5 * s) / 51.0f);
        setParameter (model, pi::lfoWave + s, static_cast<float> (s) / 14.0f + 0.001f);
        setParameter (model, pi::routeType + s, 0.6f);
        setParameter (model, pi::envelopeDestination + s, 0.45f);
        setParameter (model, pi::envelopeKnob + 12 * s + 4, 0.33f);
        for (std::size_t k = 0; k < static_cast<std::size_t> (numKernelParams); ++k)
            model.kernelParams (s).value.drainingRelease (k, 0.125f * static_cast<float> (k + 1));
    }
    model.sequencer.ints.skippingWrite (SequencerState::selectedEffect, 3);
}

float mix (const ProcessorModel& model)
{
    return model.sequencer.floats.read (SequencerState::effectMix);
}
void setMix (ProcessorModel& model, float v)
{
    model.sequencer.floats.skippingWrite (SequencerState::effectMix, v);
}
} // namespace

class PresetFolderTest : public ::testing::Test
{
protected:
    std::unique_ptr<juce::XmlElement> snapshot() { return writePresetDocument (*model, "snapshot", 48000.0); }
    PresetResult save (const juce::String& name) { return savePreset (*model, folder.get(), name, 48000.0); }
    PresetResult load (const juce::String& name) { return loadPreset (*model, folder.get(), name, editorLock); }
    // "./" keeps a name that starts with "~" a plain name in the folder.
    [[nodiscard]] juce::File file (const juce::String& name) const { return folder.get().getChildFile ("./" + name); }
    [[nodiscard]] int filesInFolder() const
    {
        return folder.get().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*");
    }

    void writePreset (const juce::String& name, const AttributeList& attributes)
    {
        ASSERT_TRUE (makeDocument (presetTag, attributes).writeTo (file (name + ".xml")));
    }

    TemporaryFolder folder;
    std::unique_ptr<ProcessorModel> model = makeModel();
    juce::CriticalSection editorLock;
};

TEST (PresetDocument, AttributesInTheirOrderAndSpelling)
{
    auto model = makeModel();
    const auto preset = writePresetDocument (*model, "Dark", 48000.0);
    EXPECT_EQ (preset->getTagName(), "SkiptorPreset");
    EXPECT_EQ (preset->getNumAttributes(), 973);
    EXPECT_EQ (attributeNames (*preset), fixtureLines ("preset-attributes.txt"));
    EXPECT_EQ (attributeText (*preset, "preset_name"), "Dark");
}

TEST_F (PresetFolderTest, SavedFileHasDeclarationAndWrappedAttributes)
{
    ASSERT_EQ (save ("Dark"), PresetResult::done);
    juce::StringArray lines;
    lines.addLines (file ("Dark.xml").loadFileAsString());
    EXPECT_EQ (lines[0], "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_TRUE (lines[2].startsWith ("<SkiptorPreset preset_name=\"Dark\""));
    ASSERT_GT (lines.size(), 100);

    // Attributes follow each other until a line passes 60 characters;
    // continuation lines are indented to just past the tag.
    for (int i = 3; i < lines.size() - 2; ++i)
    {
        const auto content = lines[i].substring (14);
        EXPECT_TRUE (lines[i].startsWith (juce::String::repeatedString (" ", 15))) << lines[i];
        EXPECT_GT (content.length(), 60) << lines[i];
        EXPECT_LE (content.lastIndexOf ("\" ") + 1, 60) << lines[i];
    }
}

TEST_F (PresetFolderTest, SaveThenLoadAtTheSameTempoRestoresEveryField)
{
    shapeModel (*model);
    const auto saved = snapshot();
    ASSERT_EQ (save ("Dark"), PresetResult::done);

    model = makeModel();
    ASSERT_EQ (load ("Dark"), PresetResult::done);
    const auto loaded = snapshot();

    // The LFO positions start from the table's start; everything else the
    // loader reads comes back exactly.
    const std::set<std::string> notRead{"seq_position", "ppq_pos", "sample_rate", "tempo"};
    for (int i = 0; i < saved->getNumAttributes(); ++i)
    {
        const auto name = saved->getAttributeName (i).toStdString();
        if (notRead.count (name) == 0 && !name.ends_with ("_next_pos") && !name.ends_with ("_i_2"))
        {
            EXPECT_EQ (saved->getAttributeValue (i), loaded->getAttributeValue (i)) << name;
        }
    }
    EXPECT_EQ (model->transport.stepsPerBeat.get(), 0.5) << "speed 0 plays 1/2 steps";
    EXPECT_EQ (model->slot (0).loadMarkers.read (1), 1);
    EXPECT_EQ (model->reloadInProgress.load(), 0);
    EXPECT_EQ (model->resyncHold.load(), 1);
}

TEST_F (PresetFolderTest, SavingUnderAnExistingOrUnusualNameReplacesOneFile)
{
    const auto longest = juce::String::repeatedString ("n", 251);
    for (const auto& name :
         {juce::String ("Dark"), longest, juce::String::fromUTF8 (" D\xc3\xbcster <&\"> "), juce::String ("~root")})
    {
        for (const float v : {0.5f, 0.25f})
        {
            setMix (*model, v);
            ASSERT_EQ (save (name), PresetResult::done) << name;
        }
        setMix (*model, 1.0f);
        ASSERT_EQ (load (name), PresetResult::done) << name;
        EXPECT_EQ (mix (*model), 0.25f);
        EXPECT_EQ (juce::parseXML (file (name + ".xml"))->getStringAttribute ("preset_name"), name);
    }
    EXPECT_EQ (filesInFolder(), 4) << "no temporary file is left";
}

TEST_F (PresetFolderTest, LfoRatesFollowTheTempo)
{
    model->slot (0).floats.waitingWrite (SlotSettings::lfoRate, 0.3f);
    model->slot (0).floats.waitingWrite (SlotSettings::lfoFrequency, 6.0f);
    ASSERT_EQ (save ("Fast"), PresetResult::done);

    model = makeModel();
    model->transport.tempo = 60.0f;
    ASSERT_EQ (load ("Fast"), PresetResult::done);
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::lfoRate), 0.15f);
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::lfoFrequency), 3.0f);

    // A tempo of 0, or one that is not a number, rescales nothing.
    writePreset ("Zero", {{"tempo", "0"}, {"controls_0_f_7", "0.5"}});
    ASSERT_EQ (load ("Zero"), PresetResult::done);
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::lfoRate), 0.5f);
    model->transport.tempo = std::numeric_limits<float>::quiet_NaN();
    ASSERT_EQ (load ("Zero"), PresetResult::done);
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::lfoRate), 0.5f);
}

TEST_F (PresetFolderTest, DefaultsDifferFromTheHostState)
{
    model->kernelParams (2).value.drainingRelease (5, 9.0f);
    model->slot (1).ints.waitingWrite (SlotSettings::position, 500);
    model->slot (1).nextPosition = 534;
    writePreset ("Sparse", {{"controls_0_effect_str", "ECHO"},
                            {"controls_0_i_5", "22"},
                            {"pattern_speed", "3"},
                            {"controls_1_i_2", "77"},
                            {"controls_1_next_pos", "99"}});
    ASSERT_EQ (load ("Sparse"), PresetResult::done);

    EXPECT_EQ (model->sequencer.ints.read (SequencerState::selectedEffect), 1) << "slot 2's page";
    EXPECT_EQ (model->kernelParams (2).value.read (5), 0.0f);
    EXPECT_EQ (model->slot (0).ints.read (SlotSettings::kernelId), 22) << "no legacy names in presets";
    EXPECT_EQ (model->envelope (3).destination.read (0), 1);
    EXPECT_EQ (model->slot (3).floats.read (SlotSettings::lfoRate), 0.0f);
    EXPECT_EQ (model->slot (3).floats.read (SlotSettings::floor), 0.0125f);
    EXPECT_EQ (model->sequencer.ints.read (SequencerState::patternSpeed), 1) << "legacy without a version";
    EXPECT_EQ (model->slot (1).ints.read (SlotSettings::position), 0);
    EXPECT_EQ (model->slot (1).nextPosition.get(), 0);
}

TEST_F (PresetFolderTest, FilesThatAreMissingEmptyOrNotPresets)
{
    shapeModel (*model);
    const auto before = snapshot();
    ASSERT_TRUE (file ("Empty.xml").create());
    EXPECT_EQ (load ("Nowhere"), PresetResult::missingFile);
    EXPECT_EQ (load ("Empty"), PresetResult::missingFile);
    EXPECT_EQ (model->resyncHold.load(), 0);

    ASSERT_TRUE (file ("Garbage.xml").replaceWithText ("\x01\x02 not xml"));
    ASSERT_TRUE (file ("State.xml").replaceWithText ("<SkiptorStateInfo effect_mix=\"0.1\"/>"));
    EXPECT_EQ (load ("Garbage"), PresetResult::notAPreset);
    EXPECT_EQ (load ("State"), PresetResult::notAPreset);
    EXPECT_EQ (model->resyncHold.load(), 2);
    EXPECT_EQ (model->reloadInProgress.load(), 0);
    EXPECT_TRUE (snapshot()->isEquivalentTo (before.get(), false));

    ASSERT_TRUE (file ("Lower.xml").replaceWithText ("<skiptorpreset effect_mix=\"0.1\"/>"));
    EXPECT_EQ (load ("Lower"), PresetResult::done);
    EXPECT_EQ (mix (*model), 0.1f) << "tags compare without case";
}

TEST (PresetNames, OnlySingleFileNamesAreAccepted)
{
    for (const char* name : {"Dark Side", " spaced ", "a..b", ".hidden", "x.xml",
                             "\xc3\xbc"
                             "ber"})
        EXPECT_EQ (checkPresetName (juce::String::fromUTF8 (name)), PresetResult::done) << name;

    EXPECT_EQ (checkPresetName (""), PresetResult::emptyName);
    for (const char* name : {".", "..", "../x", "a/b", "/tmp/y", "a\\b", "..\\..\\x"})
        EXPECT_EQ (checkPresetName (name), PresetResult::nameIsPath) << name;
    for (const char* name : {"a\nb", "tab\t", "del\x7f"})
        EXPECT_EQ (checkPresetName (name), PresetResult::nameHasControlCharacter) << name;

    juce::String accents;
    for (int i = 0; i < 125; ++i)
        accents += juce::String::fromUTF8 ("\xc3\xa9");
    EXPECT_EQ (checkPresetName (accents), PresetResult::done);
    EXPECT_EQ (checkPresetName (accents + juce::String::fromUTF8 ("\xc3\xa9")), PresetResult::nameTooLong)
        << "\"<name>.xml\" counts UTF-8 bytes";
    EXPECT_TRUE (describePresetResult (PresetResult::nameIsPath).contains ("/"));
}

TEST_F (PresetFolderTest, RefusedNamesTouchNothingOutsideTheFolder)
{
    const auto inner = file ("Presets");
    ASSERT_TRUE (inner.createDirectory());
    ASSERT_TRUE (file ("outside.xml").replaceWithText ("<SkiptorPreset effect_mix=\"0.1\"/>"));
    const auto outsideBefore = file ("outside.xml").loadFileAsString();

    for (const char* name : {"../outside", "/tmp/gatevox-escape", "sub/inner", ".."})
    {
        EXPECT_EQ (savePreset (*model, inner, name, 48000.0), PresetResult::nameIsPath) << name;
        EXPECT_EQ (loadPreset (*model, inner, name, editorLock), PresetResult::nameIsPath) << name;
    }
    EXPECT_EQ (inner.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
    EXPECT_EQ (filesInFolder(), 2);
    EXPECT_EQ (file ("outside.xml").loadFileAsString(), outsideBefore);
    EXPECT_FALSE (juce::File ("/tmp/gatevox-escape.xml").exists());
    EXPECT_EQ (mix (*model), 1.0f);
    EXPECT_EQ (model->reloadInProgress.load() + model->resyncHold.load(), 0);
}

TEST_F (PresetFolderTest, FailedWritesLeaveTheOldFileAndNoTemporaryFile)
{
    EXPECT_EQ (savePreset (*model, file ("Missing"), "Dark", 48000.0), PresetResult::writeFailed);
    EXPECT_FALSE (file ("Missing").exists()) << "the folder is never created";

    ASSERT_EQ (save ("Dark"), PresetResult::done);
    const auto good = file ("Dark.xml").loadFileAsString();

    // A file size limit makes every write past 4 KB fail, as a full disk does.
    rlimit previous{};
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &small), 0);
    setMix (*model, 0.25f);
    const auto result = save ("Dark");
    setrlimit (RLIMIT_FSIZE, &previous);
    std::signal (SIGXFSZ, previousHandler);

    EXPECT_EQ (result, PresetResult::writeFailed);
    EXPECT_EQ (file ("Dark.xml").loadFileAsString(), good);

    ASSERT_TRUE (file ("Folder.xml").createDirectory());
    EXPECT_EQ (save ("Folder"), PresetResult::writeFailed);
    EXPECT_TRUE (file ("Folder.xml").isDirectory()) << "a folder in the way is never replaced";
    EXPECT_EQ (filesInFolder(), 2);
}

TEST_F (PresetFolderTest, ListHoldsThePresetFilesDirectlyInTheFolder)
{
    for (const char* name : {"Alpha", "Beta", "Gamma Ray", "~Tilde"})
        ASSERT_EQ (save (name), PresetResult::done);
    for (const char* other : {"notes.txt", ".xml", "tab\tname.xml"})
        ASSERT_TRUE (file (other).replaceWithText ("x"));
    ASSERT_TRUE (file ("Sub.xml").getChildFile ("Inner.xml").create());

    auto names = listPresets (folder.get());
    names.sort (false);
    EXPECT_EQ (names.joinIntoString ("|"), "Alpha|Beta|Gamma Ray|~Tilde");
    EXPECT_TRUE (listPresets (file ("missing")).isEmpty());
}

TEST_F (PresetFolderTest, LoadHoldsTheEditorLockWithTheReloadRaised)
{
    ASSERT_EQ (save ("Dark"), PresetResult::done);
    setMix (*model, 0.5f);

    std::atomic<bool> finished{false};
    std::thread loader;
    {
        const juce::ScopedLock editorHoldsTheLock (editorLock);
        loader = std::thread (
            [&]
            {
                load ("Dark");
                finished = true;
            });
        while (model->reloadInProgress.load() == 0)
            std::this_thread::yield();
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
        EXPECT_FALSE (finished.load());
        EXPECT_EQ (mix (*model), 0.5f);
    }
    loader.join();
    EXPECT_EQ (mix (*model), 1.0f);
    EXPECT_EQ (model->reloadInProgress.load(), 0);
}
