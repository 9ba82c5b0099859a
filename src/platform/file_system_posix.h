#pragma once
// What the POSIX file code of this folder shares: reasons for errno values and
// the kinds of things a path can name that are not files. Internal to platform/.

#include "platform/file_messages.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace ft817::posix_files {

inline std::string reasonFor(int error)
{
    namespace text = file_messages;
    switch (error) {
    case ENOENT:
        return text::kMissing;
    case EACCES:
    case EPERM:
        return text::kDenied;
    case EISDIR:
        return text::kFolder;
    case ENOSPC:
        return text::kDiskFull;
    case EROFS:
        return text::kReadOnlyDisk;
    case ENOTDIR:
        return text::kNotAFolder;
    case ELOOP:
        return text::kLinkLoop;
    default:
        return std::strerror(error);
    }
}

inline Error fileError(const std::string& what, const std::string& path, int error)
{
    return file_messages::cannot(what, path, reasonFor(error));
}

// Why something at a path is not a file this tool may read or replace; nullptr for a regular file.
inline const char* notAFile(mode_t mode)
{
    namespace text = file_messages;
    if (S_ISREG(mode))
        return nullptr;
    if (S_ISDIR(mode))
        return text::kFolder;
    if (S_ISFIFO(mode))
        return text::kPipe;
    if (S_ISSOCK(mode))
        return text::kSocket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return text::kDevice;
    return text::kOther;
}

} // namespace ft817::posix_files
