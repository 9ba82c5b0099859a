#pragma once
// Whole-file access by path. Reading returns every byte of the file; writing
// goes to a temporary file in the same folder that is then renamed over the
// target, so a failed write leaves any earlier file at that path whole.

#include "platform/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ft817 {

using Bytes = std::vector<std::uint8_t>;

// Every byte of the file at path, or why it could not be read.
Result<Bytes> readWholeFile(const std::string& path);

// Replaces the whole content of the file at path with bytes, atomically.
Status writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether a file could be written at path now: a name is given, it is not a
// folder, and its folder exists and takes new files. Writes nothing.
Status checkWritable(const std::string& path);

// A path in the system's temporary folder for keeping bytes that could not be
// saved where the user wanted them ("<prefix>-<seconds since 1970>.bin").
std::string rescuePath(const std::string& prefix);

}  // namespace ft817
