#include "image/memory_map.h"

#include "image/image_check.h"

namespace ft817 {

namespace {

// First block of a VFO's band records; the second holds bands 8..14.
int firstBandBlock(Vfo vfo)
{
    return vfo == Vfo::A ? 2 : 4;
}

constexpr int kBitmapBlock = 7;
constexpr int kActiveBitmapIndex = 2;
constexpr int kSecondBitmapIndex = 28;

bool isSet(const BlockStore& store, BitLocation where)
{
    return (store.byte(where.index, where.block) & where.mask) != 0;
}

void put(BlockStore& store, BitLocation where, bool on)
{
    store.setBits(where.index, where.block, where.mask, on ? where.mask : 0);
}

} // namespace

int memoryMapPayloadNeeded(int block)
{
    switch (block) {
    case 1:
        return kBandSelectByte.index;
    case 2:
    case 4:
        return 8 * kRecordSize;
    case 3:
    case 5:
        return 7 * kRecordSize;
    case kBitmapBlock:
        return kSecondBitmapIndex + (kChannelCount - 1) / 8;
    default:
        return block >= 8 && block < 8 + kChannelCount / 5 ? 5 * kRecordSize : 0;
    }
}

Location channelLocation(int channel)
{
    return Location{8 + channel / 5, 1 + kRecordSize * (channel % 5)};
}

Location bandLocation(Vfo vfo, int band)
{
    if (band <= 7)
        return Location{firstBandBlock(vfo), 1 + kRecordSize * band};
    return Location{firstBandBlock(vfo) + 1, 1 + kRecordSize * (band - 8)};
}

BitLocation activeBitLocation(int channel)
{
    return BitLocation{kBitmapBlock, kActiveBitmapIndex + channel / 8,
                       static_cast<std::uint8_t>(1u << (channel % 8))};
}

BitLocation secondBitLocation(int channel)
{
    return BitLocation{kBitmapBlock, kSecondBitmapIndex + channel / 8,
                       static_cast<std::uint8_t>(1u << (channel % 8))};
}

std::string vfoName(Vfo vfo)
{
    return vfo == Vfo::A ? "A" : "B";
}

Vfo selectedVfo(const BlockStore& store)
{
    return store.bit(kVfoSelectByte.index, kVfoSelectByte.block, 0) ? Vfo::B : Vfo::A;
}

void selectVfo(BlockStore& store, Vfo vfo)
{
    store.setBit(kVfoSelectByte.index, kVfoSelectByte.block, 0, vfo == Vfo::B);
}

int bandSelectValue(const BlockStore& store, Vfo vfo)
{
    const std::uint8_t b = store.byte(kBandSelectByte.index, kBandSelectByte.block);
    return vfo == Vfo::A ? (b & 0x0F) : (b >> 4);
}

int vfoBandCount(const BlockStore& store)
{
    const RadioModel* model = radioOf(store);
    return model ? model->vfoBandRecords : kBandCount;
}

int selectedBand(const BlockStore& store, Vfo vfo)
{
    const int value = bandSelectValue(store, vfo);
    return value < vfoBandCount(store) ? value : -1;
}

std::uint32_t bandFrequency(const BlockStore& store, Vfo vfo, int band)
{
    const Location where = bandLocation(vfo, band);
    std::uint32_t value = 0;
    for (int k = 10; k <= 13; ++k)
        value = (value << 8) | store.byte(where.index + k, where.block);
    return value;
}

int currentChannelByte(const BlockStore& store)
{
    return store.byte(kCurrentChannelByte.index, kCurrentChannelByte.block);
}

int shownChannel(const BlockStore& store)
{
    const int value = currentChannelByte(store);
    return value < kChannelCount ? value : 0;
}

void setCurrentChannel(BlockStore& store, int channel)
{
    store.setByte(kCurrentChannelByte.index, kCurrentChannelByte.block, static_cast<std::uint8_t>(channel));
}

bool isChannelActive(const BlockStore& store, int channel)
{
    return isSet(store, activeBitLocation(channel));
}

bool isSecondBitSet(const BlockStore& store, int channel)
{
    return isSet(store, secondBitLocation(channel));
}

void setChannelActive(BlockStore& store, int channel, bool active)
{
    put(store, activeBitLocation(channel), active);
    put(store, secondBitLocation(channel), active);
}

} // namespace ft817
