#pragma once
// The one application a window benchmark draws its windows in, offscreen, so
// that the figures do not depend on a display.

#include <QApplication>

namespace ft817::bench {

inline QApplication& offscreenApplication()
{
    static int argc = 1;
    static char name[] = "ft817_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace ft817::bench
