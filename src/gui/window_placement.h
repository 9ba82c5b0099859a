#pragma once
// Where a window opens so that a person can reach all of it: wholly inside
// the screen's available area (without the task bar), beside the window it
// belongs to where there is room, and never over that window's own buttons.

#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace ft817 {

// The frame for a window of the given frame size that belongs to `owner`
// (a frame in screen coordinates): to the right of the owner, else to its
// left, else over it, moved and shrunk as needed to lie inside `available`.
QRect placeBeside(const QRect& owner, QSize frame, const QRect& available, int gap = 8);

// The frame for a window that belongs to `owner` and must leave all of it
// in sight: right of the owner, left of it, below or above it, wholly inside
// `available`. The whole `wanted` frame where one side has room for it (in
// that order); else the side where the frame, shrunk to fit, keeps the
// largest area, as long as it is at least `least`. Empty when no side has
// room for `least`.
std::optional<QRect> placeClearOf(const QRect& owner, QSize wanted, QSize least, const QRect& available,
                                  int gap = 8);

// Sizes and moves window so that its frame lies wholly on owner's screen,
// beside owner where there is room. The window's title bar and borders are
// taken to be as wide as the owner's own (a window not yet shown has none).
void placeBesideWindow(QWidget& window, const QWidget& owner);

// Sizes and moves window (a list or panel that belongs to owner) so that its
// frame lies wholly on owner's screen and covers none of owner: beside,
// below or above it, at the size wanted (without the frame) or shrunk, down
// to half that size and no less than the window's minimum. Where owner
// stands leaves too little room, owner first moves to the screen's top left
// corner; on a screen too small even then, window goes beside owner as
// placeBesideWindow puts it.
void placeClearOfWindow(QWidget& window, QWidget& owner, QSize wanted);

} // namespace ft817
