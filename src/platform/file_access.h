#pragma once
// Whole-file access by path. Reading looks at the file first and takes only a
// regular file of bounded size, so a device, a pipe or a huge file never hangs
// the tool or fills its memory. Writing goes to a temporary file in the same
// folder as the target that is then renamed over it, so a failed write leaves
// any earlier file at that path whole; a symbolic link is written through to
// the file it points to, and a device, pipe, socket or folder is never replaced.

#include "platform/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ft817 {

using Bytes = std::vector<std::uint8_t>;

// Largest file readWholeFile takes unless told otherwise: more than any file
// this tool reads (an image file, a CSV list of 200 channels) can sensibly be.
inline constexpr std::size_t kMaxWholeFileBytes = 1024 * 1024;

// Every byte of the regular file at path, or why it could not be read: it is
// missing, not a regular file (folder, device, pipe, socket), or larger than maxBytes.
Result<Bytes> readWholeFile(const std::string& path, std::size_t maxBytes = kMaxWholeFileBytes);

// Replaces the whole content of the file at path with bytes, atomically. A
// symbolic link is followed and the file it names is replaced (next to that
// file); a target that is a folder, device, pipe or socket is refused.
Status writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether a file could be written at path now: a name is given, the target
// (after symbolic links) is a regular file or does not exist yet, and its
// folder exists and takes new files. Writes nothing.
Status checkWritable(const std::string& path);

// True when both paths name the same existing file (through links or other names).
bool sameFile(const std::string& first, const std::string& second);

// Writes bytes into a new file at path that is made here and now: anything
// already at path (a file, a link, even one to nothing) is left alone and
// the answer is false. True once the file is whole; an error (with nothing
// left behind) when it could not be written.
Result<bool> createNewFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Keeps bytes that could not be saved where the user wanted them in a new
// file "<prefix>-<seconds since 1970>.bin" (then "-2", "-3", ... when that
// name is taken), made exclusively, so no other user's link or file is ever
// written through or replaced: in folder when it takes new files, otherwise
// in the system's temporary folder. Returns the file's path.
Result<std::string> keepRescueCopy(const std::string& prefix, std::span<const std::uint8_t> bytes,
                                   const std::string& folder);

} // namespace ft817
