#include "persistence/DocumentNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace gatevox;

TEST (DocumentNumbers, WrittenAsPrintfNineSignificantDigits)
{
    EXPECT_EQ (formatDocumentNumber (0.1f), "0.100000001") << "a float is widened first";
    EXPECT_EQ (formatDocumentNumber (std::pow (10.0f, 0.15f)), "1.41253757");
    EXPECT_EQ (formatDocumentNumber (0.5625f), "0.5625");
    EXPECT_EQ (formatDocumentNumber (-0.5f), "-0.5");
    EXPECT_EQ (formatDocumentNumber (0.0f), "0");
    EXPECT_EQ (formatDocumentNumber (48000.0), "48000");
    EXPECT_EQ (formatDocumentNumber (1234567890.0), "1.23456789e+09");
    EXPECT_EQ (formatDocumentNumber (0.00001), "1e-05");
}

TEST (DocumentNumbers, ReadFromTheStartOfTheText)
{
    EXPECT_DOUBLE_EQ (readLeadingNumber ("  3.5abc"), 3.5);
    EXPECT_DOUBLE_EQ (readLeadingNumber ("+2"), 2.0);
    EXPECT_DOUBLE_EQ (readLeadingNumber ("1,5"), 1.0) << "the C locale's decimal point only";
    EXPECT_DOUBLE_EQ (readLeadingNumber ("abc"), 0.0);
    EXPECT_DOUBLE_EQ (readLeadingNumber ("+-1"), 0.0);
    EXPECT_EQ (readLeadingNumber ("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ (readLeadingNumber ("1e-400"), 0.0);
    EXPECT_TRUE (std::isnan (readLeadingNumber ("nan")));

    EXPECT_EQ (readLeadingInteger (" -7x"), -7);
    EXPECT_EQ (readLeadingInteger ("3.9"), 3);
    EXPECT_EQ (readLeadingInteger ("-"), 0);
    EXPECT_EQ (readLeadingInteger ("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ (readLeadingInteger ("-2147483649"), std::numeric_limits<std::int32_t>::lowest());

    EXPECT_EQ (narrowToFloat (1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ (narrowToFloat (-1e300), -std::numeric_limits<float>::infinity());
}
