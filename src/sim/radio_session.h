#pragma once
// The simulated radio's thread: it waits on the line (the tool opening and
// closing the port, the tool's bytes, output falling due) and runs the
// sessions, each from the tool opening the port to its closing it. What the
// radio does in a session depends on the mode; in Auto mode it decides per
// session:
//   - nothing arrives within kAutoSendSilence (0.3 s) of the open: the radio
//     sends, starting max(startDelay, 0.3 s) after the open;
//   - bytes arrive and are followed by kAutoDecideSilence (0.1 s) of quiet:
//     when they are exactly one well-formed block 0 of the radio's own layout
//     (right length, number byte 0, right checksum) the radio receives (and
//     acknowledges that block); otherwise it takes them, and everything after
//     them in the session, as five-byte CAT commands.

#include "sim/cat_listener.h"
#include "sim/clone_receiver.h"
#include "sim/clone_sender.h"
#include "sim/radio_observations.h"
#include "sim/sim_line.h"
#include "sim/simulated_radio.h"

#include <atomic>

namespace ft817::sim {

class RadioSession {
public:
    // Everything given must outlive the session; the line is open.
    RadioSession(const RadioOptions& options, const Memory& memory, SimLine& line, CatListener& cat,
                 RadioObservations& seen);

    // Serves until stopRequested turns true (and the line is woken), a
    // --once transfer has ended or the line fails.
    void run(const std::atomic<bool>& stopRequested);

private:
    enum class Phase { Closed, Deciding, Sending, Receiving, Cat, Done };

    void runDue(double now);
    double nextDeadline(double now) const;
    void portEvent(bool opened, double now);
    void readInput(double now);
    void feed(std::uint8_t byte, double at);
    void receive(std::uint8_t byte, double at);
    void listen(std::uint8_t byte, double at);
    void decide();
    void opened(double now);
    void closed();
    void reset();
    void hangUp();

    const RadioOptions& m_options;
    const Memory& m_memory;
    SimLine& m_line;
    CatListener& m_cat;
    RadioObservations& m_seen;
    CloneSender m_sender;
    CloneReceiver m_receiver;

    Phase m_phase = Phase::Closed;
    int m_openCount = 0; // the tool's open descriptors of the port
    double m_sessionStart = 0;
    bool m_didSomething = false; // a transfer or a CAT command this session
    bool m_hangUpPending = false;
    bool m_finished = false;
    // Auto mode, before the radio has decided: what the tool sent, and when
    // the last of it arrived.
    Bytes m_undecided;
    double m_lastArrival = 0;
};

} // namespace ft817::sim
