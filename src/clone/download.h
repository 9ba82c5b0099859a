#pragma once
// Download: receives the radio's clone image block by block (a block ends
// after 0.25 s of silence), answers each block with 0x06, and when no new
// block starts within 2 s writes the image file with its trailer, exactly as
// received. Then it checks what arrived (block numbers, checksums, layout)
// and reports an image that is not a whole memory as such. Fast timing
// acknowledges a block as soon as it is whole and ends the transfer soon
// after the last block (transfer_timing.h); everything else is the same.
//
// Nothing is lost: a file at the path is copied into the history first (when
// that fails, the path is left alone and the image goes to the temporary
// folder), and the saved image is kept there too.

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "image/image_history.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

// Receives the radio's memory into the image file at path; the report says how it ended.
TransferReport download(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                        const ImageHistory& history, TransferTiming timing = TransferTiming::Standard);

} // namespace ft817
