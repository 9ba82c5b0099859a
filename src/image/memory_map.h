#pragma once
// Where the radio keeps its settings in a loaded clone image (a BlockStore of
// at least 48 blocks, as BlockStore::load guarantees):
// - block 1 index 1 bit 0: VFO select (0 = VFO A, 1 = VFO B);
// - block 1 index 5: band select, low half VFO A, high half VFO B (a band
//   record of that VFO; 15 on a model with 15 band records means none);
// - blocks 2/3 (VFO A) and 4/5 (VFO B): 15 band records per VFO (16 on the
//   FT-818 family), 26 bytes each, eight in the first block, the receive
//   frequency at record bytes 10..13 (big-endian, 10 Hz);
// - block 7 index 1: current channel (0..199; US radios hold 200 and above
//   while a 60 m memory is selected);
// - block 7 indices 2..26: active bitmap; indices 28..52: second bitmap
//   (the radio keeps it there; index 27 and 53 belong to neither and are
//   carried unchanged);
// - blocks 8..47: the 200 memory channel records, five to a block.
// Channel numbers n are 0..199 (the user sees n + 1); band numbers 0..14, or
// 0..15 on a model with 16 band records (vfoBandCount).

#include "image/block_store.h"

#include <cstdint>
#include <string>

namespace ft817 {

inline constexpr int kChannelCount = 200;
inline constexpr int kBandCount = 15;
inline constexpr int kRecordSize = 26;

enum class Vfo { A, B };

// A byte of the store: (block, index within block).
struct Location {
    int block = 0;
    int index = 0;
    friend bool operator==(const Location&, const Location&) = default;
};

// One bit of the store: the byte's location and the bit's mask (a single bit set).
struct BitLocation {
    int block = 0;
    int index = 0;
    std::uint8_t mask = 0;
    friend bool operator==(const BitLocation&, const BitLocation&) = default;
};

inline constexpr Location kVfoSelectByte{1, 1};
inline constexpr Location kBandSelectByte{1, 5};
inline constexpr Location kCurrentChannelByte{7, 1};

// Payload bytes of a block that the memory map reads (0 for blocks it does
// not read): 5 in block 1, the band records' 208 or 182 in blocks 2..5, the
// bitmaps' 52 in block 7, five records' 130 in blocks 8..47.
int memoryMapPayloadNeeded(int block);

// Byte 0 of memory channel n's record: block 8 + n/5, index 1 + 26*(n%5). n must be 0..199.
Location channelLocation(int channel);
// Byte 0 of band record i (0..15) of a VFO: blocks 2/3 (A) or 4/5 (B).
Location bandLocation(Vfo vfo, int band);
// Channel n's bit in the active bitmap: block 7, index 2 + n/8, bit n%8.
BitLocation activeBitLocation(int channel);
// Channel n's bit in the second bitmap: block 7, index 28 + n/8, bit n%8.
BitLocation secondBitLocation(int channel);

// The selected VFO (bit 0 of the VFO select byte).
Vfo selectedVfo(const BlockStore& store);
// The VFO's letter as the radio shows it: "A" or "B".
std::string vfoName(Vfo vfo);
// Selects a VFO by setting or clearing bit 0 of the VFO select byte only.
void selectVfo(BlockStore& store, Vfo vfo);

// The band records each VFO has in this image: its model's count (15 or 16),
// 15 for a layout of no known model.
int vfoBandCount(const BlockStore& store);
// The band number half of the band select byte for a VFO, as stored (0..15).
int bandSelectValue(const BlockStore& store, Vfo vfo);
// The selected band of a VFO, or -1 when the byte names no band record (15 on a
// model with 15 band records).
int selectedBand(const BlockStore& store, Vfo vfo);
// Receive frequency of band record i (0..15) of a VFO, in 10 Hz units.
std::uint32_t bandFrequency(const BlockStore& store, Vfo vfo, int band);

// The current-channel byte as stored (0..255).
int currentChannelByte(const BlockStore& store);
// The channel the editor opens on: the current-channel byte when it is
// 0..199, otherwise 0 (channel 1). The byte itself is not changed.
int shownChannel(const BlockStore& store);
// Writes n (0..199) into the current-channel byte.
void setCurrentChannel(BlockStore& store, int channel);

// True when channel n's bit in the active bitmap is set.
bool isChannelActive(const BlockStore& store, int channel);
// True when channel n's bit in the second bitmap is set.
bool isSecondBitSet(const BlockStore& store, int channel);
// Sets or clears channel n's bit in both bitmaps; every other bit stays.
void setChannelActive(BlockStore& store, int channel, bool active);

} // namespace ft817
