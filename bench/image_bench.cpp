// Loading a full FT-817 image (50 blocks, 6609 bytes) into the block store
// and decoding all 200 memory channels, as Edit and `show` do.

#include "exchange/memory_report.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/memory_map.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ft817;

Bytes ft817ImageFile()
{
    std::vector<int> lengths = {2, 40, 208, 182, 208, 182, 198, 53};
    lengths.insert(lengths.end(), 40, 130);
    lengths.push_back(118);
    lengths.push_back(118);
    std::vector<Bytes> payloads;
    std::uint32_t state = 817;
    for (int length : lengths) {
        Bytes payload(static_cast<std::size_t>(length));
        for (auto& b : payload) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<std::uint8_t>(state >> 24);
        }
        payloads.push_back(std::move(payload));
    }
    return *BlockStore::fromPayloads(payloads)->toImageFile();
}

std::uint64_t decodeAllChannels(const BlockStore& store)
{
    std::uint64_t sum = 0;
    for (int n = 0; n < kChannelCount; ++n) {
        const auto record = ChannelRecordView::forChannel(store, n);
        sum += record.rxFrequency() + record.txFrequency() + static_cast<std::uint64_t>(record.mode()) +
               static_cast<std::uint64_t>(record.txMode()) + static_cast<std::uint64_t>(record.toneMode()) +
               static_cast<std::uint64_t>(record.toneNumber()) +
               static_cast<std::uint64_t>(record.dcsNumber()) + record.split() + record.tagOn() +
               isChannelActive(store, n) + record.tag()[0];
    }
    return sum;
}

void BM_LoadImage(benchmark::State& state)
{
    const Bytes file = ft817ImageFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(BlockStore::load(file));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_LoadImage);

void BM_DecodeAllChannels(benchmark::State& state)
{
    const BlockStore store = *BlockStore::load(ft817ImageFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeAllChannels(store));
}
BENCHMARK(BM_DecodeAllChannels);

void BM_LoadAndDecodeAllChannels(benchmark::State& state)
{
    const Bytes file = ft817ImageFile();
    for (auto _ : state) {
        auto store = BlockStore::load(file);
        benchmark::DoNotOptimize(decodeAllChannels(*store));
    }
}
BENCHMARK(BM_LoadAndDecodeAllChannels);

void BM_SaveImage(benchmark::State& state)
{
    const BlockStore store = *BlockStore::load(ft817ImageFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(store.toImageFile());
}
BENCHMARK(BM_SaveImage);

void BM_MemoryJson(benchmark::State& state)
{
    const BlockStore store = *BlockStore::load(ft817ImageFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(memoryJson(store));
}
BENCHMARK(BM_MemoryJson);

} // namespace
