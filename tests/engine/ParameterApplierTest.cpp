#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "params/ParameterText.h"
#include "tests/engine/RenderHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <random>
#include <thread>
#include <vector>

using namespace gatevox;
namespace ix = parameterIndex;

namespace
{
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

// Every 101st entry of a table built directly with the given shape.
std::vector<float> sampled (const LfoWaveTable& table)
{
    std::vector<float> entries;
    for (int i = 0; i < LfoWaveTable::tablePoints; i += 101)
        entries.push_back (table.entry (i));
    return entries;
}

std::vector<float> referenceTable (int number, double duty, double floor)
{
    UserWaveStore store;
    RenderEpoch epoch;
    auto table = std::make_unique<LfoWaveTable> (store, epoch);
    table->setWaveformNumber (number);
    table->setFloor (floor);
    table->generate (number, duty, floor);
    table->expand();
    return sampled (*table);
}

void expectFinite (ProcessorModel& m)
{
    for (int s = 0; s < numSlots; ++s)
        for (std::size_t f = 0; f < SlotSettings::floatCount; ++f)
            EXPECT_TRUE (std::isfinite (m.slot (s).floats.read (f))) << "slot " << s << " float " << f;
    for (std::size_t f = 0; f < SequencerState::floatCount; ++f)
        EXPECT_TRUE (std::isfinite (m.sequencer.floats.read (f)));
}

struct Applier : ::testing::Test
{
    std::unique_ptr<ProcessorModel> model = makeModel();

    void set (int index, float v) { setParameter (*model, index, v); }
    // Slot n counts from 1, as the parameter names do.
    [[nodiscard]] std::int32_t slotInt (int n, std::size_t i) const { return model->slot (n - 1).ints.read (i); }
    [[nodiscard]] float slotFloat (int n, std::size_t f) const { return model->slot (n - 1).floats.read (f); }
    [[nodiscard]] std::int32_t seqInt (std::size_t i) const { return model->sequencer.ints.read (i); }
    [[nodiscard]] float seqFloat (std::size_t f) const { return model->sequencer.floats.read (f); }
    [[nodiscard]] float kernelValue (int n, std::size_t k) const { return model->kernelParams (n - 1).value.read (k); }
};
} // namespace

TEST_F (Applier, IndexOutsideTheLayoutChangesNothing)
{
    set (-1, 0.5f);
    set (197, 0.5f);
    for (int i = 0; i < numAutomationParameters; ++i)
        EXPECT_EQ (model->parameterValues[static_cast<std::size_t> (i)].get(), 0.0f);
    EXPECT_EQ (model->steps.read (0, 0, 0), emptyStep);
    EXPECT_EQ (seqFloat (SequencerState::effectMix), 1.0f);
}

TEST_F (Applier, SlotLfoControls)
{
    set (ix::lfoFrequency + 1, 0.9f);
    set (ix::lfoFrequency + 1, 0.4f);
    EXPECT_EQ (slotFloat (2, SlotSettings::lfoRate), 0.4f);
    EXPECT_EQ (slotFloat (2, SlotSettings::lfoFrequency), 8.0f);

    set (ix::freqSnap, 0.99f);
    EXPECT_EQ (slotInt (1, SlotSettings::freqSnap), 0);
    EXPECT_EQ (slotFloat (1, SlotSettings::freqSnapNormalised), 0.99f);
    set (ix::freqSnap, 1.0f);
    EXPECT_EQ (slotInt (1, SlotSettings::freqSnap), 1);

    // The editor's items "1/2" to "1/8" arrive as intervals 1, 2, 3, 4 and 6.
    const int intervals[] = {1, 2, 3, 4, 6};
    for (int id = 1; id <= 5; ++id)
    {
        set (ix::snapInterval + 4, static_cast<float> (id) / 5.0f);
        EXPECT_EQ (slotInt (5, SlotSettings::snapInterval), intervals[id - 1]);
    }

    set (ix::lfoContinuous, 0.01f);
    EXPECT_EQ (slotInt (1, SlotSettings::retrigger), 0);
}

TEST_F (Applier, KernelChoiceRoundsHalfUpAndLeavesTheRangesAlone)
{
    auto& store = model->kernelParams (0);
    store.minimum.drainingRelease (3, 20.0f);
    store.maximum.drainingRelease (3, 900.0f);
    store.value.drainingRelease (3, 440.0f);

    for (int id = -1; id < numKernels; ++id)
    {
        const float v = static_cast<float> (id + 1) / static_cast<float> (numKernels);
        set (ix::kernel, v);
        ASSERT_EQ (slotInt (1, SlotSettings::kernelId), id);
        EXPECT_EQ (slotFloat (1, SlotSettings::kernelNormalised), v);
    }
    set (ix::kernel, 0.005f); // -0.745 rounds to -1
    EXPECT_EQ (slotInt (1, SlotSettings::kernelId), -1);
    set (ix::kernel, 0.015f); // -0.235 rounds to 0
    EXPECT_EQ (slotInt (1, SlotSettings::kernelId), 0);

    EXPECT_EQ (store.minimum.read (3), 20.0f);
    EXPECT_EQ (store.maximum.read (3), 900.0f);
    EXPECT_EQ (store.value.read (3), 440.0f);
}

TEST_F (Applier, SameWaveformTwiceRebuildsOnce)
{
    set (ix::lfoWave, 4.0f / 14.0f);
    EXPECT_EQ (sampled (model->lfo (0)), referenceTable (4, 0.5, static_cast<double> (0.0125f)));

    // Disturb the table and the duty control behind the parameter's back: a
    // second choice of the square must leave both alone, and float 0 too.
    auto& lfo = model->lfo (0);
    lfo.generate (0, 0.5, 0.0);
    lfo.expand();
    const auto disturbed = sampled (lfo);
    model->slot (0).floats.waitingWrite (SlotSettings::dutyCycle, 0.3f);

    set (ix::lfoWave, 4.5f / 14.0f);
    EXPECT_EQ (sampled (lfo), disturbed);
    EXPECT_EQ (slotFloat (1, SlotSettings::dutyCycle), 0.3f);
    EXPECT_EQ (slotFloat (1, SlotSettings::waveformNormalised), 4.0f / 14.0f);
    EXPECT_EQ (model->parameterValues[ix::lfoWave].get(), 4.5f / 14.0f);
}

TEST_F (Applier, DeferredRebuildsWaitForTheirCallerAndARebuildNowSupersedesThem)
{
    const auto generation = model->lfo (0).publishedGeneration();
    setParameter (*model, ix::lfoWave, 4.0f / 14.0f, RebuildTiming::deferred);
    setParameter (*model, ix::envelopeKnob, 0.9f, RebuildTiming::deferred);
    EXPECT_EQ (model->lfo (0).publishedGeneration(), generation);
    EXPECT_TRUE (model->applyPendingRebuilds());
    EXPECT_EQ (sampled (model->lfo (0)), referenceTable (4, 0.5, static_cast<double> (0.0125f)));
    EXPECT_FALSE (model->applyPendingRebuilds());

    // A reset rebuilds every table at once: requests still waiting are stale.
    setParameter (*model, ix::lfoWave, 2.0f / 14.0f, RebuildTiming::deferred);
    setParameter (*model, ix::envelopeKnob, 0.1f, RebuildTiming::deferred);
    model->reset();
    EXPECT_FALSE (model->applyPendingRebuilds());
    EXPECT_EQ (sampled (model->lfo (0)), referenceTable (0, 0.5, 0.0));
}

TEST_F (Applier, RampTakesFullDutyAndTheFloorThenFollowsTheDuty)
{
    const auto hostFloor = static_cast<double> (0.0125f);
    set (ix::lfoWave, 2.0f / 14.0f);
    auto& lfo = model->lfo (0);
    EXPECT_EQ (slotInt (1, SlotSettings::waveform), 2);
    EXPECT_EQ (lfo.waveformNumber(), 2);
    EXPECT_EQ (slotFloat (1, SlotSettings::dutyCycle), 1.0f);
    EXPECT_EQ (slotFloat (1, SlotSettings::floor), 0.0125f);
    EXPECT_EQ (lfo.duty(), 1.0);
    EXPECT_EQ (lfo.floor(), hostFloor);

    set (ix::lfoDuty, 0.3f);
    EXPECT_EQ (slotFloat (1, SlotSettings::dutyCycle), 0.3f);
    EXPECT_EQ (lfo.duty(), static_cast<double> (0.3f));
    EXPECT_EQ (sampled (lfo), referenceTable (2, static_cast<double> (0.3f), hostFloor));

    set (ix::lfoFloor, 0.25f);
    EXPECT_EQ (lfo.floor(), static_cast<double> (0.25f));
    EXPECT_EQ (sampled (lfo), referenceTable (2, static_cast<double> (0.3f), static_cast<double> (0.25f)));
}

TEST_F (Applier, FloorActsOnlyOnRampsAndSquare)
{
    auto& lfo = model->lfo (0);
    const auto sine = sampled (lfo);
    set (ix::lfoFloor, 0.3f);
    EXPECT_EQ (slotFloat (1, SlotSettings::floor), 0.3f);
    EXPECT_EQ (lfo.floor(), static_cast<double> (0.3f));
    EXPECT_EQ (sampled (lfo), sine);

    // A duty change of a sine rebuilds it with the new duty.
    set (ix::lfoDuty, 0.25f);
    EXPECT_EQ (sampled (lfo), referenceTable (0, static_cast<double> (0.25f), 0.0));
}

TEST_F (Applier, UserWaveKeepsTheDutyControlAndIgnoresDutyChanges)
{
    set (ix::lfoDuty, 0.7f);
    set (ix::lfoWave, 1.0f); // waveform 14, a user wave
    EXPECT_EQ (slotInt (1, SlotSettings::waveform), 14);
    EXPECT_EQ (slotFloat (1, SlotSettings::dutyCycle), 0.7f);

    auto& lfo = model->lfo (0);
    lfo.generate (0, 0.5, 0.0);
    lfo.expand();
    const auto before = sampled (lfo);
    set (ix::lfoDuty, 0.2f);
    EXPECT_EQ (sampled (lfo), before);
    EXPECT_EQ (lfo.duty(), static_cast<double> (0.2f));
}

TEST_F (Applier, MasterGainAndMix)
{
    set (ix::effectGain, 0.5f);
    EXPECT_EQ (seqFloat (SequencerState::effectGain), 0.5f);
    EXPECT_EQ (seqFloat (SequencerState::effectGainActual), 1.0f);
    set (ix::effectGain, 1.0f);
    EXPECT_NEAR (seqFloat (SequencerState::effectGainActual), 15.8489f, 1e-3f);
    set (ix::effectGain, 0.0f);
    EXPECT_NEAR (seqFloat (SequencerState::effectGainActual), 0.0630957f, 1e-6f);

    set (ix::effectMix, 0.3f);
    EXPECT_EQ (seqFloat (SequencerState::effectMix), 0.3f);
}

TEST_F (Applier, StepWritesTheEditedPatternAndLayerOnly)
{
    set (ix::selectedPattern, 4.0f / 16.0f);
    set (ix::layer, 0.25f);
    set (ix::step + 2, 2.0f / 6.0f);

    for (int p = 0; p < numPatterns; ++p)
        for (int l = 0; l < numLayers; ++l)
            for (int s = 0; s < numSteps; ++s)
            {
                const std::int32_t expected = p == 4 && l == 1 && s == 2 ? 2 : emptyStep;
                ASSERT_EQ (model->steps.read (p, l, s), expected);
                ASSERT_EQ (model->stepMirror.read (l, p, s), expected);
            }

    for (int value = 0; value <= emptyStep; ++value)
    {
        set (ix::step, static_cast<float> (value) / 6.0f);
        EXPECT_EQ (model->steps.read (4, 1, 0), value);
    }
}

TEST_F (Applier, EditorEncodingsOfChoicesConvertBackExactly)
{
    for (int l = 0; l < numLayers; ++l)
    {
        set (ix::layer, static_cast<float> (l) * 0.25f);
        EXPECT_EQ (seqInt (SequencerState::layer), l);
    }
    for (int item = 1; item <= 16; ++item)
    {
        set (ix::selectedPattern, static_cast<float> (item - 1) / 16.0f);
        set (ix::patternCount, static_cast<float> (item - 1) / 16.0f);
        EXPECT_EQ (seqInt (SequencerState::pattern), item - 1);
        EXPECT_EQ (seqInt (SequencerState::patternCount), item - 1);
    }
    for (int s = 0; s <= numKernelParameters; ++s)
    {
        set (ix::kernelSelect + 5, static_cast<float> (s) / 40.0f);
        EXPECT_EQ (slotInt (2, SlotSettings::paramSelect1 + 1), s);
    }
    for (int d = 0; d <= 7; ++d)
    {
        set (ix::envelopeDestination + 4, static_cast<float> (d) / 7.0f);
        EXPECT_EQ (model->envelope (4).destination.read (0), d);
    }
}

TEST_F (Applier, RouteTypesSetBothMixers)
{
    const int slot = 2; // "Route Type 3"
    for (int r = 0; r <= 3; ++r)
    {
        set (ix::routeType + slot, 0.25f * static_cast<float> (r + 1));
        EXPECT_EQ (slotInt (slot + 1, SlotSettings::routeType), r);
        for (const auto& mixer : model->routeMixers)
        {
            EXPECT_EQ (mixer.isSeries (slot), r > 0);
            EXPECT_EQ (mixer.seriesGroup (slot), r > 0 ? r - 1 : 0);
        }
    }
}

TEST_F (Applier, PatternSpeedSetsItsTimingEvenWhenTheSpeedWriteIsDropped)
{
    struct Case
    {
        float v;
        std::int32_t speed;
        double stepsPerBeat;
        float stepLength;
    };
    for (const auto& c : {Case{0.0f, 0, 0.5, 2.0f}, Case{1.0f / 3.0f, 1, 1.0, 1.0f}, Case{2.0f / 3.0f, 2, 2.0, 0.5f},
                          Case{1.0f, 3, 1.0, 1.0f}})
    {
        set (ix::patternSpeed, c.v);
        EXPECT_EQ (seqInt (SequencerState::patternSpeed), c.speed);
        EXPECT_EQ (model->transport.stepsPerBeat.get(), c.stepsPerBeat);
        EXPECT_EQ (model->transport.stepLengthBeats.get(), c.stepLength);
    }

    model->sequencer.ints.writeCounter().raise();
    set (ix::patternSpeed, 0.0f);
    model->sequencer.ints.writeCounter().lower();
    EXPECT_EQ (seqInt (SequencerState::patternSpeed), 3);
    EXPECT_EQ (model->transport.stepsPerBeat.get(), 0.5);
    EXPECT_EQ (model->transport.stepLengthBeats.get(), 2.0f);
}

TEST_F (Applier, SkippingWritesMeetingARaisedCounterAreDropped)
{
    model->steps.writeCounter().raise();
    set (ix::step, 1.0f / 6.0f);
    model->steps.writeCounter().lower();
    EXPECT_EQ (model->steps.read (0, 0, 0), emptyStep);
    EXPECT_EQ (parameterValue (*model, ix::step), 1.0f / 6.0f);

    model->sequencer.floats.writeCounter().raise();
    set (ix::effectMix, 0.2f);
    model->sequencer.floats.writeCounter().lower();
    EXPECT_EQ (seqFloat (SequencerState::effectMix), 1.0f);
}

TEST_F (Applier, KernelValueFollowsTheSelectorAndItsRange)
{
    auto& store = model->kernelParams (0);
    store.minimum.drainingRelease (5, 100.0f);
    store.maximum.drainingRelease (5, 300.0f);

    EXPECT_EQ (parameterName (88), "Effect1 Param2 Val");
    set (ix::kernelSelect + 1, 6.0f / 40.0f); // knob 2 controls "Q"
    EXPECT_EQ (slotFloat (1, SlotSettings::paramSelectNormalised1 + 1), 6.0f / 40.0f);
    set (88, 0.5f);
    EXPECT_EQ (kernelValue (1, 5), 200.0f);
    EXPECT_EQ (slotFloat (1, SlotSettings::knobValue1 + 1), 0.5f);

    // Two knobs on one parameter: the last write wins.
    set (ix::kernelSelect, 6.0f / 40.0f);
    set (ix::kernelValue, 0.75f);
    EXPECT_EQ (kernelValue (1, 5), 250.0f);

    // A selector change does not re-apply the knob; "none" and selectors from
    // outside the catalogue write no kernel parameter.
    set (ix::kernelSelect + 1, 0.0f);
    EXPECT_EQ (kernelValue (1, 5), 250.0f);
    for (std::int32_t selector : {0, 41, -2, std::numeric_limits<std::int32_t>::max()})
    {
        model->slot (0).ints.waitingWrite (SlotSettings::paramSelect1 + 1, selector);
        set (88, 0.9f);
        EXPECT_EQ (slotFloat (1, SlotSettings::knobValue1 + 1), 0.9f);
        for (std::size_t k = 0; k < KernelParamStore::Block::size; ++k)
            EXPECT_EQ (kernelValue (1, k), k == 5 ? 250.0f : 0.0f) << selector;
    }
}

TEST_F (Applier, EnvelopeKnobRebuildsOnlyItsSegment)
{
    auto& generator = model->envelopeGenerator (1);
    const int last = generator.numPoints() - 1;
    const auto untouched = [&]
    {
        return std::vector<float>{generator.point (0, 500), generator.point (2, 500), generator.point (3, 500),
                                  model->envelopeGenerator (0).point (1, 500)};
    };
    const auto before = untouched();

    // Slot 2, segment 2: start level, shape, end level.
    set (132 + 12 + 0 * 4 + 1, 0.2f);
    set (132 + 12 + 1 * 4 + 1, 0.6f);
    set (132 + 12 + 2 * 4 + 1, 0.8f);

    const auto& knobs = model->envelope (1).knobs;
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (1, 0)), 0.2f);
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (1, 1)), 0.6f);
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (1, 2)), 0.8f);
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (2, 0)), 1.0f);
    EXPECT_NEAR (generator.point (1, 0), 0.2f, 2e-3f);
    EXPECT_NEAR (generator.point (1, last), 0.8f, 2e-3f);
    EXPECT_EQ (untouched(), before);

    set (ix::envelopeOn + 1, 0.3f);
    EXPECT_EQ (model->envelope (1).switches.read (EnvelopeSettings::envelopeOn), 0.3f);
}

TEST_F (Applier, ExtremeValuesStayInsideTheModel)
{
    set (ix::routeType, 0.75f);
    set (ix::routeType, 0.1f);
    EXPECT_EQ (slotInt (1, SlotSettings::routeType), 0);
    EXPECT_FALSE (model->routeMixers[0].isSeries (0));

    set (ix::layer, 1.0f);
    set (ix::selectedPattern, 1.0f);
    set (ix::patternCount, 1.0f);
    EXPECT_EQ (seqInt (SequencerState::layer), 3);
    EXPECT_EQ (seqInt (SequencerState::pattern), 15);
    EXPECT_EQ (seqInt (SequencerState::patternCount), 15);

    set (ix::step + 15, 0.0f);
    set (ix::step + 15, 1.0f);
    EXPECT_EQ (model->steps.read (15, 3, 15), emptyStep);
    EXPECT_EQ (model->stepMirror.read (3, 15, 15), emptyStep);
    for (int i : {ix::routeType, ix::layer, ix::selectedPattern, ix::patternCount, ix::step + 15})
        EXPECT_EQ (parameterValue (*model, i), i == ix::routeType ? 0.1f : 1.0f);

    // An edited pattern and layer from a state file are brought onto the grid.
    model->sequencer.ints.skippingWrite (SequencerState::pattern, 99);
    model->sequencer.ints.skippingWrite (SequencerState::layer, -3);
    set (ix::step + 15, 0.0f);
    EXPECT_EQ (model->steps.read (15, 0, 15), 0);
    EXPECT_EQ (model->stepMirror.read (0, 15, 15), 0);
}

TEST_F (Applier, NotANumberIsKeptInTheTableAndActsAsZero)
{
    for (int i = 0; i < numAutomationParameters; ++i)
        set (i, notANumber);

    // The duties, steps and kernel knobs were read back again by the writes
    // after them (waveforms, the edited layer and pattern, the selectors).
    const auto within = [] (int i, int first, int count) { return i >= first && i < first + count; };
    for (int i = 0; i < numAutomationParameters; ++i)
    {
        const bool readBack = within (i, parameterIndex::lfoDuty, numSlots) ||
                              within (i, parameterIndex::step, numSteps) ||
                              within (i, parameterIndex::kernelValue, 4 * numSlots);
        EXPECT_EQ (std::isnan (model->parameterValues[static_cast<std::size_t> (i)].get()), !readBack);
        EXPECT_EQ (parameterValue (*model, i), 0.0f);
    }

    EXPECT_NEAR (seqFloat (SequencerState::effectGainActual), 0.0630957f, 1e-6f);
    EXPECT_EQ (slotFloat (1, SlotSettings::phase), -1.0f);
    EXPECT_EQ (slotInt (1, SlotSettings::kernelId), -1);
    EXPECT_EQ (model->steps.read (0, 0, 0), 0);

    expectFinite (*model);
    for (int s = 0; s < numSlots; ++s)
    {
        for (std::size_t k = 0; k < KernelParamStore::Block::size; ++k)
            EXPECT_TRUE (std::isfinite (model->kernelParams (s).value.read (k)));
        for (std::size_t k = 0; k < EnvelopeSettings::knobCount; ++k)
            EXPECT_TRUE (std::isfinite (model->envelope (s).knobs.read (k)));
        EXPECT_TRUE (std::isfinite (model->envelope (s).switches.read (EnvelopeSettings::envelopeOn)));
        EXPECT_TRUE (std::isfinite (model->lfo (s).duty()) && std::isfinite (model->lfo (s).floor()));
        for (float e : sampled (model->lfo (s)))
            ASSERT_TRUE (std::isfinite (e));
    }
}

// Overlapping writers of one field: every read sees a whole value one of them wrote.
TEST (ParameterConcurrency, OverlappingWritersNeverTearAValue)
{
    const auto model = makeModel();
    model->kernelParams (0).maximum.drainingRelease (0, 1000.0f);

    std::atomic<bool> running{true};
    const auto writer = [&] (float v)
    {
        for (int i = 0; i < 20000; ++i)
        {
            setParameter (*model, ix::slotGainPan, v);
            setParameter (*model, ix::kernelValue, v);
        }
    };
    int strange = 0;
    std::thread reader (
        [&]
        {
            while (running.load())
            {
                const float gain = model->slot (0).floats.read (SlotSettings::gain);
                const float value = model->kernelParams (0).value.read (0);
                strange += (gain != 1.0f && gain != 0.25f && gain != 0.75f) ? 1 : 0;
                strange += (value != 0.0f && value != 250.0f && value != 750.0f) ? 1 : 0;
            }
        });
    std::thread a (writer, 0.25f), b (writer, 0.75f);
    a.join();
    b.join();
    running = false;
    reader.join();
    EXPECT_EQ (strange, 0);
}

// Host threads automate random parameters, bad values included, while the
// audio thread renders: the run ends, the output stays finite and every
// model index stays on its grid.
TEST (ParameterConcurrency, RandomAutomationWhileRendering)
{
    RenderHarness h;
    for (int layer = 0; layer < numLayers; ++layer)
        for (int step = 0; step < numSteps; ++step)
            h.setStep (layer, step, (layer + step) % (numSlots + 1));

    std::atomic<int> writersLeft{3};
    const auto automate = [&] (unsigned seed)
    {
        std::mt19937 random (seed);
        std::uniform_int_distribution<int> index (-3, numAutomationParameters + 2);
        std::uniform_real_distribution<float> value (-0.2f, 1.2f);
        for (int i = 0; i < 1000; ++i)
            setParameter (*h.model, index (random), i % 23 == 0 ? notANumber : value (random));
        writersLeft.fetch_sub (1);
    };

    long blocks = 0;
    long notFinite = 0;
    std::thread audio (
        [&]
        {
            std::vector<float> left (256), right (256);
            while (writersLeft.load() > 0 || blocks == 0)
            {
                for (std::size_t i = 0; i < left.size(); ++i)
                    left[i] = right[i] = 0.5f * std::sin (0.01f * static_cast<float> (i));
                h.render (left, right);
                for (std::size_t i = 0; i < left.size(); ++i)
                    notFinite += std::isfinite (left[i]) && std::isfinite (right[i]) ? 0 : 1;
                ++blocks;
            }
        });
    std::thread w1 (automate, 1u), w2 (automate, 2u), w3 (automate, 3u);
    w1.join();
    w2.join();
    w3.join();
    audio.join();

    EXPECT_GT (blocks, 0);
    EXPECT_EQ (notFinite, 0);

    auto& m = *h.model;
    const auto within = [] (std::int32_t v, int last) { return v >= 0 && v <= last; };
    EXPECT_TRUE (within (m.sequencer.ints.read (SequencerState::layer), numLayers - 1));
    EXPECT_TRUE (within (m.sequencer.ints.read (SequencerState::pattern), numPatterns - 1));
    EXPECT_TRUE (within (m.sequencer.ints.read (SequencerState::patternCount), numPatterns - 1));
    for (int p = 0; p < numPatterns; ++p)
        for (int l = 0; l < numLayers; ++l)
            for (int s = 0; s < numSteps; ++s)
                ASSERT_TRUE (within (m.steps.read (p, l, s), emptyStep));
    for (int s = 0; s < numSlots; ++s)
        EXPECT_TRUE (within (m.slot (s).ints.read (SlotSettings::routeType), 3));
    expectFinite (m);
}
