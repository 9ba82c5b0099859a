#pragma once
// What the commands say and refuse about the memory they read: one place
// that tells an image that is not whole (blocks missing, split, damaged), and
// one that refuses to write an image again when fresh checksums would hide
// its damage, unless the user gives --any-layout.

#include "cli/exchange_commands.h"
#include "platform/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ft817 {

// What keeps the image file from being a whole memory, as upload says it:
// "not a whole memory: the radio stopped after block 48 of 50; missing:
// block 49", or only the stored checksums that do not match when its layout
// is a known radio's; empty for a whole memory.
std::string notWholeMemoryNote(std::span<const std::uint8_t> imageFile);

// Prints notWholeMemoryNote on standard error as "ft817clone COMMAND: PATH:
// NOTE" followed by tail; nothing for a whole memory.
void printNotWholeMemory(const std::string& command, const std::string& path,
                         std::span<const std::uint8_t> imageFile, const std::string& tail = {});

// The channels and special memories in use whose frequency the radio cannot
// tune (untunedMemories), one a line: "  channel 12 (tag RPT1): 0.00146 MHz";
// empty when there are none.
std::string untunedMemoryLines(const std::vector<std::string>& untuned);

// Says them on standard error: "ft817clone COMMAND: PATH: the radio cannot
// tune the frequency of 1 memory in use:", then one a line; nothing when
// there are none.
void printUntunedMemories(const std::string& command, const std::string& path,
                          const std::vector<std::string>& untuned);

// Refuses an image file whose damage writing it again with fresh checksums
// would hide (damageHiddenByRewrite), unless anyLayout: "PATH: REASON" and
// what to do. doing names the command's work ("change it", "import").
Status checkNoDamageHidden(const std::string& path, std::span<const std::uint8_t> imageFile, bool anyLayout,
                           const std::string& doing);

// Loads a memory file a command changes and writes: an image file or a
// payload file (loadMemory), refused when writing it would hide damage, or
// the split of a block the radio paused in, unless anyLayout; what keeps it
// from being whole is said on standard error (printNotWholeMemory).
Result<LoadedMemory> loadMemoryToChange(const std::string& command, const std::string& path, bool anyLayout,
                                        const std::string& doing);

// Where a command writes the memory it changed: out when given, else the
// file read for an image file, or an image file beside a payload file
// (imagePathBeside). Refuses a target that is the payload file itself.
Result<std::string> changedImageTarget(const LoadedMemory& memory, const std::string& path,
                                       const std::string& out);

} // namespace ft817
