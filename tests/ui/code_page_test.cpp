#include "ui/code_page.h"

#include <gtest/gtest.h>

namespace nodewick::ui {
namespace {

TEST(CodePage, EveryByteSurvivesTheWayToTheScreenAndBack)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const QString shown = FromCodePage(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(ToCodePage(shown), all);
}

TEST(CodePage, HighBytesAreTheWindowsCharacters)
{
    const QString shown = FromCodePage("\x80\x96\xE9\xFF");
    EXPECT_EQ(shown, QString::fromUtf8("\u20AC\u2013\u00E9\u00FF"));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(ToCodePage(QString::fromUtf8("Top\u4E00 1")), "Top? 1");
}

} // namespace
} // namespace nodewick::ui
