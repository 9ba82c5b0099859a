#pragma once
// Payload files: the memory files other programming tools keep. They hold the
// radio's payload bytes back to back, without number bytes, checksums or a
// block table, so their length alone tells the model (6509 bytes for an
// FT-817, 6521 for an FT-817ND, 6651 for an FT-817ND (US), 6573 for an FT-818,
// 6703 for an FT-818ND (US)). Some tools append a metadata trailer: the bytes
// 00 FF, "chirp", EE, "img", 00 01, then base64-encoded JSON naming the maker
// and model. Reading ignores that trailer apart from the model it names,
// which must agree with the length.
//
// Every function here works on bytes in memory or reads a whole file; none
// writes. A file is refused with a reason a person can act on.

#include "image/image_file.h"
#include "image/radio_model.h"
#include "platform/file_access.h"
#include "platform/result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace ft817 {

// The first bytes of the metadata trailer other tools append to a payload file.
inline constexpr std::array<std::uint8_t, 13> kPayloadTrailerStart = {0x00, 0xFF, 'c', 'h', 'i',  'r', 'p',
                                                                      0xEE, 'i',  'm', 'g', 0x00, 0x01};

// A memory file as this program works on it: an image file, read as it is, or
// a payload file turned into one.
struct MemoryFile {
    Bytes imageFile;    // a whole image file: clone image, banner and block table
    ImageLayout layout; // where its blocks lie
    // The model a payload file was read as; nullptr when the file was an image file.
    const RadioModel* payloadRadio = nullptr;
    // For an image a download saved when the radio paused in the middle of a
    // block: what the file as saved is ("block 2 arrived in two pieces ...").
    // Its two pieces are read as the one block they are; the file as saved
    // is not a whole memory all the same. Empty otherwise.
    std::string splitBlock;

    // "read as a payload file of model FT-817ND", or for a split block "not a
    // whole memory: block 2 arrived in two pieces ...; its pieces are read as
    // one block"; empty for an image file as it should be.
    std::string note() const;
};

// The payload file lengths of the known radios, in words: "6509 bytes for an
// FT-817, 6521 for an FT-817ND, ... or 6703 for an FT-818ND (US)".
std::string knownPayloadLengths();

// Payload bytes of one radio's whole memory: the sum of its blocks' payloads.
int payloadBytes(const RadioModel& radio);

// The image file of a payload file: the payload cut into the blocks of the
// model its length names, each with its number byte and a fresh checksum,
// checked as a whole memory. Refuses a file of another length (naming the
// known ones) and a trailer naming another model (naming both).
Result<MemoryFile> imageFromPayloadFile(std::span<const std::uint8_t> file);

// The file's bytes as an image file: an image file as it is (the two pieces
// of a block the radio split with a pause joined into one), a payload file
// converted; otherwise why it is neither.
Result<MemoryFile> readMemoryBytes(Bytes file);

// The file at path read as readMemoryBytes reads it; refused when it cannot be read.
Result<MemoryFile> readMemoryFile(const std::string& path);

// Where a changed memory read from a payload file is written as an image
// file: beside it under its name with the extension .bin ("radio.img" ->
// "radio.bin"), numbered when a file of that name exists ("radio-2.bin"), so
// neither the payload file nor an image file already there is written over.
std::string imagePathBeside(const std::string& payloadPath);

// The payload file of an image file: each block's payload back to back, no
// trailer. Refused unless the image is a whole memory of a known radio; with
// acceptDamage a known radio's layout whose stored checksums do not match is
// taken too (the payload file keeps no checksums: the damage is no longer seen).
Result<Bytes> payloadFileFromImage(std::span<const std::uint8_t> imageFile, bool acceptDamage = false);

} // namespace ft817
