#pragma once
// The image file: the clone image exactly as the radio sent it, followed by a
// trailer of a 44-byte banner, two zero bytes and one 3-byte record per block
// (length, end offset low byte, end offset high byte). Readers work from the
// end of the file and never look at the banner, the length bytes or the
// stored checksums.

#include "platform/file_access.h"
#include "platform/result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// 44 bytes of text, starting with "$$$ " and ending with "$$$".
inline constexpr std::string_view kImageBanner = "$$$ FT-817 clone image made by ft817clone$$$";

// Largest end offset a block table can hold (high byte at most 0x7F).
inline constexpr int kMaxImageOffset = 32767;

// Largest image file there can be: the most clone bytes, the banner, two zero
// bytes and a record for each of at most 256 blocks. Readers refuse larger files.
inline constexpr std::size_t kMaxImageFileBytes = kMaxImageOffset + 44 + 2 + 3 * 256;

// Longest clone block: number byte, payload and checksum (one length byte in the block table).
inline constexpr int kMaxBlockLength = 255;

// Where each clone block of an image file lies.
struct ImageLayout {
    int lastBlock = 0;     // the last block's number: number of blocks minus 1
    std::vector<int> ends; // per block, the offset just past it in the file
    int cloneBytes() const { return ends.empty() ? 0 : ends.back(); }
    int blockStart(int k) const { return k == 0 ? 0 : ends[static_cast<std::size_t>(k) - 1]; }
    int blockLength(int k) const { return ends[static_cast<std::size_t>(k)] - blockStart(k); }
};

// The bytes of the image file at path: refused, with the reason, when it is
// not a regular file or is larger than any image file can be.
Result<Bytes> readImageFileBytes(const std::string& path);

// Finds the blocks of an image file from its trailer, accepting the file only
// when the block table fills the end of the file and every offset lies inside
// the clone image, increasing. The blocks' number bytes are not looked at: an
// image a download saved when the radio paused in the middle of a block is
// read too; checkImageFile (image_check.h) says what is wrong with it.
Result<ImageLayout> readImageLayout(std::span<const std::uint8_t> file);

// The trailer for blocks of the given lengths: banner, 00 00, block table.
// Refuses a block longer than 255 bytes or an image past the largest offset.
Result<Bytes> buildImageTrailer(std::span<const int> blockLengths);

// A whole image file: the clone image followed by its trailer.
Result<Bytes> buildImageFile(std::span<const std::uint8_t> cloneImage, std::span<const int> blockLengths);

} // namespace ft817
