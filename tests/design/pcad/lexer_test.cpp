#include "design/pcad/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/design_file.h"

namespace nodewick::design::pcad {
namespace {

std::vector<Token> Tokens(std::string_view text)
{
    Reporter reporter("t.pcb");
    Lexer lexer(text, 0, 1, reporter);
    std::vector<Token> tokens;
    for (Token token = lexer.next(); token.kind != TokenKind::End; token = lexer.next())
        tokens.push_back(token);
    return tokens;
}

TEST(PcadHeaderLine, SavedPathIsRawAndBodyStartsAfterIt)
{
    Reporter reporter("t.pcb");
    const std::string text = "ACCEL_ASCII \"D:\\Andrey\\CK1202\\CK1202_V1.pcb\"\n\n(asciiHeader)";
    const HeaderLine header = ReadHeaderLine(text, reporter);
    EXPECT_EQ(header.savedPath, "D:\\Andrey\\CK1202\\CK1202_V1.pcb");
    EXPECT_FALSE(header.wrapped);
    EXPECT_EQ(text.substr(header.bodyOffset), "\n\n(asciiHeader)");
    EXPECT_EQ(header.bodyLine, 1u);
}

TEST(PcadHeaderLine, AcceptsEveryWriterKeywordInAnyCaseAfterBlankLines)
{
    EXPECT_TRUE(LooksLikePcadAscii("ACCEL_ASCII \"\""));
    EXPECT_TRUE(LooksLikePcadAscii("PCAD_ASCII \"x\""));
    EXPECT_TRUE(LooksLikePcadAscii("TangoPRO_ASCII \"x\""));
    EXPECT_TRUE(LooksLikePcadAscii("\r\n\r\naccel_ascii \"x\""));
    EXPECT_TRUE(LooksLikePcadAscii("(ACCEL_ASCII \"x\" (asciiHeader))"));
    EXPECT_TRUE(LooksLikePcadAscii("\xEF\xBB\xBF" "ACCEL_ASCII \"x\""));
    EXPECT_FALSE(LooksLikePcadAscii("{\"design\": {}}"));
    EXPECT_FALSE(LooksLikePcadAscii("ACCEL_ASCIIX \"x\""));
    EXPECT_FALSE(LooksLikePcadAscii("DESIGNSPARK_INTERMEDIATE_ASCII \"x\""));
    EXPECT_FALSE(LooksLikePcadAscii(""));
}

TEST(PcadHeaderLine, OuterParenthesisMarksAWrappedFileOnItsLine)
{
    Reporter reporter("t.pcb");
    const HeaderLine header = ReadHeaderLine("\n\n(ACCEL_ASCII \"p\" (asciiHeader))", reporter);
    EXPECT_TRUE(header.wrapped);
    EXPECT_EQ(header.savedPath, "p");
    EXPECT_EQ(header.bodyLine, 3u);
}

TEST(PcadHeaderLine, OtherFilesAndUnclosedPathAreRefusedWithTheLine)
{
    Reporter reporter("t.pcb");
    try {
        ReadHeaderLine("\n{\"nets\": []}", reporter);
        FAIL() << "a JSON text was taken for a P-CAD file";
    } catch (const DesignError& error) {
        EXPECT_STREQ(error.what(), "t.pcb: line 2: not a P-CAD ASCII file: the first line must start with ACCEL_ASCII");
    }
    EXPECT_THROW(ReadHeaderLine("ACCEL_ASCII \"C:\\no end\n(asciiHeader)", reporter), DesignError);
}

TEST(PcadLexer, ParenthesesNeedNoSpaceAndSpacingMayBeIrregular)
{
    const std::vector<Token> tokens = Tokens("(isFlipped True)(patternGraphicsNameRef \"Primary\")\n(padNum  1 )");
    ASSERT_EQ(tokens.size(), 12u);
    EXPECT_EQ(tokens[0].kind, TokenKind::Open);
    EXPECT_EQ(tokens[1].text, "isFlipped");
    EXPECT_EQ(tokens[2].text, "True");
    EXPECT_EQ(tokens[3].kind, TokenKind::Close);
    EXPECT_EQ(tokens[4].kind, TokenKind::Open);
    EXPECT_EQ(tokens[6].kind, TokenKind::String);
    EXPECT_EQ(tokens[6].text, "Primary");
    EXPECT_EQ(tokens[10].text, "1");
    EXPECT_EQ(tokens[10].line, 2u);
}

TEST(PcadLexer, QuotedStringsKeepBracketsPercentAndEightBitBytesAsWordsDoNot)
{
    const std::vector<Token> tokens = Tokens("\"HA1(HA1*)\" \"\xb1 5%\" \"\" 12.0mil");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].text, "HA1(HA1*)");
    EXPECT_EQ(tokens[1].text, "\xb1 5%");
    EXPECT_EQ(tokens[2].kind, TokenKind::String);
    EXPECT_EQ(tokens[2].text, "");
    EXPECT_EQ(tokens[3].kind, TokenKind::Word);
    EXPECT_EQ(tokens[3].text, "12.0mil");
}

TEST(PcadLexer, EscapedQuoteDoesNotEndAStringAndLineBreaksInsideAreCounted)
{
    const std::vector<Token> tokens = Tokens("\"say \\\"hi\\\"\" \"two\nlines\"\r\n(x)");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].text, "say \\\"hi\\\"");
    EXPECT_EQ(tokens[1].line, 1u);
    EXPECT_EQ(tokens[3].text, "x");
    EXPECT_EQ(tokens[3].line, 3u);
}

TEST(PcadLexer, UnclosedStringNamesTheLineItStartsOn)
{
    try {
        Tokens("(a)\n(b \"never closed)\n\n");
        FAIL() << "an unclosed string was accepted";
    } catch (const DesignError& error) {
        EXPECT_STREQ(error.what(), "t.pcb: line 2: a quoted string is not closed before the end of the file");
    }
    EXPECT_THROW(Tokens("\"ends in a backslash\\"), DesignError);
}

TEST(PcadUnescape, BackslashEscapes)
{
    EXPECT_EQ(Unescape("3_P_R\\\\W"), "3_P_R\\W");
    EXPECT_EQ(Unescape("TOP COPPER\\r\\nSECOND LINE"), "TOP COPPER\r\nSECOND LINE");
    EXPECT_EQ(Unescape("say \\\"hi\\\""), "say \"hi\"");
    EXPECT_EQ(Unescape("\\t\\x\\("), "tx(");
    EXPECT_EQ(Unescape("\xc8\xe7\xe3"), "\xc8\xe7\xe3");
    EXPECT_EQ(Unescape(""), "");
}

TEST(PcadKeywords, CompareWithoutRegardToCaseButByLength)
{
    EXPECT_TRUE(EqualsNoCase("StartRange", "startRange"));
    EXPECT_TRUE(EqualsNoCase("PADSTYLEDEF", "padStyleDef"));
    EXPECT_FALSE(EqualsNoCase("mil", "mils"));
    EXPECT_FALSE(EqualsNoCase("\xe9", "\xc9"));  // only ASCII letters fold
    EXPECT_EQ(FoldCase("NonSignal_2"), "nonsignal_2");
}

} // namespace
} // namespace nodewick::design::pcad
