#include "kernels/ShortKernels.h"

#include "kernels/KernelCatalogue.h"
#include "kernels/Oscillator.h"

namespace gatevox
{

void tremoloKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float d = c.eff (kernelParam::depth);
    out.left = in.left * d * lfo + in.left * (1.0f - d);
    out.right = in.right * d * lfo + in.right * (1.0f - d);
}

void stereoPanKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    if (lfo == 0.5f)
    {
        out.left = in.left;
        out.right = in.right;
        return;
    }

    const float d = c.eff (kernelParam::depth);
    const float p = d * lfo;
    out.left = in.left * p * (1.0f - lfo) + in.left * (1.0f - p);
    out.right = in.right * p * lfo + in.right * (1.0f - p);
}

void amModKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const float f = c.eff (kernelParam::fc);
    const float a = c.eff (kernelParam::amount);
    const float m = c.eff (kernelParam::mix);

    auto& oscillator = c.banks.modulator (c.slot);
    const double g = oscillatorStep (oscillator.phase[0], f, c.fs) * static_cast<double> (a);

    const auto wetLeft = static_cast<float> (static_cast<double> (in.left) * g);
    const auto wetRight = static_cast<float> (static_cast<double> (in.right) * g);
    out.left = blend (in.left, wetLeft, m);
    out.right = blend (in.right, wetRight, m);
}

} // namespace gatevox
