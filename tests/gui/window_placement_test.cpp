// Where the channel list opens: wholly on screen, beside the editor where there is room.

#include "gui/window_placement.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(WindowPlacement, BesideTheOwnerWhereThereIsRoomElseOverItAlwaysInsideTheScreen)
{
    const QRect desktop(0, 0, 1600, 1000);
    const QRect editor(100, 100, 431, 343);
    EXPECT_EQ(placeBeside(editor, QSize(700, 600), desktop), QRect(539, 100, 700, 600));

    // A laptop screen without its 40-pixel task bar: no room right or left.
    const QRect laptop(0, 0, 1366, 728);
    const QRect placed = placeBeside(QRect(400, 300, 431, 343), QSize(1180, 900), laptop);
    EXPECT_TRUE(laptop.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    EXPECT_EQ(placed.size(), QSize(1180, 728));

    // Room only to the left of an editor on the right of the screen.
    EXPECT_EQ(placeBeside(QRect(1100, 50, 431, 343), QSize(600, 500), desktop), QRect(492, 50, 600, 500));

    // A screen that does not start at 0,0 (a second monitor).
    const QRect second(1600, -200, 1280, 1024);
    EXPECT_TRUE(second.contains(placeBeside(QRect(2400, 600, 431, 343), QSize(900, 700), second)));
}

// The channel list and the settings leave the editor (and its Done and
// Cancel) in sight: beside it, below it or above it, shrunk if need be.
TEST(WindowPlacement, ClearOfTheOwnerBesideBelowOrAboveShrunkToTheLeastSize)
{
    const QSize least(360, 240);
    // 1366 x 768 with the editor at the top left: the whole list fits right of it.
    const QRect wide(0, 0, 1366, 768);
    EXPECT_EQ(placeClearOf(QRect(0, 0, 431, 343), QSize(900, 600), least, wide), QRect(439, 0, 900, 600));
    // Too wide for the side and too tall for below: the side keeps the most of it.
    EXPECT_EQ(placeClearOf(QRect(0, 0, 431, 343), QSize(1100, 600), least, wide), QRect(439, 0, 927, 600));
    // Too wide for the side, low enough for below: below, whole.
    EXPECT_EQ(placeClearOf(QRect(0, 0, 431, 343), QSize(1100, 400), least, wide), QRect(0, 351, 1100, 400));
    // 1024 x 768, the editor in the middle: the side where the shrunk list keeps most.
    const QRect small(0, 0, 1024, 768);
    const QRect editor(296, 212, 431, 343);
    EXPECT_EQ(placeClearOf(editor, QSize(1000, 600), QSize(250, 200), small), QRect(24, 563, 1000, 205));
    // No side with room for the least size: none.
    EXPECT_FALSE(placeClearOf(editor, QSize(1000, 600), QSize(400, 300), small));
    // Beside an editor low on the screen, level with it as far as the screen lets.
    EXPECT_EQ(placeClearOf(QRect(0, 500, 431, 268), QSize(500, 700), least, small), QRect(439, 68, 500, 700));
    // Left of an editor on the right.
    EXPECT_EQ(placeClearOf(QRect(900, 0, 431, 343), QSize(600, 500), least, wide), QRect(292, 0, 600, 500));
}

} // namespace
} // namespace ft817
