// Fast download and fast upload of each of the five memory layouts, in real
// time through the real serial port code, against simulated radios that keep
// a real radio's timing on a 9600-baud line. The five radios run side by side,
// each transfer on a thread of its own, so the whole check takes one
// transfer's time.

#include "clone/download.h"
#include "clone/upload.h"
#include "clone_test_image.h"
#include "image/radio_model.h"
#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
#include "recording_sink.h"
#include "sim/simulated_radio.h"
#include "support/temp_dir.h"

#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace ft817::test {
namespace {

// One layout's radio, its image and the transfer's outcome.
struct LayoutRun {
    const RadioModel* layout = nullptr;
    std::vector<ByteList> blocks;
    std::string path;
    std::unique_ptr<sim::SimulatedRadio> radio;
    TransferReport report;
};

std::vector<ByteList> blocksOf(const RadioModel& layout)
{
    std::vector<int> lengths;
    for (int payload : layout.payloadLengths)
        lengths.push_back(payload + 2);
    return makeBlocks(lengths);
}

class FastTransferEndToEnd : public testing::Test {
protected:
    // A radio for every known layout, in the given mode, with the real radio's
    // timing: 0.5 s to the first block, 20 ms to the next, 20 ms to answer.
    void startRadios(sim::Mode mode)
    {
        for (const RadioModel& layout : knownRadioModels()) {
            LayoutRun run;
            run.layout = &layout;
            run.blocks = blocksOf(layout);
            run.path = dir.file(std::to_string(runs.size()) + ".bin");
            sim::RadioOptions options;
            options.mode = mode;
            options.image = joined(run.blocks);
            options.blockLengths = lengthsOf(run.blocks);
            run.radio = std::make_unique<sim::SimulatedRadio>(options);
            const Status started = run.radio->start();
            ASSERT_TRUE(started) << started.error().full();
            runs.push_back(std::move(run));
        }
    }

    // Runs the transfer for every radio at once and waits for them all.
    template <class Transfer> void transferAll(Transfer transfer)
    {
        std::vector<std::unique_ptr<QThread>> threads;
        for (LayoutRun& run : runs) {
            threads.emplace_back(QThread::create([&run, transfer] {
                QtSerialPort port(run.radio->devicePath());
                SteadyClock clock;
                QuietSink sink;
                run.report = transfer(port, clock, run.path, sink);
            }));
            threads.back()->start();
        }
        for (const auto& thread : threads)
            ASSERT_TRUE(thread->wait(60000));
    }

    TempDir dir;
    std::vector<LayoutRun> runs;
};

TEST_F(FastTransferEndToEnd, FastDownloadOfEveryLayoutIsByteExact)
{
    startRadios(sim::Mode::Send);
    transferAll([](SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink) {
        return download(port, clock, path, sink, ImageHistory(path + ".history"), TransferTiming::Fast);
    });

    for (const LayoutRun& run : runs) {
        SCOPED_TRACE(std::string(run.layout->name));
        ASSERT_TRUE(run.report.complete) << run.report.reason << "\n" << run.report.detail;
        EXPECT_EQ(run.report.blocks, run.layout->blockCount());
        EXPECT_EQ(run.report.bytes, run.layout->cloneBytes());
        EXPECT_EQ(*readWholeFile(run.path), imageFileOf(run.blocks));
        EXPECT_EQ(run.radio->acknowledgementsReceived(), run.layout->blockCount());
    }
}

TEST_F(FastTransferEndToEnd, FastUploadOfEveryLayoutIsByteExact)
{
    startRadios(sim::Mode::Receive);
    for (const LayoutRun& run : runs)
        ASSERT_TRUE(writeWholeFile(run.path, imageFileOf(run.blocks)));
    // The patterned records hold frequencies no radio tunes: sent as asked.
    transferAll([](SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink) {
        return upload(port, clock, path, sink, UploadLayout::AnyLayout, TransferTiming::Fast);
    });

    for (const LayoutRun& run : runs) {
        SCOPED_TRACE(std::string(run.layout->name));
        ASSERT_TRUE(run.report.complete) << run.report.reason << "\n" << run.report.detail;
        EXPECT_EQ(run.report.blocks, run.layout->blockCount());
        ASSERT_TRUE(run.radio->waitForTransfers(1, 5.0));
        EXPECT_EQ(run.radio->receivedImage(), joined(run.blocks));
    }
}

} // namespace
} // namespace ft817::test
