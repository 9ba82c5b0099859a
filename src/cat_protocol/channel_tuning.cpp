#include "cat_protocol/channel_tuning.h"

#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <algorithm>
#include <array>
#include <optional>

namespace ft817 {
namespace {

// Record mode values 0..7 in the order of kModeNames.
constexpr std::array<CatMode, 8> kRecordModes = {CatMode::Lsb, CatMode::Usb, CatMode::Cw,  CatMode::Cwr,
                                                 CatMode::Am,  CatMode::Fm,  CatMode::Dig, CatMode::Pkt};

} // namespace

std::vector<CatCommand> tuneCommands(const BlockStore& store, int channel)
{
    const ChannelRecordView record = ChannelRecordView::forChannel(store, channel);
    std::vector<CatCommand> commands;
    commands.push_back(setFrequencyCommand(record.rxFrequency()));
    commands.push_back(setModeCommand(kRecordModes[static_cast<std::size_t>(record.mode())]));
    switch (record.shift()) {
    case Shift::Minus:
    case Shift::Plus:
        commands.push_back(
            repeaterShiftCommand(record.shift() == Shift::Minus ? CatShift::Minus : CatShift::Plus));
        commands.push_back(repeaterOffsetCommand(record.txFrequency()));
        break;
    case Shift::Simplex:
    case Shift::Split:
        commands.push_back(repeaterShiftCommand(CatShift::Simplex));
        break;
    }
    const auto tone = ctcssTenthsOfHertz(record.toneNumber());
    const auto code = dcsCode(record.dcsNumber());
    switch (record.toneMode()) {
    case ToneMode::Tone:
    case ToneMode::Mute:
        commands.push_back(toneModeCommand(record.toneMode() == ToneMode::Tone ? CatToneMode::CtcssEncoder
                                                                               : CatToneMode::Ctcss));
        if (tone)
            commands.push_back(ctcssTonesCommand(*tone, *tone));
        break;
    case ToneMode::Dcs:
        commands.push_back(toneModeCommand(CatToneMode::Dcs));
        if (code)
            commands.push_back(dcsCodesCommand(*code, *code));
        break;
    case ToneMode::None:
        commands.push_back(toneModeCommand(CatToneMode::Off));
        break;
    }
    return commands;
}

Result<TunedFrequency> readTunedAnswer(const Bytes& answer)
{
    if (answer.size() != 5)
        return Error{"the radio's answer to the frequency read is " + std::to_string(answer.size()) +
                         " bytes, not 5",
                     {}};
    const auto frequency = catFrequencyFromBcd(std::span<const std::uint8_t, 4>(answer.data(), 4));
    if (!frequency)
        return Error{"the radio's frequency " + hexBytes(std::span(answer.data(), 4), " ") +
                         " is not decimal digits: nothing taken",
                     {}};
    if (const Status tuned = checkTuned(*frequency); !tuned)
        return Error{"not taken: " + tuned.error().message, tuned.error().detail};
    const auto mode = catModeFromByte(answer[4]);
    if (!mode)
        return Error{"not taken: the radio's mode byte 0x" + hexByte(answer[4]) +
                         " is none of LSB, USB, CW, CWR, AM, FM, DIG and PKT",
                     {}};
    TunedFrequency tuned;
    tuned.frequency = *frequency;
    for (std::size_t i = 0; i < kRecordModes.size(); ++i) {
        if (kRecordModes[i] == *mode)
            tuned.mode = static_cast<int>(i);
    }
    return tuned;
}

Status sendAndConfirm(CatLink& link, const std::vector<CatCommand>& commands)
{
    std::optional<CatCommand> frequency;
    std::optional<CatCommand> mode;
    for (const CatCommand& command : commands) {
        if (const Result<Bytes> done = link.exchange(command); !done)
            return done.error();
        if (command[4] == static_cast<std::uint8_t>(CatOpcode::SetFrequency))
            frequency = command;
        if (command[4] == static_cast<std::uint8_t>(CatOpcode::SetMode))
            mode = command;
    }
    const Result<Bytes> answer = link.exchange(readFrequencyAndModeCommand());
    if (!answer)
        return Error{"not confirmed: the read back of the frequency and mode failed: " +
                         answer.error().message,
                     answer.error().detail};
    const Result<TunedFrequency> tuned = readTunedAnswer(*answer);
    if (!tuned)
        return Error{"not confirmed: the radio's answer " + hexBytes(*answer, " ") +
                         " to the read back is no frequency and mode",
                     tuned.error().full()};
    const bool frequencyAsSet =
        !frequency || std::equal(frequency->begin(), frequency->begin() + 4, answer->begin());
    const bool modeAsSet = !mode || (*mode)[0] == (*answer)[4];
    if (!frequencyAsSet || !modeAsSet)
        return Error{"not confirmed: the radio reads back " + megahertzText(tuned->frequency) + " MHz " +
                         std::string(kModeNames[static_cast<std::size_t>(tuned->mode)]) +
                         ", not what was sent",
                     "The radio did not take the commands; check its CAT RATE and the cable."};
    return {};
}

EditOutcome takeIntoChannel(BlockStore& store, int channel, const TunedFrequency& tuned)
{
    return takeTunedIntoChannel(store, channel, tuned.frequency, tuned.mode);
}

} // namespace ft817
