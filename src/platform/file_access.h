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

}  // namespace ft817
