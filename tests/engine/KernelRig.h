#pragma once

#include "kernels/KernelDispatch.h"
#include "tests/engine/ModelFixture.h"

// A prepared model whose slots' kernels run one sample at a time through the
// dispatch. The outputs stay in the rig between samples, since some kernels
// leave them as they were.
struct KernelRig
{
    std::unique_ptr<gatevox::ProcessorModel> model = makeModel();
    float fs = 0.0f; // the rate handed to the kernels; a test may set another
    float outLeft = 0.0f;
    float outRight = 0.0f;

    explicit KernelRig (double rate = 48000.0)
    {
        model->prepareToPlay (rate);
        fs = model->transport.sampleRateFloat.get();
    }

    void set (int s, std::size_t k, float v) { model->kernelParams (s).value.waitingWrite (k, v); }
    gatevox::KernelBanks& banks() { return model->kernelBanks(); }
    gatevox::KernelContext context (int s) { return {model->kernelParams (s), banks(), fs, s}; }

    gatevox::StereoPair run (int s, int kernel, float inLeft, float inRight, float lfo = 0.0f)
    {
        gatevox::dispatchKernel (context (s), kernel, {inLeft, inRight}, lfo, {outLeft, outRight});
        return {outLeft, outRight};
    }
};
