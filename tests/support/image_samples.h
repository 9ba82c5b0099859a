#pragma once
// Image files shaped like those of real radios, for tests, benchmarks and
// the fuzzer's seed corpus: block layouts, payload fillers and a memory image
// with a few channels set up.

#include "platform/file_access.h"

#include <cstdint>
#include <vector>

namespace ft817::test {

// Payload lengths of an FT-817 (50 blocks, 6609 bytes with number and checksum bytes).
std::vector<int> ft817PayloadLengths();
// Payload lengths of an FT-817ND US (51 blocks, 6753 bytes).
std::vector<int> ft817ndUsPayloadLengths();
// Payload lengths of an FT-818 (50 blocks, 6673 bytes; blocks 3 and 5 hold 208).
std::vector<int> ft818PayloadLengths();

// Payloads of the given lengths filled with a reproducible byte pattern from seed.
std::vector<Bytes> patternPayloads(const std::vector<int>& lengths, std::uint32_t seed);
// Payloads of the given lengths, all zero.
std::vector<Bytes> zeroPayloads(const std::vector<int>& lengths);

// An image file of the payloads: block j numbered j with its checksum, then the trailer.
Bytes imageFileFromPayloads(const std::vector<Bytes>& payloads);

// An FT-817 memory image: VFO B selected, band select 0x2A, band frequencies
// set, current channel 12 (byte 11), channels 1, 12, 13 and 200 active with
// different modes, split, tones and tags; everything else zero.
Bytes sampleMemoryImage();

} // namespace ft817::test
