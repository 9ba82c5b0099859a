#pragma once
// Clone images for the transfer tests: blocks numbered in order with a
// payload that varies from block to block and a correct checksum.

#include "image/image_file.h"
#include "support/fake_serial_port.h"

#include <numeric>
#include <vector>

namespace ft817::test {

// Block `number` of `length` bytes: number byte, payload, checksum.
inline ByteList makeBlock(int number, int length)
{
    ByteList block{static_cast<std::uint8_t>(number)};
    int sum = 0;
    for (int i = 1; i + 1 < length; ++i) {
        const auto byte = static_cast<std::uint8_t>((number * 37 + i * 11 + (i * i) % 7) & 0xFF);
        block.push_back(byte);
        sum += byte;
    }
    if (length > 1)
        block.push_back(static_cast<std::uint8_t>(sum % 256));
    return block;
}

inline std::vector<ByteList> makeBlocks(const std::vector<int>& lengths)
{
    std::vector<ByteList> blocks;
    for (std::size_t k = 0; k < lengths.size(); ++k)
        blocks.push_back(makeBlock(static_cast<int>(k), lengths[k]));
    return blocks;
}

inline ByteList joined(const std::vector<ByteList>& blocks)
{
    ByteList image;
    for (const ByteList& block : blocks)
        image.insert(image.end(), block.begin(), block.end());
    return image;
}

inline std::vector<int> lengthsOf(const std::vector<ByteList>& blocks)
{
    std::vector<int> lengths;
    for (const ByteList& block : blocks)
        lengths.push_back(static_cast<int>(block.size()));
    return lengths;
}

// The image file for these blocks, with its trailer.
inline ByteList imageFileOf(const std::vector<ByteList>& blocks)
{
    const std::vector<int> lengths = lengthsOf(blocks);
    return *buildImageFile(joined(blocks), lengths);
}

// Block lengths of an FT-817's memory: 50 blocks, 6609 bytes.
inline std::vector<int> ft817BlockLengths()
{
    std::vector<int> payload{2, 40, 208, 182, 208, 182, 198, 53};
    payload.insert(payload.end(), 40, 130);
    payload.push_back(118);
    payload.push_back(118);
    std::vector<int> lengths;
    for (int length : payload)
        lengths.push_back(length + 2);
    return lengths;
}

} // namespace ft817::test
