#include "image/block_store.h"

#include "image/image_file.h"
#include "image/memory_map.h"
#include "text/text_format.h"

#include <string>

namespace ft817 {

namespace {

std::size_t columnStart(int block)
{
    return static_cast<std::size_t>(block) * kBlockColumnSize;
}

bool inStore(int index, int block, int blockCount)
{
    return index >= 0 && index < kBlockColumnSize && block >= 0 && block < blockCount;
}

} // namespace

Result<BlockStore> BlockStore::loadBlocks(std::span<const std::uint8_t> file)
{
    auto layout = readImageLayout(file);
    if (!layout)
        return layout.error();

    // readImageLayout has refused blocks over 255 bytes: every payload fits a column.
    BlockStore store;
    store.m_bytes.assign(columnStart(layout->lastBlock + 1), 0);
    store.m_lengths.assign(static_cast<std::size_t>(layout->lastBlock) + 2, 0);
    store.m_lengths[0] = static_cast<std::int16_t>(layout->lastBlock);
    for (int j = 0; j <= layout->lastBlock; ++j) {
        const int s = layout->blockStart(j);
        const int e = layout->ends[static_cast<std::size_t>(j)];
        store.m_lengths[static_cast<std::size_t>(j) + 1] = static_cast<std::int16_t>(e - s - 2);
        // Number byte and payload; the checksum at e-1 is neither kept nor compared.
        for (int k = 0; k <= e - s - 2; ++k)
            store.m_bytes[columnStart(j) + static_cast<std::size_t>(k)] =
                file[static_cast<std::size_t>(s + k)];
    }
    return store;
}

Result<BlockStore> BlockStore::load(std::span<const std::uint8_t> file)
{
    auto store = loadBlocks(file);
    if (!store)
        return store;
    if (store->blockCount() < kMemoryImageMinBlocks)
        return Error{"the image has only " + countOf(store->blockCount(), "block", "blocks") +
                         "; an FT-817 memory image has at least 48",
                     "The memory channels lie in blocks 8 to 47. The radio sends 50 or more blocks; "
                     "a shorter image comes from an interrupted download."};
    // Refused rather than read as zeros: every place the memory map reads must be in the file.
    for (int block = 0; block < kMemoryImageMinBlocks; ++block) {
        const int needed = memoryMapPayloadNeeded(block);
        if (store->payloadLength(block) < needed)
            return Error{"block " + std::to_string(block) + " of the image holds " +
                             std::to_string(store->payloadLength(block)) +
                             " payload bytes; the radio keeps " + std::to_string(needed) +
                             " bytes of its memory there",
                         "The image is cut short or is not the memory of an FT-817; nothing in it was read."};
    }
    return store;
}

Result<BlockStore> BlockStore::fromPayloads(std::span<const Bytes> payloads)
{
    if (payloads.empty() || payloads.size() > 256)
        return Error{"an image holds 1 to 256 blocks, not " + std::to_string(payloads.size()), {}};
    BlockStore store;
    store.m_bytes.assign(columnStart(static_cast<int>(payloads.size())), 0);
    store.m_lengths.assign(payloads.size() + 1, 0);
    store.m_lengths[0] = static_cast<std::int16_t>(payloads.size() - 1);
    for (std::size_t j = 0; j < payloads.size(); ++j) {
        if (payloads[j].size() > static_cast<std::size_t>(kMaxBlockPayload))
            return Error{"block " + std::to_string(j) + " holds " + std::to_string(payloads[j].size()) +
                             " payload bytes; a block can hold at most " + std::to_string(kMaxBlockPayload),
                         {}};
        store.m_lengths[j + 1] = static_cast<std::int16_t>(payloads[j].size());
        store.m_bytes[columnStart(static_cast<int>(j))] = static_cast<std::uint8_t>(j);
        for (std::size_t k = 0; k < payloads[j].size(); ++k)
            store.m_bytes[columnStart(static_cast<int>(j)) + 1 + k] = payloads[j][k];
    }
    return store;
}

int BlockStore::payloadLength(int block) const
{
    return hasBlock(block) ? m_lengths[static_cast<std::size_t>(block) + 1] : 0;
}

int BlockStore::cloneImageSize() const
{
    int total = 0;
    for (int j = 0; j < blockCount(); ++j)
        total += payloadLength(j) + 2;
    return total;
}

void BlockStore::setByte(int index, int block, std::uint8_t value)
{
    if (!inStore(index, block, blockCount()))
        return;
    m_bytes[columnStart(block) + static_cast<std::size_t>(index)] = value;
}

bool BlockStore::bit(int index, int block, int bitNumber) const
{
    if (bitNumber < 0 || bitNumber > 7)
        return false;
    return (byte(index, block) >> bitNumber) & 1;
}

void BlockStore::setBit(int index, int block, int bitNumber, bool on)
{
    if (bitNumber < 0 || bitNumber > 7)
        return;
    const auto mask = static_cast<std::uint8_t>(1u << bitNumber);
    setBits(index, block, mask, on ? mask : 0);
}

void BlockStore::setBits(int index, int block, std::uint8_t mask, std::uint8_t value)
{
    const std::uint8_t old = byte(index, block);
    setByte(index, block, static_cast<std::uint8_t>((old & ~mask) | (value & mask)));
}

std::uint8_t BlockStore::checksum(std::span<const std::uint8_t> payload)
{
    unsigned sum = 0;
    for (std::uint8_t b : payload)
        sum += b;
    return static_cast<std::uint8_t>(sum % 256);
}

bool BlockStore::checksumMatches(std::span<const std::uint8_t> block)
{
    return block.size() >= 2 && checksum(block.subspan(1, block.size() - 2)) == block.back();
}

Bytes BlockStore::cloneImage() const
{
    Bytes image;
    image.reserve(static_cast<std::size_t>(cloneImageSize()));
    for (int j = 0; j < blockCount(); ++j) {
        const auto column = std::span<const std::uint8_t>(m_bytes).subspan(columnStart(j), kBlockColumnSize);
        const auto payload = column.subspan(1, static_cast<std::size_t>(payloadLength(j)));
        image.push_back(column[0]);
        image.insert(image.end(), payload.begin(), payload.end());
        image.push_back(checksum(payload));
    }
    return image;
}

Result<Bytes> BlockStore::toImageFile() const
{
    if (blockCount() == 0)
        return Error{"there is no image to save", {}};
    std::vector<int> lengths;
    lengths.reserve(static_cast<std::size_t>(blockCount()));
    for (int j = 0; j < blockCount(); ++j)
        lengths.push_back(payloadLength(j) + 2);
    return buildImageFile(cloneImage(), lengths);
}

} // namespace ft817
