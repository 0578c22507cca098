#include "modulation/LfoGenerators.h"

#include "core/SafeMath.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{
namespace
{
constexpr float twoPi = 6.2831855f;
constexpr double twoPiWide = static_cast<double> (twoPi);
constexpr double points = static_cast<double> (lfoBasePoints);

// The positive half-wave over the duty part, then the negative half-wave,
// which starts one step in. Arguments in double, sines in single precision.
void sineWithDuty (LfoBaseWave& out, double duty, SharedOnePole& smooth) noexcept
{
    const auto c = static_cast<double> (std::floor (static_cast<float> (duty * points)));
    const int count = truncToInt (c);
    const double r = points - c;

    int n = 0;
    for (int i = 0; i < lfoBasePoints; ++i)
    {
        double argument = 0.0;
        if (i < count)
        {
            argument = twoPiWide * i / (2.0 * c);
            n = 0;
        }
        else
        {
            argument = (n + r) * twoPiWide / (2.0 * r);
        }
        ++n;

        const float g = std::sin (static_cast<float> (argument));
        out[static_cast<std::size_t> (i)] = smooth.step (0.5 * static_cast<double> (g) + 0.5);
    }
}

// Points 512 and 513 both hold the top.
void triangle (LfoBaseWave& out, SharedOnePole& smooth) noexcept
{
    for (int i = 0; i < lfoBasePoints; ++i)
    {
        const double v = i <= 512 ? i / 512.0 : 1.0 - (i - 513) / 512.0;
        out[static_cast<std::size_t> (i)] = smooth.step (v);
    }
}

// A ramp over the duty part, then its end value held; scaled into floor-1.
void ramp (LfoBaseWave& out, bool rising, double duty, double floor, SharedOnePole& smooth) noexcept
{
    const double a = duty * points;
    const int rampEnd = truncToInt (a);

    for (int i = 0; i < lfoBasePoints; ++i)
    {
        double v = rising ? 1.0 : 0.0;
        if (i < rampEnd)
            v = rising ? i / a : 1.0 - i / a;
        if (std::fabs (v) >= 0.0000001)
            v = (1.0 - floor) * v;
        out[static_cast<std::size_t> (i)] = std::max (smooth.step (v + floor), floor);
    }
}

// High up to and including point trunc(duty x 1024).
void square (LfoBaseWave& out, double duty, double floor, SharedOnePole& smooth) noexcept
{
    const int count = truncToInt (duty * points);
    for (int i = 0; i < lfoBasePoints; ++i)
    {
        const double v = i <= count ? 1.0 - floor : 0.0;
        out[static_cast<std::size_t> (i)] = std::max (smooth.step (v + floor), floor);
    }
}

// A half-sine bump from 0.5 up and back over the duty part, written in pairs
// without smoothing, then a straight fall to 0 and a rise back to 0.5.
void bumpAndDip (LfoBaseWave& out, double duty, SharedOnePole& smooth) noexcept
{
    const auto b = static_cast<float> (duty * points);
    const int count = truncToInt (b);
    const float e = 2.0f * b;
    const float c = (1024.0f - b) * 0.5f;
    const int fallEnd = truncToInt (c);

    const auto bump = [e] (int i) noexcept
    { return static_cast<double> (0.5f * std::sin (twoPi * static_cast<float> (i) / e) + 0.5f); };

    // count is at most 1024, so the second point of a pair stays inside.
    int i = 0;
    for (; i < count; i += 2)
    {
        out[static_cast<std::size_t> (i)] = bump (i);
        out[static_cast<std::size_t> (i + 1)] = bump (i + 1);
    }

    for (int t = 0; i < lfoBasePoints; ++i, ++t)
    {
        const auto tf = static_cast<float> (t);
        const float v = t < fallEnd ? (1.0f - tf / c) * 0.5f : static_cast<float> (t - fallEnd) * 0.5f / c;
        out[static_cast<std::size_t> (i)] = smooth.step (static_cast<double> (v));
    }
}

// A quarter sine up over the duty part, a quarter cosine down over the rest.
void quarterRiseAndFall (LfoBaseWave& out, double duty, SharedOnePole& smooth) noexcept
{
    const double a = duty * points;
    const double c = (1.0 - duty) * points;
    const int riseEnd = truncToInt (a);
    int m = truncToInt (c);

    for (int i = 0; i < lfoBasePoints; ++i)
    {
        const double argument = i < riseEnd ? twoPiWide * 0.5 * i / (2.0 * a) : twoPiWide * 0.5 * m++ / (2.0 * c);
        const float g = std::sin (static_cast<float> (argument));
        out[static_cast<std::size_t> (i)] = smooth.step (static_cast<double> (g));
    }
}

void userWave (LfoBaseWave& out, std::int32_t number, UserWaveStore& store, SharedOnePole& smooth) noexcept
{
    const int count = store.count();
    if (count < 1)
    {
        out.fill (0.0);
        return;
    }

    const auto& wave = store.wave (std::min (number - 5, count - 1));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = smooth.step (wave.read (i));
}
} // namespace

double limitLfoDuty (double duty) noexcept
{
    return duty == duty ? std::clamp (duty, 0.0, 1.0) : 0.5;
}

double limitLfoFloor (double floor) noexcept
{
    return floor == floor ? std::clamp (floor, 0.0, 1.0) : 0.0;
}

void generateLfoBaseWave (LfoBaseWave& out, std::int32_t number, double duty, double floor,
                          UserWaveStore& store) noexcept
{
    const double d = limitLfoDuty (duty);
    const double fl = limitLfoFloor (floor);
    auto& smooth = store.smoother();

    // The quarter rise and fall continues from whatever the last run left.
    if (number != 6)
        smooth.clear();

    switch (std::max (number, 0))
    {
    case 0:
        sineWithDuty (out, d, smooth);
        break;
    case 1:
        triangle (out, smooth);
        break;
    case 2:
        ramp (out, true, d, fl, smooth);
        break;
    case 3:
        ramp (out, false, d, fl, smooth);
        break;
    case 4:
        square (out, d, fl, smooth);
        break;
    case 5:
        bumpAndDip (out, d, smooth);
        break;
    case 6:
        quarterRiseAndFall (out, d, smooth);
        break;
    default:
        userWave (out, number, store, smooth);
        break;
    }
}

} // namespace gatevox
