#include "core/EnvelopeSettings.h"

#include <array>

namespace gatevox
{

void EnvelopeSettings::reset() noexcept
{
    static constexpr std::array<float, knobCount> resetKnobs{
        0.0f, 0.2f, 1.0f, // steps 1-4
        1.0f, 0.7f, 1.0f, // steps 5-8
        1.0f, 0.7f, 1.0f, // steps 9-12
        1.0f, 0.5f, 0.0f, // steps 13-16
    };
    for (std::size_t k = 0; k < knobCount; ++k)
        knobs.drainingRelease (k, resetKnobs[k]);

    switches.waitingWrite (destinationNormalised, 2.0f / 7.0f);
    switches.waitingWrite (envelopeOn, 0.0f);
}

} // namespace gatevox
