#pragma once
// Paths handed from the Qt side (a window's path box, the command line) to
// the plain C++ code. That code takes every path as UTF-8 and turns it into
// what the system wants itself (UTF-16 on Windows), so a file named in any
// letters opens the same whatever the user's code page.

#include <QString>
#include <string>

namespace ft817 {

// The path as the file, image and transfer functions take it (UTF-8).
inline std::string corePath(const QString& path)
{
    return path.toStdString();
}

} // namespace ft817
