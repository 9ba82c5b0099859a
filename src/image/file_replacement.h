#pragma once
// The one rule for every file the tool writes where a file may already be:
// a target the user may not write (a read-only file, a folder that takes no
// new files, a device, a pipe, a folder) is refused with the reason, and a
// file that is replaced is first kept in the history folder, so whatever a
// command writes, the file it replaced can always be got back.

#include "image/image_history.h"
#include "platform/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ft817 {

// Whether command ("convert", "the download") could write path now, keeping
// the file it replaces in history. Writes nothing but the history folder.
Status checkReplaceable(const std::string& path, const ImageHistory& history, std::string_view command);

// Writes bytes at path, whole or not at all, after keeping the file it
// replaces in history. The kept copy's path; empty when nothing was at path.
Result<std::string> replaceKeepingCopy(const std::string& path, std::span<const std::uint8_t> bytes,
                                       const ImageHistory& history, std::string_view command);

} // namespace ft817
