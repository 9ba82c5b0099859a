#pragma once
// Where a window opens so that a person can reach all of it: wholly inside
// the screen's available area (without the task bar), beside the window it
// belongs to where there is room, otherwise over it.

#include <QRect>
#include <QSize>

class QWidget;

namespace ft817 {

// The frame for a window of the given frame size that belongs to `owner`
// (a frame in screen coordinates): to the right of the owner, else to its
// left, else over it, moved and shrunk as needed to lie inside `available`.
QRect placeBeside(const QRect& owner, QSize frame, const QRect& available, int gap = 8);

// Sizes and moves window so that its frame lies wholly on owner's screen,
// beside owner where there is room. The window's title bar and borders are
// taken to be as wide as the owner's own (a window not yet shown has none).
void placeBesideWindow(QWidget& window, const QWidget& owner);

} // namespace ft817
