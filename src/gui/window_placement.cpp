#include "gui/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

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

void placeBesideWindow(QWidget& window, const QWidget& owner)
{
    const QSize decorations = owner.frameGeometry().size() - owner.geometry().size();
    const QScreen* screen = owner.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window.size());
    const QRect frame = placeBeside(owner.frameGeometry(), window.size() + decorations, available);
    window.resize(frame.size() - decorations);
    window.move(frame.topLeft());
}

} // namespace ft817
