#pragma once
// Trying a memory channel on the air and taking what the radio is tuned to:
// the CAT commands that put a channel's frequency, mode, shift and offset,
// tone mode and tone or code on the radio's current VFO, and the reading of
// the radio's frequency and mode into a channel. Plain C++.

#include "cat_protocol/cat_frames.h"
#include "editing/memory_edit.h"
#include "image/block_store.h"
#include "platform/file_access.h"
#include "platform/result.h"

#include <vector>

namespace ft817 {

// The commands for channel (0..199), in the order sent: frequency, mode,
// shift (and the offset for a repeater shift), tone mode, then the tone or
// code when one is used. A split channel is tuned to its receive frequency
// and simplex (the radio's split cannot be set through the commands this tool sends).
std::vector<CatCommand> tuneCommands(const BlockStore& store, int channel);

class CatLink;

// Sends the commands on a link whose frame is in step, then reads the radio's
// frequency and mode back. The radio answers no set command, so the read is
// its only confirmation: an error ("not confirmed", with what it reads back)
// unless the frequency and mode read back as the commands set them. The
// shift, offset and tone settings cannot be read back over CAT.
Status sendAndConfirm(CatLink& link, const std::vector<CatCommand>& commands);

// What a frequency-and-mode answer (four BCD frequency bytes, the mode byte)
// stands for: the frequency in 10 Hz units and the mode 0..7 as the record
// stores it; refused with the reason when the radio cannot tune it or the
// mode byte is outside the table.
struct TunedFrequency {
    std::uint32_t frequency = 0;
    int mode = 0;
};
Result<TunedFrequency> readTunedAnswer(const Bytes& answer);

// Writes the frequency and mode into channel and makes it active; every other
// field of the channel stays as it is (memory_edit.h's takeTunedIntoChannel).
EditOutcome takeIntoChannel(BlockStore& store, int channel, const TunedFrequency& tuned);

} // namespace ft817
