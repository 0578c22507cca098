#include "kernels/DelayBanks.h"
#include "kernels/FilterSections.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace gatevox;

namespace
{
const float notANumber = std::numeric_limits<float>::quiet_NaN();

float at (const std::vector<float>& buffer, long long p) // p reduced modulo the size
{
    const auto n = static_cast<long long> (buffer.size());
    return buffer[static_cast<std::size_t> (((p % n) + n) % n)];
}

// Newest first into an 8-entry history; returns the mean of the newest `count`.
float pushMean (std::array<float, 8>& h, float v, int count)
{
    std::copy_backward (h.begin(), h.end() - 1, h.end());
    h[0] = v;
    float sum = 0.0f;
    for (int j = 0; j < count; ++j)
        sum += h[static_cast<std::size_t> (j)];
    return sum / static_cast<float> (count);
}

// The comb line as first designed, for the kernels' constants: a buffer of
// ceil (Bs x As + Bs + 2) samples, sized on the first call.
struct WideComb
{
    std::vector<float> buffer = std::vector<float> (150002);
    long long w = 0;
    float bs = 0.0f, as = 0.0f, y1 = 0.0f;
    std::array<float, 8> h{};

    float process (float x, float lfo, float fs)
    {
        if (std::isnan (x))
            return 0.0f;
        if (bs == 0.0f)
        {
            bs = 0.03f * fs;
            as = 0.015f * fs;
            buffer.assign (static_cast<std::size_t> (std::ceil (bs * as + bs + 2.0f)), 0.0f);
        }
        buffer[static_cast<std::size_t> (w)] = x;
        const float d = bs - as * lfo;
        const auto i = static_cast<long long> (d);
        const float fr = d - std::floor (d);
        const float v = (1.0f - fr) * at (buffer, w - i - 1) + at (buffer, w - i) - (1.0f - fr) * y1;
        y1 = v;
        w = (w + 1) % static_cast<long long> (buffer.size());
        return pushMean (h, v, 8);
    }
};

// The delay line as first designed: every resize zero-fills the buffer.
struct FilledLine
{
    std::vector<float> buffer = std::vector<float> (1);
    long long w = 0;
    int quiet = 0;
    float g = 0.0f, y1 = 0.0f, u = 0.0f, vPrev = 0.0f;
    std::array<float, 8> h{};

    void resize (int n)
    {
        buffer.assign (static_cast<std::size_t> (n), 0.0f);
        w = std::min (w, static_cast<long long> (n - 1));
    }

    float process (float x, float delay, float feedback, bool slapback)
    {
        quiet = std::abs (x) > 1.0e-7f ? 0 : quiet + 1;
        if (quiet == 0)
            g = std::min (g + 0.001f, 1.0f);
        else if (quiet >= 20000)
            g = std::max (g - 0.001f, 1.0e-7f);

        auto& slot = buffer[static_cast<std::size_t> (w)];
        slot = slot * feedback + g * x;
        const auto i = static_cast<long long> (delay);
        const float fr = delay - std::floor (delay);
        const float v = (1.0f - fr) * at (buffer, w - i) + at (buffer, w - i - 1) - (1.0f - fr) * y1;
        y1 = v;
        w = (w + 1) % static_cast<long long> (buffer.size());
        if (!slapback)
            return pushMean (h, v, 8);
        u = 0.5f * u + 0.5f * vPrev;
        vPrev = v;
        return pushMean (h, u, 4);
    }
};

// The first sample from `from` on whose magnitude exceeds the threshold; -1 when none.
int firstAbove (const std::vector<float>& y, float threshold, int from = 0)
{
    for (auto n = static_cast<std::size_t> (from); n < y.size(); ++n)
        if (std::abs (y[n]) > threshold)
            return static_cast<int> (n);
    return -1;
}

// An impulse at sample 1 at full gain through a fresh engine of slot 0.
std::vector<float> impulseThrough (DelayBanks& banks, int samples, float r, float s, float lfo, float feedback, int key,
                                   bool slapback)
{
    std::vector<float> y;
    for (int n = 0; n < samples; ++n)
    {
        if (n == 1)
            banks.line (0).g = 1.0f;
        y.push_back (engineProcess (banks.engine (0), banks.line (0), banks.line (1), n == 1 ? 1.0f : 0.0f, 0.0f, r, s,
                                    lfo, feedback, 44100.0f, key, slapback)
                         .left);
    }
    return y;
}
} // namespace

TEST (CombLine, SmallBufferIsBitIdenticalToTheWideOne)
{
    for (const float fs : {44100.0f, 96000.0f})
    {
        CombLine line;
        combPrepare (line, fs);
        WideComb wide;
        std::mt19937 random (7);
        std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
        for (int i = 0; i < 40000; ++i)
        {
            const float x = i % 977 == 500 ? notANumber : noise (random);
            const float lfo = triangle (i, 3001);
            const float expected = wide.process (x, lfo, fs);
            ASSERT_TRUE (sameBits (combProcess (line, x, lfo, 0.015f, 0.03f, fs), expected)) << fs << " at " << i;
        }
        EXPECT_EQ (line.buffer.size(), static_cast<std::size_t> (std::ceil (0.03f * fs)) + 2);
    }

    WideComb wide;
    wide.process (0.0f, 0.0f, 44100.0f);
    EXPECT_EQ (wide.buffer.size(), 876490u) << "3.5 MB a line, against 1325 samples";
}

TEST (DelayLine, LengthOnlyResizeMatchesTheZeroFilledLine)
{
    DelayLine line;
    linePrepare (line, 1000.0); // room for 4000 samples
    FilledLine filled;
    std::mt19937 random (3);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);

    // Longer, shorter and equal lengths; delays past the length, negative and
    // fractional delays.
    struct Stretch
    {
        int length;
        bool slapback;
        float delay;
        float feedback;
    };
    for (const auto& s : {Stretch{50, false, 12.25f, 0.9f},
                          {20, false, 47.5f, 0.5f},
                          {120, true, 3.75f, 1.0f},
                          {120, true, -2.5f, 0.7f},
                          {7, false, 1234.6f, -0.8f},
                          {3000, true, 2999.0f, 0.95f},
                          {4000, false, 3999.0f, 0.95f}})
    {
        filled.resize (s.length);
        lineResize (line, s.length);
        for (int i = 0; i < 5000; ++i)
        {
            const float x = i % 400 < 300 ? noise (random) : 0.0f;
            const float delay = s.delay + 0.5f * triangle (i, 700);
            const float expected = filled.process (x, delay, s.feedback, s.slapback);
            ASSERT_TRUE (sameBits (lineProcess (line, x, delay, s.feedback, s.slapback), expected))
                << s.length << " at " << i;
        }
    }
}

TEST (DelayLine, LineLongerThanItsStorageNeverComesRound)
{
    // Room for 4000 samples. A 4000-sample line fits and recirculates (the
    // test above); one of 4001 or more keeps its newest 4000 samples: it plays
    // as the zero-filled line with no feedback, for any feedback, and a tap
    // reaching past the storage reads silence.
    for (const int period : {4001, 10000})
    {
        DelayLine line;
        linePrepare (line, 1000.0);
        lineResize (line, period);
        FilledLine filled;
        filled.resize (period);
        std::mt19937 random (9);
        std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
        for (int i = 0; i < 25000; ++i)
        {
            const float x = i % 3000 < 1000 ? noise (random) : 0.0f;
            const float delay = 3990.0f - 300.0f * triangle (i, 700);
            const bool slapback = i >= 12000;
            const float expected = filled.process (x, delay, 0.0f, slapback);
            ASSERT_TRUE (sameBits (lineProcess (line, x, delay, 0.9f, slapback), expected)) << period << " at " << i;
        }
    }

    DelayLine far;
    linePrepare (far, 1000.0);
    lineResize (far, 10000);
    for (int i = 0; i < 12000; ++i)
        ASSERT_EQ (lineProcess (far, 0.5f, 6000.5f, 0.9f, false), 0.0f) << i;
}

TEST (DelayLine, GainRampsInAndFadesAfterLongQuiet)
{
    DelayLine line;
    linePrepare (line, 1000.0);
    lineResize (line, 200);

    // Delay 100: silence until the first sample comes round, at the first
    // step of the gain, 0.001.
    float g = 0.0f;
    for (int n = 0; n < 1200; ++n)
    {
        const float y = lineProcess (line, 0.5f, 100.0f, 0.0f, false);
        g = std::min (g + 0.001f, 1.0f);
        ASSERT_TRUE (sameBits (line.g, g)) << n;
        ASSERT_TRUE (n >= 100 || y == 0.0f) << n;
        ASSERT_TRUE (n != 100 || line.y1 == 0.0005f);
    }
    EXPECT_EQ (line.g, 1.0f);

    for (int n = 1; n < 20000; ++n)
        lineProcess (line, 0.0f, 100.0f, 0.0f, false);
    EXPECT_EQ (line.g, 1.0f) << "19,999 quiet samples keep the gain";
    lineProcess (line, 0.0f, 100.0f, 0.0f, false);
    EXPECT_EQ (line.g, 1.0f - 0.001f);
    for (int n = 0; n < 5000; ++n)
        lineProcess (line, 0.0f, 100.0f, 0.0f, false);
    EXPECT_EQ (line.g, 1.0e-7f) << "the fade stops short of zero";
}

TEST (DelayEngine, TapAndRecirculationAt44k)
{
    // "DELAY MOD" defaults: D = 4410, W = 441; the 3,890,063-sample line
    // holds its newest four seconds and does not come round in them.
    DelayBanks banks;
    prepareDelays (banks, 44100.0);
    auto y = impulseThrough (banks, 182000, 0.1f, 0.1f, 0.0f, 0.5f, 35, false);
    EXPECT_EQ (banks.engine (0).d, 4410.0f);
    EXPECT_EQ (banks.engine (0).w, 441.0f);
    EXPECT_EQ (banks.engine (0).length, 3890063.0f);
    EXPECT_EQ (banks.line (0).period, 3890063);
    EXPECT_EQ (banks.line (0).length, 176400);
    EXPECT_EQ (firstAbove (y, 0.01f), 1 + 4410);
    EXPECT_EQ (firstAbove (y, 0.0f, 4500), -1) << "no echo at the end of the storage";

    DelayBanks swept;
    prepareDelays (swept, 44100.0);
    EXPECT_EQ (firstAbove (impulseThrough (swept, 4500, 0.1f, 0.1f, 1.0f, 0.0f, 35, false), 0.01f), 1 + 3969)
        << "lfo 1";

    // "SLAPBACK" defaults: a 3424-sample line with the tap 573.3 samples back;
    // the smoother works on the previous interpolated value, one sample later.
    DelayBanks slap;
    prepareDelays (slap, 44100.0);
    y = impulseThrough (slap, 4200, 0.013f, 0.4f * 0.013f, 0.0f, 0.9f, 37, true);
    EXPECT_FLOAT_EQ (slap.engine (0).d, 573.3f);
    EXPECT_EQ (slap.line (0).length, 3424);
    const int first = firstAbove (y, 1.0e-3f);
    EXPECT_EQ (first, 1 + 573 + 1);
    EXPECT_EQ (firstAbove (y, 1.0e-3f, first + 40), 3424 + first);
}

TEST (DelayEngine, GlidesFivePercentPerSampleThenResizesOnce)
{
    DelayBanks banks;
    auto& e = banks.engine (0);
    auto& line = banks.line (0);
    auto run = [&] (float r)
    { engineProcess (e, line, banks.line (1), 0.3f, 0.3f, r, 0.2f, 0.0f, 0.5f, 48000.0f, 35, false); };
    for (int n = 0; n < 3000; ++n)
        run (0.1f);
    EXPECT_EQ (e.r, 0.1f) << "a new owner key takes the target at once";

    // Both r and s glide; where rounding stops them short, they end on the targets.
    float r = e.r, s = e.s;
    int resizes = 0;
    for (int n = 0; n < 6000; ++n)
    {
        const int written = line.written;
        const bool gliding = changedBeyondThreshold (r, 0.05f) || changedBeyondThreshold (s, 0.2f);
        run (0.05f);
        if (gliding)
        {
            const float nextR = 0.95f * r + 0.05f * 0.05f, nextS = 0.95f * s + 0.05f * 0.2f;
            const bool stuck = nextR == r && nextS == s;
            r = stuck ? 0.05f : nextR;
            s = stuck ? 0.2f : nextS;
            ASSERT_EQ (e.r, r) << n;
            ASSERT_EQ (e.s, s) << n;
            ASSERT_EQ (e.d, 4800.0f) << "the tap keeps its delay while gliding";
            ASSERT_GE (line.written, written);
        }
        else if (line.written < written)
        {
            ++resizes;
            EXPECT_GT (n, 200);
            EXPECT_EQ (e.d, 48000.0f * e.r);
            EXPECT_EQ (line.written, 1) << "silenced: only the newest sample counts";
        }
    }
    EXPECT_EQ (resizes, 1);

    // From 0 the 5 % step towards this target stops moving about 1e-7 short of it.
    const float target = 0.0642699525f;
    float stalled = 0.0f;
    for (int n = 0; n < 10000; ++n)
        stalled = 0.95f * stalled + 0.05f * target;
    ASSERT_TRUE (changedBeyondThreshold (stalled, target));
    engineProcess (e, line, banks.line (1), 0.1f, 0.1f, 0.0f, 0.5f, 0.0f, 0.0f, 48000.0f, 36, false);
    for (int n = 0; n < 1000; ++n)
        engineProcess (e, line, banks.line (1), 0.1f, 0.1f, target, 0.5f, 0.0f, 0.0f, 48000.0f, 36, false);
    EXPECT_EQ (e.r, target);
    EXPECT_EQ (e.d, 48000.0f * target);
}

TEST (DelayBanks, StorageAtEachRate)
{
    DelayBanks banks;
    auto bytes = [&banks]
    {
        std::size_t total = 0;
        for (int i = 0; i < DelayBanks::objectCount; ++i)
            total += (banks.comb (i).buffer.capacity() + banks.line (i).buffer.capacity()) * sizeof (float);
        return total;
    };
    EXPECT_EQ (bytes(), 10u * 4u * (192000u + 1442u)) << "built for 48 kHz";

    prepareDelays (banks, 44100.0);
    for (int n = 0; n < 2000; ++n)
        engineProcess (banks.engine (0), banks.line (0), banks.line (1), 0.5f, 0.5f, 0.01f, 0.1f, 0.0f, 0.3f, 44100.0f,
                       35, false);
    const float* storage = banks.line (0).buffer.data();
    prepareDelays (banks, 44100.0);
    EXPECT_EQ (banks.line (0).buffer.data(), storage) << "the same rate keeps the lines";
    EXPECT_EQ (banks.line (0).written, 2000);

    prepareDelays (banks, 192000.0);
    EXPECT_EQ (banks.line (0).written, 0) << "new storage starts silent";
    EXPECT_EQ (bytes(), 10u * 4u * (768000u + 5762u));

    for (const double rate : {0.0, -48000.0, 1.0e12, std::numeric_limits<double>::quiet_NaN()})
    {
        prepareDelays (banks, rate);
        EXPECT_LE (banks.line (3).buffer.size(), 768000u) << rate;
        EXPECT_GE (banks.comb (3).buffer.size(), 2u) << rate;
    }
}
