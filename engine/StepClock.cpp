#include "engine/StepClock.h"

#include "core/SafeMath.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

double StepClock::usableTempo (double bpm) const noexcept
{
    if (std::isfinite (bpm) && bpm > 0.0)
        return std::clamp (bpm, lowestTempo, highestTempo);

    const float last = model.transport.tempo;
    return std::isfinite (last) && last > 0.0f ? static_cast<double> (last) : 120.0;
}

void StepClock::rescaleLfoRates (float newTempo) noexcept
{
    const float oldTempo = model.transport.tempo;
    for (int s = 0; s < numSlots; ++s)
    {
        auto& floats = model.slot (s).floats;
        floats.overwrite (SlotSettings::lfoRate, newTempo * floats.read (SlotSettings::lfoRate) / oldTempo);
    }
    model.transport.tempo = newTempo;
}

bool StepClock::blockStart (const std::optional<HostPosition>& position) noexcept
{
    if (!position.has_value())
        return false;

    auto& t = model.transport;
    const double ppq = position->ppq;
    if (ppq == 0.0 || !std::isfinite (ppq))
    {
        t.ppqPos = 0.0;
        return false;
    }

    t.ppqPos = std::max (ppq, 0.0);

    const double bpm = usableTempo (position->bpm);
    t.ppqPerSample = bpm / (60.0 * static_cast<double> (t.sampleRateFloat.get()));

    if (std::isnan (t.tempo.get()))
        t.tempo = 120.0f;
    if (std::abs (bpm - static_cast<double> (t.tempo.get())) >= 0.0000001)
        rescaleLfoRates (static_cast<float> (bpm));

    const float samplesPerStep = t.stepLengthBeats * t.sampleRateFloat * 60.0f / t.tempo;
    t.samplesPerStep = truncToInt (samplesPerStep);
    t.envelopePeriod = truncToInt (static_cast<float> (static_cast<double> (4.0f * samplesPerStep) * t.stepsPerBeat));
    return true;
}

void StepClock::sampleHead() noexcept
{
    auto& t = model.transport;
    auto& r = model.render;
    auto& seq = model.sequencer;

    // Steps counted from the start of the song; never negative.
    const auto x = static_cast<float> (std::floor (t.ppqPos * t.stepsPerBeat));
    const auto stepCount = truncTo<std::int64_t> (x);

    const auto step = static_cast<std::int32_t> (std::clamp<std::int64_t> (stepCount % numSteps + 1, 1, numSteps));
    seq.ints.skippingWrite (SequencerState::seqPosition, step);

    const std::int64_t patternsInCycle =
        std::max<std::int64_t> (1, std::int64_t{seq.ints.read (SequencerState::patternCount)} + 1);
    // With one pattern in the cycle the remainder is always 0: skip the division.
    const auto pattern = patternsInCycle == 1 ? 0 : truncTo<std::int64_t> (x * 0.0625f) % patternsInCycle;
    seq.ints.skippingWrite (SequencerState::playPattern,
                            static_cast<std::int32_t> (std::clamp<std::int64_t> (pattern, 0, numPatterns - 1)));

    const bool stepChanged = step != t.previousStep;
    if (stepChanged)
    {
        t.sampleInStep = 0;
        r.fadeOutStarted = 0;
        t.stepIsOne = step == 1 ? 1 : 0;
        if (step == 1)
            t.envelopeClock = 0;
    }

    if (t.anchorPpq > t.ppqPos)
        jumpedBackwards();

    if (t.ppqPos >= t.anchorPpq + 4.0 || stepChanged)
        t.anchorPpq = t.ppqPos.get();

    t.playPattern = std::clamp (seq.ints.read (SequencerState::playPattern), 0, numPatterns - 1);
    t.step = std::clamp (seq.ints.read (SequencerState::seqPosition), 1, numSteps);
}

void StepClock::jumpedBackwards() noexcept
{
    auto& t = model.transport;
    model.sequencer.ints.skippingWrite (SequencerState::playPattern, 0);
    t.envelopeClock = 0;

    // Below one quarter note every LFO restarts; further on, all LFOs move to
    // slot 1's position scaled by how far the song went back.
    std::int32_t lfoPosition = 0;
    if (t.ppqPos >= 1.0)
    {
        const auto p = model.slot (0).ints.read (SlotSettings::position);
        const auto scaled =
            static_cast<float> (t.ppqPos.get()) * static_cast<float> (p) / static_cast<float> (t.anchorPpq.get());
        lfoPosition = truncToInt (scaled) % t.sampleRateInt;
    }

    for (int s = 0; s < numSlots; ++s)
    {
        model.slot (s).ints.overwrite (SlotSettings::position, lfoPosition);
        model.slot (s).nextPosition = lfoPosition;
    }
}

void StepClock::sampleTail() noexcept
{
    auto& t = model.transport;
    t.ppqPos = t.ppqPos + t.ppqPerSample;

    if (t.envelopeClock + 1 >= t.envelopePeriod)
        t.envelopeClock = 0;
    else
        t.envelopeClock = t.envelopeClock + 1;

    t.previousStep = t.step.get();

    if (t.sampleInStep + 1 >= t.samplesPerStep)
        t.sampleInStep = 0;
    else
        t.sampleInStep = t.sampleInStep + 1;
}

} // namespace gatevox
