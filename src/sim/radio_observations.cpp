#include "sim/radio_observations.h"

#include <chrono>

namespace ft817::sim {

void RadioObservations::setSlavePath(const std::string& path)
{
    std::lock_guard lock(m_mutex);
    m_slavePath = path;
}

void RadioObservations::setServing(bool serving)
{
    std::lock_guard lock(m_mutex);
    m_serving = serving;
    m_changed.notify_all();
}

void RadioObservations::portOpened()
{
    std::lock_guard lock(m_mutex);
    ++m_opens;
    m_toolOpen = true;
    m_changed.notify_all();
}

void RadioObservations::portClosed()
{
    std::lock_guard lock(m_mutex);
    m_toolOpen = false;
    m_changed.notify_all();
}

void RadioObservations::hungUp()
{
    std::lock_guard lock(m_mutex);
    ++m_hangUps;
    m_toolOpen = false;
    m_changed.notify_all();
}

void RadioObservations::stopped()
{
    std::lock_guard lock(m_mutex);
    m_serving = false;
    m_toolOpen = false;
    m_changed.notify_all();
}

void RadioObservations::acknowledged(bool whole)
{
    std::lock_guard lock(m_mutex);
    ++m_acknowledgements;
    if (whole)
        ++m_transfers;
    m_changed.notify_all();
}

void RadioObservations::uploadStarting()
{
    std::lock_guard lock(m_mutex);
    m_received.clear();
}

Bytes RadioObservations::blockTaken(const Bytes& block, bool whole)
{
    std::lock_guard lock(m_mutex);
    m_received.insert(m_received.end(), block.begin(), block.end());
    Bytes upload;
    if (whole) {
        ++m_transfers;
        upload = m_received;
    }
    m_changed.notify_all();
    return upload;
}

void RadioObservations::catCommand(const Command& command)
{
    std::lock_guard lock(m_mutex);
    m_commands.push_back(command);
    m_changed.notify_all();
}

void RadioObservations::catFault(const std::string& line)
{
    std::lock_guard lock(m_mutex);
    m_catFaults.push_back(line);
}

std::string RadioObservations::slavePath() const
{
    std::lock_guard lock(m_mutex);
    return m_slavePath;
}

int RadioObservations::transfers() const
{
    std::lock_guard lock(m_mutex);
    return m_transfers;
}

int RadioObservations::acknowledgements() const
{
    std::lock_guard lock(m_mutex);
    return m_acknowledgements;
}

Bytes RadioObservations::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<RadioObservations::Command> RadioObservations::commands() const
{
    std::lock_guard lock(m_mutex);
    return m_commands;
}

std::vector<std::string> RadioObservations::catFaults() const
{
    std::lock_guard lock(m_mutex);
    return m_catFaults;
}

int RadioObservations::opens() const
{
    std::lock_guard lock(m_mutex);
    return m_opens;
}

bool RadioObservations::toolOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_toolOpen;
}

bool RadioObservations::serving() const
{
    std::lock_guard lock(m_mutex);
    return m_serving;
}

int RadioObservations::hangUps() const
{
    std::lock_guard lock(m_mutex);
    return m_hangUps;
}

bool RadioObservations::waitForTransfers(int count, double timeoutSeconds) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                              [&] { return m_transfers >= count; });
}

bool RadioObservations::waitUntilStopped(double timeoutSeconds) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                              [&] { return !m_serving; });
}

} // namespace ft817::sim
