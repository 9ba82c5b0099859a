#pragma once
// The radio's side of a download: in clone mode, sending, it sends its
// memory block by block, each block after the tool's 0x06 for the one
// before, with the sending faults it is asked for (a pause in or before a
// block, falling silent, a damaged block, hanging up).

#include "sim/radio_observations.h"
#include "sim/sim_line.h"
#include "sim/simulated_radio.h"

#include <vector>

namespace ft817::sim {

class CloneSender {
public:
    // The memory, options and the others must outlive the sender.
    CloneSender(const Memory& memory, const RadioOptions& options, SimLine& line, RadioObservations& seen);

    // Block 0 goes out at `at`.
    void start(double at);
    // Back to block 0, for a session to come.
    void reset();

    enum class Progress {
        None,       // nothing fell due
        Moved,      // a step was taken
        FellSilent, // the radio will send nothing more this session
        HangUp,     // the radio hangs up the line now
    };
    // Takes the step that has fallen due once the line has sent all before it.
    Progress advance(double now);
    // When advance() next has something to do (kNever while waiting for 0x06).
    double deadline(double now) const;

    enum class Answer {
        Ignored,         // not an acknowledgement the radio waits for
        NextBlock,       // the next block follows
        Whole,           // the last block is acknowledged: the download is whole
        WholeThenHangUp, // ... and the radio then hangs up (a fault)
    };
    // A byte from the tool, arrived at `at`.
    Answer take(std::uint8_t byte, double at);

private:
    enum class Step { Start, FirstHalf, Pausing, HangingUp, Whole, WaitAck };

    int blockCount() const { return static_cast<int>(m_memory.blockLengths.size()); }
    Bytes blockBytes(int block, int from, int to) const;

    const Memory& m_memory;
    const RadioOptions& m_options;
    SimLine& m_line;
    RadioObservations& m_seen;
    std::vector<int> m_starts; // where each block starts in the image

    int m_block = 0; // the block being sent
    Step m_step = Step::Start;
    double m_at = 0; // when the current step is due
};

} // namespace ft817::sim
