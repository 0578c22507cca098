#include "engine/TransportFollower.h"

#include <gtest/gtest.h>

using gatevox::HostReport;

namespace
{
constexpr double rate = 48000.0;

HostReport positionObject (std::int64_t frame, double bpm, bool playing = true)
{
    HostReport report;
    report.present = true;
    report.bpm = bpm;
    report.frame = frame;
    report.playing = playing;
    return report;
}
} // namespace

TEST (TransportFollower, BlocksWithASongPositionPassAsTheyCome)
{
    gatevox::TransportFollower follower;
    EXPECT_FALSE (follower.follow (HostReport{}, 512, rate)); // no position ever: the block is left alone

    auto report = positionObject (96000, 90.0);
    report.ppq = 7.25;
    for (int block = 0; block < 3; ++block)
    {
        const auto position = follower.follow (report, 512, rate);
        ASSERT_TRUE (position);
        EXPECT_EQ (position->ppq, 7.25);
        EXPECT_EQ (position->bpm, 90.0);
    }
}

// A host that sends a position object only when its transport starts,
// relocates or stops, with a frame count and no beat.
TEST (TransportFollower, APlayingTransportReportedOnlyAtChangesIsCarriedOn)
{
    gatevox::TransportFollower follower;
    auto position = follower.follow (positionObject (24000, 120.0), 512, rate);
    ASSERT_TRUE (position);
    EXPECT_EQ (position->ppq, 1.0);

    position = follower.follow (HostReport{}, 512, rate);
    ASSERT_TRUE (position);
    EXPECT_EQ (position->ppq, 1.0 + 512.0 * 120.0 / 60.0 / rate);
    EXPECT_EQ (position->bpm, 120.0);

    // A relocation to bar 3 at a new tempo.
    position = follower.follow (positionObject (192000, 60.0), 256, rate);
    EXPECT_EQ (position->ppq, 4.0);
    position = follower.follow (HostReport{}, 256, rate);
    EXPECT_EQ (position->ppq, 4.0 + 256.0 * 60.0 / 60.0 / rate);

    // Stopped: parked at the start as before, and no more carrying on.
    position = follower.follow (positionObject (192000, 60.0, false), 256, rate);
    ASSERT_TRUE (position);
    EXPECT_EQ (position->ppq, 0.0);
    EXPECT_FALSE (follower.follow (HostReport{}, 256, rate));
}
