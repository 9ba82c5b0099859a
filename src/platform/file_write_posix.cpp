#include "platform/file_access.h"
#include "platform/file_system_posix.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace ft817 {
namespace {

using posix_files::fileError;
using posix_files::notAFile;

// The process's file creation mask, read without changing it (changing it,
// even for a moment, would affect files other threads create meanwhile).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 022;
}

// The path a write to path really lands on: symbolic links followed one by
// one (a link may name a file that does not exist yet), relative links taken
// from the link's own folder.
Result<std::string> followLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current.string();
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            return fileError("write", path, error.value());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return fileError("write", path, ELOOP);
}

// Whether the user may change what is at path, as the user sees it: the
// system's answer for an ordinary user; for the administrator, whom the system
// lets write anything, whether the file or folder carries any write permission
// at all, so a file someone marked read-only is not replaced by running as root.
bool userMayWrite(const std::string& path, const struct stat& info)
{
    if (::geteuid() != 0)
        return ::access(path.c_str(), W_OK) == 0;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Where a write to requestedPath lands, and what is there already (if
// anything); an error when the name is empty, the target is not a file, or
// the target or its folder may not be changed.
struct WriteTarget {
    std::string path;
    std::optional<struct stat> existing;
};
Result<WriteTarget> writeTarget(const std::string& requestedPath)
{
    if (requestedPath.empty())
        return Error{file_messages::kNoName, {}};
    const Result<std::string> resolved = followLinks(requestedPath);
    if (!resolved)
        return resolved.error();
    std::string folder = std::filesystem::path(*resolved).parent_path().string();
    if (folder.empty())
        folder = ".";
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return fileError("write", requestedPath, errno);
    if (!S_ISDIR(folderInfo.st_mode))
        return fileError("write", requestedPath, ENOTDIR);
    struct stat info {};
    std::optional<struct stat> existing;
    if (::stat(resolved->c_str(), &info) == 0) {
        if (const char* kind = notAFile(info.st_mode))
            return file_messages::cannot("write", requestedPath, kind);
        if (!userMayWrite(*resolved, info))
            return file_messages::cannot("write", requestedPath, file_messages::kReadOnlyFile);
        existing = info;
    }
    // The new file is made in the folder and renamed over the old one.
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fileError("write", requestedPath, errno);
    if (!userMayWrite(folder, folderInfo))
        return file_messages::cannot("write", requestedPath, file_messages::kReadOnlyFolder);
    return WriteTarget{*resolved, existing};
}

// A name for the temporary file beside path that is short enough for any
// folder, whatever the length of the target's own name.
std::string temporaryBeside(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return (folder / ".ft817clone-XXXXXX").string();
}

// Writes every byte to fd; the system's error number, or 0.
int writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno != EINTR)
            return errno;
        if (put > 0)
            done += static_cast<std::size_t>(put);
    }
    return 0;
}

} // namespace

Status writeWholeFile(const std::string& requestedPath, std::span<const std::uint8_t> bytes)
{
    const Result<WriteTarget> target = writeTarget(requestedPath);
    if (!target)
        return target.error();
    const std::string& path = target->path;

    std::string temporary = temporaryBeside(path);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fileError("write", requestedPath, errno);
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    ::fchmod(fd, target->existing ? target->existing->st_mode & 07777 : 0666 & ~currentUmask());

    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(temporary.c_str());
    return fileError("write", requestedPath, error);
}

Result<bool> createNewFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (path.empty())
        return Error{file_messages::kNoName, {}};
    // O_EXCL with O_NOFOLLOW: a link placed at the name, even one to nothing,
    // makes the open fail instead of being written through.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        return fileError("write", path, errno);
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return true;
    ::unlink(path.c_str());
    return fileError("write", path, error);
}

Status checkWritable(const std::string& requestedPath)
{
    if (const Result<WriteTarget> target = writeTarget(requestedPath); !target)
        return target.error();
    return {};
}

bool sameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace ft817
