#pragma once
// Reading the part of the radio's EEPROM that clone mode does not carry,
// 0x0000-0x0054, where the soft calibration lives. An EEPROM read answers two
// bytes, the address's and the next one's; the backup reads every address
// from 0x0000 to 0x0054, each answered before the next is sent, so that
// consecutive reads overlap in one byte and every byte but the first is read
// twice. Reads that disagree (an answer taken for another read's, noise) refuse
// the whole backup: it is right or it is not made. Only reads are sent (and,
// to bring the radio's commands into step and find the CAT rate, status and
// frequency reads). Plain C++: port and clock handed in.

#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/result.h"
#include "platform/serial_port.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace ft817 {

// Bytes below the clone memory (block 1 starts at EEPROM 0x0055).
inline constexpr int kCalibrationBytes = 0x55;
// EEPROM reads that cover them: one at each address, overlapping.
inline constexpr int kCalibrationReads = kCalibrationBytes;
// Where the radio's version bytes lie (clone block 0's payload).
inline constexpr int kVersionAddress = 0x0004;

struct CalibrationRequest {
    int rate = 0; // the radio's CAT RATE; 0 finds it (4800, 9600 or 38400)
    // Called after each read with the reads done so far and kCalibrationReads.
    std::function<void(int done, int total)> progress;
    // Set from another thread to abandon between reads.
    const std::atomic<bool>* abandon = nullptr;
};

struct CalibrationRead {
    int rate = 0;
    Bytes bytes; // kCalibrationBytes, from EEPROM 0x0000 on
};

// Reads the 85 bytes; an error unless every one was read and every byte read
// twice agreed.
Result<CalibrationRead> readCalibration(SerialPort& port, Clock& clock, const CalibrationRequest& request);

} // namespace ft817
