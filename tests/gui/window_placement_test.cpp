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

} // namespace
} // namespace ft817
