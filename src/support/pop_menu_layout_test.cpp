#include "support/pop_menu_layout.h"

#include <gtest/gtest.h>
#include <stdint.h>

#include <string>

TEST(PopMenuLayoutTest, TwoItemsShowTwoButtonsSizedByTheLongestText) {
    const PopMenuItem items[] = {{"Invite", false, 501}, {"Whisper to", true, 502}};
    const PopMenuLayout layout = LayOutPopMenu(CPoint(100, 200), items, 2);
    EXPECT_EQ(2, layout.count);
    EXPECT_EQ(CRect(100, 200, 100 + 8 * 10 + 10, 260), layout.window);
    EXPECT_TRUE(layout.buttons[0].shown);
    EXPECT_TRUE(layout.buttons[0].enabled);
    EXPECT_EQ(CRect(3, 0, 83, 20), layout.buttons[0].rect);
    EXPECT_EQ(501u, layout.buttons[0].cmd);
    // A grayed item keeps its command but its button is disabled.
    EXPECT_FALSE(layout.buttons[1].enabled);
    EXPECT_EQ(502u, layout.buttons[1].cmd);
    EXPECT_EQ(CRect(3, 20, 83, 40), layout.buttons[1].rect);
    for (int i = 2; i < kPopMenuButtons; ++i) EXPECT_FALSE(layout.buttons[i].shown) << i;
}

TEST(PopMenuLayoutTest, LongMenusShowTheirFirstFiveItemsOnly) {
    const PopMenuItem items[] = {{"a", false, 1}, {"b", false, 2}, {"c", false, 3}, {"d", false, 4},
                                 {"e", false, 5}, {"a much longer sixth item", false, 6}, {"g", false, 7}};
    const PopMenuLayout layout = LayOutPopMenu(CPoint(0, 0), items, 7);
    EXPECT_EQ(5, layout.count);
    EXPECT_EQ(CRect(0, 0, 18, 120), layout.window) << "sixth text does not widen the window";
    EXPECT_EQ(5u, layout.buttons[4].cmd);
}

TEST(PopMenuLayoutTest, TextsCountUpTo64BytesAndEmptyMenusShowNoButton) {
    const std::string longText(100, 'x');
    const PopMenuItem items[] = {{longText.c_str(), false, 9}, {nullptr, false, 0}};
    const PopMenuLayout layout = LayOutPopMenu(CPoint(5, 5), items, 2);
    EXPECT_EQ(8 * 64 + 10, layout.window.Width());
    EXPECT_TRUE(layout.buttons[1].shown);

    const PopMenuLayout empty = LayOutPopMenu(CPoint(5, 5), nullptr, 0);
    EXPECT_EQ(0, empty.count);
    EXPECT_EQ(CRect(5, 5, 15, 25), empty.window);
    for (const PopMenuButton& b : empty.buttons) EXPECT_FALSE(b.shown);
}

TEST(PopMenuLayoutTest, PointAtTheEndOfTheRangeDoesNotWrapRound) {
    const PopMenuItem items[] = {{"Invite", false, 1}};
    const PopMenuLayout layout = LayOutPopMenu(CPoint(INT32_MAX - 10, INT32_MAX), items, 1);
    EXPECT_EQ(CRect(INT32_MAX - 10, INT32_MAX, INT32_MAX, INT32_MAX), layout.window);
}
