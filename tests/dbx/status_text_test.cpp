#include "dbx/status_text.h"

#include <gtest/gtest.h>

#include <utility>

using nodewick::dbx::StatusText;

TEST(StatusText, SuccessReadsStatusOk)
{
    EXPECT_EQ(StatusText(0), "Status: OK");
}

TEST(StatusText, FirstAndLastCodeOfEveryRun)
{
    const std::pair<int, const char*> cases[] = {
        {32001, "Connection Error"},        {32016, "Database Error"},
        {32101, "Invalid Conv Handle"},     {32106, "Server Busy"},
        {32121, "Illegal Operation"},       {32124, "Invalid Item ID"},
        {32141, "Item Not Found"},          {32147, "GetNet Not Called"},
        {32161, "No More Layers"},          {32168, "No More Components"},
        {32170, "Invalid Angle"},           {32178, "Invalid Padstyle"},
        {32180, "Invalid Radius"},          {32201, "Invalid Attribute Name"},
        {32205, "Duplicate Attribute"},     {32209, "Duplicate Refdes"},
        {32215, "Component Not Found"},     {32226, "Point Not Found"},
        {32230, "Component Cache Conflict"}, {32239, "Unable to open file"},
        {32250, "Invalid Library Name"},    {32258, "Internal Parameter Error"},
        {32279, "Invalid Pin Number"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(StatusText(code), text) << code;
}

TEST(StatusText, InnerCodesKeepTheirPlaceInTheRun)
{
    EXPECT_EQ(StatusText(32105), "No Connection");
    EXPECT_EQ(StatusText(32144), "Shape Not Defined");
    EXPECT_EQ(StatusText(32145), "GetFirst Not Called");
    EXPECT_EQ(StatusText(32162), "No More Nets");
    EXPECT_EQ(StatusText(32163), "No More Items");
    EXPECT_EQ(StatusText(32176), "Invalid Net Id");
    EXPECT_EQ(StatusText(32190), "Mismatched Hetero");
    EXPECT_EQ(StatusText(32236), "Name Too Long");
    EXPECT_EQ(StatusText(32256), "Save Symbol Failed");
}

TEST(StatusText, TableHoldsExactly110Codes)
{
    int known = 0;
    for (int code = -32768; code <= 32767; ++code)
        if (StatusText(code) != "Status: " + std::to_string(code))
            ++known;
    EXPECT_EQ(known, 110);
}

TEST(StatusText, GapsAndStrayCodesShowTheNumber)
{
    EXPECT_EQ(StatusText(32000), "Status: 32000");
    EXPECT_EQ(StatusText(1), "Status: 1");
    EXPECT_EQ(StatusText(-5), "Status: -5");
    EXPECT_EQ(StatusText(32017), "Status: 32017");
    EXPECT_EQ(StatusText(32169), "Status: 32169");
    EXPECT_EQ(StatusText(32179), "Status: 32179");
    EXPECT_EQ(StatusText(32259), "Status: 32259");
    EXPECT_EQ(StatusText(32280), "Status: 32280");
}

TEST(StatusText, ValuesBeyondSixteenBitsShowTheFullNumber)
{
    EXPECT_EQ(StatusText(65537), "Status: 65537");
    EXPECT_EQ(StatusText(-40000), "Status: -40000");
    // 32001 + 65536 must not wrap onto "Connection Error".
    EXPECT_EQ(StatusText(97537), "Status: 97537");
}
