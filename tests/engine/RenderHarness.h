#pragma once

#include "engine/RenderLoop.h"
#include "kernels/KernelCatalogue.h"
#include "tests/engine/ModelFixture.h"

#include <vector>

// A prepared model at 48 kHz with its render loop, and shorthands for the
// settings the render tests change.
struct RenderHarness
{
    std::unique_ptr<gatevox::ProcessorModel> model = makeModel();
    gatevox::RenderLoop loop{*model};

    double tempo = 120.0;
    double ppq = 0.5; // inside step 1, away from the song start

    explicit RenderHarness (double sampleRate = 48000.0)
    {
        model->prepareToPlay (sampleRate);
        setOption (gatevox::GlobalOptions::additionalSmoothing, 1.0f); // "None"
        model->sequencer.floats.skippingWrite (gatevox::SequencerState::effectGainActual, 1.0f);
    }

    void setOption (gatevox::GlobalOptions::Option o, float v) { model->globalOptions.change (o, v); }

    // Every step of pattern 0 on the layer sounds slot s.
    void fillLayer (int layer, int s)
    {
        for (int step = 0; step < gatevox::numSteps; ++step)
            setStep (layer, step, s);
    }

    void setStep (int layer, int step, int s) { model->writeStep (0, layer, step, s); }

    void setKernel (int s, int kernel) { model->slot (s).ints.waitingWrite (gatevox::SlotSettings::kernelId, kernel); }

    void setParam (int s, std::size_t k, float v) { model->kernelParams (s).value.waitingWrite (k, v); }

    // Renders one block in place, the song position moving on with it.
    bool render (std::vector<float>& left, std::vector<float>& right)
    {
        const bool rendered =
            loop.process (left.data(), right.data(), static_cast<int> (left.size()), gatevox::HostPosition{tempo, ppq});
        ppq += tempo / 60.0 / static_cast<double> (model->transport.sampleRateFloat.get()) *
               static_cast<double> (left.size());
        return rendered;
    }

    // Renders n samples of constant input; returns the left and right outputs.
    std::pair<std::vector<float>, std::vector<float>> renderConstant (int n, float inLeft, float inRight)
    {
        std::vector<float> left (static_cast<std::size_t> (n), inLeft), right (static_cast<std::size_t> (n), inRight);
        render (left, right);
        return {left, right};
    }
};
