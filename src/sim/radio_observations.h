#pragma once
// What a simulated radio has seen so far, kept by its thread and read from
// any other: the port's opens, transfers, acknowledgements, the upload taken,
// the CAT commands and faults, hang-ups, and whether it still serves.

#include "platform/file_access.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace ft817::sim {

class RadioObservations {
public:
    using Command = std::array<std::uint8_t, 5>;

    // The radio's thread reports:
    void setSlavePath(const std::string& path);
    void setServing(bool serving);
    void portOpened();
    void portClosed();
    void hungUp();
    // Stopped serving: the tool's port counts as closed.
    void stopped();
    // A 0x06 came while sending; whole when it answered the last block.
    void acknowledged(bool whole);
    // Receiving: block 0 begins arriving, so a fresh upload starts.
    void uploadStarting();
    // Receiving: a good block was taken; whole when it was the last. Returns
    // the whole upload then, empty otherwise.
    Bytes blockTaken(const Bytes& block, bool whole);
    void catCommand(const Command& command);
    void catFault(const std::string& line);

    // Read from any thread:
    std::string slavePath() const;
    int transfers() const;
    int acknowledgements() const;
    Bytes received() const;
    std::vector<Command> commands() const;
    std::vector<std::string> catFaults() const;
    int opens() const;
    bool toolOpen() const;
    bool serving() const;
    int hangUps() const;
    // Waits up to timeoutSeconds for transfers() to reach count.
    bool waitForTransfers(int count, double timeoutSeconds) const;
    // Waits up to timeoutSeconds for serving() to turn false.
    bool waitUntilStopped(double timeoutSeconds) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::string m_slavePath;
    int m_transfers = 0;
    int m_acknowledgements = 0;
    int m_opens = 0;
    int m_hangUps = 0;
    bool m_toolOpen = false;
    bool m_serving = false;
    Bytes m_received;
    std::vector<Command> m_commands;
    std::vector<std::string> m_catFaults;
};

} // namespace ft817::sim
