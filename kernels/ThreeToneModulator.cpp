#include "kernels/ThreeToneModulator.h"

#include "kernels/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

ModulatorSample threeToneProcess (ModulatorObject& m, double xL, double xR, double target, double s, float fs,
                                  int ownerKey) noexcept
{
    if (ownerKey != m.ownerKey)
    {
        m.ownerKey = ownerKey;
        m.phase = {};
        m.envelope = 0.0;
    }

    if (frequencyMoved (target, m.frequency))
        storeFrequency (m, 0.777 * target + 0.223 * m.frequency);

    const auto f = static_cast<float> (m.frequency);
    const float doubled = 2.0f * f;
    const float halved = f / 2.0f;

    const double a = s > 1.0 ? s : 1.0;

    const double w = 1.0 / (2.0 * std::sqrt (2.0));
    const double wHalf = 1.0 / (2.0 * static_cast<double> (1.4142135f));
    const double acc = w * oscillatorStep (m.phase[0], doubled, fs) + w * oscillatorStep (m.phase[1], f, fs) +
                       wHalf * oscillatorStep (m.phase[2], halved, fs);

    m.envelope = 0.333 * m.envelope + 0.667 * acc * s;
    // An absurd depth would leave the envelope infinite for good; restart it.
    if (!std::isfinite (m.envelope))
        m.envelope = 0.0;

    const double e = m.envelope;
    return {static_cast<float> (std::clamp (e * xL, -1.0, 1.0) + xL / a),
            static_cast<float> (std::clamp (e * xR, -1.0, 1.0) + xR / a)};
}

} // namespace gatevox
