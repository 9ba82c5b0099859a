#pragma once
// One memory channel record: 26 bytes in the BlockStore, read and written in
// place. Fields and their bits (record byte k is k bytes past the record's start):
//   byte 0 bits 0-2 mode, bit 7 tag shown (the radio shows the name when it
//          is set; bit 6 is the radio's own and is kept)
//   byte 1 bits 7-5 the shift, read together: 000 simplex, 011 minus, 101
//          plus, 111 split; any other pattern (bits 7-6 with bit 5 clear, as
//          some special memories hold) is simplex to the radio,
//          bit 4 narrow (CW, CWR), bit 3 narrow (FM): a narrow mode sets
//          both, a wide one clears both,
//          bits 2-0 the receive frequency's band code (frequency_range.h)
//   byte 2 bit 7 skip in scan, bit 5 IPO (preamp off), bit 4 ATT
//   byte 3 tuning steps: bits 7-6 SSB/CW/DIG/PKT, bits 5-3 AM, bits 2-0 FM
//          (positions in the lists of channel_names.h)
//   byte 4 bits 0-1 tone mode (0 none, 1 tone, 2 tone squelch "Mute", 3 DCS)
//   byte 5 bits 5-3 transmit mode of a split channel (the mode codes of
//          byte 0), bits 2-0 the transmit frequency's band code
//   byte 6 bits 5-0 CTCSS tone number, byte 7 bits 6-0 DCS code number (the
//          one-channel editor reads and writes these two bytes whole)
//   bytes 10-13 receive frequency, 14-17 transmit frequency (unsigned 32-bit
//          big-endian, 10 Hz units)
//   bytes 18-25 tag text, 8 single-byte characters
// Every other bit belongs to the radio and is never changed: each writer
// masks its own bits into the byte and leaves the rest as it was.

#include "image/block_store.h"
#include "image/channel_names.h"
#include "image/memory_map.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ft817 {

// Record byte offsets of the fields.
namespace record {
inline constexpr int kModeByte = 0;
inline constexpr int kFlagsByte = 1;
inline constexpr int kScanByte = 2;
inline constexpr int kStepByte = 3;
inline constexpr int kToneModeByte = 4;
inline constexpr int kTxModeByte = 5;
inline constexpr int kToneNumberByte = 6;
inline constexpr int kDcsNumberByte = 7;
inline constexpr int kRxFrequency = 10;
inline constexpr int kTxFrequency = 14;
inline constexpr int kTag = 18;
inline constexpr int kTagLength = 8;
} // namespace record

// Byte-level decoders and writers; each writer returns the new byte value.
// Mode from byte 0 (or transmit mode from byte 5): bits 0-2.
constexpr int decodeMode(std::uint8_t b)
{
    return b & 7;
}
// Byte 0 or 5 with mode listIndex: (b & 0xF8) | (listIndex & 7); any int, -1 and 8 included.
constexpr std::uint8_t encodeMode(std::uint8_t b, int listIndex)
{
    return static_cast<std::uint8_t>((b & 0xF8) | (listIndex & 7));
}
// Transmit mode from byte 5: bits 5-3.
constexpr int decodeTxMode(std::uint8_t b5)
{
    return (b5 >> 3) & 7;
}
// Byte 5 with transmit mode listIndex: (b & 0xC7) | ((listIndex & 7) << 3); any int, -1 and 8 included.
constexpr std::uint8_t encodeTxMode(std::uint8_t b5, int listIndex)
{
    return static_cast<std::uint8_t>((b5 & 0xC7) | ((listIndex & 7) << 3));
}
// Band code from byte 1 (receive) or byte 5 (transmit): bits 2-0.
constexpr int decodeBandCode(std::uint8_t b)
{
    return b & 7;
}
// Byte 1 or 5 with a band code in bits 2-0; bits 3-7 kept.
constexpr std::uint8_t encodeBandCode(std::uint8_t b, int code)
{
    return static_cast<std::uint8_t>((b & 0xF8) | (code & 7));
}
// Tag on: both bits 6 and 7 of byte 0 set.
constexpr bool decodeTagOn(std::uint8_t b0)
{
    return (b0 & 0xC0) == 0xC0;
}
// Byte 0 with both tag flags set (on) or both cleared.
constexpr std::uint8_t encodeTagOn(std::uint8_t b0, bool on)
{
    return static_cast<std::uint8_t>(on ? (b0 | 0xC0) : (b0 & 0x3F));
}
// The radio's shift from bits 7-5 of byte 1, read together: 011 minus, 101
// plus, 111 split; every other pattern is simplex.
constexpr Shift decodeShift(std::uint8_t b1)
{
    switch (b1 >> 5) {
    case 3:
        return Shift::Minus;
    case 5:
        return Shift::Plus;
    case 7:
        return Shift::Split;
    default:
        return Shift::Simplex;
    }
}
// Split: bits 7-5 of byte 1 all set, the radio's split.
constexpr bool decodeSplit(std::uint8_t b1)
{
    return decodeShift(b1) == Shift::Split;
}
// Byte 1 with a shift written as real radios write it: bits 5..7 as 000
// (simplex), 011 (minus), 101 (plus) or 111 (split); bits 0..4 kept.
constexpr std::uint8_t encodeShift(std::uint8_t b1, Shift shift)
{
    constexpr std::uint8_t kPatterns[4] = {0x00, 0x60, 0xA0, 0xE0};
    return static_cast<std::uint8_t>((b1 & 0x1F) | kPatterns[static_cast<int>(shift) & 3]);
}
// Byte 1 made split (bits 7-5 = 111) or simplex (000); bits 0..4 kept.
constexpr std::uint8_t encodeSplit(std::uint8_t b1, bool on)
{
    return encodeShift(b1, on ? Shift::Split : Shift::Simplex);
}
// Tag shown as the radio decides it: bit 7 of byte 0.
constexpr bool decodeTagShown(std::uint8_t b0)
{
    return (b0 & 0x80) != 0;
}
// Byte 0 with bit 7 (tag shown) set or cleared; bits 0..6 kept.
constexpr std::uint8_t encodeTagShown(std::uint8_t b0, bool shown)
{
    return static_cast<std::uint8_t>(shown ? (b0 | 0x80) : (b0 & 0x7F));
}
// Tone mode from bits 0-1 of byte 4.
constexpr ToneMode decodeToneMode(std::uint8_t b4)
{
    return static_cast<ToneMode>(b4 & 3);
}
// Byte 4 with a tone mode: Tone (b|1)&0xFD, Mute (b|2)&0xFE, DCS b|3, None b&0xFC.
constexpr std::uint8_t encodeToneMode(std::uint8_t b4, ToneMode mode)
{
    switch (mode) {
    case ToneMode::Tone:
        return static_cast<std::uint8_t>((b4 | 1) & 0xFD);
    case ToneMode::Mute:
        return static_cast<std::uint8_t>((b4 | 2) & 0xFE);
    case ToneMode::Dcs:
        return static_cast<std::uint8_t>(b4 | 3);
    case ToneMode::None:
        break;
    }
    return static_cast<std::uint8_t>(b4 & 0xFC);
}
// Unsigned 32-bit big-endian number from four bytes (exact up to 4294967295).
constexpr std::uint32_t decodeFrequency(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
{
    return (std::uint32_t{b0} << 24) | (std::uint32_t{b1} << 16) | (std::uint32_t{b2} << 8) |
           std::uint32_t{b3};
}

// Read-only view of the record whose byte 0 is at a location of a store.
// The store must outlive the view; bytes beyond the store read as 0.
class ChannelRecordView {
public:
    explicit ChannelRecordView(const BlockStore& store, Location where) : m_store(&store), m_where(where) {}
    // Channel n's record (n 0..199).
    static ChannelRecordView forChannel(const BlockStore& store, int channel)
    {
        return ChannelRecordView(store, channelLocation(channel));
    }

    // Where byte 0 of the record lies.
    Location location() const { return m_where; }
    // Record byte k (0..25).
    std::uint8_t byte(int k) const { return m_store->byte(m_where.index + k, m_where.block); }
    // All 26 bytes.
    std::array<std::uint8_t, kRecordSize> bytes() const;

    // Mode 0..7 (byte 0 bits 0-2).
    int mode() const { return decodeMode(byte(record::kModeByte)); }
    // Tag on: both tag flags set.
    bool tagOn() const { return decodeTagOn(byte(record::kModeByte)); }
    // Bit 7 of byte 0 alone (the rule for the first channel the editor opens on).
    bool tagHighBit() const { return decodeTagShown(byte(record::kModeByte)); }
    // Whether the radio shows the tag (bit 7 of byte 0; the same bit as tagHighBit()).
    bool tagShown() const { return tagHighBit(); }
    // Split: the radio's split (byte 1 bits 7-5 = 111).
    bool split() const { return decodeSplit(byte(record::kFlagsByte)); }
    // The radio's shift (simplex, minus, plus, split).
    Shift shift() const { return decodeShift(byte(record::kFlagsByte)); }
    // Tone mode (byte 4 bits 0-1).
    ToneMode toneMode() const { return decodeToneMode(byte(record::kToneModeByte)); }
    // Transmit mode 0..7 (byte 5 bits 5-3).
    int txMode() const { return decodeTxMode(byte(record::kTxModeByte)); }
    // Skip in scan (byte 2 bit 7), IPO (bit 5), ATT (bit 4).
    bool skip() const { return (byte(record::kScanByte) & 0x80) != 0; }
    bool ipo() const { return (byte(record::kScanByte) & 0x20) != 0; }
    bool att() const { return (byte(record::kScanByte) & 0x10) != 0; }
    // Narrow filter: byte 1 bit 4 for CW and CWR, bit 3 for FM; never for other modes.
    bool narrow() const;
    // The tuning step position of a group of modes (byte 3), and of the channel's own mode.
    int tuningStep(StepGroup group) const;
    int tuningStep() const { return tuningStep(stepGroupOf(mode())); }
    // The CTCSS tone number (byte 6 bits 5-0) and DCS code number (byte 7 bits
    // 6-0) as the radio reads them; the bits above are not the radio's number.
    int ctcssTone() const { return byte(record::kToneNumberByte) & 0x3F; }
    int dcsCode() const { return byte(record::kDcsNumberByte) & 0x7F; }
    // Band code of the receive frequency (byte 1 bits 2-0).
    int rxBandCode() const { return decodeBandCode(byte(record::kFlagsByte)); }
    // Band code of a split channel's transmit frequency (byte 5 bits 2-0).
    int txBandCode() const { return decodeBandCode(byte(record::kTxModeByte)); }
    // Where a band code disagrees with its frequency, in words ("RX band code
    // 4 (144 MHz) where 14.07400 MHz is band 0 (HF)"; the transmit code is
    // looked at only when split); empty when both fit.
    std::string bandCodeProblem() const;
    // The frequencies of the record the radio cannot tune (frequency_range.h),
    // in words: the receive frequency ("0.00146 MHz") and, for a split
    // channel, the transmit frequency ("TX 1000.00000 MHz"), joined with ", ".
    // A repeater offset is a difference and not looked at. Empty when the
    // radio tunes them.
    std::string untunedFrequencies() const;
    // CTCSS tone number (byte 6).
    int toneNumber() const { return byte(record::kToneNumberByte); }
    // DCS code number (byte 7).
    int dcsNumber() const { return byte(record::kDcsNumberByte); }
    // Receive frequency in 10 Hz units (bytes 10-13).
    std::uint32_t rxFrequency() const { return frequencyAt(record::kRxFrequency); }
    // Transmit frequency in 10 Hz units (bytes 14-17).
    std::uint32_t txFrequency() const { return frequencyAt(record::kTxFrequency); }
    // The 8 tag characters as stored (bytes 18-25), one char per byte.
    std::string tag() const;

protected:
    std::uint32_t frequencyAt(int k) const;

    const BlockStore* m_store = nullptr;
    Location m_where;
};

// A record that can be changed in place. Each setter writes only its own
// bytes or bits.
class ChannelRecord : public ChannelRecordView {
public:
    explicit ChannelRecord(BlockStore& store, Location where)
        : ChannelRecordView(store, where), m_target(&store)
    {
    }
    // Channel n's record (n 0..199).
    static ChannelRecord forChannel(BlockStore& store, int channel)
    {
        return ChannelRecord(store, channelLocation(channel));
    }

    // Sets record byte k (0..25) whole.
    void setByte(int k, std::uint8_t value) { m_target->setByte(m_where.index + k, m_where.block, value); }
    // Mode list index into byte 0 bits 0-2: (b & 0xF8) | (listIndex & 7).
    void setMode(int listIndex)
    {
        setByte(record::kModeByte, encodeMode(byte(record::kModeByte), listIndex));
    }
    // Sets both tag flags (on) or clears both.
    void setTagOn(bool on) { setByte(record::kModeByte, encodeTagOn(byte(record::kModeByte), on)); }
    // Makes the channel split (byte 1 bits 7-5 = 111) or simplex (000).
    void setSplit(bool on) { setByte(record::kFlagsByte, encodeSplit(byte(record::kFlagsByte), on)); }
    // The radio's shift into byte 1 bits 5..7 (000, 011, 101, 111); bits 0..4 stay.
    void setShift(Shift shift) { setByte(record::kFlagsByte, encodeShift(byte(record::kFlagsByte), shift)); }
    // The shift as an owner changes it on the radio: a channel made split
    // transmits in its own mode until told otherwise and gets the band code of
    // its transmit frequency; a repeater shift whose offset is 0 gets
    // usualOffset (10 Hz units) when that is not 0. Returns false when a
    // repeater shift is left with an offset of 0.
    bool changeShift(Shift shift, std::uint32_t usualOffset);
    // Tag shown: bit 7 of byte 0 alone set or cleared.
    void setTagShown(bool shown)
    {
        setByte(record::kModeByte, encodeTagShown(byte(record::kModeByte), shown));
    }
    // Tone mode into byte 4 bits 0-1; bits 2-7 kept.
    void setToneMode(ToneMode mode)
    {
        setByte(record::kToneModeByte, encodeToneMode(byte(record::kToneModeByte), mode));
    }
    // Transmit mode list index into byte 5 bits 5-3.
    void setTxMode(int listIndex)
    {
        setByte(record::kTxModeByte, encodeTxMode(byte(record::kTxModeByte), listIndex));
    }
    // Skip, IPO and ATT: their one bit of byte 2 set or cleared.
    void setSkip(bool on) { setScanBit(0x80, on); }
    void setIpo(bool on) { setScanBit(0x20, on); }
    void setAtt(bool on) { setScanBit(0x10, on); }
    // Narrow on sets bits 4 and 3 of byte 1 together, off clears both.
    void setNarrow(bool on)
    {
        const std::uint8_t b1 = byte(record::kFlagsByte);
        setByte(record::kFlagsByte, static_cast<std::uint8_t>(on ? (b1 | 0x18) : (b1 & 0xE7)));
    }
    // A group's tuning step position into its bits of byte 3; the other groups' stay.
    void setTuningStep(StepGroup group, int position);
    // The radio's tone and code numbers into the low bits of bytes 6 and 7; the bits above stay.
    void setCtcssTone(int number)
    {
        setByte(record::kToneNumberByte,
                static_cast<std::uint8_t>((byte(record::kToneNumberByte) & 0xC0) | (number & 0x3F)));
    }
    void setDcsCode(int number)
    {
        setByte(record::kDcsNumberByte,
                static_cast<std::uint8_t>((byte(record::kDcsNumberByte) & 0x80) | (number & 0x7F)));
    }
    // The receive band code (byte 1 bits 2-0) set from the receive frequency,
    // as a radio sets it; kept when the frequency lies outside every band or
    // the code already fits it.
    void fitRxBandCode();
    // For a split channel, the transmit band code (byte 5 bits 2-0) set from
    // the transmit frequency the same way; nothing for other channels.
    void fitTxBandCode();
    // Both of the above.
    void fitBandCodes()
    {
        fitRxBandCode();
        fitTxBandCode();
    }
    // CTCSS tone number as one byte.
    void setToneNumber(std::uint8_t number) { setByte(record::kToneNumberByte, number); }
    // DCS code number as one byte.
    void setDcsNumber(std::uint8_t number) { setByte(record::kDcsNumberByte, number); }
    // Receive frequency (10 Hz units) as four bytes, most significant first.
    void setRxFrequency(std::uint32_t value) { setFrequencyAt(record::kRxFrequency, value); }
    // Transmit frequency (10 Hz units) as four bytes, most significant first.
    void setTxFrequency(std::uint32_t value) { setFrequencyAt(record::kTxFrequency, value); }
    // Tag text: the first 8 chars of text, padded on the right with blanks, one byte each.
    void setTag(std::string_view text);

private:
    void setFrequencyAt(int k, std::uint32_t value);
    void setScanBit(std::uint8_t mask, bool on)
    {
        const std::uint8_t b2 = byte(record::kScanByte);
        setByte(record::kScanByte, static_cast<std::uint8_t>(on ? (b2 | mask) : (b2 & ~mask)));
    }

    BlockStore* m_target = nullptr;
};

} // namespace ft817
