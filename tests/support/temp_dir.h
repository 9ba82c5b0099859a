#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ft817::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Points the system's temporary folder at folder while it lives (TMPDIR on
// POSIX systems, TMP and TEMP on Windows), then puts the old setting back.
class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::string& folder);
    ~TemporaryFolderOverride();
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

private:
#ifdef _WIN32
    static constexpr const char* kNames[] = {"TMP", "TEMP"};
#else
    static constexpr const char* kNames[] = {"TMPDIR"};
#endif
    static void setVariable(const std::string& name, const std::string& value);
    static void unsetVariable(const std::string& name);

    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

} // namespace ft817::test
