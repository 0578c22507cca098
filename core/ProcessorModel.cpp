#include "core/ProcessorModel.h"

#include "core/SafeMath.h"

#include <cmath>

namespace gatevox
{
namespace
{
struct StepTiming
{
    double stepsPerBeat;
    float stepLengthBeats;
};

// Speed 0 is "1/2", 2 is "1/8"; every other speed is "1/4".
[[nodiscard]] constexpr StepTiming stepTimingOf (std::int32_t speed) noexcept
{
    if (speed == 0)
        return {0.5, 2.0f};
    if (speed == 2)
        return {2.0, 0.5f};
    return {1.0, 1.0f};
}
} // namespace

ProcessorModel::ProcessorModel (const UserWaveSource& userWaveText)
{
    for (int s = 0; s < numSlotRecords; ++s)
    {
        slotSettings.push_back (std::make_unique<SlotSettings>());
        kernelParamStores.push_back (std::make_unique<KernelParamStore>());
        envelopeSettings.push_back (std::make_unique<EnvelopeSettings>());
        envelopeSettings.back()->switches.waitingWrite (EnvelopeSettings::envelopeOn, 0.0f);
        envelopeGenerators.push_back (std::make_unique<EnvelopeGenerator> (envelopePoints, renderEpoch));
    }

    // The record of "no slot" has no LFO: its read is always 1.
    for (int s = 0; s < numSlots; ++s)
        lfoTables.push_back (std::make_unique<LfoWaveTable> (userWaves, renderEpoch));

    reset();

    for (int k = 1; k <= numUserWaves; ++k)
        userWaves.append (parseUserWave (userWaveText (k)));

    initialised.fetch_add (1);
}

void ProcessorModel::reset() noexcept
{
    if (initialised.load() < 1)
    {
        sequencer.ints.skippingWrite (SequencerState::selectedEffect, 0);
        transport.sampleRateFloat = 48000.0f;
        transport.sampleRateInt = 48000;
    }

    render.clearLayerOutputs();
    render.lastSlotPerLayer = {};

    steps.fill (emptyStep);
    stepMirror.fill (emptyStep);
    render.settleTransitionGains();

    if (std::isnan (transport.tempo.get()))
        transport.tempo = 120.0f;

    for (int s = 0; s < numSlotRecords; ++s)
    {
        kernelParams (s).reset();
        slot (s).reset (transport.tempo);
    }

    std::uint32_t processed = render.slotsProcessed;
    for (int s = 0; s < numSlots; ++s)
    {
        lfo (s).setWaveformNumber (0);
        lfo (s).rebuild (0, 0.5, 0.0, RebuildTiming::now);
        envelope (s).reset();
        rebuildEnvelope (s);
        processed &= ~(1u << s);
    }
    render.slotsProcessed = processed;

    transport.anchorPpq = 0.0;
    transport.previousStep = 0;

    auto& ints = sequencer.ints;
    ints.skippingWrite (SequencerState::selectedEffect, 0);
    ints.skippingWrite (SequencerState::layer, 0);
    ints.skippingWrite (SequencerState::pattern, 0);
    ints.skippingWrite (SequencerState::patternCount, 0);
    ints.skippingWrite (SequencerState::playPattern, 0);
    setPatternSpeed (1);

    auto& floats = sequencer.floats;
    floats.skippingWrite (SequencerState::effectGainActual, std::pow (10.0f, 0.15f));
    floats.skippingWrite (SequencerState::effectGain, 0.5625f);
    floats.skippingWrite (SequencerState::effectMix, 1.0f);

    for (auto& mixer : routeMixers)
        mixer.makeAllParallel();
}

void ProcessorModel::writeStep (int pattern, int layer, int step, std::int32_t value) noexcept
{
    stepMirror.write (layer, pattern, step, value);
    steps.write (pattern, layer, step, value);
}

void ProcessorModel::setPatternSpeed (std::int32_t speed) noexcept
{
    sequencer.ints.skippingWrite (SequencerState::patternSpeed, speed);

    const auto timing = stepTimingOf (speed);
    transport.stepsPerBeat = timing.stepsPerBeat;
    transport.stepLengthBeats = timing.stepLengthBeats;
}

void ProcessorModel::setRouteType (int s, int routeType) noexcept
{
    slot (s).ints.waitingWrite (SlotSettings::routeType, routeType);
    for (auto& mixer : routeMixers)
        mixer.setRoute (s, routeType);
}

void ProcessorModel::rebuildEnvelopeSegment (int s, int g, RebuildTiming timing) noexcept
{
    const auto segment = std::clamp (g, 0, numEnvelopeSegments - 1);
    if (s >= 0 && s < numSlots)
    {
        // A rebuild now supersedes a deferred one of the same segment.
        auto& pending = pendingEnvelopeSegments[static_cast<std::size_t> (s)];
        if (timing == RebuildTiming::deferred)
        {
            pending.fetch_or (1u << segment, std::memory_order_release);
            return;
        }
        pending.fetch_and (~(1u << segment), std::memory_order_relaxed);
    }

    const auto& knobs = envelope (s).knobs;
    envelopeGenerator (s).buildSegment (segment, knobs.read (EnvelopeSettings::knobIndex (segment, 0)),
                                        knobs.read (EnvelopeSettings::knobIndex (segment, 1)),
                                        knobs.read (EnvelopeSettings::knobIndex (segment, 2)));
}

bool ProcessorModel::applyPendingRebuilds() noexcept
{
    bool ran = false;
    for (int s = 0; s < numSlots; ++s)
    {
        ran = lfo (s).applyRequestedRebuild() || ran;

        // Held while the segments are taken and built, so that a caller that
        // finds none waiting has also waited for those another thread took.
        const std::lock_guard lock (envelopeRebuildLocks[static_cast<std::size_t> (s)]);
        const auto segments =
            pendingEnvelopeSegments[static_cast<std::size_t> (s)].exchange (0, std::memory_order_acquire);
        for (int g = 0; g < numEnvelopeSegments; ++g)
            if ((segments & (1u << g)) != 0)
                rebuildEnvelopeSegment (s, g, RebuildTiming::now);
        ran = ran || segments != 0;
    }

    for (int s = 0; s < numSlotRecords; ++s)
    {
        if (s < numSlots)
            lfo (s).releaseRetiredTables();
        envelopeGenerator (s).releaseRetiredTables();
    }
    return ran;
}

void ProcessorModel::rebuildEnvelope (int s) noexcept
{
    for (int g = 0; g < numEnvelopeSegments; ++g)
        rebuildEnvelopeSegment (s, g, RebuildTiming::now);
}

void ProcessorModel::applySampleRate (double sampleRate) noexcept
{
    transport.hostSampleRate = sampleRate;

    // Internal timing uses 48 kHz for any rate outside 1 Hz to 192 kHz, NaN
    // included, so that no step length or modulo ever divides by zero.
    const auto rateFloat = static_cast<float> (sampleRate);
    auto rateInt = truncToInt (rateFloat);
    if (!(rateFloat >= 0.0f && rateFloat <= 192000.0f) || rateInt < 1)
        rateInt = 48000;

    transport.sampleRateInt = rateInt;
    transport.sampleRateFloat = static_cast<float> (rateInt);
}

void ProcessorModel::prepareToPlay (double sampleRate) noexcept
{
    if (initialised.load() < 1)
    {
        render.lastSlotPerLayer = {};
        reset();
        initialised.fetch_add (1);
    }

    render.lastOutput = {};
    clearFilterMemories (banks->filters);
    clearFormantMemories (banks->formants);
    render.clearLayerOutputs();

    applySampleRate (sampleRate);
    prepareDelays (banks->delays, static_cast<double> (transport.sampleRateFloat.get()));

    render.crossfadeLength = RenderFields::defaultCrossfadeLength;
    render.transitionFlag = 0;
    render.settleTransitionGains();

    for (int s = 0; s < numSlots; ++s)
        kernelParams (s).resetFactors();

    transport.step = 1;
}

} // namespace gatevox
