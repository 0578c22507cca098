#include "kernels/PhaseModulator.h"

#include "kernels/Oscillator.h"

#include <cmath>

namespace gatevox
{

ModulatorSample pmProcess (ModulatorObject& m, double xL, double xR, double fc, float fs) noexcept
{
    if (frequencyMoved (fc, m.frequency))
        storeFrequency (m, 0.999 * fc + 0.001 * m.frequency);

    const double jL = ::j1 (xL);
    const double jR = ::j1 (xR);

    const double cL = oscillatorStep (m.phase[0], m.frequency, fs);
    const double yL = (std::sin (xL) * cL + std::cos (xL) * cL) * jL * 2.7;
    const double cR = oscillatorStep (m.phase[1], m.frequency, fs);
    const double yR = (std::sin (xR) * cR + std::cos (xR) * cR) * jR * 2.7;

    return {static_cast<float> (yL), static_cast<float> (yR)};
}

} // namespace gatevox
