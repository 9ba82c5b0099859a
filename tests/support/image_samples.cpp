#include "image_samples.h"

#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"

#include <stdexcept>

namespace ft817::test {

std::vector<int> ft817PayloadLengths()
{
    std::vector<int> lengths = {2, 40, 208, 182, 208, 182, 198, 53};
    lengths.insert(lengths.end(), 40, 130);
    lengths.push_back(118);
    lengths.push_back(118);
    return lengths;
}

std::vector<int> ft817ndUsPayloadLengths()
{
    std::vector<int> lengths = ft817PayloadLengths();
    lengths.back() = 130;   // the FT-817ND's last block
    lengths.push_back(130); // and one more on US radios
    return lengths;
}

std::vector<int> ft818PayloadLengths()
{
    std::vector<int> lengths = ft817PayloadLengths();
    lengths[3] = 208;
    lengths[5] = 208;
    lengths.back() = 130;
    return lengths;
}

std::vector<Bytes> patternPayloads(const std::vector<int>& lengths, std::uint32_t seed)
{
    std::uint32_t state = seed * 2654435761u + 1;
    std::vector<Bytes> payloads;
    for (int length : lengths) {
        Bytes payload(static_cast<std::size_t>(length));
        for (auto& b : payload) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<std::uint8_t>(state >> 24);
        }
        payloads.push_back(std::move(payload));
    }
    return payloads;
}

std::vector<Bytes> zeroPayloads(const std::vector<int>& lengths)
{
    std::vector<Bytes> payloads;
    for (int length : lengths)
        payloads.emplace_back(static_cast<std::size_t>(length), std::uint8_t{0});
    return payloads;
}

Bytes imageFileFromPayloads(const std::vector<Bytes>& payloads)
{
    Bytes image;
    std::vector<int> lengths;
    for (std::size_t j = 0; j < payloads.size(); ++j) {
        image.push_back(static_cast<std::uint8_t>(j));
        image.insert(image.end(), payloads[j].begin(), payloads[j].end());
        image.push_back(BlockStore::checksum(payloads[j]));
        lengths.push_back(static_cast<int>(payloads[j].size()) + 2);
    }
    auto file = buildImageFile(image, lengths);
    if (!file)
        throw std::runtime_error(file.error().message);
    return *file;
}

Bytes sampleMemoryImage()
{
    const auto payloads = zeroPayloads(ft817PayloadLengths());
    auto store = BlockStore::fromPayloads(payloads);
    if (!store)
        throw std::runtime_error(store.error().message);
    BlockStore& s = *store;

    selectVfo(s, Vfo::B);
    s.setByte(kBandSelectByte.index, kBandSelectByte.block, 0x2A);
    for (int i = 0; i < kBandCount; ++i) {
        for (Vfo vfo : {Vfo::A, Vfo::B}) {
            ChannelRecord band(s, bandLocation(vfo, i));
            band.setRxFrequency(static_cast<std::uint32_t>(180000 + 100000 * i + (vfo == Vfo::B ? 5 : 0)));
        }
    }
    setCurrentChannel(s, 11);

    // Channel 1: 7 MHz FM, no tone, no tag.
    setChannelActive(s, 0, true);
    auto one = ChannelRecord::forChannel(s, 0);
    one.setMode(5);
    one.setRxFrequency(700000);

    // Channel 12: 145.500 MHz FM, minus shift 600 kHz as a radio stores it, tone 8, tag on.
    setChannelActive(s, 11, true);
    auto twelve = ChannelRecord::forChannel(s, 11);
    twelve.setByte(0, 0xC5);
    twelve.setByte(1, 0x64);
    twelve.setRxFrequency(14550000);
    twelve.setTxFrequency(60000);
    twelve.setToneMode(ToneMode::Tone);
    twelve.setToneNumber(8);
    twelve.setTag("RPT 2m");

    // Channel 13: split 14.200 / 14.250 USB/CW, DCS 23.
    setChannelActive(s, 12, true);
    auto thirteen = ChannelRecord::forChannel(s, 12);
    thirteen.setMode(1);
    thirteen.setSplit(true);
    thirteen.setRxFrequency(1420000);
    thirteen.setTxFrequency(1425000);
    thirteen.setTxMode(2);
    thirteen.setToneMode(ToneMode::Dcs);
    thirteen.setDcsNumber(23);

    // Channel 200: top of the range, a Latin-1 tag shown with both flags.
    setChannelActive(s, 199, true);
    auto last = ChannelRecord::forChannel(s, 199);
    last.setByte(0, 0xC7);
    last.setRxFrequency(4294967295u);
    last.setToneMode(ToneMode::Mute);
    last.setToneNumber(49);
    last.setTag("Caf\xE9\"\\");

    auto file = s.toImageFile();
    if (!file)
        throw std::runtime_error(file.error().message);
    return *file;
}

} // namespace ft817::test
