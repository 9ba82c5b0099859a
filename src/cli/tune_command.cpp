// ft817clone tune and capture: try a memory channel on the radio's VFO over
// CAT, and take the radio's frequency and mode into a channel.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "cli/image_output.h"
#include "cli/memory_check.h"

#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "cat_protocol/channel_tuning.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/file_replacement.h"
#include "image/frequency_range.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/image_history.h"
#include "image/memory_map.h"
#include "platform/clock.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"
#include "text/text_format.h"

#include <iostream>
#include <variant>

namespace ft817 {
namespace {

constexpr const char* kTuneUsage =
    "Usage: ft817clone tune IMAGE CHANNEL [--port DEVICE] [--cat-rate 4800|9600|38400|auto]\n"
    "                  [--any-layout]\n"
    "\n"
    "Puts memory channel CHANNEL (1-200) of the image file (or payload file) on the radio's\n"
    "current VFO over CAT: frequency, mode, shift and offset, tone mode, tone or code, in that\n"
    "order. Prints each command sent in hex, then reads the frequency and mode back: a channel\n"
    "they do not read back as sent is reported as not confirmed (exit 1). The radio must be in\n"
    "normal operation. A channel in a block whose stored checksum does not match, or in an\n"
    "image whose blocks the radio split, is refused.\n"
    "\n"
    "  --port DEVICE     serial device of the radio (default: the first USB serial adapter)\n"
    "  --cat-rate RATE   the radio's CAT RATE; auto (default) finds it with a frequency read\n"
    "  --any-layout      send such a channel all the same\n";

constexpr const char* kCaptureUsage =
    "Usage: ft817clone capture IMAGE CHANNEL [--port DEVICE] [--cat-rate RATE] [--out OUT]\n"
    "                  [--any-layout]\n"
    "\n"
    "Reads the radio's frequency and mode over CAT and writes them into memory channel CHANNEL\n"
    "(1-200), making it active; the channel's other fields stay as they are. The image is written\n"
    "to OUT (default: IMAGE itself, replaced atomically; the history folder keeps the old file;\n"
    "for a payload file an image file beside it, IMAGE with the extension .bin). An image whose\n"
    "stored checksums do not match, or whose blocks the radio split, is refused.\n"
    "\n"
    "  --port DEVICE     serial device of the radio (default: the first USB serial adapter)\n"
    "  --cat-rate RATE   the radio's CAT RATE: 4800, 9600, 38400 or auto (default)\n"
    "  --out OUT         write the changed image here instead\n"
    "  --any-layout      change such an image all the same (fresh checksums hide the damage)\n";

struct ChannelRequest {
    std::string image;
    int channel = 0; // 0..199
    std::string device;
    int rate = 0;    // 0: find it
    std::string out; // empty: where changedImageTarget puts it
    bool anyLayout = false;
};

std::variant<ChannelRequest, int> readChannelArguments(CommandLine& line, const Arguments& args, bool withOut)
{
    line.addValueOption("port", "DEVICE");
    line.addValueOption("cat-rate", "RATE");
    line.addFlag("any-layout");
    if (withOut)
        line.addValueOption("out", "OUT");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> words = line.files();
    if (words.size() != 2)
        return line.usageError(words.size() < 2 ? "IMAGE and CHANNEL are needed"
                                                : "unexpected argument '" + words[2] + "'");
    ChannelRequest request;
    request.image = words[0];
    const std::string& number = words[1];
    if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(number) < 1 || std::stoi(number) > kChannelCount)
        return line.usageError("CHANNEL is a memory channel number 1-200, not '" + number + "'");
    request.channel = std::stoi(number) - 1;
    if (const std::string text = line.value("cat-rate"); !text.empty() && text != "auto") {
        if (text != "4800" && text != "9600" && text != "38400")
            return line.usageError("--cat-rate is 4800, 9600, 38400 or auto, not '" + text + "'");
        request.rate = std::stoi(text);
    }
    request.device = line.isSet("port") ? line.value("port") : defaultSerialDevice();
    request.out = withOut ? line.value("out") : std::string();
    request.anyLayout = line.isSet("any-layout");
    return request;
}

// Why the channel's record cannot be trusted as the image holds it: the
// block it lies in, or the block of the active bitmap, with a stored checksum
// that does not match, or blocks split or out of their numbers (the memory
// map then reads other bytes); empty when it can.
std::string channelDamage(std::span<const std::uint8_t> imageFile, int channel)
{
    const ImageCheck check = checkImageFile(imageFile);
    if (check.blocksDisturbed)
        return damageHiddenByRewrite(check);
    const int recordBlock = channelLocation(channel).block;
    const int bitmapBlock = activeBitLocation(channel).block;
    for (const int block : check.damagedBlocks)
        if (block == recordBlock || block == bitmapBlock)
            return "it lies in block " + std::to_string(recordBlock) + " (its in-use bit in block " +
                   std::to_string(bitmapBlock) + "), and the stored checksum of block " +
                   std::to_string(block) +
                   " does not match: the file was changed outside this program or arrived damaged";
    return {};
}

} // namespace

int runTuneCommand(const Arguments& args)
{
    CommandLine line("tune", kTuneUsage);
    const auto read = readChannelArguments(line, args, false);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const ChannelRequest& request = std::get<ChannelRequest>(read);
    const Result<LoadedMemory> memory = loadMemory("tune", request.image);
    if (!memory)
        return line.failure(memory.error().full());
    const BlockStore* store = &memory->store;
    const std::string name = "channel " + std::to_string(request.channel + 1);
    if (const std::string damage = channelDamage(memory->imageFile, request.channel);
        !damage.empty() && !request.anyLayout)
        return line.failure(request.image + ": " + name + ": " + damage +
                            ": nothing sent\n  To send it all the same, give --any-layout.");
    if (!isChannelActive(*store, request.channel))
        return line.failure(name + " is not in use in " + request.image + ": nothing sent");
    const ChannelRecordView record = ChannelRecordView::forChannel(*store, request.channel);
    if (const Status tuned = checkTuned(record.rxFrequency()); !tuned)
        return line.failure(name + ": " + tuned.error().message + ": nothing sent");

    QtSerialPort port(request.device);
    SteadyClock clock;
    CatLink link(port, clock);
    link.onSend([](const CatCommand& command) {
        std::cout << "sent " << catCommandHex(command) << "  " << describeCatCommand(command) << std::endl;
    });
    if (const Result<int> rate = connectCat(link, request.rate); !rate)
        return line.failure(rate.error().full());
    if (const Status confirmed = sendAndConfirm(link, tuneCommands(*store, request.channel)); !confirmed)
        return line.failure(name + ": " + confirmed.error().full());
    std::cout << name << " is on the radio's VFO at " << link.rate()
              << " baud: its frequency and mode read back as sent (the radio confirms no shift or tone)\n";
    return 0;
}

int runCaptureCommand(const Arguments& args)
{
    CommandLine line("capture", kCaptureUsage);
    const auto read = readChannelArguments(line, args, true);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const ChannelRequest& request = std::get<ChannelRequest>(read);
    Result<LoadedMemory> memory = loadMemoryToChange("capture", request.image, request.anyLayout, "take it");
    if (!memory)
        return line.failure(memory.error().full());
    const Result<std::string> target = changedImageTarget(*memory, request.image, request.out);
    if (!target)
        return line.failure(target.error().full());
    BlockStore* store = &memory->store;
    const ImageHistory history(historyFolder());
    if (const Status ready = checkReplaceable(*target, history, "capture"); !ready)
        return line.failure(ready.error().full());

    QtSerialPort port(request.device);
    SteadyClock clock;
    CatLink link(port, clock);
    if (const Result<int> rate = connectCat(link, request.rate); !rate)
        return line.failure(rate.error().full());
    const Result<Bytes> answer = link.exchange(readFrequencyAndModeCommand());
    link.close();
    if (!answer)
        return line.failure(answer.error().full());
    const Result<TunedFrequency> tuned = readTunedAnswer(*answer);
    if (!tuned)
        return line.failure(tuned.error().full());
    if (const EditOutcome taken = takeIntoChannel(*store, request.channel, *tuned); !taken)
        return line.failure("channel " + std::to_string(request.channel + 1) + ": " + taken.refusal);

    const Result<std::string> kept = writeImageKeepingReplaced(*store, *target, history, "capture");
    if (!kept)
        return line.failure(kept.error().full());
    std::cout << "channel " << request.channel + 1 << " takes " << megahertzText(tuned->frequency) << " MHz "
              << kModeNames[static_cast<std::size_t>(tuned->mode)] << " from the radio; wrote " << *target
              << "\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

} // namespace ft817
