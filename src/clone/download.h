#pragma once
// Download: receives the radio's clone image block by block (a block ends
// after 0.25 s of silence), answers each block with 0x06, and when no new
// block starts within 2 s writes the image file with its trailer. Fast
// timing acknowledges a block as soon as it is whole and ends the transfer
// soon after the last block (transfer_timing.h); everything else is the same.

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

// Receives the radio's memory into the image file at path; the report says how it ended.
TransferReport download(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                        TransferTiming timing = TransferTiming::Standard);

}  // namespace ft817
