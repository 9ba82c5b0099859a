// The channel list window opened on its Special tab, offscreen, on the
// simulated radio's memory of a US FT-817ND (42 special memories) and of an
// FT-818 (39): from creating the window until its first picture is drawn.
// The window should be up in well under 50 ms.

#include "editor/channel_list_window.h"
#include "editor/edit_history.h"
#include "image/image_file.h"
#include "sim/default_memory.h"

#include "offscreen_application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace ft817;

void OpenOnSpecialTab(benchmark::State& state, sim::Model model)
{
    bench::offscreenApplication();
    const sim::Memory memory = sim::defaultMemory(model);
    const auto history = std::make_shared<EditHistory>();
    history->store() = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    for (auto _ : state) {
        ChannelListWindow list(history);
        list.showSpecialMemories();
        list.show();
        const QPixmap picture = list.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK_CAPTURE(OpenOnSpecialTab, FT817ND_US, sim::Model::FT817NDUS)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenOnSpecialTab, FT818, sim::Model::FT818)->Unit(benchmark::kMillisecond);

} // namespace
