// Damaged and hostile documents: many mutations of real documents, with a
// fixed seed, through the state restore, the preset loader and the settings
// loader. After each load the model must hold only values its readers can
// use, and the next block must render without touching the heap.
//
// This program replaces the global allocation functions to count the calls
// made while a block renders.
#include "tests/persistence/PersistenceSupport.h"
#include "tests/support/AllocationCounter.h"

#include "core/SafeMath.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "persistence/GlobalSettingsFile.h"
#include "persistence/HostStateDocument.h"
#include "persistence/PresetDocument.h"
#include "persistence/PresetFolder.h"
#include "persistence/StateBlock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace gatevox;

namespace
{
const std::vector<std::string> absurdValues{
    "1e30",
    "-1e30",
    "1e39",
    "-1e39",
    "1e400",
    "nan",
    "-nan",
    "inf",
    "-inf",
    "",
    " ",
    "-1",
    "-2147483649",
    "2147483648",
    "99999999999999999999",
    "5,5,5,-7,99,2147483647,-2147483648",
    ",,,,,,,,,,,,,,,,,,,,",
    "0x10",
    "1.05",
    "1.0499999",
    "FLANGER",
    "SILENCE",
    "\xc3\xbc",
    "&amp;&lt;",
    "7",
    "14",
    "15",
    "51",
    "-0",
    "0.28571",
    "3",
    "1e-45",
    "-1e-300",
};

class Mutator
{
public:
    explicit Mutator (std::uint32_t seed) : random (seed) {}

    [[nodiscard]] int below (int n) { return std::uniform_int_distribution<int> (0, n - 1) (random); }

    // Keeps the element whole but gives some attributes absurd values, drops
    // some and renames the tag now and then.
    std::string mutateValues (juce::XmlElement element)
    {
        const int changes = 1 + below (40);
        for (int c = 0; c < changes && element.getNumAttributes() > 0; ++c)
        {
            const int i = below (element.getNumAttributes());
            const auto name = element.getAttributeName (i);
            if (below (10) == 0)
                element.removeAttribute (juce::Identifier (name));
            else
                element.setAttribute (
                    juce::Identifier (name),
                    juce::String::fromUTF8 (
                        absurdValues[static_cast<std::size_t> (below (static_cast<int> (absurdValues.size())))]
                            .c_str()));
        }
        if (below (20) == 0)
            element.setTagName (below (2) == 0 ? juce::String ("Other") : element.getTagName().toLowerCase());
        return element.toString (juce::XmlElement::TextFormat().singleLine().withoutHeader()).toStdString();
    }

    // Damages the text itself: flipped bytes, cuts, junk and repeats.
    std::string mutateBytes (std::string text)
    {
        const int changes = 1 + below (6);
        for (int c = 0; c < changes && !text.empty(); ++c)
        {
            const auto at = static_cast<std::size_t> (below (static_cast<int> (text.size())));
            switch (below (5))
            {
            case 0:
                text[at] = static_cast<char> (below (256));
                break;
            case 1:
                text.resize (at);
                break;
            case 2:
                text.insert (at, std::string (static_cast<std::size_t> (1 + below (8)), "<>\"=&;,/ \0"[below (10)]));
                break;
            case 3:
                text.insert (at, text.substr (at, static_cast<std::size_t> (below (2000))));
                break;
            default:
                text.erase (at, static_cast<std::size_t> (below (64)));
                break;
            }
        }
        return text;
    }

    std::string mutate (const juce::XmlElement& element)
    {
        const auto text = element.toString (juce::XmlElement::TextFormat().singleLine().withoutHeader()).toStdString();
        switch (below (3))
        {
        case 0:
            return mutateValues (element);
        case 1:
            return mutateBytes (text);
        default:
            return mutateBytes (mutateValues (element));
        }
    }

private:
    std::mt19937 random;
};

bool within (std::int32_t v, std::int32_t lowest, std::int32_t highest)
{
    return v >= lowest && v <= highest;
}

template <typename Block> bool allFinite (const Block& block)
{
    for (std::size_t i = 0; i < Block::size; ++i)
        if (!std::isfinite (block.read (i)))
            return false;
    return true;
}

// Every value the readers index with is in its range, and no float is NaN or infinite.
void expectUsableModel (ProcessorModel& model, int iteration)
{
    SCOPED_TRACE ("iteration " + std::to_string (iteration));
    EXPECT_EQ (model.reloadInProgress.load(), 0);

    for (int p = 0; p < numPatterns; ++p)
        for (int l = 0; l < numLayers; ++l)
            for (int i = 0; i < numSteps; ++i)
            {
                ASSERT_TRUE (within (model.steps.read (p, l, i), 0, emptyStep));
                ASSERT_EQ (model.stepMirror.read (l, p, i), model.steps.read (p, l, i));
            }

    const auto& seq = model.sequencer;
    EXPECT_TRUE (within (seq.ints.read (SequencerState::layer), 0, numLayers - 1));
    EXPECT_TRUE (within (seq.ints.read (SequencerState::pattern), 0, numPatterns - 1));
    EXPECT_TRUE (within (seq.ints.read (SequencerState::patternCount), 0, numPatterns - 1));
    EXPECT_TRUE (within (seq.ints.read (SequencerState::patternSpeed), 0, 2));
    EXPECT_TRUE (within (seq.ints.read (SequencerState::selectedEffect), 0, numSlots - 1));
    EXPECT_TRUE (allFinite (seq.floats));

    for (int s = 0; s < numSlots; ++s)
    {
        const auto& ints = model.slot (s).ints;
        EXPECT_TRUE (within (ints.read (SlotSettings::routeType), 0, 3));
        EXPECT_TRUE (within (ints.read (SlotSettings::waveform), 0, 14));
        EXPECT_TRUE (within (ints.read (SlotSettings::kernelId), -1, 50));
        for (std::size_t k = 0; k < SlotSettings::numKnobs; ++k)
            EXPECT_TRUE (within (ints.read (SlotSettings::paramSelect1 + k), 0, 40));
        EXPECT_TRUE (within (model.envelope (s).destination.read (0), 0, 7));

        const auto& knobs = model.envelope (s).knobs;
        for (std::size_t k = 0; k < EnvelopeSettings::knobCount; ++k)
            ASSERT_TRUE (knobs.read (k) >= 0.0f && knobs.read (k) <= 1.0f) << "slot " << s << " knob " << k;

        const auto& store = model.kernelParams (s);
        ASSERT_TRUE (allFinite (model.slot (s).floats)) << "slot " << s;
        ASSERT_TRUE (allFinite (store.value) && allFinite (store.minimum) && allFinite (store.maximum)) << "slot " << s;
    }
}

// Renders one block and returns the number of heap calls it made.
long renderCountingAllocations (RenderLoop& loop, double& ppq)
{
    static float left[64];
    static float right[64];
    for (int i = 0; i < 64; ++i)
    {
        left[i] = 0.3f * std::sin (0.05f * static_cast<float> (i));
        right[i] = -left[i];
    }

    const long calls = heapCallsDuring ([&] { loop.process (left, right, 64, HostPosition{120.0, ppq}); });
    ppq += 0.37;
    return calls;
}

std::unique_ptr<juce::XmlElement> busyState (ProcessorModel& model)
{
    namespace pi = parameterIndex;
    for (int i = 0; i < numAutomationParameters; ++i)
        setParameter (model, i, static_cast<float> ((i * 37) % 101) / 100.0f);
    for (int step = 0; step < numSteps; ++step)
        setParameter (model, pi::step + step, static_cast<float> (step % 6) / 6.0f + 0.01f);
    return writeHostState (model, 48000.0);
}
} // namespace

TEST (Robustness, StateRestoreOfMutatedBlocks)
{
    auto model = makeModel();
    const auto original = busyState (*model);
    model->prepareToPlay (48000.0);
    RenderLoop loop (*model);
    double ppq = 1.0;

    Mutator mutator (20240601);
    int restored = 0;
    for (int iteration = 0; iteration < 300; ++iteration)
    {
        const auto text = mutator.mutate (*original);
        juce::MemoryBlock block;
        {
            juce::MemoryOutputStream out (block, false);
            // Now and then a wrong magic number or a length that disagrees with the block.
            out.writeInt (static_cast<int> (mutator.below (50) == 0 ? stateBlockMagic + 1 : stateBlockMagic));
            out.writeInt (mutator.below (8) == 0 ? mutator.below (1 << 20) - 1000 : static_cast<int> (text.size()));
            out.write (text.data(), text.size());
            out.writeByte (0);
        }
        if (restoreHostStateBlock (*model, block.getData(), static_cast<int> (block.getSize())))
            ++restored;

        expectUsableModel (*model, iteration);
        ASSERT_EQ (renderCountingAllocations (loop, ppq), 0) << "iteration " << iteration;
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT (restored, 100) << "most mutations still parse";
}

TEST (Robustness, PresetLoadOfMutatedFiles)
{
    auto model = makeModel();
    busyState (*model);
    const auto original = writePresetDocument (*model, "Busy", 48000.0);
    model->prepareToPlay (48000.0);
    RenderLoop loop (*model);
    double ppq = 1.0;

    TemporaryFolder folder;
    juce::CriticalSection editorLock;
    Mutator mutator (99);
    for (int iteration = 0; iteration < 200; ++iteration)
    {
        const auto text = mutator.mutate (*original);
        ASSERT_TRUE (folder.get().getChildFile ("Mutant.xml").replaceWithData (text.data(), text.size()));
        model->transport.tempo = mutator.below (4) == 0 ? 30.0f : 120.0f;
        loadPreset (*model, folder.get(), "Mutant", editorLock);

        expectUsableModel (*model, iteration);
        ASSERT_EQ (renderCountingAllocations (loop, ppq), 0) << "iteration " << iteration;
        if (HasFatalFailure())
            return;
    }
}

TEST (Robustness, SettingsLoadOfMutatedFiles)
{
    TemporaryFolder folder;
    juce::XmlElement original (GlobalSettingsFile::tag);
    for (int i = 0; i < 6; ++i)
        original.setAttribute (juce::Identifier ("global_f_" + juce::String (i)), juce::String (i % 3));

    Mutator mutator (5);
    for (int iteration = 0; iteration < 200; ++iteration)
    {
        const auto text = mutator.mutate (original);
        const auto file = folder.get().getChildFile (GlobalSettingsFile::fileName);
        ASSERT_TRUE (file.replaceWithData (text.data(), text.size()));

        GlobalOptions options;
        GlobalSettingsFile settings (options, folder.get());
        settings.load();
        for (int i = 0; i < static_cast<int> (GlobalOptions::optionCount); ++i)
        {
            const auto o = static_cast<GlobalOptions::Option> (i);
            const float v = options.readFloat (o);
            ASSERT_TRUE (std::isfinite (v)) << iteration << " option " << i;
            ASSERT_EQ (options.read (o), truncToInt (v)) << iteration << " option " << i << " " << v;
        }
    }
}
