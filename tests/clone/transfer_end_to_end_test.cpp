// Download and upload in real time through the real serial port code, with
// the simulated radio at the far end of a pseudo-terminal.

#include "clone/download.h"
#include "clone/upload.h"
#include "clone_test_image.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
#include "recording_sink.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/eventually.h"
#include "support/temp_dir.h"
#include "transfer_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace ft817::test {
namespace {

TEST_F(TransferEndToEnd, SmallDownloadOnAPacedLine)
{
    const auto blocks = makeBlocks({10, 60, 25});
    startRadio(radioWith(sim::Mode::Send, blocks));
    QtSerialPort port(radio->devicePath());

    const TransferReport report = download(port, clock, path, sink, history);

    ASSERT_TRUE(report.complete) << report.reason << "\n" << report.detail;
    EXPECT_EQ(report.statusText, " 95  3");
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(radio->acknowledgementsReceived(), 3);
}

TEST_F(TransferEndToEnd, SmallUploadOnAPacedLine)
{
    const auto blocks = makeBlocks({10, 60, 25});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    startRadio(radioWith(sim::Mode::Receive, blocks));
    QtSerialPort port(radio->devicePath());

    const TransferReport report = upload(port, clock, path, sink, UploadLayout::AnyLayout);

    ASSERT_TRUE(report.complete) << report.reason << "\n" << report.detail;
    EXPECT_EQ(report.statusText, " 94  95");
    EXPECT_TRUE(radio->waitForTransfers(1, 5.0));
    EXPECT_EQ(radio->receivedImage(), joined(blocks));
}

TEST_F(TransferEndToEnd, FullImageDownloadedAndUploadedAgainIsByteIdentical)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    ASSERT_EQ(memory.image.size(), 6609u);
    ASSERT_EQ(memory.blockLengths.size(), 50u);
    sim::RadioOptions sending;
    sending.mode = sim::Mode::Send;
    sending.pacing = false; // the line's pace is covered above; this checks every byte
    sending.startDelay = 0.25;
    startRadio(sending);
    {
        QtSerialPort port(radio->devicePath());
        const TransferReport report = download(port, clock, path, sink, history);
        ASSERT_TRUE(report.complete) << report.reason << "\n" << report.detail;
        EXPECT_EQ(report.statusText, " 6609  50");
    }
    radio.reset();

    sim::RadioOptions receiving;
    receiving.mode = sim::Mode::Receive;
    receiving.pacing = false;
    startRadio(receiving);
    QtSerialPort port(radio->devicePath());
    const TransferReport report = upload(port, clock, path, sink, UploadLayout::AnyLayout);

    ASSERT_TRUE(report.complete) << report.reason << "\n" << report.detail;
    EXPECT_EQ(report.statusText, " 6608  6609");
    ASSERT_TRUE(radio->waitForTransfers(1, 5.0));
    EXPECT_EQ(radio->receivedImage(), memory.image);
}

TEST_F(TransferEndToEnd, PortVanishingMidDownloadStopsWithAReason)
{
    auto options = radioWith(sim::Mode::Send, makeBlocks({20, 200, 20}));
    options.pacing = false;
    options.faults.hangUpInBlock = 1;
    startRadio(options);
    QtSerialPort port(radio->devicePath());

    const TransferReport report = download(port, clock, path, sink, history);

    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("download stopped: the connection to"), std::string::npos) << report.reason;
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(TransferEndToEnd, PortVanishingMidUploadStopsWithAReason)
{
    const auto blocks = makeBlocks({20, 200, 20});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    auto options = radioWith(sim::Mode::Receive, blocks);
    options.pacing = false;
    options.faults.hangUpInBlock = 1;
    startRadio(options);
    QtSerialPort port(radio->devicePath());

    const TransferReport report = upload(port, clock, path, sink, UploadLayout::AnyLayout);

    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("upload stopped: the connection to"), std::string::npos) << report.reason;
    EXPECT_FALSE(port.isOpen());
}

// A radio that answers every block twice and then stops taking blocks is
// reported at the block where it stopped, in both timings: an answer that
// waited from an earlier block never counts for the next.
TEST_F(TransferEndToEnd, DoubleAcknowledgementsNeverCountForALaterBlock)
{
    const auto blocks = makeBlocks({10, 20, 20, 20, 20, 20});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    for (const TransferTiming timing : {TransferTiming::Standard, TransferTiming::Fast}) {
        auto options = radioWith(sim::Mode::Receive, blocks);
        options.faults.doubleAcknowledge = true;
        options.faults.stopAfterBlock = 2;
        startRadio(options);
        QtSerialPort port(radio->devicePath());

        const TransferReport report = upload(port, clock, path, sink, UploadLayout::AnyLayout, timing);

        EXPECT_FALSE(report.complete);
        EXPECT_EQ(report.reason, "the radio did not acknowledge block 3 within 3 s");
        EXPECT_EQ(report.blocks, 3);
        radio.reset();
    }
}

// A block that arrived damaged is saved and flagged; uploading that file is
// then refused unless asked for.
TEST_F(TransferEndToEnd, ADamagedBlockIsSavedFlaggedAndNotUploadedUnasked)
{
    // The radio's own memory (no blocks given).
    auto sending = radioWith(sim::Mode::Send, {});
    sending.pacing = false;
    sending.faults.damageBlock = 8;
    startRadio(sending);
    {
        QtSerialPort port(radio->devicePath());
        const TransferReport report = download(port, clock, path, sink, history, TransferTiming::Fast);
        ASSERT_TRUE(report.complete) << report.reason;
        EXPECT_EQ(report.notWholeMemory, "block 8 arrived damaged: its checksum does not match");
    }
    radio.reset();

    auto receiving = radioWith(sim::Mode::Receive, {});
    startRadio(receiving);
    QtSerialPort port(radio->devicePath());
    const TransferReport report = upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly);
    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("the stored checksum of block 8 does not match"), std::string::npos)
        << report.reason;
    EXPECT_EQ(radio->portOpens(), 0);
}

// A US radio that pauses before its last block has sent an FT-817ND's 50
// blocks: its memory says it is a US radio's, so they are not saved as a whole
// FT-817ND; and an upload of an FT-817ND's memory says a US radio has not taken it.
TEST_F(TransferEndToEnd, AUsRadioPausingBeforeItsLastBlockIsNotTakenForAShorterModel)
{
    auto sending = radioWith(sim::Mode::Send, {});
    sending.model = sim::Model::FT817NDUS;
    sending.pacing = false;
    sending.faults.pauseBeforeBlock = 50;
    sending.faults.pauseSeconds = 1.0;
    startRadio(sending);
    {
        QtSerialPort port(radio->devicePath());
        const TransferReport report = download(port, clock, path, sink, history, TransferTiming::Fast);
        EXPECT_EQ(report.blocks, 50);
        EXPECT_NE(report.notWholeMemory.find("the memory is an FT-817ND (US)'s"), std::string::npos)
            << report.notWholeMemory;
    }
    radio.reset();

    const sim::Memory nd = sim::defaultMemory(sim::Model::FT817ND);
    ASSERT_TRUE(writeWholeFile(path, *buildImageFile(nd.image, nd.blockLengths)));
    auto receiving = radioWith(sim::Mode::Receive, {});
    receiving.model = sim::Model::FT817NDUS;
    receiving.pacing = false;
    startRadio(receiving);
    QtSerialPort port(radio->devicePath());
    const TransferReport report = upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly);
    EXPECT_EQ(radio->transfersCompleted(), 0);
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_NE(report.notes[0].find("an FT-817ND (US) has not taken it"), std::string::npos)
        << report.notes[0];
}

// Every block arrived and was acknowledged; the line then dropped while the
// tool waited for a block that might still follow. What arrived is kept.
TEST_F(TransferEndToEnd, AWholeMemoryIsKeptWhenTheLineDropsDuringTheEndWait)
{
    for (const TransferTiming timing : {TransferTiming::Standard, TransferTiming::Fast}) {
        auto options = radioWith(sim::Mode::Send, {});
        options.pacing = false;
        options.faults.hangUpAtEnd = true;
        startRadio(options);
        std::filesystem::remove(path);
        QtSerialPort port(radio->devicePath());

        const TransferReport report = download(port, clock, path, sink, history, timing);

        ASSERT_TRUE(report.complete) << report.reason << "\n" << report.detail;
        EXPECT_EQ(report.notWholeMemory, "");
        EXPECT_EQ(report.statusText, " 6609  50");
        const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
        EXPECT_EQ(*readWholeFile(path), *buildImageFile(memory.image, memory.blockLengths));
        EXPECT_TRUE(eventually([&] { return radio->hangUps() == 1; }, 2.0)) << radio->hangUps();
        radio.reset();
    }
}

} // namespace
} // namespace ft817::test
