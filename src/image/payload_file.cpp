#include "image/payload_file.h"

#include "image/block_store.h"
#include "image/image_check.h"
#include "platform/file_path.h"
#include "text/text_format.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string_view>

namespace ft817 {
namespace {

// Where a payload file's memory ends and what follows it.
struct PayloadShape {
    const RadioModel* radio = nullptr;
    std::size_t memoryBytes = 0;
    bool hasTrailer = false;
};

bool trailerStartsAt(std::span<const std::uint8_t> file, std::size_t at)
{
    return file.size() >= at + kPayloadTrailerStart.size() &&
           std::equal(kPayloadTrailerStart.begin(), kPayloadTrailerStart.end(), file.begin() + at);
}

// Where the trailer starts in a file of no known payload length, if anywhere.
std::optional<std::size_t> findTrailer(std::span<const std::uint8_t> file)
{
    const auto found =
        std::search(file.begin(), file.end(), kPayloadTrailerStart.begin(), kPayloadTrailerStart.end());
    if (found == file.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - file.begin());
}

// The known radio whose whole memory the file holds, with or without a trailer after it.
std::optional<PayloadShape> payloadShape(std::span<const std::uint8_t> file)
{
    for (const RadioModel& radio : knownRadioModels()) {
        const auto memory = static_cast<std::size_t>(payloadBytes(radio));
        if (file.size() == memory)
            return PayloadShape{&radio, memory, false};
        if (trailerStartsAt(file, memory))
            return PayloadShape{&radio, memory, true};
    }
    return std::nullopt;
}

// Why a file is no payload file of a known radio, by the length of its memory.
std::string lengthProblem(std::span<const std::uint8_t> file)
{
    const std::optional<std::size_t> trailer = findTrailer(file);
    const std::size_t memory = trailer.value_or(file.size());
    return (trailer ? "its memory before the trailer is " : "it is ") + std::to_string(memory) +
           " bytes long, where a payload file holds " + knownPayloadLengths();
}

std::optional<Bytes> decodeBase64(std::span<const std::uint8_t> text)
{
    Bytes decoded;
    unsigned bits = 0;
    int held = 0;
    for (const std::uint8_t c : text) {
        int value = -1;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A';
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            value = c - '0' + 52;
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        else if (c == '=')
            break;
        else if (std::isspace(c))
            continue;
        else
            return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned>(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            decoded.push_back(static_cast<std::uint8_t>((bits >> held) & 0xFF));
        }
    }
    return decoded;
}

// The text value of "model" in the trailer's JSON; empty when it names none.
std::optional<std::string> trailerModel(std::span<const std::uint8_t> afterStart)
{
    const std::optional<Bytes> json = decodeBase64(afterStart);
    if (!json)
        return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(json->data()), json->size());
    std::size_t at = text.find("\"model\"");
    if (at == std::string_view::npos)
        return std::nullopt;
    at = text.find_first_not_of(" \t\r\n", at + 7);
    if (at == std::string_view::npos || text[at] != ':')
        return std::nullopt;
    at = text.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string_view::npos || text[at] != '"')
        return std::nullopt;
    std::string model;
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] == '\\' && at + 1 < text.size())
            ++at;
        model += text[at];
    }
    if (at >= text.size())
        return std::nullopt;
    return model;
}

// A model name from a file as a message shows it: control bytes and bytes
// that are not UTF-8 escaped, at most the first few dozen bytes.
std::string shownModel(std::string_view named)
{
    constexpr std::size_t kShownBytes = 40;
    std::size_t cut = std::min(named.size(), kShownBytes);
    while (cut > 0 && cut < named.size() && (static_cast<unsigned char>(named[cut]) & 0xC0) == 0x80)
        --cut;
    return terminalText(named.substr(0, cut), {}) + (cut < named.size() ? "..." : "");
}

// A model name with only its letters (upper case) and digits: "FT-817ND (US)" -> "FT817NDUS".
std::string bareName(std::string_view name)
{
    std::string bare;
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            bare += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return bare;
}

// Whether a model named in a trailer is this radio. Outside the US the FT-818
// is sold as the FT-818ND.
bool namesRadio(std::string_view named, const RadioModel& radio)
{
    const std::string bare = bareName(named);
    const std::string own = bareName(radio.name);
    return bare == own || (own == "FT818" && bare == "FT818ND");
}

// The clone image of a payload: each block its number byte, payload and checksum.
Bytes cloneImageOf(std::span<const std::uint8_t> memory, const RadioModel& radio)
{
    Bytes image;
    std::size_t at = 0;
    for (int k = 0; k < radio.blockCount(); ++k) {
        const auto payload = memory.subspan(at, static_cast<std::size_t>(radio.payloadLengths[k]));
        image.push_back(static_cast<std::uint8_t>(k));
        image.insert(image.end(), payload.begin(), payload.end());
        image.push_back(BlockStore::checksum(payload));
        at += payload.size();
    }
    return image;
}

// The image with the two pieces of the block the radio split read as one
// block: the clone bytes stay as they are, only the block table changes.
Result<MemoryFile> joinSplitBlock(const Bytes& file, const ImageLayout& layout, const ImageCheck& check)
{
    std::vector<int> lengths;
    for (int k = 0; k <= layout.lastBlock; ++k)
        lengths.push_back(layout.blockLength(k));
    const auto split = static_cast<std::size_t>(check.splitBlock);
    lengths[split] += lengths[split + 1];
    lengths.erase(lengths.begin() + static_cast<long>(split) + 1);
    Result<Bytes> joined =
        buildImageFile(std::span(file).first(static_cast<std::size_t>(layout.cloneBytes())), lengths);
    if (!joined)
        return joined.error();
    Result<ImageLayout> joinedLayout = readImageLayout(*joined);
    if (!joinedLayout)
        return joinedLayout.error();
    return MemoryFile{std::move(*joined), std::move(*joinedLayout), nullptr, notWholeFileReason(check)};
}

} // namespace

std::string knownPayloadLengths()
{
    std::vector<std::string> lengths;
    for (const RadioModel& radio : knownRadioModels()) {
        std::string length = std::to_string(payloadBytes(radio));
        length += lengths.empty() ? " bytes for an " : " for an ";
        length += radio.name;
        lengths.push_back(std::move(length));
    }
    return orList(lengths);
}

std::string MemoryFile::note() const
{
    if (payloadRadio)
        return "read as a payload file of model " + std::string(payloadRadio->name);
    if (!splitBlock.empty())
        return "not a whole memory: " + splitBlock + "; its two pieces are read as one block";
    return {};
}

int payloadBytes(const RadioModel& radio)
{
    return std::accumulate(radio.payloadLengths.begin(), radio.payloadLengths.end(), 0);
}

Result<MemoryFile> imageFromPayloadFile(std::span<const std::uint8_t> file)
{
    const std::optional<PayloadShape> shape = payloadShape(file);
    if (!shape)
        return Error{"not a payload file: " + lengthProblem(file),
                     "A payload file holds the radio's memory bytes back to back, as other programming "
                     "tools save it; its length tells the model."};
    const RadioModel& radio = *shape->radio;
    if (shape->hasTrailer) {
        const auto named = trailerModel(file.subspan(shape->memoryBytes + kPayloadTrailerStart.size()));
        // The name comes from the file: it is shown escaped and cut, never as it is.
        if (named && !namesRadio(*named, radio))
            return Error{"the payload file's trailer names the " + shownModel(*named) + ", but its " +
                             std::to_string(shape->memoryBytes) + " bytes of memory are an " +
                             std::string(radio.name) + "'s",
                         "Nothing was read. The file may have been joined from two radios' files."};
    }

    const Bytes cloneImage = cloneImageOf(file.first(shape->memoryBytes), radio);
    std::vector<int> blockLengths;
    for (const int payload : radio.payloadLengths)
        blockLengths.push_back(payload + 2);
    Result<Bytes> imageFile = buildImageFile(cloneImage, blockLengths);
    if (!imageFile)
        return imageFile.error();
    // Nothing is handed on that is not a whole memory of the model the length names.
    const ImageCheck check = checkImageFile(*imageFile);
    if (!check.wholeMemory() || check.radio->name != radio.name)
        return Error{"the payload file is not a whole memory of an " + std::string(radio.name) + ": " +
                         notWholeReason(check),
                     {}};
    Result<ImageLayout> layout = readImageLayout(*imageFile);
    if (!layout)
        return layout.error();
    return MemoryFile{std::move(*imageFile), std::move(*layout), &radio, {}};
}

Result<MemoryFile> readMemoryBytes(Bytes file)
{
    Result<ImageLayout> layout = readImageLayout(file);
    if (layout) {
        const ImageCheck check = checkImageFile(file);
        if (check.splitBlock < 0)
            return MemoryFile{std::move(file), std::move(*layout), nullptr, {}};
        return joinSplitBlock(file, *layout, check);
    }
    if (file.empty())
        return layout.error();
    if (payloadShape(file) || findTrailer(file))
        return imageFromPayloadFile(file);
    return Error{
        layout.error().message + "; nor a payload file: " + lengthProblem(file),
        layout.error().detail +
            " A payload file of another programming tool holds the radio's memory bytes back to back."};
}

Result<MemoryFile> readMemoryFile(const std::string& path)
{
    Result<Bytes> file = readImageFileBytes(path);
    if (!file)
        return file.error();
    return readMemoryBytes(std::move(*file));
}

std::string imagePathBeside(const std::string& payloadPath)
{
    const std::filesystem::path path = fileSystemPath(payloadPath);
    const std::string extension = utf8Path(path.extension());
    const std::string base = payloadPath.substr(0, payloadPath.size() - extension.size());
    std::string name = base + ".bin";
    std::error_code error;
    for (int n = 2; std::filesystem::exists(fileSystemPath(name), error); ++n)
        name = base + "-" + std::to_string(n) + ".bin";
    return name;
}

Result<Bytes> payloadFileFromImage(std::span<const std::uint8_t> imageFile, bool acceptDamage)
{
    const Result<ImageLayout> layout = readImageLayout(imageFile);
    if (!layout)
        return layout.error();
    const ImageCheck check = checkImageFile(imageFile);
    if (acceptDamage ? !check.wellShaped() : !check.wholeMemory())
        return Error{"not a whole memory of a known radio: " + notWholeReason(check),
                     "Only a whole memory can be written as a payload file: other programming tools tell "
                     "the model by the file's length."};
    Bytes payloads;
    for (int k = 0; k <= layout->lastBlock; ++k) {
        const auto start = imageFile.begin() + layout->blockStart(k);
        payloads.insert(payloads.end(), start + 1, start + layout->blockLength(k) - 1);
    }
    return payloads;
}

} // namespace ft817
