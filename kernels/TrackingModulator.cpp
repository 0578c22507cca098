#include "kernels/TrackingModulator.h"

#include "kernels/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

ModulatorSample fmProcess (ModulatorObject& m, double xL, double xR, double fc, float fs, int ownerKey) noexcept
{
    if (frequencyMoved (fc, m.frequency))
        storeFrequency (m, 0.001 * fc + 0.999 * m.frequency);

    if (ownerKey != m.ownerKey)
    {
        m.ownerKey = ownerKey;
        m.counter = 0;
        m.phase = {};
    }

    const float tracked = trackFrequency (m.tracker, static_cast<float> ((xL + xR) * 0.7071), fs);
    const float g = std::fabs (tracked);
    const float h = std::clamp (g, 100.0f, 20'000.0f);
    if (static_cast<double> (g) < m.minimum || std::fabs (m.minimum) < 0.0000001)
        m.minimum = static_cast<double> (g);

    const double jL = ::j1 (xL);
    const double jR = ::j1 (xR);

    constexpr float twoPi = 6.2831855f;
    const float carrier = std::ceil (static_cast<float> (m.frequency)) * (static_cast<float> (m.counter) * twoPi / fs);
    float theta = carrier + static_cast<float> (xR) * (h - static_cast<float> (m.minimum)) / h;
    // A carrier phase beyond the float range (absurd frequencies or rates)
    // would turn every later sample into a non-number.
    if (!std::isfinite (carrier))
        theta = 0.0f;

    advanceOscillator (m.phase[0], fc, fs);
    const auto c = static_cast<double> (oscillatorSine (m.phase[0]));
    const auto t = static_cast<double> (theta);
    const double v = (std::sin (t) + std::cos (t)) * c;

    if (++m.counter >= ModulatorObject::counterWrap)
        m.counter = 0;

    return {static_cast<float> (jL * v), static_cast<float> (jR * v)};
}

} // namespace gatevox
