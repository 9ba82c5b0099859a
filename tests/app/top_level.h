#pragma once
// The program's top-level windows, found as a person finds them on screen.

#include <QApplication>
#include <QWidget>

namespace ft817::test {

// The top-level window of this object name; null when there is none.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

} // namespace ft817::test
