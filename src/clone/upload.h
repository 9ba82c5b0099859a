#pragma once
// Upload: sends an image file to the radio block by block in table order,
// each with a freshly computed checksum, waits up to 3 s for 0x06 after each
// block and pauses 0.25 s before the next (10 ms with fast timing).
//
// Before the port is opened the image is checked: one that is not a whole
// memory of a known radio (a cut-off download, blocks of other lengths) is
// refused unless the person has said to send it anyway. So is one whose
// stored checksums do not match (a block that arrived damaged): sent anyway,
// it goes out with fresh checksums and the report tells of them. So is one
// holding a channel or special memory in use whose frequency the radio
// cannot tune: the report names them.

#include "clone/transfer_sink.h"
#include "clone/transfer_timing.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <string>

namespace ft817 {

// Which images an upload sends.
enum class UploadLayout {
    WholeMemoryOnly, // refuses an image that is not a known radio's layout, has damaged blocks
                     // or a memory in use whose frequency the radio cannot tune
    AnyLayout,       // sends any image file (the person was asked, or asked for it)
};

// Sends the image file at path to the radio; the report says how it ended.
TransferReport upload(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                      UploadLayout layouts, TransferTiming timing = TransferTiming::Standard);

} // namespace ft817
