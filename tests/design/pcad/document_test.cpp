#include "design/pcad/document.h"

#include <gtest/gtest.h>

#include <string>

#include "design/design_file.h"

namespace nodewick::design::pcad {
namespace {

std::string ParseError(const std::string& text)
{
    Reporter reporter("t.pcb");
    try {
        Document::Parse(text, reporter);
    } catch (const DesignError& error) {
        return error.what();
    }
    return {};
}

std::vector<std::string> ChildKeywords(ListView list)
{
    std::vector<std::string> keywords;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it).kind == ElementKind::List)
            keywords.emplace_back(list.child(it).keyword());
    }
    return keywords;
}

TEST(PcadDocument, ChildrenAreWalkedSiblingBySibling)
{
    Reporter reporter("t.pcb");
    const std::string text = "ACCEL_ASCII \"\"\n(a (b (c 1) \"s\") w (d))\n(e)";
    const Document document = Document::Parse(text, reporter);
    EXPECT_EQ(ChildKeywords(document.root()), (std::vector<std::string>{"a", "e"}));
    const ListView a = *document.root().find("A");
    EXPECT_EQ(a.line(), 2u);
    EXPECT_EQ(ChildKeywords(a), (std::vector<std::string>{"b", "d"}));
    const ListView b = *a.find("b");
    int values = 0;
    for (auto it = b.begin(); it != b.end(); ++it)
        values += (*it).kind == ElementKind::String ? 1 : 0;
    EXPECT_EQ(values, 1);
    EXPECT_FALSE(a.find("c").has_value());  // only direct children are found
}

TEST(PcadDocument, DrawingGraphicsAreCheckedButNotKept)
{
    Reporter reporter("t.pcb");
    const std::string text =
        "ACCEL_ASCII \"\"\n(pcbDesign \"P\" (layerContents (layerNumRef 1) (line (pt 0 0) (pt 1 1))) (multiLayer))";
    const Document document = Document::Parse(text, reporter);
    const ListView design = *document.root().find("pcbDesign");
    EXPECT_EQ(ChildKeywords(design), (std::vector<std::string>{"layerContents", "multiLayer"}));
    EXPECT_TRUE(ChildKeywords(*design.find("layerContents")).empty());
    EXPECT_EQ(document.size(), 5u);  // root, pcbDesign, "P", layerContents, multiLayer
    EXPECT_NE(ParseError("ACCEL_ASCII \"\"\n(pcbDesign (layerContents (line (pt 0 0)))"), "");
}

TEST(PcadDocument, WrappedFileEndsWithItsOuterParenthesis)
{
    Reporter reporter("t.pcb");
    const Document document = Document::Parse("(ACCEL_ASCII \"x\"\n(asciiHeader (fileUnits mm))\n)\n", reporter);
    EXPECT_EQ(ChildKeywords(document.root()), (std::vector<std::string>{"asciiHeader"}));
    EXPECT_EQ(ParseError("(ACCEL_ASCII \"x\"\n(asciiHeader)\n"),
              "t.pcb: line 1: the parenthesis before the header is not closed at the end of the file");
    EXPECT_EQ(ParseError("(ACCEL_ASCII \"x\"\n(asciiHeader))\n(more)"),
              "t.pcb: line 3: text after the parenthesis that closes the file");
}

TEST(PcadDocument, UnbalancedParenthesesNameTheListAndItsLine)
{
    EXPECT_EQ(ParseError("ACCEL_ASCII \"\"\n(library \"L\"\n  (padStyleDef \"S\"\n    (holeDiam 0)\n)\n"),
              "t.pcb: line 2: the list library is not closed before the end of the file");
    EXPECT_EQ(ParseError("ACCEL_ASCII \"\"\n(library \"L\")\n)\n"),
              "t.pcb: line 3: a closing parenthesis without an opening one");
}

TEST(PcadDocument, ListWithoutKeywordIsRefused)
{
    EXPECT_EQ(ParseError("ACCEL_ASCII \"\"\n(library\n(\"name\"))"), "t.pcb: line 3: a list must start with a keyword");
    EXPECT_EQ(ParseError("ACCEL_ASCII \"\"\n()"), "t.pcb: line 2: a list must start with a keyword");
    EXPECT_EQ(ParseError("ACCEL_ASCII \"\"\n(layerContents (\"x\"))"), "t.pcb: line 2: a list must start with a keyword");
}

TEST(PcadDocument, NestingBeyondTheLimitIsAnErrorNotACrash)
{
    const auto nested = [](std::size_t depth, std::string_view keyword) {
        std::string text = "ACCEL_ASCII \"\"\n";
        for (std::size_t i = 0; i < depth; ++i)
            text += "(" + std::string(keyword) + " ";
        text.append(depth, ')');
        return text;
    };
    EXPECT_EQ(ParseError(nested(kMaxNesting, "a")), "");
    EXPECT_EQ(ParseError(nested(kMaxNesting + 1, "a")), "t.pcb: line 2: lists are nested too deeply");
    EXPECT_EQ(ParseError(nested(kMaxNesting + 1, "layerContents")), "t.pcb: line 2: lists are nested too deeply");
    EXPECT_EQ(ParseError(nested(100000, "a")), "t.pcb: line 2: lists are nested too deeply");
}

} // namespace
} // namespace nodewick::design::pcad
