#include "dbx/fixed_text.h"
#include "dbx/trim_null.h"

#include <gtest/gtest.h>

#include <string>

using nodewick::dbx::TextField;
using nodewick::dbx::TrimNull;

namespace {

std::string field(std::string_view text)
{
    std::string f(100, '\0');
    f.replace(0, text.size(), text);
    return f;
}

} // namespace

TEST(TrimNull, FieldStartingWithNulIsEmpty)
{
    EXPECT_EQ(TrimNull(field("")), "");
    std::string f = field("");
    f[1] = 'X';
    EXPECT_EQ(TrimNull(f), "");
}

TEST(TrimNull, FullFieldWithoutNulKeepsAllButOuterSpaces)
{
    std::string f = " " + std::string(98, 'A') + " ";
    ASSERT_EQ(f.size(), 100u);
    EXPECT_EQ(TrimNull(f), std::string(98, 'A'));
}

TEST(TrimNull, BytesAfterFirstNulAreIgnoredEvenWhenNotNul)
{
    std::string f = field("GND");
    f.replace(10, 5, "STRAY");
    EXPECT_EQ(TrimNull(f), "GND");
}

TEST(TrimNull, InnerSpacesStayOuterSpacesGo)
{
    EXPECT_EQ(TrimNull(field("  R 12  ")), "R 12");
}

TEST(TrimNull, OnlyCode32CountsAsSpace)
{
    EXPECT_EQ(TrimNull(field("\tA1 \t")), "\tA1 \t");
    EXPECT_EQ(TrimNull(field("   ")), "");
}

TEST(TrimNull, ReadsTheWholeFixedField)
{
    TextField text;
    ASSERT_TRUE(text.assign("U12"));
    text.bytes()[50] = 'Z';
    EXPECT_EQ(text.field().size(), 100u);
    EXPECT_EQ(TrimNull(text.field()), "U12");
    EXPECT_FALSE(text.assign(std::string(101, 'x')));
    EXPECT_EQ(TrimNull(text.field()), "U12");
}
