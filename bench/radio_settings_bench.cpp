// The radio settings window on the simulated FT-817ND (US)'s memory (69
// settings), offscreen: opening it until its first picture is drawn, and one
// change through the history until every control shows the image again.

#include "editor/edit_history.h"
#include "editor/radio_settings_window.h"
#include "image/image_file.h"
#include "image/radio_settings.h"
#include "sim/default_memory.h"

#include "offscreen_application.h"

#include <QApplication>
#include <QPixmap>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace ft817;

std::shared_ptr<EditHistory> radioMemory()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817NDUS);
    auto history = std::make_shared<EditHistory>();
    history->store() = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    return history;
}

void OpenRadioSettings(benchmark::State& state)
{
    bench::offscreenApplication();
    const auto history = radioMemory();
    for (auto _ : state) {
        RadioSettingsWindow window(history);
        window.show();
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(OpenRadioSettings)->Unit(benchmark::kMillisecond);

void OneChangeShownEverywhere(benchmark::State& state)
{
    bench::offscreenApplication();
    const auto history = radioMemory();
    history->stack().setUndoLimit(20);
    RadioSettingsWindow window(history);
    window.show();
    const RadioSetting& speed = *findSetting("cw_speed");
    int value = 0;
    for (auto _ : state)
        history->apply(
            "Set CW speed",
            [&](BlockStore& store) {
                writeSetting(store, speed, SettingValue{value++ % 57, {}});
            },
            nullptr);
}
BENCHMARK(OneChangeShownEverywhere)->Unit(benchmark::kMicrosecond);

} // namespace
