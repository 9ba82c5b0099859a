#include "sim/sim_line.h"

#include "sim/cat_responder.h"
#include "sim/simulated_radio.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace ft817::sim {

double lineSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

SimLine::~SimLine()
{
    close();
}

Status SimLine::open(const std::string& linkPath)
{
    m_linkPath = linkPath;
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_wakeFd < 0 || m_inotifyFd < 0)
        return Error{"cannot start the simulated radio: out of system resources", {}};
    if (Status opened = plugIn(); !opened)
        return opened;
    m_ownsLink = !m_linkPath.empty();
    return {};
}

Status SimLine::plugIn()
{
    if (Status opened = m_terminal.open(); !opened)
        return opened;
    m_watch = ::inotify_add_watch(m_inotifyFd, slavePath().c_str(), IN_OPEN | IN_CLOSE);
    if (m_watch < 0)
        return Error{"cannot watch " + slavePath() + " for the tool opening it", {}};
    if (!m_linkPath.empty()) {
        // The first line makes the link; a line after a hang-up repoints it.
        if (Status linked = pointSymlink(m_linkPath, slavePath(), m_linkedTo); !linked)
            return linked;
        m_linkedTo = slavePath();
    }
    return {};
}

void SimLine::hangUp()
{
    if (m_watch >= 0)
        ::inotify_rm_watch(m_inotifyFd, m_watch);
    m_watch = -1;
    m_terminal.close();
    clearOutput();
}

void SimLine::close()
{
    if (m_ownsLink)
        removeSymlinkTo(m_linkPath, slavePath());
    m_ownsLink = false;
    m_terminal.close();
    for (int* fd : {&m_inotifyFd, &m_wakeFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_watch = -1;
}

void SimLine::wake()
{
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto ignored = ::write(m_wakeFd, &one, sizeof one);
    }
}

int SimLine::baudRate() const
{
    return lineBaudRate(m_terminal.master());
}

bool SimLine::wait(double seconds, bool watchInput, Ready& ready)
{
    const bool watchMaster = watchInput && mayHaveInput();
    pollfd fds[3] = {
        {m_wakeFd, POLLIN, 0},
        {m_inotifyFd, POLLIN, 0},
        {watchMaster ? m_terminal.master() : -1, static_cast<short>(POLLIN | (m_blocked ? POLLOUT : 0)), 0}};
    timespec timeout{};
    timeout.tv_sec = static_cast<time_t>(seconds);
    timeout.tv_nsec = static_cast<long>((seconds - std::floor(seconds)) * 1e9);
    ready = {};
    if (::ppoll(fds, 3, &timeout, nullptr) < 0 && errno != EINTR)
        return false;
    if (fds[0].revents != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto ignored = ::read(m_wakeFd, &count, sizeof count);
    }
    ready.portEvents = (fds[1].revents & POLLIN) != 0;
    ready.input = fds[2].revents != 0;
    return true;
}

void SimLine::readPortEvents(const std::function<void(bool opened)>& onEvent)
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(m_inotifyFd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->wd != m_watch)
                continue;
            if (event->mask & IN_OPEN)
                onEvent(true);
            else if (event->mask & IN_CLOSE)
                onEvent(false);
        }
    }
}

void SimLine::readInput(double now, const std::function<void(std::uint8_t byte, double at)>& onByte)
{
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t length = ::read(m_terminal.master(), buffer, sizeof buffer);
        if (length > 0) {
            for (ssize_t i = 0; i < length; ++i)
                onByte(buffer[i], arrival(now));
            continue;
        }
        if (length < 0 && errno == EIO)
            m_inputClosed = true; // every slave descriptor is closed
        break;
    }
    flush(now);
}

double SimLine::arrival(double at)
{
    if (!m_pacing)
        return at;
    m_inputFreeAt = std::max(m_inputFreeAt, at) + kByteSeconds;
    return m_inputFreeAt;
}

void SimLine::beginSession(double now)
{
    m_inputClosed = false;
    m_inputFreeAt = now;
    m_nextByteAt = now;
}

void SimLine::send(double at, Bytes bytes)
{
    auto place = std::find_if(m_pending.begin(), m_pending.end(), [&](const Piece& p) { return p.at > at; });
    m_pending.insert(place, Piece{at, std::move(bytes)});
}

bool SimLine::releaseDue(double now)
{
    bool released = false;
    while (!m_pending.empty() && m_pending.front().at <= now) {
        if (m_bytes.empty())
            m_nextByteAt = std::max(m_nextByteAt, m_pending.front().at);
        m_bytes.insert(m_bytes.end(), m_pending.front().bytes.begin(), m_pending.front().bytes.end());
        m_pending.pop_front();
        released = true;
    }
    return released;
}

// Writes the bytes that are due: all at once without pacing, otherwise one
// every kByteSeconds from m_nextByteAt, catching up when the thread woke late.
void SimLine::flush(double now)
{
    m_blocked = false;
    const int master = m_terminal.master();
    if (m_bytes.empty() || master < 0)
        return;
    std::size_t due = m_bytes.size();
    if (m_pacing) {
        if (now < m_nextByteAt)
            return;
        due = std::min(due, static_cast<std::size_t>((now - m_nextByteAt) / kByteSeconds) + 1);
    }
    const Bytes chunk(m_bytes.begin(), m_bytes.begin() + static_cast<long>(due));
    const ssize_t written = ::write(master, chunk.data(), chunk.size());
    if (written < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            m_blocked = true;
        else
            m_bytes.clear(); // the tool has gone; what was queued is lost with the line
        return;
    }
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + written);
    if (m_pacing)
        m_nextByteAt += static_cast<double>(written) * kByteSeconds;
    else
        m_nextByteAt = now;
    if (static_cast<std::size_t>(written) < due)
        m_blocked = true;
}

void SimLine::clearOutput()
{
    m_pending.clear();
    m_bytes.clear();
    m_blocked = false;
}

double SimLine::nextDue(double now) const
{
    double due = kNever;
    if (!m_pending.empty())
        due = m_pending.front().at;
    if (!m_bytes.empty() && !m_blocked)
        due = std::min(due, m_pacing ? m_nextByteAt : now);
    return due;
}

} // namespace ft817::sim
