#include "gui/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace ft817 {

QRect placeBeside(const QRect& owner, QSize frame, const QRect& available, int gap)
{
    frame = frame.boundedTo(available.size());
    QPoint topLeft(owner.right() + 1 + gap, owner.top());
    if (topLeft.x() + frame.width() > available.right() + 1) {
        const int left = owner.left() - gap - frame.width();
        topLeft.setX(left >= available.left() ? left : owner.left());
    }
    topLeft.setX(std::clamp(topLeft.x(), available.left(), available.right() + 1 - frame.width()));
    topLeft.setY(std::clamp(topLeft.y(), available.top(), available.bottom() + 1 - frame.height()));
    return QRect(topLeft, frame);
}

namespace {

// The frame of the given size in the free area on one side of owner: level
// with the owner (beside it) or in line with its left edge (below, above),
// moved along that side as far as needed to stay inside the area.
QRect frameIn(const QRect& area, const QRect& owner, QSize size, bool besideOwner)
{
    QPoint topLeft = area.topLeft();
    if (besideOwner)
        topLeft.setY(std::clamp(owner.top(), area.top(), area.bottom() + 1 - size.height()));
    else
        topLeft.setX(std::clamp(owner.left(), area.left(), area.right() + 1 - size.width()));
    if (besideOwner && area.left() < owner.left())
        topLeft.setX(area.right() + 1 - size.width());
    if (!besideOwner && area.top() < owner.top())
        topLeft.setY(area.bottom() + 1 - size.height());
    return QRect(topLeft, size);
}

} // namespace

std::optional<QRect> placeClearOf(const QRect& owner, QSize wanted, QSize least, const QRect& available,
                                  int gap)
{
    struct Side {
        QRect area;
        bool besideOwner;
    };
    // The free area on each side of the owner, in the order they are preferred.
    const std::array<Side, 4> sides = {{
        {QRect(QPoint(owner.right() + 1 + gap, available.top()), available.bottomRight()), true},
        {QRect(available.topLeft(), QPoint(owner.left() - 1 - gap, available.bottom())), true},
        {QRect(QPoint(available.left(), owner.bottom() + 1 + gap), available.bottomRight()), false},
        {QRect(available.topLeft(), QPoint(available.right(), owner.top() - 1 - gap)), false},
    }};
    for (const Side& side : sides)
        if (side.area.width() >= wanted.width() && side.area.height() >= wanted.height())
            return frameIn(side.area, owner, wanted, side.besideOwner);
    std::optional<QRect> best;
    for (const Side& side : sides) {
        const QSize size = wanted.boundedTo(side.area.size());
        if (size.width() < least.width() || size.height() < least.height())
            continue;
        if (!best || size.width() * size.height() > best->width() * best->height())
            best = frameIn(side.area, owner, size, side.besideOwner);
    }
    return best;
}

namespace {

// The title bar and borders the window manager puts around owner's windows.
QSize decorationsOf(const QWidget& owner)
{
    return owner.frameGeometry().size() - owner.geometry().size();
}

QRect availableAround(const QWidget& owner, const QWidget& window)
{
    const QScreen* screen = owner.screen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window.size());
}

// Moves and sizes window so that its frame is frame.
void setFrame(QWidget& window, const QRect& frame, QSize decorations)
{
    window.resize(frame.size() - decorations);
    window.move(frame.topLeft());
}

} // namespace

void placeBesideWindow(QWidget& window, const QWidget& owner)
{
    const QSize decorations = decorationsOf(owner);
    const QRect frame =
        placeBeside(owner.frameGeometry(), window.size() + decorations, availableAround(owner, window));
    setFrame(window, frame, decorations);
}

void placeClearOfWindow(QWidget& window, QWidget& owner, QSize wantedSize)
{
    const QSize decorations = decorationsOf(owner);
    const QRect available = availableAround(owner, window);
    const QSize wanted = wantedSize + decorations;
    // Shrunk to less than half its size either way, a list shows too little.
    const QSize least = (wanted / 2).expandedTo(window.minimumSize() + decorations);
    const std::optional<QRect> here = placeClearOf(owner.frameGeometry(), wanted, least, available);
    if (here && here->size() == wanted) {
        setFrame(window, *here, decorations);
        return;
    }
    // The owner in the corner leaves the most room right of it and below it;
    // it moves there only when that gives the window much more room.
    const QRect cornered(available.topLeft(), owner.frameGeometry().size());
    const std::optional<QRect> corner = placeClearOf(cornered, wanted, least, available);
    const auto area = [](const QRect& frame) { return frame.width() * frame.height(); };
    if (corner && (!here || area(*corner) * 4 > area(*here) * 5)) {
        owner.move(cornered.topLeft());
        setFrame(window, *corner, decorations);
    } else if (here) {
        setFrame(window, *here, decorations);
    } else {
        window.resize(wantedSize);
        placeBesideWindow(window, owner);
    }
}

} // namespace ft817
