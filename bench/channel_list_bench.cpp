// The channel list window on the simulated radio's memory (200 channels),
// offscreen: opening it until its first picture is drawn, and one cell edit
// until the table has redrawn what changed.

#include "editor/channel_list_window.h"
#include "editor/channel_table_model.h"
#include "editor/edit_history.h"
#include "image/image_file.h"
#include "sim/default_memory.h"

#include "offscreen_application.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace ft817;

BlockStore radioMemory()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

void OpenChannelList(benchmark::State& state)
{
    bench::offscreenApplication();
    const auto history = std::make_shared<EditHistory>();
    history->store() = radioMemory();
    for (auto _ : state) {
        ChannelListWindow list(history);
        list.show();
        const QPixmap picture = list.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(OpenChannelList)->Unit(benchmark::kMillisecond);

void RedrawAfterOneEdit(benchmark::State& state)
{
    QApplication& app = bench::offscreenApplication();
    const auto history = std::make_shared<EditHistory>();
    history->store() = radioMemory();
    ChannelListWindow list(history);
    list.show();
    list.grab();
    app.processEvents();
    QAbstractItemModel* model = list.findChild<QTableView*>("ChannelTable")->model();
    const QModelIndex mode = model->index(1, ChannelTableModel::Mode);
    int value = 0;
    for (auto _ : state) {
        model->setData(mode, value++ % 8);
        app.processEvents(); // the table paints the region that changed
    }
}
BENCHMARK(RedrawAfterOneEdit)->Unit(benchmark::kMillisecond);

} // namespace
