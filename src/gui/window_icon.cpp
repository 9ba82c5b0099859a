#include "gui/window_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace ft817 {

QIcon makeWindowIcon(const QString& label, const QColor& colour)
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(std::max(6, size * 5 / (8 + 2 * static_cast<int>(label.size()))));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, label);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ft817
