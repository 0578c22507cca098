#pragma once

#include "engine/HostPosition.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace gatevox
{

// What the host's play head reported for one block.
struct HostReport
{
    bool present = false;                                  // false: the play head gave no position this block
    double bpm = std::numeric_limits<double>::quiet_NaN(); // not a number when left out
    std::optional<double> ppq;                             // song position in quarter notes
    std::optional<std::int64_t> frame;                     // song position in samples
    bool playing = false;
};

// Turns the host's reports into the step clock's positions. A block that
// carries a song position is taken as it comes. Some hosts report their
// transport only when it changes (an LV2 host sends a position object when
// the transport starts, relocates or changes tempo, and may leave out the
// beat): while such a host's transport plays, the follower carries on from
// the last position it gave, or from its frame count and tempo when it gave
// no beat, advanced by the samples rendered since; it stops when the host
// reports the transport stopped. Audio thread only.
class TransportFollower
{
public:
    [[nodiscard]] std::optional<HostPosition> follow (const HostReport& report, int numSamples,
                                                      double sampleRate) noexcept;

    void reset() noexcept { rolling = false; }

private:
    void anchor (double ppq, double tempo) noexcept;
    [[nodiscard]] double derivedPpq (double sampleRate) const noexcept;

    bool rolling = false;
    double anchorPpq = 0.0;
    double anchorBpm = 120.0;
    std::int64_t samplesSinceAnchor = 0;
};

} // namespace gatevox
