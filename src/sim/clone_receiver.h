#pragma once
// The radio's side of an upload: in clone mode, receiving, it takes blocks
// in order and answers each good one with 0x06 after ackDelay; a damaged
// block gets no answer and the radio waits for the same block again. The
// receiving faults change what it answers, or hang up in a block.

#include "sim/radio_observations.h"
#include "sim/sim_line.h"
#include "sim/simulated_radio.h"

namespace ft817::sim {

class CloneReceiver {
public:
    // The memory, options and the others must outlive the receiver.
    CloneReceiver(const Memory& memory, const RadioOptions& options, SimLine& line, RadioObservations& seen);

    // Waits for block 0 again, dropping a block begun.
    void reset();

    enum class Taken {
        More,   // the radio waits for more
        HangUp, // half the hang-up block has come: the radio hangs up now
        Whole,  // the last block came whole: the upload is taken
    };
    // A byte from the tool, arrived at `at`.
    Taken take(std::uint8_t byte, double at);

private:
    const Memory& m_memory;
    const RadioOptions& m_options;
    SimLine& m_line;
    RadioObservations& m_seen;

    int m_block = 0; // the block expected next
    Bytes m_current; // its bytes so far
};

} // namespace ft817::sim
