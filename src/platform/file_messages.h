#pragma once
// The words both operating systems' file code uses when it refuses a path, so
// the user reads the same reason whatever system the tool runs on.

#include "platform/result.h"

#include <cstddef>
#include <string>

namespace ft817::file_messages {

inline constexpr const char* kNoName = "no file name given";
inline constexpr const char* kMissing = "no such file or folder";
inline constexpr const char* kDenied = "permission denied";
inline constexpr const char* kFolder = "it is a folder, not a file";
inline constexpr const char* kDiskFull = "the disk is full";
inline constexpr const char* kReadOnlyDisk = "the disk is read-only";
inline constexpr const char* kNotAFolder = "part of the path is not a folder";
inline constexpr const char* kLinkLoop = "too many symbolic links";
inline constexpr const char* kPipe = "it is a named pipe, not a file";
inline constexpr const char* kSocket = "it is a socket, not a file";
inline constexpr const char* kDevice = "it is a device, not a file";
inline constexpr const char* kOther = "it is not a regular file";
inline constexpr const char* kReadOnlyFile = "the file is read-only";
inline constexpr const char* kReadOnlyFolder = "its folder does not let you make or replace files";
inline constexpr const char* kChanged = "it changed while it was being opened";

// A path or device name as echoed in messages: in full up to 160 bytes, a
// longer one cut to its start and end ("/home/me/aaaa...aaaa.bin (900000
// bytes long)"), never inside a UTF-8 character.
std::string shownName(const std::string& name);

// "cannot <what> <path>: <reason>", the path as shownName shows it
Error cannot(const std::string& what, const std::string& path, const std::string& reason);

// "cannot read <path>: it is larger than the <maxBytes> bytes such a file can be"
Error tooLarge(const std::string& path, std::size_t maxBytes);

} // namespace ft817::file_messages
