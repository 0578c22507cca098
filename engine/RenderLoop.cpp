#include "engine/RenderLoop.h"

#include "kernels/KernelDispatch.h"

#include <cmath>
#include <limits>

namespace gatevox
{

bool RenderLoop::process (float* left, float* right, int numSamples,
                          const std::optional<HostPosition>& position) noexcept
{
    if (!clock.blockStart (position))
        return false;

    const auto smoothing = model.globalOptions.read (GlobalOptions::additionalSmoothing);
    if (smoothing > 1)
        for (auto& smoother : model.smoothers)
            smoother.setMode (smoothing);

    if (model.initialised.load() == 0)
        return false;

    for (int s = 0; s < numSlots; ++s)
        model.kernelParams (s).resetFactors();

    const RenderEpoch::BlockScope block (model.renderEpoch);
    for (int i = 0; i < numSamples; ++i)
        renderSample (left[i], right[i]);

    return true;
}

void RenderLoop::renderSample (float& left, float& right) noexcept
{
    auto& r = model.render;

    // The dry samples as they arrived: kernels, the dry path and the bypass
    // see them as they are, only the silence test replaces a value that is
    // not a number by 0.
    const float dryLeft = left;
    const float dryRight = right;
    const float inLeft = std::isnan (dryLeft) ? 0.0f : dryLeft;
    const float inRight = std::isnan (dryRight) ? 0.0f : dryRight;

    if (std::abs (static_cast<double> (inLeft) + static_cast<double> (inRight)) <= 0.0001)
    {
        if (r.silenceCount < std::numeric_limits<std::int32_t>::max())
            r.silenceCount = r.silenceCount + 1;
    }
    else
    {
        r.silenceCount = 0;
    }

    if (r.silenceCount > silenceStretch)
    {
        left = r.lastOutput[0] * silenceDecay;
        right = r.lastOutput[1] * silenceDecay;
        r.lastOutput = {left, right};
        return;
    }

    r.slotsProcessed = 0;

    clock.sampleHead();

    auto& [mixerLeft, mixerRight] = model.routeMixers;
    mixerLeft.startSample();
    mixerRight.startSample();

    updateTransitionGains();

    for (int layer = 0; layer < numLayers; ++layer)
        renderLayer (layer, dryLeft, dryRight);

    float outLeft = mixerLeft.finish();
    float outRight = mixerRight.finish();

    if (model.globalOptions.read (GlobalOptions::additionalSmoothing) != 1)
    {
        outLeft = model.smoothers[0].process (outLeft);
        outRight = model.smoothers[1].process (outRight);
    }

    const float mix = model.sequencer.floats.read (SequencerState::effectMix);
    const float gain = model.sequencer.floats.read (SequencerState::effectGainActual);
    left = ((1.0f - mix) * dryLeft + mix * outLeft) * gain;
    right = ((1.0f - mix) * dryRight + mix * outRight) * gain;

    // A sample whose left or right output lies beyond the +12 dB ceiling, up
    // or down, is muted on both channels, and so is one that the mix or the
    // gain overflowed; an input that is not a number is left to the dry path.
    const bool overflowed =
        (!std::isfinite (left) && std::isfinite (dryLeft)) || (!std::isfinite (right) && std::isfinite (dryRight));
    if (std::abs (left) > outputCeiling || std::abs (right) > outputCeiling || overflowed)
    {
        left = 0.0f;
        right = 0.0f;
    }

    r.lastOutput = {left, right};

    clock.sampleTail();
}

void RenderLoop::feedBypass (float dryLeft, float dryRight) noexcept
{
    const float dry[2] = {dryLeft, dryRight};
    for (std::size_t c = 0; c < 2; ++c)
    {
        if (std::isnan (dry[c]))
            continue;

        auto& mixer = model.routeMixers[c];
        if (!mixer.isSeries (0))
            mixer.addParallel (dry[c], 1.0f, 1.0f);
        else
            mixer.addSeries (mixer.seriesGroup (0), 2.0f * dry[c], 1.0f);
    }
}

} // namespace gatevox
