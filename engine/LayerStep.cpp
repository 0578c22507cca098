#include "engine/RenderLoop.h"

#include "kernels/KernelDispatch.h"

#include <cmath>

namespace gatevox
{

namespace
{
// How the slot's envelope acts on this sample.
struct EnvelopeUse
{
    bool onOutput = false; // "Gain" (and any destination without a meaning of its own)
    bool onPan = false;
    float panFactor = 2.0f; // the envelope value x 2: 1 leaves the pan where it is
};
} // namespace

void RenderLoop::renderLayer (int layer, float dryLeft, float dryRight) noexcept
{
    auto& t = model.transport;
    auto& r = model.render;
    const auto l = static_cast<std::size_t> (layer);

    const int s = model.stepMirror.read (layer, t.playPattern, t.step - 1);

    // A negative value can only come from a file: it sounds as an empty step.
    if (s == emptyStep || s < 0)
    {
        if (layer == 0 && model.globalOptions.read (GlobalOptions::emptySequenceDefault) == 1)
            feedBypass (dryLeft, dryRight);
        return;
    }

    if (s > emptyStep)
        return;

    const auto slotBit = 1u << s;
    if ((r.slotsProcessed & slotBit) != 0)
        return;

    auto& slot = model.slot (s);
    const bool retriggers = slot.ints.read (SlotSettings::retrigger) == 1;

    if (r.lastSlotPerLayer[l] != s)
    {
        r.lastSlotPerLayer[l] = s;
        t.sampleInStep = 0;
        if (retriggers)
        {
            slot.ints.overwrite (SlotSettings::position, 0);
            slot.nextPosition = 0;
        }
    }

    auto& generator = model.envelopeGenerator (s);
    const int segment = ProcessorModel::segmentOfStep (t.step);
    const int envelopeClock = t.envelopeClock;
    const auto envelopePeriod = static_cast<float> (t.envelopePeriod.get());
    const auto envelopeValue = [&] { return generator.envelopeValue (segment, envelopeClock, envelopePeriod); };

    float lfoFrequency = slot.floats.read (SlotSettings::lfoFrequency);
    EnvelopeUse envelopeUse;

    auto& settings = model.envelope (s);
    auto& params = model.kernelParams (s);
    if (settings.switches.read (EnvelopeSettings::envelopeOn) > 0.0000001f)
    {
        const int destination = settings.destination.read (0);
        if (destination == EnvelopeSettings::freqDestination)
        {
            if (std::isnan (lfoFrequency))
                lfoFrequency = 0.0f;
            else if (generator.isActive())
                lfoFrequency *= envelopeValue();
        }
        else if (destination == EnvelopeSettings::panDestination)
        {
            envelopeUse.onPan = true;
            envelopeUse.panFactor = generator.isActive() ? envelopeValue() * 2.0f : 2.0f;
        }
        else if (destination >= EnvelopeSettings::param1Destination &&
                 destination < EnvelopeSettings::param1Destination + 4)
        {
            const float e = generator.isActive() ? envelopeValue() : 1.0f;
            const auto knob = static_cast<std::size_t> (destination - EnvelopeSettings::param1Destination);
            // A selector from a file may name no parameter: then nothing is modulated.
            const int k = slot.ints.read (SlotSettings::paramSelect1 + knob) - 1;
            if (k >= 0 && k < kernelParamArraySize)
                params.factor.overwrite (static_cast<std::size_t> (k), e);
        }
        else
        {
            envelopeUse.onOutput = true;
        }
    }

    // The position this sample reads is also the one its advance is compared
    // with below: the render loop is the only writer that keeps it moving.
    const std::int32_t position = slot.ints.read (SlotSettings::position);
    std::int32_t nextPosition = 0;
    const float lfoValue = model.lfo (s).read (position, slot.floats.read (SlotSettings::phase), lfoFrequency,
                                               t.sampleRateFloat, nextPosition);
    slot.nextPosition = nextPosition;

    auto& [mixerLeft, mixerRight] = model.routeMixers;
    const KernelContext context{params, model.kernelBanks(), t.sampleRateFloat, s};
    const int kernel = slot.ints.read (SlotSettings::kernelId);
    const bool seriesRoute = slot.ints.read (SlotSettings::routeType) > 0;

    float outLeft = 0.0f;
    float outRight = 0.0f;
    if (seriesRoute)
    {
        // A chain starts from the dry signal; each later slot of the chain
        // takes the previous one's output.
        const int group = mixerLeft.seriesGroup (s);
        StereoIn in{mixerLeft.groupValue (group), mixerRight.groupValue (group)};
        if (mixerLeft.isFresh (group))
            in = {dryLeft, dryRight};
        dispatchKernel (context, kernel, in, lfoValue, {outLeft, outRight});
    }
    else
    {
        outLeft = r.layerOutput[l][0];
        outRight = r.layerOutput[l][1];
        dispatchKernel (context, kernel, {dryLeft, dryRight}, lfoValue, {outLeft, outRight});
    }

    const float gain = slot.floats.read (SlotSettings::gain);
    outLeft *= gain;
    outRight *= gain;

    float pan = slot.floats.read (SlotSettings::pan);
    if (envelopeUse.onPan)
    {
        // The envelope moves the pan: a value of 0.5 leaves it where it is,
        // 0 takes it fully left, 1 doubles it towards the right.
        const float moved = pan * envelopeUse.panFactor;
        pan = moved > 1.0f ? 1.0f : (moved >= 0.0f ? moved : 0.0f);
    }
    if (pan >= 0.5f)
        outLeft *= 1.0f - 2.0f * (pan - 0.5f);
    else
        outRight *= 2.0f * pan;

    const int keep = t.stepIsOne == 1 && retriggers ? 0 : 1;
    if (nextPosition == position)
    {
        if (keep == 0 && position != 0)
            slot.ints.overwrite (SlotSettings::position, 0);
    }
    else
    {
        slot.ints.overwrite (SlotSettings::position, nextPosition);
    }

    if (envelopeUse.onOutput)
    {
        outLeft = std::isnan (outLeft) ? 0.0f : (generator.isActive() ? outLeft * envelopeValue() : outLeft);
        outRight = std::isnan (outRight) ? 0.0f : (generator.isActive() ? outRight * envelopeValue() : outRight);
    }

    if (!seriesRoute)
        r.layerOutput[l] = {outLeft, outRight};

    const float u = 1.0f - gain;
    const float layerGain = r.layerGain[l];
    const float outs[2] = {outLeft, outRight};
    for (std::size_t c = 0; c < 2; ++c)
    {
        if (std::isnan (outs[c]))
            continue;

        auto& mixer = model.routeMixers[c];
        if (!mixer.isSeries (s))
            mixer.addParallel (outs[c], 1.0f + static_cast<float> (r.transitionFlag.get()) * u, layerGain);
        else
            mixer.addSeries (mixer.seriesGroup (s), (1.0f + u) * outs[c], layerGain);
    }

    r.slotsProcessed = r.slotsProcessed | slotBit;
    r.lastSlotPerLayer[l] = s;
}

} // namespace gatevox
