#pragma once
// Upload: sends an image file to the radio block by block in table order,
// each with a freshly computed checksum, waits up to 3 s for 0x06 after each
// block and pauses 0.25 s before the next (10 ms with fast timing).

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

// Sends the image file at path to the radio; the report says how it ended.
TransferReport upload(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                      TransferTiming timing = TransferTiming::Standard);

}  // namespace ft817
