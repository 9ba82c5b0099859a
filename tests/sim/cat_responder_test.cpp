// The simulated radio's CAT side: answers, the VFO following set commands,
// an EEPROM that nothing changes, wrong rates and forbidden opcodes.
#include "sim/cat_responder.h"

#include "sim/default_memory.h"
#include "support/sim_fixture.h"

#include <gtest/gtest.h>

using namespace ft817;

namespace {

TEST(CatResponder, AnswersReadsFollowsSetCommandsAndNeverChangesItsEeprom)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const Bytes eeprom = sim::builtInEeprom(memory.image, memory.blockLengths);
    ASSERT_EQ(eeprom.size(), sim::kEepromSize);
    // Clone block 0's payload is the version bytes, block 1's payload starts at 0x0055.
    EXPECT_EQ(eeprom[4], memory.image[1]);
    EXPECT_EQ(eeprom[5], memory.image[2]);
    EXPECT_EQ(eeprom[0x55], memory.image[static_cast<std::size_t>(memory.blockLengths[0]) + 1]);

    sim::CatResponder radio(sim::CatOptions{}, eeprom);
    EXPECT_EQ(radio.take({0x00, 0x55, 0, 0, 0xBB}, 9600).answer, (Bytes{eeprom[0x55], eeprom[0x56]}));
    EXPECT_EQ(radio.take({0, 0, 0, 0, 0x03}, 9600).answer, (Bytes{0x14, 0x50, 0x00, 0x00, 0x08}));
    EXPECT_TRUE(radio.take({0x43, 0x97, 0x00, 0x00, 0x01}, 9600).answer.empty());
    EXPECT_TRUE(radio.take({0x01, 0, 0, 0, 0x07}, 9600).answer.empty());
    EXPECT_EQ(radio.take({0, 0, 0, 0, 0x03}, 9600).answer, (Bytes{0x43, 0x97, 0x00, 0x00, 0x01}));
    EXPECT_EQ(radio.take({0, 0, 0, 0, 0xE7}, 9600).answer.size(), 1u);

    for (const std::uint8_t forbidden : {0xBC, 0xBE, 0xBD, 0x00, 0x0F}) {
        const auto reply = radio.take({0x00, 0x07, 0x55, 0x00, forbidden}, 9600);
        EXPECT_TRUE(reply.fault);
        EXPECT_TRUE(reply.answer.empty());
        EXPECT_NE(reply.log.find("FAULT"), std::string::npos);
    }
    EXPECT_EQ(radio.eeprom(), eeprom);

    const auto garbled = radio.take({0, 0, 0, 0, 0x03}, 4800);
    EXPECT_FALSE(garbled.heard);
    EXPECT_TRUE(garbled.answer.empty());
}

TEST(CatResponder, FallsSilentAfterTheGivenReads)
{
    sim::CatOptions options;
    options.silentAfterReads = 2;
    sim::CatResponder radio(options, Bytes(sim::kEepromSize, 0x11));
    EXPECT_FALSE(radio.take({0, 0, 0, 0, 0xBB}, 9600).answer.empty());
    EXPECT_TRUE(radio.take({0, 0, 0, 0, 0x01}, 9600).answer.empty()); // set commands are no reads
    EXPECT_FALSE(radio.take({0, 2, 0, 0, 0xBB}, 9600).answer.empty());
    EXPECT_TRUE(radio.take({0, 4, 0, 0, 0xBB}, 9600).answer.empty());
}

TEST(CatResponder, ForbiddenOpcodeOnTheLineIsLoggedAsAFault)
{
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Cat);
    std::vector<std::string> logged;
    std::mutex mutex;
    options.onCatLog = [&](const std::string& line) {
        std::lock_guard lock(mutex);
        logged.push_back(line);
    };
    test::SimFixture sim(options);
    ASSERT_TRUE(sim.start());
    ASSERT_TRUE(sim.openPort());
    const Bytes eeprom = sim.radio().eeprom();
    // Written straight to the port, past the tool's guard, as another program might.
    const Bytes write{0x00, 0x07, 0x55, 0x00, 0xBC};
    ASSERT_TRUE(sim.port().write(write));
    const Bytes read{0x00, 0x07, 0x00, 0x00, 0xBB};
    ASSERT_TRUE(sim.port().write(read));
    EXPECT_EQ(sim.readBytes(2, 2.0), (Bytes{eeprom[7], eeprom[8]}));
    ASSERT_EQ(sim.radio().catFaults().size(), 1u);
    EXPECT_NE(sim.radio().catFaults()[0].find("0xBC"), std::string::npos);
    EXPECT_EQ(sim.radio().eeprom(), eeprom);
    std::lock_guard lock(mutex);
    ASSERT_EQ(logged.size(), 1u);
}

} // namespace
