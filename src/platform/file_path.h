#pragma once
// The tool keeps every path as UTF-8 text. std::filesystem reads and writes
// its narrow strings in the system's code page on Windows, so a path crosses
// into and out of std::filesystem only through these two, and a folder or
// file named in any letters stays the same.

#include <filesystem>
#include <string>

namespace ft817 {

// A UTF-8 path as std::filesystem takes it.
inline std::filesystem::path fileSystemPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A std::filesystem path as UTF-8.
inline std::string utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace ft817
