#pragma once
// A conversation with the radio over CAT in normal operation: the port is
// opened once at the CAT rate, the radio's five-byte frame is brought into
// step, each command is written through the guarded sender and its answer
// (if it has one) is awaited before the next command goes out. Plain C++:
// the port and the clock are handed in.
//
// Timing: each answer must be whole within the answer limit. A read that
// gets no whole answer is not sent again at once: the line is first left to
// fall quiet (kCatLateQuietSeconds without a byte), so that a late answer is
// thrown away and never taken for the answer of the next read; only then is
// the read sent once more, and after that reported as unanswered.
//
// Step: the radio gathers five bytes and takes the fifth as the opcode. A
// job interrupted in the middle of a command, or clone bytes sent to a radio
// in normal operation (Upload clicked with the radio not in clone mode),
// leave it holding part of a frame, and the next command would be read
// shifted, a parameter byte taken as the opcode. Before its first command a
// job therefore sends kCatSyncByte one byte at a time until the radio answers
// (at most five bytes: each byte is either a parameter or a status read), and
// then a frequency read padded with kCatSyncByte, whose whole and valid
// answer shows that the frame is in step and that a radio, not an echo or
// noise, answers.

#include "cat_protocol/cat_frames.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/result.h"
#include "platform/serial_port.h"

#include <functional>

namespace ft817 {

// The CAT rates the radio offers (its menu item CAT RATE), in the order tried.
inline constexpr int kCatRates[] = {4800, 9600, 38400};

// Longest wait for one whole answer.
inline constexpr double kCatAnswerLimitSeconds = 0.5;
// Times a read is sent before it counts as unanswered.
inline constexpr int kCatReadAttempts = 2;
// Bringing the frame into step: the wait for an answer after each sync byte
// but the fifth (after the fifth, the answer limit). A radio that answers
// later than this is brought into step a second time with the longer wait,
// which still keeps the bytes of a command within the 200 ms of each other
// that the radio's operating manual allows.
inline constexpr double kCatSyncByteWaitSeconds = 0.1;
inline constexpr double kCatSyncByteSlowWaitSeconds = 0.18;
// Quiet that ends the wait for the rest of an answer after the sync.
inline constexpr double kCatSettleQuietSeconds = 0.1;
// Quiet that ends the wait for late answers after a time limit.
inline constexpr double kCatLateQuietSeconds = 1.0;
// Longest wait for the line to fall quiet at all.
inline constexpr double kCatQuietLimitSeconds = 3.0;

// How bringing the frame into step at one rate went.
enum class CatStep {
    InStep,     // a radio answered, its frame in step
    Silent,     // nothing answered
    Late,       // bytes came, but only after the time limits: a radio that answers too slowly
    Echo,       // the line gave back the tool's own bytes
    NotRadio,   // bytes came that are no radio's answer (noise, or a frame that would not come into step)
    PortFailed, // the port itself failed
};

class CatLink {
public:
    CatLink(SerialPort& port, Clock& clock) : m_port(port), m_clock(clock) {}
    ~CatLink() { close(); }
    CatLink(const CatLink&) = delete;
    CatLink& operator=(const CatLink&) = delete;

    // Port set-up at the given rate (open, one byte per read, clear input).
    Status open(int baud);
    // Changes the rate of the open port, clearing what has arrived.
    Status setRate(int baud);
    void close();
    int rate() const { return m_rate; }

    // Brings the radio's frame into step at the current rate (see above);
    // the error's message says what was heard instead.
    Status bringInStep();
    // How the last bringInStep went.
    CatStep lastStep() const { return m_step; }

    // Sends the command and returns the radio's answer (empty for set commands,
    // which the radio does not answer, once their bytes have left the port).
    // An answer that repeats the command's own bytes is an echo, not an answer.
    Result<Bytes> exchange(const CatCommand& command, int attempts = kCatReadAttempts);

    // Bytes that arrive within kCatSettleQuietSeconds of quiet after the last
    // answer: none from a radio that answered each read once.
    Result<Bytes> trailingBytes();

    // Called with every command just before it is written.
    void onSend(std::function<void(const CatCommand&)> observer) { m_onSend = std::move(observer); }

    double answerLimit = kCatAnswerLimitSeconds;

private:
    Status drain();
    Result<Bytes> awaitAnswer(int length, double limit);
    // Reads and throws away bytes until the line has been quiet for
    // quietSeconds (or kCatQuietLimitSeconds have passed); the bytes thrown away.
    int settle(double quietSeconds);
    // The bytes that arrive until the line has been quiet for quietSeconds.
    Result<Bytes> collectUntilQuiet(double quietSeconds);
    // One round of sync bytes, each followed by a wait of byteWait for any answer.
    Result<bool> sendSyncBytes(double byteWait);
    Status stepError(CatStep step, const std::string& message);

    SerialPort& m_port;
    Clock& m_clock;
    int m_rate = 9600;
    bool m_open = false;
    CatStep m_step = CatStep::Silent;
    std::function<void(const CatCommand&)> m_onSend;
};

// Finds the rate the radio answers CAT at by bringing its frame into step at
// each of kCatRates (preferred first, when given); the link is left open at
// that rate. Only a radio's answer counts: an echo of the tool's bytes or
// noise does not, and a radio that answers too late is reported as such
// rather than looked for at the next rate (where its late answer would be
// taken for another).
Result<int> findCatRate(CatLink& link, int preferred = 0);

// Opens the link and brings the radio's frame into step: at the given rate,
// or (rate 0) at the rate the radio answers, found as findCatRate does. The
// rate in use. Every CAT job starts here.
Result<int> connectCat(CatLink& link, int rate, int preferred = 0);

// One command as a job of its own: the link opened, the radio's frame brought
// into step (at rate, or at the rate found, preferred first), the command
// sent (and its answer awaited, for a read; a set command confirmed by reading
// the frequency and mode back, as sendAndConfirm does), the port closed. The
// rate used.
Result<int> sendInStep(SerialPort& port, Clock& clock, const CatCommand& command, int rate,
                       int preferred = 0);

// The message for a radio that answers no CAT read at any rate.
inline constexpr const char* kNoCatAnswer =
    "no answer to CAT reads at 4800, 9600 or 38400 baud: is the radio on, in normal operation "
    "(not clone mode), and the cable in the ACC socket?";

} // namespace ft817
