#pragma once
// Either transfer, chosen by its direction: for the callers that offer both.

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "clone/upload.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

enum class TransferKind { Download, Upload };

// What a transfer needs beside its direction and its file.
struct TransferOptions {
    // Download: the history folder, where the saved image and the file it replaces are kept.
    std::string historyFolder;
    // Upload: whether an image that is not a whole memory of a known radio is sent.
    UploadLayout layouts = UploadLayout::WholeMemoryOnly;
    // Both: how the exchange with the radio is paced.
    TransferTiming timing = TransferTiming::Standard;
};

// Runs a download into the file at path, or an upload of that file.
TransferReport transfer(TransferKind kind, SerialPort& port, Clock& clock, const std::string& path,
                        TransferSink& sink, const TransferOptions& options);

} // namespace ft817
