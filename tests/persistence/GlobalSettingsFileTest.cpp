#include "tests/persistence/PersistenceSupport.h"

#include "persistence/DocumentText.h"
#include "persistence/GlobalSettingsFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace gatevox;

namespace
{
using O = GlobalOptions;

std::vector<float> optionValues (const GlobalOptions& options)
{
    std::vector<float> values;
    for (int i = 0; i < static_cast<int> (O::optionCount); ++i)
    {
        const auto o = static_cast<O::Option> (i);
        values.push_back (options.readFloat (o));
        EXPECT_EQ (options.read (o), static_cast<int> (options.readFloat (o))) << "integer copy of option " << i;
    }
    return values;
}

// The attribute values of the file, checked for tag and order on the way.
std::vector<std::string> fileValues (const juce::File& file)
{
    const auto element = juce::parseXML (file);
    if (element == nullptr)
        return {};
    EXPECT_EQ (element->getTagName(), "GatevoxGlobal");
    EXPECT_EQ (attributeNames (*element), (std::vector<std::string>{"global_f_0", "global_f_1", "global_f_2",
                                                                    "global_f_3", "global_f_4", "global_f_5"}));
    std::vector<std::string> values;
    for (int i = 0; i < element->getNumAttributes(); ++i)
        values.push_back (element->getAttributeValue (i).toStdString());
    return values;
}
} // namespace

class GlobalSettingsTest : public ::testing::Test
{
protected:
    [[nodiscard]] juce::File file() const { return folder.get().getChildFile ("default_x64.xml"); }
    void writeFile (const juce::String& text) { ASSERT_TRUE (file().replaceWithText (text)); }

    // What a processor does at construction: fresh options, then the file.
    std::unique_ptr<GlobalSettingsFile> construct()
    {
        options = std::make_unique<GlobalOptions>();
        auto settings = std::make_unique<GlobalSettingsFile> (*options, folder.get());
        settings->load();
        return settings;
    }

    TemporaryFolder folder;
    std::unique_ptr<GlobalOptions> options;
};

TEST_F (GlobalSettingsTest, MissingFileLeavesEveryOptionZeroAndCreatesNothing)
{
    construct();
    EXPECT_EQ (optionValues (*options), std::vector<float> (6, 0.0f));
    EXPECT_FALSE (file().exists());
}

TEST_F (GlobalSettingsTest, ReadingAFileWithTheRightRoot)
{
    writeFile ("<?xml version=\"1.0\"?>\n<GatevoxGlobal/>");
    const auto text = file().loadFileAsString();
    construct();
    EXPECT_EQ (optionValues (*options), (std::vector<float>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ (file().loadFileAsString(), text) << "a good file is not rewritten";

    writeFile ("<gatevoxglobal global_f_0=\"3\" global_f_1=\"5\" global_f_2=\"1\" global_f_3=\"2\" global_f_4=\"1\" "
               "global_f_5=\"0\"/>");
    construct();
    EXPECT_EQ (optionValues (*options), (std::vector<float>{3, 5, 1, 2, 1, 0}));

    writeFile ("<GatevoxGlobal global_f_0=\"nan\" global_f_1=\"99\" global_f_2=\"-4\" global_f_3=\"1e39\" "
               "global_f_4=\"2.5\" global_f_5=\"x\"/>");
    construct();
    EXPECT_EQ (optionValues (*options), (std::vector<float>{1, 99, -4, 0, 2.5f, 0}))
        << "finite values are kept; only what is not a finite float reads as absent";
}

TEST_F (GlobalSettingsTest, OtherRootOrTextIsReplacedWithTheDefaults)
{
    for (const char* text : {"<SomethingElse global_f_1=\"4\"/>", "not xml", ""})
    {
        writeFile (text);
        construct();
        EXPECT_EQ (optionValues (*options), (std::vector<float>{1, 0, 0, 0, 0, 1})) << text;
        EXPECT_EQ (fileValues (file()), (std::vector<std::string>{"1", "0", "0", "0", "0", "1"})) << text;
    }
    EXPECT_TRUE (file().loadFileAsString().startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

TEST_F (GlobalSettingsTest, ChangesAreSavedAndSeenByTheNextProcessor)
{
    writeFile ("<GatevoxGlobal/>");
    auto settings = construct();
    EXPECT_TRUE (settings->change (O::additionalSmoothing, 5.0f)); // "Exponential"
    EXPECT_TRUE (settings->change (O::patternFollowsSongPosition, 0.0f));
    EXPECT_EQ (fileValues (file()), (std::vector<std::string>{"1", "5", "0", "0", "0", "0"}));

    construct();
    EXPECT_EQ (options->read (O::patternFollowsSongPosition), 0);
    EXPECT_EQ (options->read (O::additionalSmoothing), 5);

    // A change while another write holds the counter is dropped, and not saved.
    settings = construct();
    const auto before = file().loadFileAsString();
    options->writeCounter().raise();
    EXPECT_FALSE (settings->change (O::effectAutoSelect, 1.0f));
    options->writeCounter().lower();
    EXPECT_EQ (options->read (O::effectAutoSelect), 0);
    EXPECT_EQ (file().loadFileAsString(), before);
}

TEST_F (GlobalSettingsTest, MissingFolderIsNeverCreated)
{
    const auto missing = folder.get().getChildFile ("Gatevox");
    GlobalOptions fresh;
    GlobalSettingsFile settings (fresh, missing);
    settings.load();
    EXPECT_TRUE (settings.change (O::effectAutoSelect, 1.0f));
    EXPECT_EQ (fresh.read (O::effectAutoSelect), 1) << "the option in memory keeps the new value";
    EXPECT_FALSE (missing.exists());
}

TEST_F (GlobalSettingsTest, ConcurrentSavesNeverLeaveAPartialFile)
{
    writeFile ("<GatevoxGlobal/>");
    auto settings = construct();
    ASSERT_TRUE (settings->save());

    std::atomic<bool> stop{false};
    std::atomic<int> partial{0};
    std::thread reader (
        [&]
        {
            while (!stop)
            {
                const auto element = parseDocumentFile (file());
                if (element == nullptr || element->getNumAttributes() != 6)
                    ++partial;
            }
        });
    std::vector<std::thread> savers;
    for (int t = 0; t < 2; ++t)
        savers.emplace_back (
            [&, t]
            {
                for (int i = 0; i < 40; ++i)
                    settings->change (O::additionalSmoothing, static_cast<float> ((i + t) % 6));
            });
    for (auto& saver : savers)
        saver.join();
    stop = true;
    reader.join();
    EXPECT_EQ (partial.load(), 0);
}

TEST_F (GlobalSettingsTest, OptionsTakeEffectInTheRenderLoop)
{
    // The last output sample of an empty pattern, and the smoothers' mode.
    const auto render = [&] (const char* text)
    {
        auto model = makeModel();
        if (text != nullptr)
        {
            EXPECT_TRUE (file().replaceWithText (text));
        }
        GlobalSettingsFile settings (model->globalOptions, folder.get());
        settings.load();

        model->prepareToPlay (48000.0);
        RenderLoop loop (*model);
        std::vector<float> left (256, 0.25f);
        std::vector<float> right (256, 0.125f);
        loop.process (left.data(), right.data(), 256, HostPosition{120.0, 1.0});
        return std::make_pair (left.back(), model->smoothers[0].getMode());
    };

    EXPECT_FLOAT_EQ (render ("<GatevoxGlobal global_f_1=\"1\" global_f_2=\"1\"/>").first,
                     0.25f * std::pow (10.0f, 0.15f))
        << "\"Bypass\": an empty step lets the input through";
    EXPECT_EQ (render ("<GatevoxGlobal global_f_1=\"1\" global_f_2=\"2\"/>").first, 0.0f);
    EXPECT_EQ (render ("<GatevoxGlobal global_f_1=\"5\" global_f_2=\"1\"/>").second, 5);

    // Smoothing 6 passes the wet signal through; 7 and above run the three-point mean.
    const auto unsmoothed = render ("<GatevoxGlobal global_f_1=\"6\" global_f_2=\"1\"/>");
    EXPECT_EQ (unsmoothed.second, 6);
    EXPECT_EQ (unsmoothed.first, render ("<GatevoxGlobal global_f_1=\"1\" global_f_2=\"1\"/>").first);
    EXPECT_EQ (render ("<GatevoxGlobal global_f_1=\"9\" global_f_2=\"1\"/>").second, 9);
    file().deleteFile();
    EXPECT_EQ (render (nullptr).first, 0.0f) << "no file: empty steps are silent";
}
