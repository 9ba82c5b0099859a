#include "platform/file_access.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ft817 {
namespace {

std::string reasonFor(int error)
{
    switch (error) {
    case ENOENT: return "no such file or folder";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "it is a folder, not a file";
    case ENOSPC: return "the disk is full";
    case EROFS: return "the disk is read-only";
    case ENOTDIR: return "part of the path is not a folder";
    case ELOOP: return "too many symbolic links";
    default: return std::strerror(error);
    }
}

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

Error fileError(const std::string& what, const std::string& path, int error)
{
    return Error{"cannot " + what + " " + path + ": " + reasonFor(error), {}};
}

// Why something at a path is not a file this tool may read or replace; nullptr for a regular file.
const char* notAFile(mode_t mode)
{
    if (S_ISREG(mode))
        return nullptr;
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    return "it is not a regular file";
}

Error tooLarge(const std::string& path, std::size_t maxBytes)
{
    return Error{"cannot read " + path + ": it is larger than the " + std::to_string(maxBytes) +
                     " bytes such a file can be",
                 {}};
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

}  // namespace

Result<Bytes> readWholeFile(const std::string& path, std::size_t maxBytes)
{
    if (path.empty())
        return Error{"no file name given", {}};
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fileError("read", path, errno);
    if (const char* kind = notAFile(info.st_mode))
        return Error{"cannot read " + path + ": " + kind, {}};
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return tooLarge(path, maxBytes);
    // Not blocking: should the path have become a pipe meanwhile, opening it
    // must not wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return fileError("read", path, errno);
    if (::fstat(fd, &info) != 0 || notAFile(info.st_mode)) {
        ::close(fd);
        return Error{"cannot read " + path + ": it changed while it was being opened", {}};
    }
    Bytes bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return fileError("read", path, error);
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (bytes.size() > maxBytes) {
            ::close(fd);
            return tooLarge(path, maxBytes);
        }
    }
    ::close(fd);
    return bytes;
}

Status writeWholeFile(const std::string& requestedPath, std::span<const std::uint8_t> bytes)
{
    if (requestedPath.empty())
        return Error{"no file name given", {}};
    const Result<std::string> resolved = followLinks(requestedPath);
    if (!resolved)
        return resolved.error();
    const std::string& path = *resolved;
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists) {
        if (const char* kind = notAFile(target.st_mode))
            return Error{"cannot write " + requestedPath + ": " + kind, {}};
    }

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fileError("write", requestedPath, errno);
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    mode_t mode = 0666;
    if (exists) {
        mode = target.st_mode & 07777;
    } else {
        mode &= ~currentUmask();
    }
    ::fchmod(fd, mode);

    auto fail = [&](int error) -> Status {
        ::close(fd);
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    }
    return {};
}

Status checkWritable(const std::string& requestedPath)
{
    if (requestedPath.empty())
        return Error{"no file name given", {}};
    const Result<std::string> resolved = followLinks(requestedPath);
    if (!resolved)
        return resolved.error();
    const std::string& path = *resolved;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (const char* kind = notAFile(info.st_mode))
            return Error{"cannot write " + requestedPath + ": " + kind, {}};
    }
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    if (::stat(folder.c_str(), &info) != 0)
        return fileError("write", requestedPath, errno);
    if (!S_ISDIR(info.st_mode))
        return fileError("write", requestedPath, ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fileError("write", requestedPath, errno);
    return {};
}

bool sameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::string rescuePath(const std::string& prefix)
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    return (folder / (prefix + "-" + std::to_string(seconds) + ".bin")).string();
}

}  // namespace ft817
