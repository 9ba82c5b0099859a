#pragma once
// Window icons drawn at run time, one per window, so no image files ship.

#include <QIcon>
#include <QString>

namespace ft817 {

// A rounded square in the given colour with a short white label.
QIcon makeWindowIcon(const QString& label, const QColor& colour);

} // namespace ft817
