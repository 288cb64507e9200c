#include "design/component_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using nodewick::design::Component;
using nodewick::design::ComponentIndex;

namespace {

std::vector<Component> Numbered(const std::string& prefix, std::size_t count)
{
    std::vector<Component> components;
    for (std::size_t i = 0; i < count; ++i)
        components.push_back(Component{.refDes = prefix + std::to_string(i)});
    return components;
}

} // namespace

TEST(ComponentIndex, FindsEveryComponentOfALargeDesignAndNothingElse)
{
    // Enough names that many share a slot's neighbourhood and the probes wrap.
    const std::vector<Component> components = Numbered("U", 5000);
    const ComponentIndex index(components);
    for (std::size_t i = 0; i < components.size(); ++i)
        ASSERT_EQ(index.find(components[i].refDes), i) << components[i].refDes;
    EXPECT_EQ(index.find("U5000"), std::nullopt);
    EXPECT_EQ(index.find("u1"), std::nullopt);  // designators are case-sensitive
    EXPECT_EQ(index.find("U1 "), std::nullopt);
    EXPECT_EQ(index.find(""), std::nullopt);
    EXPECT_FALSE(index.firstDuplicate().has_value());
}

TEST(ComponentIndex, EmptyListFindsNothing)
{
    const std::vector<Component> components;
    const ComponentIndex index(components);
    EXPECT_EQ(index.find("R1"), std::nullopt);
    EXPECT_FALSE(index.firstDuplicate().has_value());
}

TEST(ComponentIndex, RepeatedDesignatorKeepsTheFirstAndReportsTheFirstRepeat)
{
    std::vector<Component> components = Numbered("R", 10);
    components.push_back(Component{.refDes = "R7"});  // 10 repeats 7
    components.push_back(Component{.refDes = "R2"});  // 11 repeats 2, found later
    components.push_back(Component{.refDes = "R7"});  // 12 repeats 7 again
    const ComponentIndex index(components);
    ASSERT_TRUE(index.firstDuplicate().has_value());
    EXPECT_EQ(index.firstDuplicate()->earlier, 7u);
    EXPECT_EQ(index.firstDuplicate()->later, 10u);
    EXPECT_EQ(index.find("R7"), 7u);
    EXPECT_EQ(index.find("R2"), 2u);
}
