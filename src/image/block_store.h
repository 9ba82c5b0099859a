#pragma once
// The editor's copy of a clone image: one column of 256 bytes per clone block
// (index 0 the block's number byte, indices 1.. its payload; the stored
// checksum is dropped) and the block lengths (entry 0 the last block's number,
// entry j+1 the payload length of block j).
//
// A BlockStore is a plain value. Loading builds a new one or returns why the
// file cannot be used, so a refused file never disturbs a store already in
// use. Limits of loading:
// - the file must be an image file (its block table read from the end of the
//   file, every offset inside it; the number bytes are kept as they are, and
//   checkImageFile says when a block carries another number than its place);
// - a block is at most 255 bytes long with number and checksum (the block
//   table's length byte holds no more, so such an image could not be saved);
// - load() also needs the 48 blocks that hold the radio's memory map
//   (blocks 0..47), each long enough for what the map reads there;
//   loadBlocks() takes any number of blocks of any length.
// Every index 0..255 of every block can be read and written; only index 0 and
// the payload indices are saved. Addresses outside the store read as 0 and
// are not written.

#include "image/image_file.h"
#include "platform/file_access.h"
#include "platform/result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ft817 {

// Places in one column: the number byte and up to 255 payload bytes.
inline constexpr int kBlockColumnSize = 256;
// Most payload bytes one block can carry: a clone block's longest length less
// its number byte and checksum, so every store can be saved as an image file.
inline constexpr int kMaxBlockPayload = kMaxBlockLength - 2;
// Blocks 0..47 hold the memory map, so a memory image has at least 48 blocks.
inline constexpr int kMemoryImageMinBlocks = 48;

class BlockStore {
public:
    // An empty store with no blocks.
    BlockStore() = default;

    // Loads an image file the editor can work on: an image file of at least
    // 48 blocks, each long enough for the places the memory map reads there
    // (memoryMapPayloadNeeded); otherwise why not.
    static Result<BlockStore> load(std::span<const std::uint8_t> imageFile);
    // Loads an image file of any number of blocks.
    static Result<BlockStore> loadBlocks(std::span<const std::uint8_t> imageFile);
    // A store of the given payloads, block j numbered j; refuses a payload over kMaxBlockPayload (253) bytes.
    static Result<BlockStore> fromPayloads(std::span<const Bytes> payloads);

    // Number of blocks (the last block's number + 1); 0 for an empty store.
    int blockCount() const { return static_cast<int>(m_lengths.size()) - (m_lengths.empty() ? 0 : 1); }
    // The number of the last block; -1 for an empty store.
    int lastBlock() const { return blockCount() - 1; }
    // True when the store has a block of that number.
    bool hasBlock(int block) const { return block >= 0 && block < blockCount(); }
    // Block lengths: entry 0 = the last block's number, entry j+1 = payload length of block j
    // (empty for an empty store).
    const std::vector<std::int16_t>& blockLengths() const { return m_lengths; }
    // Payload length of block j (0 when there is no such block).
    int payloadLength(int block) const;
    // Length of the clone image that saving writes: number, payload and checksum of every block.
    int cloneImageSize() const;

    // Byte at (index 0..255, block); 0 outside the store.
    std::uint8_t byte(int index, int block) const
    {
        if (index < 0 || index >= kBlockColumnSize || !hasBlock(block))
            return 0;
        return m_bytes[static_cast<std::size_t>(block) * kBlockColumnSize + static_cast<std::size_t>(index)];
    }
    // Sets the byte at (index 0..255, block); does nothing outside the store.
    void setByte(int index, int block, std::uint8_t value);
    // True when bit 0..7 of the byte at (index, block) is set.
    bool bit(int index, int block, int bitNumber) const;
    // Sets or clears one bit of the byte at (index, block); its other bits stay.
    void setBit(int index, int block, int bitNumber, bool on);
    // The bits of the byte at (index, block) selected by mask, in place (not shifted).
    std::uint8_t bits(int index, int block, std::uint8_t mask) const { return byte(index, block) & mask; }
    // Replaces the bits selected by mask with those of value; the other bits stay.
    void setBits(int index, int block, std::uint8_t mask, std::uint8_t value);

    // The clone image as saving writes it: for each block its number byte,
    // its payload and a fresh checksum (payload sum modulo 256).
    Bytes cloneImage() const;
    // A whole image file (clone image with fresh checksums, banner, block table),
    // as Done writes it; fails only for an empty store or an image past 32767 bytes.
    Result<Bytes> toImageFile() const;

    // Checksum of a payload: the sum of its bytes modulo 256.
    static std::uint8_t checksum(std::span<const std::uint8_t> payload);
    // True when a block as the radio sends it (number byte, payload, checksum)
    // ends with the checksum of its payload.
    static bool checksumMatches(std::span<const std::uint8_t> block);

    friend bool operator==(const BlockStore&, const BlockStore&) = default;

private:
    std::vector<std::uint8_t> m_bytes;   // column j at [256*j, 256*j+255]
    std::vector<std::int16_t> m_lengths; // as blockLengths()
};

} // namespace ft817
