#include "image/image_file.h"

#include <numeric>
#include <string>

namespace ft817 {

static_assert(kImageBanner.size() == 44);
static_assert(kImageBanner.substr(0, 4) == "$$$ ");

namespace {

Error notAnImage(const std::string& why)
{
    return Error{"not an image file: " + why,
                 "The file does not end with the block table that this program writes "
                 "after a download; choose an image file made by a download or saved by the editor."};
}

} // namespace

Result<Bytes> readImageFileBytes(const std::string& path)
{
    return readWholeFile(path, kMaxImageFileBytes);
}

Result<ImageLayout> readImageLayout(std::span<const std::uint8_t> file)
{
    const long long fileSize = static_cast<long long>(file.size());
    if (fileSize == 0)
        return notAnImage("the file is empty");
    // The smallest image: one block of 2 bytes, banner, 00 00 and one record.
    if (fileSize < 2 + 46 + 3)
        return notAnImage("the file is too short (" + std::to_string(fileSize) + " bytes)");

    // The record before the last holds the end of the block before the last,
    // which is where the last block starts with its number byte (for a single
    // block the two zero bytes after the banner give 0).
    const long long lastBlockStart = file[fileSize - 5] + 256LL * file[fileSize - 4];
    if (lastBlockStart >= fileSize)
        return notAnImage("the block table points past the end of the file");
    const int lastBlock = file[lastBlockStart];
    // Where the block table holds the high byte of block 0's end offset.
    const long long firstRecordHigh = (fileSize - 1) - 3LL * lastBlock;
    if (firstRecordHigh - 1 < 0)
        return notAnImage("the block table is longer than the file");

    ImageLayout layout;
    layout.lastBlock = lastBlock;
    layout.ends.reserve(static_cast<std::size_t>(lastBlock) + 1);
    int previous = 0;
    for (int k = 0; k <= lastBlock; ++k) {
        const std::uint8_t low = file[firstRecordHigh + 3LL * k - 1];
        const std::uint8_t high = file[firstRecordHigh + 3LL * k];
        if (high > 0x7F)
            return notAnImage("block " + std::to_string(k) + " ends at an offset above 32767");
        const int end = low + 256 * high;
        if (end < previous + 2)
            return notAnImage("the block table's offsets do not increase at block " + std::to_string(k));
        layout.ends.push_back(end);
        previous = end;
    }
    const long long cloneBytes = layout.ends.back();
    const long long blocks = lastBlock + 1;
    if (cloneBytes + 46 + 3 * blocks > fileSize)
        return notAnImage("the block table points past the end of the clone image");
    if (cloneBytes + 46 + 3 * blocks != fileSize)
        return notAnImage("the block table does not match the length of the file");
    if (file[cloneBytes + 44] != 0 || file[cloneBytes + 45] != 0)
        return notAnImage("the block table does not start after the banner");
    // The block table's length byte, and the radio, allow at most 255 bytes a block.
    for (int k = 0; k <= lastBlock; ++k) {
        if (layout.blockLength(k) > kMaxBlockLength)
            return notAnImage("block " + std::to_string(k) + " is " + std::to_string(layout.blockLength(k)) +
                              " bytes long; a clone block is at most " + std::to_string(kMaxBlockLength));
    }
    for (int k = 0; k <= lastBlock; ++k) {
        if (file[layout.blockStart(k)] != k)
            return notAnImage("block " + std::to_string(k) + " carries the number " +
                              std::to_string(file[layout.blockStart(k)]));
    }
    return layout;
}

Result<Bytes> buildImageTrailer(std::span<const int> blockLengths)
{
    Bytes trailer(kImageBanner.begin(), kImageBanner.end());
    trailer.push_back(0);
    trailer.push_back(0);
    int end = 0;
    for (std::size_t k = 0; k < blockLengths.size(); ++k) {
        const int length = blockLengths[k];
        if (length < 1 || length > kMaxBlockLength)
            return Error{"block " + std::to_string(k) + " is " + std::to_string(length) +
                             " bytes long; an image file can record at most " +
                             std::to_string(kMaxBlockLength),
                         {}};
        end += length;
        if (end > kMaxImageOffset)
            return Error{"the image is " + std::to_string(end) +
                             " bytes long; an image file can hold at most " + std::to_string(kMaxImageOffset),
                         {}};
        trailer.push_back(static_cast<std::uint8_t>(length));
        trailer.push_back(static_cast<std::uint8_t>(end % 256));
        trailer.push_back(static_cast<std::uint8_t>(end / 256));
    }
    return trailer;
}

Result<Bytes> buildImageFile(std::span<const std::uint8_t> cloneImage, std::span<const int> blockLengths)
{
    const long long total = std::accumulate(blockLengths.begin(), blockLengths.end(), 0LL);
    if (total != static_cast<long long>(cloneImage.size()))
        return Error{"the block lengths do not add up to the clone image", {}};
    auto trailer = buildImageTrailer(blockLengths);
    if (!trailer)
        return trailer.error();
    Bytes file(cloneImage.begin(), cloneImage.end());
    file.insert(file.end(), trailer->begin(), trailer->end());
    return file;
}

} // namespace ft817
