#pragma once
// The radio in normal operation, listening on the line: it gathers the
// tool's bytes into five-byte CAT commands, hands each to its CatResponder
// and sends the answer back. Like the radio, it keeps part of a command
// across the port closing (it cannot know the tool has gone), so the next
// bytes complete it. With no radio on the line (an echoing or noisy line)
// every byte is answered by the line itself.

#include "sim/cat_responder.h"
#include "sim/radio_observations.h"
#include "sim/sim_line.h"
#include "sim/simulated_radio.h"

#include <mutex>

namespace ft817::sim {

class CatListener {
public:
    // The options, line and record must outlive the listener; eeprom is what
    // the radio answers EEPROM reads from.
    CatListener(const RadioOptions& options, Bytes eeprom, SimLine& line, RadioObservations& seen);

    // The line's far end is no radio (CatLine::Echo or CatLine::Noise).
    bool noRadio() const { return m_options.cat.line != CatLine::Radio; }
    // A byte from the tool, arrived at `at`; true when it ended a command the
    // radio made out (one sent at its CAT rate).
    bool take(std::uint8_t byte, double at);
    // The radio goes into clone mode: a command begun is gone.
    void forget() { m_bytes.clear(); }
    // With no radio on the line: the byte comes back, or a byte of noise does.
    void answerAsLine(std::uint8_t byte, double at);

    // From any thread: the VFO now and the EEPROM the radio answers from.
    std::uint32_t vfoFrequency() const;
    std::uint8_t vfoMode() const;
    Bytes eeprom() const;

private:
    bool answer(const CatResponder::Command& command, double at);

    const RadioOptions& m_options;
    SimLine& m_line;
    RadioObservations& m_seen;
    mutable std::mutex m_mutex; // guards m_responder
    CatResponder m_responder;
    Bytes m_bytes;                  // the command's bytes so far
    std::uint32_t m_noise = 0x817u; // the noisy line's pseudo-random generator
};

} // namespace ft817::sim
