#include "params/ParameterLayout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

using namespace gatevox;

namespace
{
// The names hosts have recorded automation against, one a line, in index order.
std::vector<std::string> recordedNames()
{
    const auto path = std::filesystem::path (__FILE__).parent_path().parent_path() / "fixtures" / "parameter-names.txt";
    std::ifstream file (path);
    std::vector<std::string> names;
    for (std::string line; std::getline (file, line);)
        names.push_back (line);
    return names;
}
} // namespace

// Every name carries its family and numbers, so this also pins the decoding.
TEST (ParameterLayout, NamesMatchTheRecordedListInOrder)
{
    const auto names = recordedNames();
    ASSERT_EQ (names.size(), static_cast<std::size_t> (numAutomationParameters));
    for (int i = 0; i < numAutomationParameters; ++i)
        EXPECT_EQ (parameterName (i), names[static_cast<std::size_t> (i)]) << "index " << i;
}

TEST (ParameterLayout, IndicesOutsideTheLayoutHaveFallbackNamesAndNoAddress)
{
    EXPECT_EQ (parameterName (-1), "Param 0");
    EXPECT_EQ (parameterName (197), "Param 198");
    EXPECT_EQ (parameterName (std::numeric_limits<int>::max()), "Param 2147483648");
    EXPECT_EQ (parameterName (std::numeric_limits<int>::min()), "Param -2147483647");

    for (int i : {-1, 197, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        EXPECT_FALSE (decodeParameter (i).has_value()) << i;
}
