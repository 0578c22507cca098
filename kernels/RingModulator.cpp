#include "kernels/RingModulator.h"

#include "kernels/Oscillator.h"

#include <cmath>

namespace gatevox
{

std::optional<ModulatorSample> ringProcess (ModulatorObject& m, double xL, double xR, double f, float fs) noexcept
{
    if (std::isnan (xL))
        return std::nullopt;

    if (frequencyMoved (f, m.frequency) && std::isfinite (f))
    {
        m.frequency = f;
        m.ringHalf = f / 2.0;
        const double limit = ModulatorObject::foldBase - 100.0;
        const double doubled = 2.0 * f;
        m.ringDouble = doubled < limit ? doubled : limit - (doubled - limit);
    }

    const double r = 0.7071 * oscillatorStep (m.phase[0], f, fs) +
                     0.5303 * oscillatorStep (m.phase[1], m.ringHalf, fs) +
                     0.5303 * oscillatorStep (m.phase[2], m.ringDouble, fs);

    return ModulatorSample{static_cast<float> (r * xL), static_cast<float> (r * xR)};
}

} // namespace gatevox
