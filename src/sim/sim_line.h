#pragma once
// The simulated radio's end of the serial cable: a pseudo-terminal (and a
// symlink to it the tool may open instead), the tool's opens and closes of
// it, and the line's pace. A pseudo-terminal passes bytes at once; with
// pacing on the line runs as 9600 baud 8N2 does, both ways: what the radio
// sends goes out a byte every kByteSeconds, and a byte the tool sends counts
// as arrived once it has crossed the line behind the bytes before it.
// Everything but wake() belongs to the radio's thread.

#include "platform/file_access.h"
#include "platform/result.h"
#include "sim/pseudo_terminal.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <string>

namespace ft817::sim {

// The steady clock the radio keeps its times in, in seconds.
double lineSeconds();

// A time that never comes.
inline constexpr double kNever = std::numeric_limits<double>::infinity();

class SimLine {
public:
    explicit SimLine(bool pacing) : m_pacing(pacing) {}
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    // Makes the first pseudo-terminal and, when linkPath is given, a symlink
    // to it there (replacing nothing that is there already).
    Status open(const std::string& linkPath);
    // Like a cable pulled out: the pseudo-terminal goes, so the tool's port
    // fails, and what waited to go out is lost.
    void hangUp();
    // The cable plugged in again: a fresh pseudo-terminal (the symlink follows).
    Status plugIn();
    // Closes the line and removes the symlink while it still points at it.
    void close();
    // From any thread: ends a wait() at once.
    void wake();

    // The slave side's path (/dev/pts/N).
    const std::string& slavePath() const { return m_terminal.slavePath(); }
    // The input rate the tool has set on its side, or 0.
    int baudRate() const;

    struct Ready {
        bool portEvents = false; // the tool opened or closed the port
        bool input = false;      // the tool wrote, or closed its side
    };
    // Sleeps up to seconds until the tool opens or closes the port, the
    // line can take blocked output, wake() is called or (with watchInput)
    // the tool writes; false on a failure of the system.
    bool wait(double seconds, bool watchInput, Ready& ready);
    // Reports each open (true) and close (false) of the port by the tool.
    void readPortEvents(const std::function<void(bool opened)>& onEvent);
    // Whether the tool's side may still bring bytes (some slave descriptor open).
    bool mayHaveInput() const { return m_terminal.master() >= 0 && !m_inputClosed; }
    // Reads what the tool has written, each byte with the time it has crossed
    // the line, then writes what output is due.
    void readInput(double now, const std::function<void(std::uint8_t byte, double at)>& onByte);
    // When a byte that reached the radio at `at` has crossed the line.
    double arrival(double at);

    // A session begins at now: both directions' clocks start there and the
    // tool's side counts as open.
    void beginSession(double now);

    // Sends bytes once at has come (paced from there on).
    void send(double at, Bytes bytes);
    // Moves what has fallen due to the line; true when something did.
    bool releaseDue(double now);
    // Writes the bytes the line has room and time for.
    void flush(double now);
    // Drops everything not yet written (the session ended).
    void clearOutput();
    // Nothing waits to go out.
    bool idle() const { return m_pending.empty() && m_bytes.empty(); }
    // When the line is free for the next byte (once idle: when the last went out).
    double freeAt() const { return m_nextByteAt; }
    // When output next needs the radio's attention.
    double nextDue(double now) const;

private:
    struct Piece {
        double at = 0;
        Bytes bytes;
    };

    bool m_pacing;
    PseudoTerminal m_terminal;
    int m_inotifyFd = -1;
    int m_watch = -1;
    int m_wakeFd = -1;
    std::string m_linkPath;
    // Where the symlink points now (empty before it is made).
    std::string m_linkedTo;
    // The symlink is this radio's to remove. Once removed, the path may point
    // at another radio's line (pseudo-terminal numbers are reused), so a
    // second close() must leave it alone.
    bool m_ownsLink = false;
    bool m_inputClosed = false; // every slave descriptor is closed: do not poll the master

    std::deque<Piece> m_pending; // in order of time
    std::deque<std::uint8_t> m_bytes;
    double m_nextByteAt = 0;  // when the next byte starts on the line
    bool m_blocked = false;   // the line had no room for the last write
    double m_inputFreeAt = 0; // when the line could next deliver a byte from the tool
};

} // namespace ft817::sim
