#include "params/ParameterText.h"
#include "params/ParameterApplier.h"
#include "tests/engine/ModelFixture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using namespace gatevox;

namespace
{
std::string printfText (float v)
{
    char text[64];
    std::snprintf (text, sizeof text, "%.9g", static_cast<double> (v));
    return text;
}
} // namespace

TEST (ParameterText, FormatsAsPrintfDoesInTheCLocale)
{
    EXPECT_EQ (formatParameterValue (0.0f), "0");
    EXPECT_EQ (formatParameterValue (0.5f), "0.5");
    EXPECT_EQ (formatParameterValue (1.0f), "1");
    EXPECT_EQ (formatParameterValue (1.0f / 3.0f), "0.333333343");
    EXPECT_EQ (formatParameterValue (0.00001f), "9.99999975e-06");

    std::mt19937 random (7);
    std::uniform_real_distribution<float> unit (0.0f, 1.0f);
    for (int i = 0; i < 20000; ++i)
    {
        const float v = unit (random);
        ASSERT_EQ (formatParameterValue (v), printfText (v)) << i;
    }
    EXPECT_EQ (formatParameterValue (std::numeric_limits<float>::denorm_min()),
               printfText (std::numeric_limits<float>::denorm_min()));
}

TEST (ParameterText, KeepsTheDecimalPointUnderAnotherProcessLocale)
{
    const std::string previous = std::setlocale (LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8", "C.utf8"})
        if (std::setlocale (LC_ALL, name) != nullptr)
        {
            chosen = name;
            break;
        }
    if (chosen == nullptr)
        GTEST_SKIP() << "no locale other than C is installed";

    const bool comma = std::string (std::localeconv()->decimal_point) == ",";
    const std::string local = printfText (0.5f);
    const std::string ours = formatParameterValue (1.0f / 3.0f);
    std::setlocale (LC_ALL, previous.c_str());

    if (comma)
    {
        EXPECT_EQ (local, "0,5") << chosen;
    }
    EXPECT_EQ (ours, "0.333333343") << chosen;
}

TEST (ParameterText, ReadsBackTheClampedValue)
{
    const auto model = makeModel();
    for (int i = 0; i < numAutomationParameters; ++i)
        ASSERT_EQ (parameterText (*model, i), "0") << i;

    setParameter (*model, 41, 1.0f);
    EXPECT_EQ (parameterValue (*model, 41), 1.0f);
    EXPECT_EQ (parameterText (*model, 41), "1");
    setParameter (*model, 41, 1.7f);
    EXPECT_EQ (parameterValue (*model, 41), 1.0f);
    setParameter (*model, 41, -0.2f);
    EXPECT_EQ (parameterValue (*model, 41), 0.0f);
    setParameter (*model, 41, -0.0f);
    EXPECT_EQ (parameterText (*model, 41), "0");
}

TEST (ParameterText, BadEntriesAndIndices)
{
    const auto model = makeModel();
    setParameter (*model, 30, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE (std::isnan (model->parameterValues[30].get()));
    EXPECT_EQ (parameterValue (*model, 30), 0.0f);
    EXPECT_EQ (parameterText (*model, 30), "0");
    model->parameterValues[31] = 2.0f;
    EXPECT_EQ (parameterValue (*model, 31), 0.0f);

    // The value read ignores an index outside the table; the text clamps it.
    setParameter (*model, 0, 0.25f);
    setParameter (*model, 196, 0.75f);
    EXPECT_EQ (parameterValue (*model, -1), 0.0f);
    EXPECT_EQ (parameterValue (*model, 197), 0.0f);
    EXPECT_EQ (parameterText (*model, std::numeric_limits<int>::min()), "0.25");
    EXPECT_EQ (parameterText (*model, 197), "0.75");
}
