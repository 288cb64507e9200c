#include "design/windows1252.h"

#include <gtest/gtest.h>

#include <string>

using nodewick::design::TextEncodingError;
using nodewick::design::Utf8ToWindows1252;

TEST(Utf8ToWindows1252, AsciiPassesUnchanged)
{
    EXPECT_EQ(Utf8ToWindows1252("GND +5V -12V ~RESET"), "GND +5V -12V ~RESET");
    EXPECT_EQ(Utf8ToWindows1252(""), "");
}

TEST(Utf8ToWindows1252, LatinOneAndTheRangeAt0x80To0x9FBecomeSingleBytes)
{
    // é U+00E9, µ U+00B5, € U+20AC, ‚ U+201A, – U+2013, ™ U+2122, Ÿ U+0178, ž U+017E
    EXPECT_EQ(Utf8ToWindows1252("\u00E9\u00B5"), "\xE9\xB5");
    EXPECT_EQ(Utf8ToWindows1252("10\u20AC"), "10\x80");
    EXPECT_EQ(Utf8ToWindows1252("\u201A\u2013\u2122"), "\x82\x96\x99");
    EXPECT_EQ(Utf8ToWindows1252("\u0178\u017E"), "\x9F\x9E");
    EXPECT_EQ(Utf8ToWindows1252("\u00A0\u00FF"), "\xA0\xFF");
}

TEST(Utf8ToWindows1252, CharactersOutsideTheCodePageAreRefusedByCodePoint)
{
    const auto message = [](const std::string& text) {
        try {
            Utf8ToWindows1252(text);
        } catch (const TextEncodingError& error) {
            return std::string(error.what());
        }
        return std::string("converted");
    };
    EXPECT_NE(message("R\u03A9").find("U+03A9"), std::string::npos);    // Greek Omega
    EXPECT_NE(message("\U0001F600").find("U+1F600"), std::string::npos);  // beyond 16 bits
    EXPECT_NE(message("\u0081").find("U+0081"), std::string::npos);     // C1 control, no cp1252 character
    EXPECT_NE(message("\u008D").find("U+008D"), std::string::npos);
    EXPECT_NE(message(std::string("A\0B", 3)).find("NUL"), std::string::npos);
}

TEST(Utf8ToWindows1252, BytesThatAreNotUtf8AreRefused)
{
    EXPECT_THROW(Utf8ToWindows1252("\xE9"), TextEncodingError);          // Latin-1 byte alone
    EXPECT_THROW(Utf8ToWindows1252("\xC0\xAF"), TextEncodingError);      // overlong '/'
    EXPECT_THROW(Utf8ToWindows1252("\xE2\x82"), TextEncodingError);      // cut short
    EXPECT_THROW(Utf8ToWindows1252("\xED\xA0\x80"), TextEncodingError);  // surrogate
}
