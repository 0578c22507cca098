#include "engine/RenderLoop.h"

namespace gatevox
{

// Each layer whose slot changes at a step boundary fades out over the last
// crossfadeLength samples of the old step and in over the first ones of the
// new step; a layer that keeps its slot stays at full gain.
void RenderLoop::updateTransitionGains() noexcept
{
    auto& t = model.transport;
    auto& r = model.render;

    const int fade = r.crossfadeLength;
    const int samplesPerStep = t.samplesPerStep;
    const int inStep = t.sampleInStep;
    const int step = t.step;
    const int pattern = t.playPattern;
    const float fadeIncrement = 1.0f / static_cast<float> (fade);

    const auto row = [&] (int layer, int index) { return model.stepMirror.read (layer, pattern, index); };

    if (inStep < samplesPerStep - fade)
    {
        if (inStep > fade && step == t.previousStep)
        {
            for (std::size_t l = 0; l < numLayers; ++l)
                r.layerGain[l] = 1.0f;
            r.transitionFlag = 0;
            r.fadeOutStarted = 0;
            return;
        }

        if (step != t.previousStep)
        {
            const int previousIndex = step == 1 ? numSteps - 1 : step - 2;
            for (int l = 0; l < numLayers; ++l)
            {
                const auto layer = static_cast<std::size_t> (l);
                r.layerGain[layer] = 0.0f;
                r.gainIncrement[layer] = row (l, step - 1) != row (l, previousIndex) ? fadeIncrement : 1.0f;
            }
        }

        for (std::size_t l = 0; l < numLayers; ++l)
        {
            // The in-step counter can wrap with no new step (a parked
            // transport): a layer still fading out then fades back in, so
            // every gain stays within 0-1.
            if (r.gainIncrement[l] < 0.0f)
                r.gainIncrement[l] = fadeIncrement;

            const float g = r.layerGain[l] + r.gainIncrement[l];
            r.layerGain[l] = g > 1.0f ? 1.0f : (g < 0.0f ? 0.0f : g);
        }
        r.transitionFlag = 1;
        r.fadeOutStarted = 0;
        return;
    }

    if (r.fadeOutStarted == 0)
    {
        const int nextIndex = step % numSteps;
        for (int l = 0; l < numLayers; ++l)
        {
            const auto layer = static_cast<std::size_t> (l);
            r.gainIncrement[layer] = row (l, step - 1) == row (l, nextIndex) ? 0.0f : -fadeIncrement;
            r.layerGain[layer] = 1.0f;
        }
    }

    for (std::size_t l = 0; l < numLayers; ++l)
    {
        const float g = r.layerGain[l] + r.gainIncrement[l];
        r.layerGain[l] = g < 0.0f ? 0.0f : g;
    }
    r.transitionFlag = 1;
    r.fadeOutStarted = 1;
}

} // namespace gatevox
