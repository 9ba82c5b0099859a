#pragma once
// Download: receives the radio's clone image block by block (a block ends
// after 0.25 s of silence), answers each block with 0x06, and when no new
// block starts within 2 s writes the image file with its trailer.

#include "clone/transfer_sink.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

TransferReport download(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink);

}  // namespace ft817
