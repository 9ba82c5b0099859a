#include "cat_protocol/cat_frames.h"

#include "text/text_format.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace ft817 {
namespace {

constexpr std::array kAllowed = {CatOpcode::SetFrequency,   CatOpcode::ReadFrequencyAndMode,
                                 CatOpcode::SetMode,        CatOpcode::RepeaterShift,
                                 CatOpcode::ToneMode,       CatOpcode::CtcssTones,
                                 CatOpcode::DcsCodes,       CatOpcode::ReadReceiveStatus,
                                 CatOpcode::RepeaterOffset, CatOpcode::ReadEeprom};

struct ModeEntry {
    CatMode mode;
    std::uint8_t byte;
    const char* name;
};
constexpr std::array<ModeEntry, 8> kModes = {{{CatMode::Lsb, 0x00, "LSB"},
                                              {CatMode::Usb, 0x01, "USB"},
                                              {CatMode::Cw, 0x02, "CW"},
                                              {CatMode::Cwr, 0x03, "CWR"},
                                              {CatMode::Am, 0x04, "AM"},
                                              {CatMode::Fm, 0x08, "FM"},
                                              {CatMode::Dig, 0x0A, "DIG"},
                                              {CatMode::Pkt, 0x0C, "PKT"}}};

CatCommand command(CatOpcode opcode, std::uint8_t p1 = 0, std::uint8_t p2 = 0, std::uint8_t p3 = 0,
                   std::uint8_t p4 = 0)
{
    return {p1, p2, p3, p4, static_cast<std::uint8_t>(opcode)};
}

std::uint8_t bcdPair(unsigned value)
{
    return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

// Eight BCD digits, most significant first, into parameter bytes 1-4.
CatCommand eightDigits(CatOpcode opcode, std::uint32_t value)
{
    value = std::min(value, kCatLargestTenHz);
    return command(opcode, bcdPair(value / 1'000'000), bcdPair(value / 10'000), bcdPair(value / 100),
                   bcdPair(value));
}

// Two four-digit BCD numbers: the first in bytes 1-2, the second in bytes 3-4.
CatCommand twoFourDigits(CatOpcode opcode, int first, int second)
{
    const auto a = static_cast<unsigned>(std::clamp(first, 0, 9999));
    const auto b = static_cast<unsigned>(std::clamp(second, 0, 9999));
    return command(opcode, bcdPair(a / 100), bcdPair(a), bcdPair(b / 100), bcdPair(b));
}

std::string mhzText(std::uint32_t tenHz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%05u MHz", tenHz / 100'000, tenHz % 100'000);
    return text;
}

std::uint32_t bcdValue(const CatCommand& c)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value * 100 + static_cast<std::uint32_t>((c[i] >> 4) * 10 + (c[i] & 0x0F));
    return value;
}

} // namespace

std::string catCommandHex(const CatCommand& command)
{
    return hexBytes(command, " ");
}

bool isAllowedCatOpcode(std::uint8_t opcode)
{
    return std::any_of(kAllowed.begin(), kAllowed.end(),
                       [opcode](CatOpcode allowed) { return static_cast<std::uint8_t>(allowed) == opcode; });
}

std::span<const CatOpcode> allowedCatOpcodes()
{
    return kAllowed;
}

std::uint8_t catModeByte(CatMode mode)
{
    for (const ModeEntry& entry : kModes) {
        if (entry.mode == mode)
            return entry.byte;
    }
    return 0;
}

std::optional<CatMode> catModeFromByte(std::uint8_t byte)
{
    for (const ModeEntry& entry : kModes) {
        if (entry.byte == byte)
            return entry.mode;
    }
    return std::nullopt;
}

std::string catModeName(CatMode mode)
{
    for (const ModeEntry& entry : kModes) {
        if (entry.mode == mode)
            return entry.name;
    }
    return "?";
}

CatCommand setFrequencyCommand(std::uint32_t tenHz)
{
    return eightDigits(CatOpcode::SetFrequency, tenHz);
}

CatCommand readFrequencyAndModeCommand()
{
    return command(CatOpcode::ReadFrequencyAndMode, kCatSyncByte, kCatSyncByte, kCatSyncByte, kCatSyncByte);
}

CatCommand setModeCommand(CatMode mode)
{
    return command(CatOpcode::SetMode, catModeByte(mode));
}

CatCommand repeaterShiftCommand(CatShift shift)
{
    const std::uint8_t byte = shift == CatShift::Minus ? 0x09 : shift == CatShift::Plus ? 0x49 : 0x89;
    return command(CatOpcode::RepeaterShift, byte);
}

CatCommand repeaterOffsetCommand(std::uint32_t tenHz)
{
    return eightDigits(CatOpcode::RepeaterOffset, tenHz);
}

CatCommand toneModeCommand(CatToneMode mode)
{
    std::uint8_t byte = 0x8A;
    switch (mode) {
    case CatToneMode::Dcs:
        byte = 0x0A;
        break;
    case CatToneMode::Ctcss:
        byte = 0x2A;
        break;
    case CatToneMode::CtcssEncoder:
        byte = 0x4A;
        break;
    case CatToneMode::Off:
        byte = 0x8A;
        break;
    }
    return command(CatOpcode::ToneMode, byte);
}

CatCommand ctcssTonesCommand(int transmitTenths, int receiveTenths)
{
    return twoFourDigits(CatOpcode::CtcssTones, transmitTenths, receiveTenths);
}

CatCommand dcsCodesCommand(int transmitCode, int receiveCode)
{
    return twoFourDigits(CatOpcode::DcsCodes, transmitCode, receiveCode);
}

CatCommand readReceiveStatusCommand()
{
    return command(CatOpcode::ReadReceiveStatus, kCatSyncByte, kCatSyncByte, kCatSyncByte, kCatSyncByte);
}

bool isReadOpcode(std::uint8_t opcode)
{
    return opcode == static_cast<std::uint8_t>(CatOpcode::ReadFrequencyAndMode) ||
           opcode == static_cast<std::uint8_t>(CatOpcode::ReadReceiveStatus) ||
           opcode == static_cast<std::uint8_t>(CatOpcode::ReadEeprom);
}

CatCommand readEepromCommand(std::uint16_t address)
{
    return command(CatOpcode::ReadEeprom, static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address & 0xFF));
}

std::optional<std::uint32_t> catFrequencyFromBcd(std::span<const std::uint8_t, 4> bytes)
{
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes) {
        if ((byte >> 4) > 9 || (byte & 0x0F) > 9)
            return std::nullopt;
        value = value * 100 + static_cast<std::uint32_t>((byte >> 4) * 10 + (byte & 0x0F));
    }
    return value;
}

int catAnswerLength(const CatCommand& c)
{
    switch (static_cast<CatOpcode>(c[4])) {
    case CatOpcode::ReadFrequencyAndMode:
        return 5;
    case CatOpcode::ReadReceiveStatus:
        return 1;
    case CatOpcode::ReadEeprom:
        return 2;
    default:
        return 0;
    }
}

std::string describeCatCommand(const CatCommand& c)
{
    char text[64];
    switch (static_cast<CatOpcode>(c[4])) {
    case CatOpcode::SetFrequency:
        return "set frequency " + mhzText(bcdValue(c));
    case CatOpcode::ReadFrequencyAndMode:
        return "read frequency and mode";
    case CatOpcode::SetMode: {
        const auto mode = catModeFromByte(c[0]);
        return "set mode " + (mode ? catModeName(*mode) : "0x" + hexByte(c[0]));
    }
    case CatOpcode::RepeaterShift:
        return c[0] == 0x09   ? "repeater shift minus"
               : c[0] == 0x49 ? "repeater shift plus"
                              : "repeater simplex";
    case CatOpcode::ToneMode:
        return c[0] == 0x0A   ? "tone mode DCS"
               : c[0] == 0x2A ? "tone mode CTCSS"
               : c[0] == 0x4A ? "tone mode CTCSS encoder"
                              : "tone mode off";
    case CatOpcode::CtcssTones:
        std::snprintf(text, sizeof text, "CTCSS tone %x%x.%x Hz", c[0] & 0x0F, c[1] >> 4, c[1] & 0x0F);
        return text;
    case CatOpcode::DcsCodes:
        std::snprintf(text, sizeof text, "DCS code %x%02x", c[0] & 0x0F, c[1]);
        return text;
    case CatOpcode::ReadReceiveStatus:
        return "read receive status";
    case CatOpcode::RepeaterOffset:
        return "repeater offset " + mhzText(bcdValue(c));
    case CatOpcode::ReadEeprom:
        std::snprintf(text, sizeof text, "read EEPROM 0x%02X%02X", c[0], c[1]);
        return text;
    }
    return "opcode 0x" + hexByte(c[4]) + " (never sent)";
}

} // namespace ft817
