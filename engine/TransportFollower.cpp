#include "engine/TransportFollower.h"

#include <cmath>

namespace gatevox
{

void TransportFollower::anchor (double ppq, double tempo) noexcept
{
    rolling = std::isfinite (ppq) && std::isfinite (tempo) && tempo > 0.0;
    anchorPpq = ppq;
    anchorBpm = tempo;
    samplesSinceAnchor = 0;
}

// The same arithmetic as a host that counts its position from a start.
double TransportFollower::derivedPpq (double sampleRate) const noexcept
{
    return anchorPpq + static_cast<double> (samplesSinceAnchor) * anchorBpm / 60.0 / sampleRate;
}

std::optional<HostPosition> TransportFollower::follow (const HostReport& report, int numSamples,
                                                       double sampleRate) noexcept
{
    if (!(sampleRate > 0.0))
        rolling = false;
    else if (report.present && !report.playing)
        rolling = false;
    else if (report.present && report.ppq)
        anchor (*report.ppq, report.bpm);
    else if (report.present && report.frame)
        anchor (static_cast<double> (*report.frame) * report.bpm / 60.0 / sampleRate, report.bpm);
    else if (report.present && rolling)
        anchor (derivedPpq (sampleRate), std::isfinite (report.bpm) ? report.bpm : anchorBpm);

    std::optional<HostPosition> position;
    if (report.present && report.ppq)
        position = HostPosition{report.bpm, *report.ppq};
    else if (rolling)
        position = HostPosition{anchorBpm, derivedPpq (sampleRate)};
    else if (report.present)
        position = HostPosition{report.bpm, 0.0}; // parked at the start

    if (rolling)
        samplesSinceAnchor += numSamples;
    return position;
}

} // namespace gatevox
