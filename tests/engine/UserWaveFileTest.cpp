#include "modulation/UserWaveFile.h"
#include "modulation/UserWaveStore.h"

#include <gtest/gtest.h>

using namespace gatevox;

TEST (UserWaveFile, MissingOrEmptyFileIsSilent)
{
    const auto wave = parseUserWave ("");
    for (double v : wave)
        ASSERT_EQ (v, 0.0);
}

TEST (UserWaveFile, ShortFileFillsTheRestWithZeros)
{
    const auto wave = parseUserWave ("0.25\n0.5\n-0.75\n2\n");
    EXPECT_EQ (wave[0], 0.25);
    EXPECT_EQ (wave[1], 0.5);
    EXPECT_EQ (wave[2], -0.75);
    EXPECT_EQ (wave[3], 2.0); // values are not range-limited
    for (std::size_t i = 4; i < wave.size(); ++i)
        ASSERT_EQ (wave[i], 0.0);
}

TEST (UserWaveFile, LinesEndAtLineFeedCarriageReturnOrBoth)
{
    const auto wave = parseUserWave ("1\r\n2\r3\n4\n\r5\r\n\r\n7");
    const double expected[] = {1, 2, 3, 4, 0, 5, 0, 7};
    for (std::size_t i = 0; i < std::size (expected); ++i)
        EXPECT_EQ (wave[i], expected[i]) << i;
}

TEST (UserWaveFile, NumbersInCSyntaxWithTrailingTextIgnored)
{
    const auto wave = parseUserWave ("  0.5 volts\n+1e-1\n-.25x\n\t3.\nabc\n1e999\nnan\ninf\n- 2\n0.1");
    EXPECT_EQ (wave[0], 0.5);
    EXPECT_EQ (wave[1], static_cast<double> (0.1f));
    EXPECT_EQ (wave[2], -0.25);
    EXPECT_EQ (wave[3], 3.0);
    EXPECT_EQ (wave[4], 0.0); // not a number
    EXPECT_EQ (wave[5], 0.0); // overflows single precision
    EXPECT_EQ (wave[6], 0.0);
    EXPECT_EQ (wave[7], 0.0);
    EXPECT_EQ (wave[8], 0.0);
    EXPECT_EQ (wave[9], static_cast<double> (0.1f)); // rounded to single precision
}

TEST (UserWaveFile, LinesAfterThe1024thAreIgnored)
{
    std::string text;
    for (int i = 0; i < 1100; ++i)
        text += std::to_string (i) + "\n";
    const auto wave = parseUserWave (text);
    EXPECT_EQ (wave[0], 0.0);
    EXPECT_EQ (wave[1023], 1023.0);
}

TEST (UserWaveStore, HoldsEightWavesInOrder)
{
    UserWaveStore store;
    for (int k = 1; k <= 9; ++k)
        store.append (parseUserWave (std::to_string (k)));
    ASSERT_EQ (store.count(), 8);
    for (int w = 0; w < 8; ++w)
        EXPECT_EQ (store.wave (w).read (0), w + 1.0);
}
