#pragma once
// The frames of the CAT commands this tool sends to the radio in normal
// operation: each command built as its five bytes (four parameter bytes, then
// the opcode), and the list of opcodes the tool may ever send. Frequencies and offsets are eight
// BCD digits in 10 Hz units, most significant first (439.70000 MHz is
// 43 97 00 00 01). Plain C++, no port.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ft817 {

// The five bytes of one CAT command, place 0 sent first.
using CatCommand = std::array<std::uint8_t, 5>;

// The command's bytes in hexadecimal, place 0 first: "43 97 00 00 01".
std::string catCommandHex(const CatCommand& command);

// Every opcode the tool may send. Writing the EEPROM (0xBC) and the factory
// reset (0xBE) are not here and can never be sent.
enum class CatOpcode : std::uint8_t {
    SetFrequency = 0x01,
    ReadFrequencyAndMode = 0x03,
    SetMode = 0x07,
    RepeaterShift = 0x09,
    ToneMode = 0x0A,
    CtcssTones = 0x0B,
    DcsCodes = 0x0C,
    ReadReceiveStatus = 0xE7,
    RepeaterOffset = 0xF9,
    ReadEeprom = 0xBB,
};

// Whether opcode is one the tool may send.
bool isAllowedCatOpcode(std::uint8_t opcode);
// Whether opcode only reads (frequency and mode, receive status, EEPROM).
bool isReadOpcode(std::uint8_t opcode);

// The byte that brings the radio's five-byte frame back into step: the read
// receive status opcode. Whatever place of a frame it lands in, it is either
// a parameter (ignored by the reads) or the opcode of a read, so a run of
// them can only ever complete a read.
inline constexpr std::uint8_t kCatSyncByte = 0xE7;

// The allowed opcodes, in the order above.
std::span<const CatOpcode> allowedCatOpcodes();

// The radio's operating modes as CAT names them.
enum class CatMode { Lsb, Usb, Cw, Cwr, Am, Fm, Dig, Pkt };

// The mode byte of set mode (and of the read-frequency answer).
std::uint8_t catModeByte(CatMode mode);
// The mode a mode byte stands for; nothing for a byte outside the table.
std::optional<CatMode> catModeFromByte(std::uint8_t byte);
// "FM", "USB", ...
std::string catModeName(CatMode mode);

enum class CatShift { Minus, Plus, Simplex };
enum class CatToneMode { Dcs, Ctcss, CtcssEncoder, Off };

// The largest value eight BCD digits of 10 Hz hold (999.99999 MHz).
inline constexpr std::uint32_t kCatLargestTenHz = 99'999'999;

// Set frequency, in 10 Hz units (kept to kCatLargestTenHz).
CatCommand setFrequencyCommand(std::uint32_t tenHz);
// Read frequency and mode: answered with four BCD frequency bytes and the mode
// byte. Its parameter places hold kCatSyncByte: sent to a radio whose frame is
// out of step, one of those completes a status read (one byte answered, not
// five), so a whole frequency answer also shows the frame was in step.
CatCommand readFrequencyAndModeCommand();
CatCommand setModeCommand(CatMode mode);
CatCommand repeaterShiftCommand(CatShift shift);
// Repeater offset, in 10 Hz units (60000 is 600 kHz).
CatCommand repeaterOffsetCommand(std::uint32_t tenHz);
CatCommand toneModeCommand(CatToneMode mode);
// CTCSS tones in tenths of hertz (885 is 88.5 Hz), transmit then receive.
CatCommand ctcssTonesCommand(int transmitTenths, int receiveTenths);
// DCS codes as written (23 is code 023), transmit then receive.
CatCommand dcsCodesCommand(int transmitCode, int receiveCode);
// Read receive status: answered with one byte; kCatSyncByte in every place.
CatCommand readReceiveStatusCommand();
// Read the EEPROM at address: answered with the bytes at address and address + 1.
CatCommand readEepromCommand(std::uint16_t address);

// The frequency in 10 Hz units of four BCD bytes; nothing when a nibble is not a digit.
std::optional<std::uint32_t> catFrequencyFromBcd(std::span<const std::uint8_t, 4> bytes);

// What the radio answers to a command: 0 for set commands, 5 for read
// frequency, 1 for read status, 2 for an EEPROM read.
int catAnswerLength(const CatCommand& command);

// "set frequency 145.61250 MHz", "read EEPROM 0x0012", ... for logs.
std::string describeCatCommand(const CatCommand& command);

} // namespace ft817
