// Every path of the tool that sends CAT bytes, run against a scripted radio:
// every byte sent belongs to a five-byte command whose opcode is allowed.
#include "cat_protocol/calibration_backup.h"
#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "cat_protocol/cat_sender.h"
#include "cat_protocol/cat_text.h"
#include "cat_protocol/channel_tuning.h"

#include "image/channel_record.h"
#include "image/memory_map.h"
#include "support/fake_cat_radio.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

void expectOnlyAllowedCommands(const test::FakeSerialPort& port)
{
    const test::ByteList bytes = port.writtenBytes();
    ASSERT_EQ(bytes.size() % 5, 0u);
    ASSERT_FALSE(bytes.empty());
    for (std::size_t at = 4; at < bytes.size(); at += 5)
        EXPECT_TRUE(isAllowedCatOpcode(bytes[at]))
            << "opcode 0x" << std::hex << int(bytes[at]) << " at " << at;
}

TEST(CatAllowlist, EverySendingPathSendsOnlyAllowedOpcodes)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);

    // The CAT window's command, from every length of text it sends.
    for (const char* text : {"43970", "4397000", "43970000", "99999999"}) {
        const CatTextReading build = readCatText(text);
        ASSERT_TRUE(build.command);
        const Result<int> sent = sendInStep(port, clock, *build.command, 0, 9600);
        // 999.99999 MHz is nothing the radio tunes: it keeps its VFO, and the read back says so.
        EXPECT_EQ(sent.ok(), std::string(text) != "99999999");
    }
    // Finding the rate, the calibration backup, and taking the VFO.
    const Result<CalibrationRead> backup = readCalibration(port, clock, {});
    ASSERT_TRUE(backup) << backup.error().full();
    {
        CatLink link(port, clock);
        ASSERT_TRUE(link.open(9600));
        ASSERT_TRUE(link.exchange(readFrequencyAndModeCommand()));
        ASSERT_TRUE(link.exchange(readReceiveStatusCommand()));
    }
    // Tuning every channel with every shift and tone mode.
    auto store = BlockStore::load(test::sampleMemoryImage());
    ASSERT_TRUE(store);
    CatLink link(port, clock);
    ASSERT_TRUE(link.open(9600));
    for (int channel = 0; channel < kChannelCount; ++channel) {
        ChannelRecord record = ChannelRecord::forChannel(*store, channel);
        record.setShift(static_cast<Shift>(channel % 4));
        record.setToneMode(static_cast<ToneMode>(channel / 4 % 4));
        record.setToneNumber(static_cast<std::uint8_t>(channel));
        record.setDcsNumber(static_cast<std::uint8_t>(channel));
        record.setMode(channel % 8);
        for (const CatCommand& command : tuneCommands(*store, channel))
            ASSERT_TRUE(link.exchange(command));
    }
    link.close();
    expectOnlyAllowedCommands(port);
    // All but the rate probe at 4800, which the radio (at 9600) could not make out.
    EXPECT_EQ(port.writtenBytes().size() / 5, radio.commands().size() + 1);
}

} // namespace
} // namespace ft817
