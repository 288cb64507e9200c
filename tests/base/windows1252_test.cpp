#include "base/windows1252.h"

#include "base/error.h"

#include <gtest/gtest.h>

#include <string>

using nodewick::Utf8ToWindows1252;

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
        } catch (const nodewick::Error& error) {
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
    EXPECT_THROW(Utf8ToWindows1252("\xE9"), nodewick::Error);          // Latin-1 byte alone
    EXPECT_THROW(Utf8ToWindows1252("\xC0\xAF"), nodewick::Error);      // overlong '/'
    EXPECT_THROW(Utf8ToWindows1252("\xE2\x82"), nodewick::Error);      // cut short
    EXPECT_THROW(Utf8ToWindows1252("\xED\xA0\x80"), nodewick::Error);  // surrogate
}

TEST(Windows1252, EveryByteHasACharacterAndBackExceptTheFiveUndefined)
{
    // The five undefined bytes stand for the C1 control of their number, which
    // the code page itself has no byte for.
    for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(nodewick::Windows1252Character(undefined), char32_t(undefined));
        EXPECT_FALSE(nodewick::Windows1252Byte(undefined).has_value());
    }
    EXPECT_EQ(nodewick::Windows1252Character(0x80), U'\u20AC');
    EXPECT_EQ(nodewick::Windows1252Character(0x9F), U'\u0178');
    EXPECT_EQ(nodewick::Windows1252Character(0xE9), U'\u00E9');
    EXPECT_EQ(nodewick::Windows1252Byte(U'\u2122'), 0x99);
    EXPECT_EQ(nodewick::Windows1252Byte(U'A'), 'A');
    EXPECT_FALSE(nodewick::Windows1252Byte(U'\u0100').has_value());
}
