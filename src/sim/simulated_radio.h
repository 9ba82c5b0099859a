#pragma once
// A simulated FT-817 on a pseudo-terminal, speaking the radio's side of the
// clone and CAT exchanges, so the tool can be tried and tested without a
// radio. It runs on a thread of its own; the tool opens the slave side (or a
// symlink to it) like any serial device.

#include "platform/file_access.h"
#include "platform/result.h"
#include "sim/cat_responder.h"
#include "sim/model.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ft817::sim {

enum class Mode {
    Send,    // clone mode, radio sending: serves a download
    Receive, // clone mode, radio receiving: takes an upload
    Cat,     // normal operation: records five-byte CAT commands; like the
             // radio, it keeps part of a command across the port closing
    Auto,    // sends when a tool opens the port and stays quiet 0.3 s,
             // receives when blocks arrive, records CAT commands otherwise
};

// One byte on the line at 9600 baud with 8 data bits and 2 stop bits
// (start bit, 8 data bits, 2 stop bits = 11 bit times).
inline constexpr double kByteSeconds = 11.0 / 9600.0;

// How long the tool must stay quiet after opening the port before a radio in
// Auto mode starts sending.
inline constexpr double kAutoSendSilence = 0.3;

// The silence after which a radio in Auto mode decides what the bytes it got
// were: a whole block 0 of its own layout makes it receive, anything else is
// taken as CAT commands.
inline constexpr double kAutoDecideSilence = 0.1;

// Faults on request, to test how the tool copes.
struct Faults {
    int pauseInBlock = -1;                    // pause in the middle of this block (sending)
    double pauseSeconds = 0.0;                // ... for this long
    int stopAfterBlock = -1;                  // send this block, then fall silent for good
    int stopInBlock = -1;                     // fall silent in the middle of this block
    bool neverAcknowledge = false;            // receiving: never answer 0x06
    std::vector<std::uint8_t> bytesBeforeAck; // receiving: send these before each 0x06
    int hangUpInBlock = -1;                   // close the line (cable pulled) in the middle of this block
    int pauseBeforeBlock = -1;                // sending: wait pauseSeconds more before this block
    int damageBlock = -1;                     // sending: this block's first payload byte goes out changed
    bool hangUpAtEnd = false;                 // sending: close the line once the last block is acknowledged
    bool doubleAcknowledge = false;           // receiving: answer every block with 0x06 twice
};
// Receiving, the faults read as: stopAfterBlock acknowledges that block and
// none after it; stopInBlock acknowledges nothing from that block on;
// hangUpInBlock hangs up when half of that block has arrived; pauseInBlock
// does not apply. After a hang-up the radio comes back on a fresh
// pseudo-terminal (a cable plugged in again) and repoints the symlink.

// Faults that would do nothing are refused: a block past the radio's last
// one, or a pause with no block to pause in.
Status checkFaults(const Faults& faults, int blockCount);

struct RadioOptions {
    Mode mode = Mode::Auto;
    Model model = Model::FT817;
    // Clone image (blocks back to back) and the length of each block; empty
    // means the built-in memory of the model.
    Bytes image;
    std::vector<int> blockLengths;
    bool pacing = true;       // 9600 baud, 8N2: 11/9600 s a byte
    double startDelay = 0.5;  // sending starts this long after the tool opens the port
    double blockDelay = 0.02; // next block this long after the 0x06
    double ackDelay = 0.02;   // receiving: 0x06 this long after a block's last byte
    // A blockDelay of 2 s or more, or an ackDelay of 3 s or more, breaks
    // the radio's promises on purpose: use them as faults.
    Faults faults;
    // Stop after one transfer: when the tool closes the port after a whole
    // download, a whole upload or a CAT command (never while it still holds
    // the port, which would break its last wait).
    bool once = false; // stop after one transfer
    // Called on the radio's thread after each whole upload with the clone
    // image taken (blocks back to back, as received).
    std::function<void(const Bytes& image)> onImageReceived;
    // Called on the radio's thread for every five-byte command recorded.
    std::function<void(const std::array<std::uint8_t, 5>& command)> onCatCommand;
    // Normal operation: the VFO, EEPROM, CAT rate and CAT faults (cat_responder.h).
    CatOptions cat;
    // Called on the radio's thread with a line for each CAT command that went
    // wrong: garbage at a wrong rate, a forbidden opcode, a read left unanswered.
    std::function<void(const std::string& line)> onCatLog;
};

// The built-in memory of a model: its clone image and block lengths.
struct Memory {
    Bytes image;
    std::vector<int> blockLengths;
};
Memory defaultMemory(Model model);

class SimulatedRadio {
public:
    explicit SimulatedRadio(RadioOptions options);
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // Creates the pseudo-terminal (and a symlink at linkPath, if given) and
    // starts serving on a thread.
    Status start(const std::string& linkPath = {});
    // Stops serving, closes the pseudo-terminal and removes the symlink.
    void stop();

    // The slave side's path (/dev/pts/N), or the symlink when one was made.
    std::string devicePath() const;
    std::string slavePath() const;

    // What the radio has seen so far (safe to call from any thread).
    int transfersCompleted() const;       // downloads served or uploads taken whole
    int acknowledgementsReceived() const; // sending: 0x06 bytes read
    Bytes receivedImage() const;          // receiving: the blocks taken so far
    std::vector<std::array<std::uint8_t, 5>> catCommands() const;
    // Forbidden opcodes received, one line each (see CatResponder).
    std::vector<std::string> catFaults() const;
    // The radio's VFO now (set commands change it): 10 Hz units and mode byte.
    std::uint32_t vfoFrequency() const;
    std::uint8_t vfoMode() const;
    // The EEPROM it answers from (never changed by anything it receives).
    Bytes eeprom() const;
    int portOpens() const; // times the tool opened the port
    bool toolHasPortOpen() const;

    // Waits up to timeoutSeconds for transfersCompleted() to reach count.
    bool waitForTransfers(int count, double timeoutSeconds) const;

    // False once the radio has stopped serving: after stop(), after a --once
    // transfer ended with the tool closing the port, or after a fatal error.
    bool isServing() const;
    // Waits up to timeoutSeconds for isServing() to turn false.
    bool waitUntilFinished(double timeoutSeconds) const;
    // Times the radio hung up the line (hangUpInBlock).
    int hangUps() const;
    // The clone block lengths the radio works with (its own memory's layout).
    std::vector<int> blockLengths() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace ft817::sim
