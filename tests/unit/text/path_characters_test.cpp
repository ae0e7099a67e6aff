// The characters no Windows path can hold.
#include "text/path_characters.h"

#include <gtest/gtest.h>

#include <string>

namespace wyndrel::text {
namespace {

TEST(PathCharacters, RefusesQuotesWildcardsPipesAngleBracketsAndControlCharactersOnly) {
    EXPECT_TRUE(CanBeWindowsPath("C:\\Program Files\\R&D (1)\\a;b,c=d+e[f]{g}~h'i!j@k#l$m%n^.txt"));
    EXPECT_TRUE(CanBeWindowsPath("\\\\server\\share/dir:stream"));
    EXPECT_TRUE(CanBeWindowsPath(
        "C:\\日本語\\ﾌｧｲﾙ\xE2\x80\x9C\xEF\xBC\x82.txt"));  // “ and ＂ are letters here
    EXPECT_TRUE(CanBeWindowsPath("C:\\del\x7F.txt"));
    EXPECT_TRUE(CanBeWindowsPath(""));
    for (const char forbidden : std::string("\"<>|?*")) {
        EXPECT_FALSE(CanBeWindowsPath(std::string("C:\\a") + forbidden + "b.txt")) << forbidden;
    }
    for (int code = 1; code < 32; ++code) {
        EXPECT_FALSE(CanBeWindowsPath("C:\\a" + std::string(1, static_cast<char>(code)) + "b.txt"))
            << code;
    }
    EXPECT_FALSE(CanBeWindowsPath(std::string("C:\\a\0b.txt", 10)));
    EXPECT_FALSE(CanBeWindowsPath("C:\\a.txt\" /evil \"b.txt"));
}

}  // namespace
}  // namespace wyndrel::text
