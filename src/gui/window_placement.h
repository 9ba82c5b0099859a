#pragma once
// Where a window opens so that a person can reach all of it: wholly inside
// the screen's available area (without the task bar), beside the window it
// belongs to where there is room, otherwise over it.

#include <QRect>
#include <QSize>

namespace ft817 {

// The frame for a window of the given frame size that belongs to `owner`
// (a frame in screen coordinates): to the right of the owner, else to its
// left, else over it, moved and shrunk as needed to lie inside `available`.
QRect placeBeside(const QRect& owner, QSize frame, const QRect& available, int gap = 8);

} // namespace ft817
