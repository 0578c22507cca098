#include "ModelFixture.h"

#include "kernels/KernelCatalogue.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "params/ParameterReadBack.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <vector>

namespace
{
using namespace gatevox;

// Every record a parameter can write, bit for bit (a NaN equals itself).
std::vector<std::uint32_t> fingerprint (ProcessorModel& model)
{
    std::vector<std::uint32_t> bits;
    const auto add = [&] (auto value) { bits.push_back (std::bit_cast<std::uint32_t> (value)); };
    for (int s = 0; s < numSlots; ++s)
    {
        for (std::size_t i = 0; i < SlotSettings::intCount; ++i)
            add (model.slot (s).ints.read (i));
        for (std::size_t i = 0; i < SlotSettings::floatCount; ++i)
            add (model.slot (s).floats.read (i));
        auto& envelope = model.envelope (s);
        add (envelope.destination.read (0));
        for (std::size_t i = 0; i < EnvelopeSettings::knobCount; ++i)
            add (envelope.knobs.read (i));
        for (std::size_t i = 0; i < EnvelopeSettings::switchCount; ++i)
            add (envelope.switches.read (i));
        for (std::size_t k = 0; k < KernelParamStore::Block::size; ++k)
            add (model.kernelParams (s).value.read (k));
    }
    for (std::size_t i = 0; i < SequencerState::intCount; ++i)
        add (model.sequencer.ints.read (i));
    for (std::size_t i = 0; i < SequencerState::floatCount; ++i)
        add (model.sequencer.floats.read (i));
    for (int p = 0; p < numPatterns; ++p)
        for (int l = 0; l < numLayers; ++l)
            for (int step = 0; step < numSteps; ++step)
                add (model.steps.read (p, l, step));
    return bits;
}

// A sweep of 0-1 with the values on and beside every quantised boundary.
std::vector<float> sweep()
{
    std::vector<float> values;
    for (int k = 0; k <= 256; ++k)
        values.push_back (static_cast<float> (k) / 256.0f);
    for (const float n : {3.0f, 6.0f, 7.0f, 13.0f, 14.0f, 16.0f, 40.0f, 51.0f, 102.0f})
        for (float j = 1.0f; j < n; ++j)
            for (const float v : {j / n, std::nextafter (j / n, 0.0f), std::nextafter (j / n, 1.0f)})
                values.push_back (v);
    return values;
}

// Slot s's four knobs select kernel parameters with ranges of their own.
void selectRangedKernelParameters (ProcessorModel& model)
{
    for (int s = 0; s < numSlots; ++s)
        for (int p = 0; p < 4; ++p)
        {
            const auto k = static_cast<std::size_t> (p + 3 * s);
            model.kernelParams (s).minimum.drainingRelease (k, -50.0f + static_cast<float> (p));
            model.kernelParams (s).maximum.drainingRelease (k, 2000.0f * static_cast<float> (p + 1));
            setParameter (model, parameterIndex::kernelSelect + 4 * s + p,
                          static_cast<float> (k + 1) / static_cast<float> (numKernelParameters));
        }
}
} // namespace

// Whatever a parameter was set to, its read-back value set again changes no
// record: so a host that writes back what it reads never changes the sound.
TEST (ParameterReadBack, EveryParameterRoundTripsThroughItsReadBackValue)
{
    auto model = makeModel();
    selectRangedKernelParameters (*model);
    const auto values = sweep();
    for (int index = 0; index < numAutomationParameters; ++index)
        for (const float v : values)
        {
            setParameter (*model, index, v, RebuildTiming::deferred);
            const float read = reportedParameterValue (*model, index);
            ASSERT_TRUE (read >= 0.0f && read <= 1.0f) << parameterName (index) << " " << v;
            const auto before = fingerprint (*model);
            setParameter (*model, index, read, RebuildTiming::deferred);
            ASSERT_EQ (before, fingerprint (*model)) << parameterName (index) << " set " << v << " read " << read;
        }
}

TEST (ParameterReadBack, BlankModelReadsWhatTheEditorSends)
{
    auto model = makeModel();
    refreshParameterValues (*model);
    const auto value = [&] (int index) { return static_cast<float> (model->parameterValues[std::size_t (index)]); };

    EXPECT_EQ (value (parameterIndex::step), 5.0f / 6.0f); // every step empty
    EXPECT_EQ (value (parameterIndex::effectMix), 1.0f);
    EXPECT_EQ (value (parameterIndex::effectGain), 0.5625f); // +3 dB

    // A host's write of 0 now reaches "Step 1" as a change, and reads back.
    setParameter (*model, parameterIndex::step, 0.0f);
    EXPECT_EQ (model->steps.read (0, 0, 0), 0);
    EXPECT_EQ (reportedParameterValue (*model, parameterIndex::step), 0.0f);
}

TEST (ParameterReadBack, WritesReadBackTheParametersTheyChange)
{
    auto model = makeModel();
    model->writeStep (2, 1, 0, 3);
    setParameter (*model, parameterIndex::selectedPattern, 2.0f / 16.0f);
    EXPECT_EQ (static_cast<float> (model->parameterValues[parameterIndex::step]), 5.0f / 6.0f);
    setParameter (*model, parameterIndex::layer, 0.25f);
    const auto value = [&] (int index) { return static_cast<float> (model->parameterValues[std::size_t (index)]); };
    EXPECT_EQ (value (parameterIndex::step), 3.0f / 6.0f);
    EXPECT_EQ (value (parameterIndex::step + 1), 5.0f / 6.0f);

    // A ramp waveform sets slot 2's duty to 1; knobs 1 and 2 of slot 1 on the
    // same kernel parameter show the last knob's value.
    setParameter (*model, parameterIndex::lfoDuty + 1, 0.3f);
    setParameter (*model, parameterIndex::lfoWave + 1, 2.0f / 13.0f, RebuildTiming::deferred);
    EXPECT_EQ (value (parameterIndex::lfoDuty + 1), 1.0f);
    selectRangedKernelParameters (*model);
    setParameter (*model, parameterIndex::kernelSelect + 1, 1.0f / static_cast<float> (numKernelParameters));
    setParameter (*model, parameterIndex::kernelValue, 0.75f);
    EXPECT_EQ (value (parameterIndex::kernelValue + 1), 0.75f);
}
