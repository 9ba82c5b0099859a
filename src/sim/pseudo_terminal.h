#pragma once
// A pseudo-terminal that stands in for the radio's end of a serial cable: the
// master side is the radio's, the slave side (/dev/pts/N) is the device the
// tool opens. The master is raw from the start, so nothing the radio sends is
// echoed or translated before the tool has set up its side. The radio never
// holds a slave descriptor of its own, so it sees the tool's close as a hang-up.

#include "platform/result.h"

#include <string>

namespace ft817::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates a fresh pseudo-terminal with a raw, non-blocking master.
    Status open();
    // Closes the master; a tool that still has the slave open then sees a hang-up.
    void close();

    int master() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    std::string m_slavePath;
};

// Makes linkPath a symbolic link to target. With no previous target nothing
// may exist at linkPath (the radio never replaces what it did not make); with
// one, linkPath must still be the radio's link to it, and is repointed
// atomically (a radio coming back on a fresh pseudo-terminal).
Status pointSymlink(const std::string& linkPath, const std::string& target,
                    const std::string& previousTarget = {});

// Removes linkPath when it is a symbolic link to target; leaves anything else alone.
void removeSymlinkTo(const std::string& linkPath, const std::string& target);

} // namespace ft817::sim
