#pragma once
// Subcommands that exchange memory channels with other tools and compare
// images: export (CSV out), import (CSV into a copy of an image), diff.
// Like the others they return the process exit code.

#include "cli/commands.h"
#include "image/block_store.h"
#include "image/radio_model.h"
#include "platform/file_access.h"
#include "platform/result.h"

#include <string>
#include <vector>

namespace ft817 {

// export IMAGE FILE.csv: writes the active channels of an image as CSV (0 written, 1 failed, 2 usage).
int runExportCommand(const Arguments& args);
// import IMAGE FILE.csv [--out NEW]: writes CSV channels into a copy of an image (0 written, 1 refused, 2
// usage).
int runImportCommand(const Arguments& args);
// diff A B: prints what differs from image A to image B (0 same, 1 different, 2 usage or unreadable image).
int runDiffCommand(const Arguments& args);

// A memory file loaded as the editor loads it: an image file, or a payload
// file of another tool turned into one.
struct LoadedMemory {
    BlockStore store;
    Bytes imageFile;
    // The model a payload file was read as; nullptr for an image file.
    const RadioModel* payloadRadio = nullptr;
    // What the file as saved is when the radio split a block (MemoryFile::splitBlock).
    std::string splitBlock;
};
// Loads the memory file at path (the reason for a refusal names the path);
// for a payload file prints "ft817clone COMMAND: PATH: read as a payload file
// of model X" on standard error, for a block the radio split what is wrong
// with the file as saved.
Result<LoadedMemory> loadMemory(const std::string& command, const std::string& path);

// Refuses to write a command's output over one of its inputs (the same file by any name).
Status checkNotAnInput(const std::string& output, const std::vector<std::string>& inputs);

// Where import writes when no --out is given: IMAGE with ".imported" before its
// extension ("radio.bin" -> "radio.imported.bin", "radio" -> "radio.imported").
std::string importedImagePath(const std::string& imagePath);

} // namespace ft817
