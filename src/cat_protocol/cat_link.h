#pragma once
// A conversation with the radio over CAT in normal operation: the port is
// opened once at the CAT rate, each command is written through the guarded
// sender and its answer (if it has one) is awaited before the next command
// goes out. Plain C++: the port and the clock are handed in.
//
// Timing: each answer must be whole within the answer limit; a read that
// gets no whole answer is sent once more after the input is cleared, and
// only then reported as unanswered.

#include "cat_protocol/cat_command.h"
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

    // Sends the command and returns the radio's answer (empty for set commands,
    // which the radio does not answer, once their bytes have left the port).
    Result<Bytes> exchange(const CatCommand& command, int attempts = kCatReadAttempts);

    // Called with every command just before it is written.
    void onSend(std::function<void(const CatCommand&)> observer) { m_onSend = std::move(observer); }

    double answerLimit = kCatAnswerLimitSeconds;

private:
    Status drain();
    Result<Bytes> awaitAnswer(int length);

    SerialPort& m_port;
    Clock& m_clock;
    int m_rate = 9600;
    bool m_open = false;
    std::function<void(const CatCommand&)> m_onSend;
};

// Finds the rate the radio answers CAT at by reading its frequency and mode
// at each of kCatRates; the link is left open at that rate. A radio that
// answers at none gets a message a person can act on.
Result<int> findCatRate(CatLink& link);

// The message for a radio that answers no CAT read at any rate.
inline constexpr const char* kNoCatAnswer =
    "no answer to CAT reads at 4800, 9600 or 38400 baud: is the radio on, in normal operation "
    "(not clone mode), and the cable in the ACC socket?";

} // namespace ft817
