#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/DrawnTexts.h"

namespace {

// Texts read back as they were added, place, size and slant included, in
// any mix of styles; clearing forgets them all.
TEST(DrawnTexts, ReadBackAsAddedInAnyMixOfStyles) {
    forms::DrawnTexts texts;
    struct Added { std::string text; std::int32_t x, y; double size; bool italic; };
    const Added added[] = {
        {"1", 900, 900, 7.8, true},       {"75", 1500, 900, 8.25, false}, {"-49.9904", 3000, 900, 8.25, false},
        {"Grö\xC3\x9F" "e", 0, -5, 8.25, false}, {"sec D low ", 9000, 1140, 7.8, true}, {"x", -1, 2147483000, 1e-3, false},
    };
    for (const Added& a : added) texts.Add(a.text, a.x, a.y, a.size, a.italic);
    ASSERT_EQ(texts.size(), std::size(added));
    for (std::size_t i = 0; i < std::size(added); ++i) {
        const forms::DrawnText t = texts[i];
        EXPECT_EQ(t.text, added[i].text) << i;
        EXPECT_EQ(t.x, added[i].x) << i;
        EXPECT_EQ(t.y, added[i].y) << i;
        EXPECT_EQ(t.size, added[i].size) << i;
        EXPECT_EQ(t.italic, added[i].italic) << i;
    }
    EXPECT_EQ(texts.back().text, "x");
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const forms::DrawnText& t) { return t.italic; }), 2);
    texts.Clear();
    EXPECT_TRUE(texts.empty());
    texts.Add("again", 1, 2, 9, true);
    EXPECT_EQ(texts.front().text, "again");
    EXPECT_EQ(texts.front().size, 9);
    EXPECT_TRUE(texts.front().italic);
}

}  // namespace
