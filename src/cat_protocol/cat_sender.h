#pragma once
// Sending one CAT command to the radio: the port is opened for the command
// and closed again after it, whatever happens, so it is never left open
// between commands. Nothing is read back from the radio.
//
// Timing: after the five bytes are queued, the port's output count is polled
// (about once a millisecond) until it is 0; a port that has not sent them
// within the drain limit is reported, so a stuck line never hangs the window.

#include "cat_protocol/cat_frames.h"
#include "platform/clock.h"
#include "platform/result.h"
#include "platform/serial_port.h"

namespace ft817 {

// Longest wait for the five bytes to leave the port.
inline constexpr double kCatDrainLimitSeconds = 2.0;

// The one place where CAT bytes are written to the radio: the five bytes,
// one per write, place 0 first, or nothing at all when the opcode (place 4)
// is not one the tool may send (cat_frames.h).
Status writeGuardedCatCommand(SerialPort& port, const CatCommand& command);

// Writes one byte of the sync that brings the radio's frame into step
// (cat_link.h); refused, nothing written, unless it is a read opcode, so that
// whatever place of a frame it lands in it can only complete a read.
Status writeGuardedSyncByte(SerialPort& port, std::uint8_t byte);

// Port set-up (open, text input one byte per read, clear input), the five bytes
// written one per write in order, a wait until they have left, and close.
// Nothing brings the radio's commands into step first: a job sends through
// sendInStep (cat_link.h), which does.
Status sendCatCommand(SerialPort& port, Clock& clock, const CatCommand& command,
                      double drainLimitSeconds = kCatDrainLimitSeconds);

} // namespace ft817
