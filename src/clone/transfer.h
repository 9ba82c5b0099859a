#pragma once
// Either transfer, chosen by its direction: for the callers that offer both.

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

enum class TransferKind { Download, Upload };

// Runs a download into the file at path, or an upload of that file.
TransferReport transfer(TransferKind kind, SerialPort& port, Clock& clock, const std::string& path,
                        TransferSink& sink, TransferTiming timing = TransferTiming::Standard);

}  // namespace ft817
