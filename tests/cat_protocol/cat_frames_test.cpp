// Every CAT command's five bytes against the radio's documented examples,
// the guard that refuses every other opcode, and the link's reads.
#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "cat_protocol/cat_sender.h"

#include "support/fake_cat_radio.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(CatCommandHex, UpperCaseBytesInSendingOrder)
{
    EXPECT_EQ(catCommandHex({0x43, 0x97, 0x00, 0x00, 0x01}), "43 97 00 00 01");
    EXPECT_EQ(catCommandHex({0xAB, 0x0C, 0xFF, 0x10, 0x01}), "AB 0C FF 10 01");
}

TEST(CatCommands, EachCommandBuildsTheDocumentedBytes)
{
    const struct {
        CatCommand built;
        const char* hex;
    } cases[] = {
        {setFrequencyCommand(43'970'000), "43 97 00 00 01"},
        {setFrequencyCommand(14'561'250), "14 56 12 50 01"},
        {readFrequencyAndModeCommand(), "E7 E7 E7 E7 03"},
        {setModeCommand(CatMode::Lsb), "00 00 00 00 07"},
        {setModeCommand(CatMode::Usb), "01 00 00 00 07"},
        {setModeCommand(CatMode::Cw), "02 00 00 00 07"},
        {setModeCommand(CatMode::Cwr), "03 00 00 00 07"},
        {setModeCommand(CatMode::Am), "04 00 00 00 07"},
        {setModeCommand(CatMode::Fm), "08 00 00 00 07"},
        {setModeCommand(CatMode::Dig), "0A 00 00 00 07"},
        {setModeCommand(CatMode::Pkt), "0C 00 00 00 07"},
        {repeaterShiftCommand(CatShift::Minus), "09 00 00 00 09"},
        {repeaterShiftCommand(CatShift::Plus), "49 00 00 00 09"},
        {repeaterShiftCommand(CatShift::Simplex), "89 00 00 00 09"},
        {repeaterOffsetCommand(60'000), "00 06 00 00 F9"},
        {toneModeCommand(CatToneMode::Dcs), "0A 00 00 00 0A"},
        {toneModeCommand(CatToneMode::Ctcss), "2A 00 00 00 0A"},
        {toneModeCommand(CatToneMode::CtcssEncoder), "4A 00 00 00 0A"},
        {toneModeCommand(CatToneMode::Off), "8A 00 00 00 0A"},
        {ctcssTonesCommand(885, 885), "08 85 08 85 0B"},
        {ctcssTonesCommand(1230, 670), "12 30 06 70 0B"},
        {dcsCodesCommand(23, 23), "00 23 00 23 0C"},
        {dcsCodesCommand(754, 23), "07 54 00 23 0C"},
        {readReceiveStatusCommand(), "E7 E7 E7 E7 E7"},
        {readEepromCommand(0x0054), "00 54 00 00 BB"},
        {readEepromCommand(0x1F42), "1F 42 00 00 BB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catCommandHex(c.built), c.hex) << describeCatCommand(c.built);
}

TEST(CatCommands, ModeBytesAndFrequenciesReadBack)
{
    for (const CatMode mode : {CatMode::Lsb, CatMode::Usb, CatMode::Cw, CatMode::Cwr, CatMode::Am,
                               CatMode::Fm, CatMode::Dig, CatMode::Pkt})
        EXPECT_EQ(catModeFromByte(catModeByte(mode)), mode);
    for (const std::uint8_t stranger : {0x05, 0x06, 0x09, 0x0B, 0x0D, 0x88, 0xFF})
        EXPECT_FALSE(catModeFromByte(stranger)) << int(stranger);
    const std::uint8_t good[4] = {0x43, 0x97, 0x00, 0x01};
    EXPECT_EQ(catFrequencyFromBcd(good), 43'970'001u);
    const std::uint8_t bad[4] = {0x4A, 0x97, 0x00, 0x01};
    EXPECT_FALSE(catFrequencyFromBcd(bad));
    EXPECT_EQ(describeCatCommand(setFrequencyCommand(14'561'250)), "set frequency 145.61250 MHz");
}

TEST(CatCommands, AllowlistHoldsExactlyTheTenOpcodes)
{
    const std::vector<int> expected{0x01, 0x03, 0x07, 0x09, 0x0A, 0x0B, 0x0C, 0xBB, 0xE7, 0xF9};
    std::vector<int> allowed;
    for (int opcode = 0; opcode < 256; ++opcode) {
        if (isAllowedCatOpcode(static_cast<std::uint8_t>(opcode)))
            allowed.push_back(opcode);
    }
    EXPECT_EQ(allowed, expected);
    EXPECT_FALSE(isAllowedCatOpcode(0xBC));
    EXPECT_FALSE(isAllowedCatOpcode(0xBE));
}

TEST(CatCommands, GuardWritesNothingForAnyOtherOpcode)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    for (int opcode = 0; opcode < 256; ++opcode) {
        const CatCommand command{0x00, 0x55, 0xAA, 0x00, static_cast<std::uint8_t>(opcode)};
        if (isAllowedCatOpcode(command[4]))
            continue;
        EXPECT_FALSE(writeGuardedCatCommand(port, command));
        EXPECT_FALSE(sendCatCommand(port, clock, command));
        CatLink link(port, clock);
        ASSERT_TRUE(link.open(9600));
        EXPECT_FALSE(link.exchange(command));
    }
    EXPECT_TRUE(port.writes().empty());
}

TEST(CatLink, ReadWaitsForTheWholeAnswerAndRetriesOnce)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.silentAfterReads = 1;
    CatLink link(port, clock);
    ASSERT_TRUE(link.open(9600));
    const Result<Bytes> first = link.exchange(readEepromCommand(0x0004));
    ASSERT_TRUE(first) << first.error().message;
    EXPECT_EQ(*first, (Bytes{radio.eeprom()[4], radio.eeprom()[5]}));
    const Result<Bytes> second = link.exchange(readEepromCommand(0x0006));
    ASSERT_FALSE(second);
    EXPECT_NE(second.error().message.find("did not answer read EEPROM 0x0006"), std::string::npos);
    EXPECT_EQ(radio.commands().size(), 3u); // one answered, one sent twice
}

TEST(CatLink, RateIsFoundAtEachRateAndNoAnswerSaysWhatToCheck)
{
    for (const int rate : kCatRates) {
        test::FakeClock clock;
        test::FakeSerialPort port(clock);
        test::FakeCatRadio radio(port);
        radio.rate = rate;
        CatLink link(port, clock);
        ASSERT_TRUE(link.open(kCatRates[0]));
        const Result<int> found = findCatRate(link);
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, rate);
        EXPECT_EQ(port.baudRate(), rate);
    }
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    CatLink link(port, clock);
    ASSERT_TRUE(link.open(kCatRates[0]));
    const Result<int> none = findCatRate(link);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().message, kNoCatAnswer);
}

TEST(CatLink, PartCommandHeldByTheRadioIsCompletedByReadsOnly)
{
    // Whatever part of a command the radio holds, and however slowly it answers
    // within the limits, the sync completes only reads and the next command
    // arrives whole.
    for (const double delay : {0.01, 0.15}) {
        for (std::size_t held = 0; held < 5; ++held) {
            SCOPED_TRACE(std::to_string(delay) + " s, " + std::to_string(held) + " bytes held");
            test::FakeClock clock;
            test::FakeSerialPort port(clock);
            test::FakeCatRadio radio(port);
            radio.answerDelay = delay;
            ASSERT_TRUE(port.open());
            const test::ByteList part = {0x08, 0x00, 0x27, 0x2F}; // e.g. an upload's block 0
            ASSERT_TRUE(port.write(std::span(part.data(), held)));
            port.close();
            CatLink link(port, clock);
            ASSERT_TRUE(connectCat(link, 9600));
            ASSERT_TRUE(link.exchange(setFrequencyCommand(43'970'000)));
            link.close();
            ASSERT_FALSE(radio.commands().empty());
            for (std::size_t i = 0; i + 1 < radio.commands().size(); ++i)
                EXPECT_TRUE(isReadOpcode(radio.commands()[i][4])) << i;
            EXPECT_EQ(catCommandHex(radio.commands().back()), "43 97 00 00 01");
        }
    }
}

} // namespace
} // namespace ft817
