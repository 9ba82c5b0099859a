#pragma once
// Paths handed from the Qt side (a window's path box, the command line) to
// the plain C++ code. That code takes every path as UTF-8 and turns it into
// what the system wants itself (UTF-16 on Windows), so a file named in any
// letters opens the same whatever the user's code page.

#include <QDir>
#include <QString>
#include <string>

namespace ft817 {

// The path as the file, image and transfer functions take it (UTF-8).
inline std::string corePath(const QString& path)
{
    return path.toStdString();
}

// The user's home folder as a shell has it: Qt's (HOME on Linux), on Windows
// the folder in USERPROFILE first, as PowerShell's "~" (Qt asks for the
// profile folder there and does not follow the variable).
inline QString homeFolder()
{
#ifdef _WIN32
    if (const QString profile = qEnvironmentVariable("USERPROFILE"); !profile.isEmpty())
        return QDir::cleanPath(QDir::fromNativeSeparators(profile));
#endif
    return QDir::homePath();
}

// A path as typed into a path box, with "~" standing for the user's home
// folder as a shell has it: "~" alone, or at the start before a slash
// ("~/radio.bin"; on Windows "~\radio.bin" too). Any other path is returned
// as it is, "~user/..." and a "~" inside a name included.
inline QString expandedPath(const QString& typed)
{
    if (typed == "~")
        return homeFolder();
    const bool backslash = QDir::separator() == '\\' && typed.startsWith("~\\");
    if (typed.startsWith("~/") || backslash)
        return homeFolder() + typed.mid(1);
    return typed;
}

} // namespace ft817
