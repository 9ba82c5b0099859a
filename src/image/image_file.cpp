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

    // The last record holds the end of the clone image, where the banner
    // starts; the records fill the rest of the file. The number of blocks is
    // read from the table, not from the blocks' number bytes: a block the
    // radio split with a pause is two records, the second starting with a
    // payload byte, and the image is still read (its check says what is wrong).
    if (file[fileSize - 1] > 0x7F)
        return notAnImage("the last block ends at an offset above 32767");
    const long long cloneBytes = file[fileSize - 2] + 256LL * file[fileSize - 1];
    const long long tableBytes = fileSize - cloneBytes - 46;
    if (tableBytes < 3)
        return notAnImage("the block table points past the end of the file");
    if (tableBytes % 3 != 0)
        return notAnImage("the block table does not match the length of the file");
    const long long blocks = tableBytes / 3;
    if (blocks > 256)
        return notAnImage("the block table holds " + std::to_string(blocks) +
                          " blocks; an image holds at most 256");
    if (file[cloneBytes + 44] != 0 || file[cloneBytes + 45] != 0)
        return notAnImage("the block table does not start after the banner");

    ImageLayout layout;
    layout.lastBlock = static_cast<int>(blocks - 1);
    layout.ends.reserve(static_cast<std::size_t>(blocks));
    int previous = 0;
    for (long long k = 0; k < blocks; ++k) {
        const std::uint8_t low = file[cloneBytes + 46 + 3 * k + 1];
        const std::uint8_t high = file[cloneBytes + 46 + 3 * k + 2];
        if (high > 0x7F)
            return notAnImage("block " + std::to_string(k) + " ends at an offset above 32767");
        const int end = low + 256 * high;
        if (end > cloneBytes)
            return notAnImage("the block table points past the end of the clone image at block " +
                              std::to_string(k));
        if (end < previous + 2)
            return notAnImage("the block table's offsets do not increase at block " + std::to_string(k));
        layout.ends.push_back(end);
        previous = end;
    }
    // The block table's length byte, and the radio, allow at most 255 bytes a block.
    for (int k = 0; k <= layout.lastBlock; ++k) {
        if (layout.blockLength(k) > kMaxBlockLength)
            return notAnImage("block " + std::to_string(k) + " is " + std::to_string(layout.blockLength(k)) +
                              " bytes long; a clone block is at most " + std::to_string(kMaxBlockLength));
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
