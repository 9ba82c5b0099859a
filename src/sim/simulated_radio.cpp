#include "sim/simulated_radio.h"

#include "sim/default_memory.h"
#include "sim/pseudo_terminal.h"

#include "image/block_store.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <limits>
#include <mutex>
#include <numeric>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace ft817::sim {
namespace {

double nowSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

constexpr double kForever = std::numeric_limits<double>::infinity();

// Sending, the line goes dead this long after the first half of the block.
constexpr double kHangUpAfter = 0.1;

} // namespace

// How the radio works: one thread waits in ppoll() on three descriptors: an
// eventfd that stop() signals, an inotify watch on the slave path that reports
// the tool opening and closing the port, and the pseudo-terminal's master.
// Each time it wakes it runs whatever has fallen due (the next piece of a
// block, paced output bytes, a scheduled acknowledgement, the Auto decision)
// and sleeps until the next of those.
//
// A session runs from the tool opening the port to its closing it. What the
// radio does in a session depends on the mode; in Auto mode it decides per
// session:
//   - nothing arrives within kAutoSendSilence (0.3 s) of the open: the radio
//     sends, starting max(startDelay, 0.3 s) after the open;
//   - bytes arrive and are followed by kAutoDecideSilence (0.1 s) of quiet:
//     when they are exactly one well-formed block 0 of the radio's own layout
//     (right length, number byte 0, right checksum) the radio receives (and
//     acknowledges that block); otherwise it takes them, and everything after
//     them in the session, as five-byte CAT commands.
struct SimulatedRadio::Impl {
    enum class Phase { Closed, Deciding, Sending, Receiving, Cat, Done };
    enum class SendStep { Start, FirstHalf, Pausing, HangingUp, Whole, WaitAck };
    struct Scheduled {
        double at = 0;
        Bytes bytes;
    };

    RadioOptions options;
    Bytes image;
    std::vector<int> lengths;
    std::vector<int> starts;
    std::string linkPath;

    PseudoTerminal line;
    int inotifyFd = -1;
    int watch = -1;
    int wakeFd = -1;
    std::thread thread;
    std::atomic<bool> stopRequested{false};
    bool started = false;
    // The symlink at linkPath is this radio's to remove. Once removed, the
    // path may point at another radio's line (pseudo-terminal numbers are
    // reused), so a second stop() must leave it alone.
    bool ownsLink = false;

    // Shared with the caller's thread; guarded by mutex.
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::string slavePath;
    int transfers = 0;
    int acknowledgements = 0;
    int opens = 0;
    int hangUpCount = 0;
    bool toolOpen = false;
    bool serving = false;
    Bytes received;
    std::vector<std::array<std::uint8_t, 5>> commands;
    std::vector<std::string> catFaults;
    std::unique_ptr<CatResponder> responder;

    // The radio thread's own state.
    Phase phase = Phase::Closed;
    int openCount = 0;
    double sessionStart = 0;
    bool sessionDidSomething = false;
    bool masterQuiet = false; // the master reported the slave closed: do not poll it
    bool hangUpPending = false;
    bool finished = false;
    // Output: scheduled pieces become paced bytes when due.
    std::deque<Scheduled> scheduled;
    std::deque<std::uint8_t> txBytes;
    double txNextAt = 0; // when the next byte starts on the line
    bool txBlocked = false;
    // Input line: when the line could next deliver a byte.
    double rxLineFree = 0;
    // Each phase's own state.
    struct Deciding {
        Bytes bytes;     // what the tool sent before the radio decided
        double last = 0; // when the last of them arrived
    } deciding;
    struct Sending {
        int block = 0; // the block being sent
        SendStep step = SendStep::Start;
        double at = 0; // when the current step is due
    } sending;
    struct Receiving {
        int block = 0; // the block expected next
        Bytes current; // its bytes so far
    } receiving;
    struct CatCommandBytes {
        // The command's bytes so far. Kept when the port closes: the radio
        // cannot know the tool has gone, so the next bytes complete this command.
        Bytes bytes;
    } cat;
    std::uint32_t noiseState = 0x817u; // the noisy line's pseudo-random generator

    int blockCount() const { return static_cast<int>(lengths.size()); }
    Bytes blockBytes(int k, int from, int to) const
    {
        const auto begin = image.begin() + starts[static_cast<std::size_t>(k)];
        Bytes bytes(begin + from, begin + to);
        // A damaged block: its first payload byte changed, its checksum not.
        if (k == options.faults.damageBlock && from <= 1 && to > 1 &&
            lengths[static_cast<std::size_t>(k)] > 2)
            bytes[static_cast<std::size_t>(1 - from)] ^= 0x10;
        return bytes;
    }

    Status openLine();
    void run();
    void runDue(double now);
    bool sendProgress(double now);
    double nextDeadline(double now) const;
    void flushOutput(double now);
    void schedule(double at, Bytes bytes);
    bool outputIdle() const { return scheduled.empty() && txBytes.empty(); }
    void handleInotify(double now);
    void handleMaster(double now);
    void feed(std::uint8_t byte, double at);
    void receiveByte(std::uint8_t byte, double at);
    void catByte(std::uint8_t byte, double at);
    void lineByte(std::uint8_t byte, double at);
    bool answerCat(const std::array<std::uint8_t, 5>& command, double at);
    void sessionOpened(double now);
    void sessionClosed();
    void resetSession();
    void decide(double now);
    void hangUp();
};

Status SimulatedRadio::Impl::openLine()
{
    if (Status opened = line.open(); !opened)
        return opened;
    watch = ::inotify_add_watch(inotifyFd, line.slavePath().c_str(), IN_OPEN | IN_CLOSE);
    if (watch < 0)
        return Error{"cannot watch " + line.slavePath() + " for the tool opening it", {}};
    std::lock_guard lock(mutex);
    if (!linkPath.empty()) {
        // The first line makes the link; a line after a hang-up repoints it.
        if (Status linked = pointSymlink(linkPath, line.slavePath(), slavePath); !linked)
            return linked;
    }
    slavePath = line.slavePath();
    return {};
}

void SimulatedRadio::Impl::run()
{
    while (!stopRequested.load() && !finished) {
        double now = nowSeconds();
        runDue(now);
        if (finished)
            break;
        now = nowSeconds();
        const double wait = std::clamp(nextDeadline(now) - now, 0.0, 1.0);
        const bool watchMaster =
            line.master() >= 0 && (openCount > 0 || phase != Phase::Closed) && !masterQuiet;
        pollfd fds[3] = {
            {wakeFd, POLLIN, 0},
            {inotifyFd, POLLIN, 0},
            {watchMaster ? line.master() : -1, static_cast<short>(POLLIN | (txBlocked ? POLLOUT : 0)), 0}};
        timespec timeout{};
        timeout.tv_sec = static_cast<time_t>(wait);
        timeout.tv_nsec = static_cast<long>((wait - std::floor(wait)) * 1e9);
        if (::ppoll(fds, 3, &timeout, nullptr) < 0 && errno != EINTR)
            break;
        now = nowSeconds();
        if (fds[0].revents != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto ignored = ::read(wakeFd, &count, sizeof count);
        }
        if (fds[1].revents & POLLIN)
            handleInotify(now);
        if (fds[2].revents != 0)
            handleMaster(now);
    }
    std::lock_guard lock(mutex);
    serving = false;
    toolOpen = false;
    changed.notify_all();
}

void SimulatedRadio::Impl::runDue(double now)
{
    for (int round = 0; round < 16; ++round) {
        if (hangUpPending) {
            hangUp();
            return;
        }
        bool progress = false;
        if (phase == Phase::Deciding) {
            const bool quietSinceOpen = deciding.bytes.empty() && now >= sessionStart + kAutoSendSilence;
            const bool quietAfterBytes = !deciding.bytes.empty() && now >= deciding.last + kAutoDecideSilence;
            if (quietSinceOpen || quietAfterBytes) {
                decide(now);
                progress = true;
            }
        }
        while (!scheduled.empty() && scheduled.front().at <= now) {
            if (txBytes.empty())
                txNextAt = std::max(txNextAt, scheduled.front().at);
            txBytes.insert(txBytes.end(), scheduled.front().bytes.begin(), scheduled.front().bytes.end());
            scheduled.pop_front();
            progress = true;
        }
        flushOutput(now);
        if (phase == Phase::Sending && sendProgress(now))
            progress = true;
        if (!progress)
            return;
    }
}

void SimulatedRadio::Impl::decide(double now)
{
    if (deciding.bytes.empty()) {
        phase = Phase::Sending;
        cat.bytes.clear(); // clone mode: whatever CAT command was begun is gone
        sending.block = 0;
        sending.step = SendStep::Start;
        sending.at = sessionStart + std::max(options.startDelay, kAutoSendSilence);
        return;
    }
    const Bytes bytes = std::exchange(deciding.bytes, {});
    const auto length = static_cast<std::size_t>(lengths[0]);
    const bool block0 =
        bytes.size() == length && length >= 2 && bytes[0] == 0 && BlockStore::checksumMatches(bytes);
    if (block0) {
        phase = Phase::Receiving;
        cat.bytes.clear();
        receiving.block = 0;
        receiving.current.clear();
        for (std::uint8_t byte : bytes)
            receiveByte(byte, deciding.last);
    } else {
        phase = Phase::Cat;
        for (std::uint8_t byte : bytes)
            catByte(byte, deciding.last);
    }
    (void)now;
}

// Advances the sending of the current block; true when something changed.
bool SimulatedRadio::Impl::sendProgress(double now)
{
    if (!outputIdle())
        return false;
    const Faults& faults = options.faults;
    const int block = sending.block;
    const int length = lengths[static_cast<std::size_t>(block)];
    const int half = std::max(1, length / 2);
    switch (sending.step) {
    case SendStep::Start:
        if (now < sending.at)
            return false;
        if (block == faults.pauseInBlock || block == faults.stopInBlock || block == faults.hangUpInBlock) {
            schedule(now, blockBytes(block, 0, half));
            sending.step = SendStep::FirstHalf;
        } else {
            schedule(now, blockBytes(block, 0, length));
            sending.step = SendStep::Whole;
        }
        return true;
    case SendStep::FirstHalf:
        if (block == faults.hangUpInBlock) {
            // A moment for the tool to take the half block: a hang-up throws
            // away whatever still waits in the line.
            sending.at = std::max(txNextAt, now) + kHangUpAfter;
            sending.step = SendStep::HangingUp;
        } else if (block == faults.stopInBlock) {
            phase = Phase::Done;
        } else {
            sending.at = std::max(txNextAt, now) + faults.pauseSeconds;
            sending.step = SendStep::Pausing;
        }
        return true;
    case SendStep::HangingUp:
        if (now < sending.at)
            return false;
        hangUpPending = true;
        return true;
    case SendStep::Pausing:
        if (now < sending.at)
            return false;
        schedule(now, blockBytes(block, half, length));
        sending.step = SendStep::Whole;
        return true;
    case SendStep::Whole:
        if (block == faults.stopAfterBlock)
            phase = Phase::Done;
        else
            sending.step = SendStep::WaitAck;
        return true;
    case SendStep::WaitAck:
        return false;
    }
    return false;
}

double SimulatedRadio::Impl::nextDeadline(double now) const
{
    double deadline = kForever;
    if (phase == Phase::Deciding)
        deadline =
            deciding.bytes.empty() ? sessionStart + kAutoSendSilence : deciding.last + kAutoDecideSilence;
    if (!scheduled.empty())
        deadline = std::min(deadline, scheduled.front().at);
    if (!txBytes.empty() && !txBlocked)
        deadline = std::min(deadline, options.pacing ? txNextAt : now);
    if (phase == Phase::Sending && outputIdle()) {
        if (sending.step == SendStep::Start || sending.step == SendStep::Pausing ||
            sending.step == SendStep::HangingUp)
            deadline = std::min(deadline, sending.at);
        else if (sending.step != SendStep::WaitAck)
            deadline = now;
    }
    return deadline;
}

void SimulatedRadio::Impl::schedule(double at, Bytes bytes)
{
    auto place =
        std::find_if(scheduled.begin(), scheduled.end(), [&](const Scheduled& s) { return s.at > at; });
    scheduled.insert(place, Scheduled{at, std::move(bytes)});
}

// Writes the bytes that are due: all at once without pacing, otherwise one
// every kByteSeconds from txNextAt, catching up when the thread woke late.
void SimulatedRadio::Impl::flushOutput(double now)
{
    txBlocked = false;
    if (txBytes.empty() || line.master() < 0)
        return;
    std::size_t due = txBytes.size();
    if (options.pacing) {
        if (now < txNextAt)
            return;
        due = std::min(due, static_cast<std::size_t>((now - txNextAt) / kByteSeconds) + 1);
    }
    const Bytes chunk(txBytes.begin(), txBytes.begin() + static_cast<long>(due));
    const ssize_t written = ::write(line.master(), chunk.data(), chunk.size());
    if (written < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            txBlocked = true;
        else
            txBytes.clear(); // the tool has gone; what was queued is lost with the line
        return;
    }
    txBytes.erase(txBytes.begin(), txBytes.begin() + written);
    if (options.pacing)
        txNextAt += static_cast<double>(written) * kByteSeconds;
    else
        txNextAt = now;
    if (static_cast<std::size_t>(written) < due)
        txBlocked = true;
}

void SimulatedRadio::Impl::handleInotify(double now)
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(inotifyFd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->wd != watch)
                continue;
            if (event->mask & IN_OPEN) {
                if (++openCount == 1)
                    sessionOpened(now);
            } else if (event->mask & IN_CLOSE) {
                if (openCount > 0 && --openCount == 0) {
                    // Take what the tool wrote just before closing (its last
                    // acknowledgement) as part of the session it ends.
                    if (line.master() >= 0 && !masterQuiet)
                        handleMaster(now);
                    sessionClosed();
                }
            }
        }
    }
}

void SimulatedRadio::Impl::handleMaster(double now)
{
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t length = ::read(line.master(), buffer, sizeof buffer);
        if (length > 0) {
            for (ssize_t i = 0; i < length; ++i)
                feed(buffer[i], now);
            continue;
        }
        if (length < 0 && errno == EIO)
            masterQuiet = true; // every slave descriptor is closed
        break;
    }
    flushOutput(now);
}

void SimulatedRadio::Impl::feed(std::uint8_t byte, double at)
{
    if (options.pacing) {
        rxLineFree = std::max(rxLineFree, at) + kByteSeconds;
        at = rxLineFree;
    }
    if (options.cat.line != CatLine::Radio) {
        lineByte(byte, at);
        return;
    }
    switch (phase) {
    case Phase::Closed:
        sessionOpened(at);
        feed(byte, at);
        return;
    case Phase::Deciding:
        deciding.bytes.push_back(byte);
        deciding.last = at;
        return;
    case Phase::Sending:
        if (byte == 0x06 && sending.step == SendStep::WaitAck) {
            std::lock_guard lock(mutex);
            ++acknowledgements;
            if (sending.block + 1 == blockCount()) {
                ++transfers;
                sessionDidSomething = true;
                phase = Phase::Done;
                if (options.faults.hangUpAtEnd)
                    hangUpPending = true;
            } else {
                ++sending.block;
                sending.step = SendStep::Start;
                sending.at = at + options.blockDelay;
                if (sending.block == options.faults.pauseBeforeBlock)
                    sending.at += options.faults.pauseSeconds;
            }
            changed.notify_all();
        }
        return;
    case Phase::Receiving:
        receiveByte(byte, at);
        return;
    case Phase::Cat:
        catByte(byte, at);
        return;
    case Phase::Done:
        return;
    }
}

void SimulatedRadio::Impl::receiveByte(std::uint8_t byte, double at)
{
    const Faults& faults = options.faults;
    const int k = receiving.block;
    const auto length = static_cast<std::size_t>(lengths[static_cast<std::size_t>(k)]);
    if (k == 0 && receiving.current.empty()) {
        std::lock_guard lock(mutex);
        received.clear();
    }
    receiving.current.push_back(byte);
    if (k == faults.hangUpInBlock && receiving.current.size() == std::max<std::size_t>(1, length / 2)) {
        hangUpPending = true;
        return;
    }
    if (receiving.current.size() < length)
        return;
    const Bytes block = std::exchange(receiving.current, {});
    if (block[0] != k || !BlockStore::checksumMatches(block))
        return; // a damaged block: no answer; the radio still waits for block k
    const bool acknowledge = !faults.neverAcknowledge &&
                             !(faults.stopInBlock >= 0 && k >= faults.stopInBlock) &&
                             !(faults.stopAfterBlock >= 0 && k > faults.stopAfterBlock);
    if (acknowledge) {
        Bytes answer = faults.bytesBeforeAck;
        answer.push_back(0x06);
        if (faults.doubleAcknowledge)
            answer.push_back(0x06);
        schedule(at + options.ackDelay, std::move(answer));
    }
    Bytes whole;
    {
        std::lock_guard lock(mutex);
        received.insert(received.end(), block.begin(), block.end());
        if (++receiving.block == blockCount()) {
            receiving.block = 0;
            ++transfers;
            sessionDidSomething = true;
            whole = received;
        }
        changed.notify_all();
    }
    if (!whole.empty() && options.onImageReceived)
        options.onImageReceived(whole);
}

void SimulatedRadio::Impl::catByte(std::uint8_t byte, double at)
{
    cat.bytes.push_back(byte);
    if (cat.bytes.size() < 5)
        return;
    std::array<std::uint8_t, 5> command{};
    std::copy(cat.bytes.begin(), cat.bytes.end(), command.begin());
    cat.bytes.clear();
    if (!answerCat(command, at))
        return;
    sessionDidSomething = true;
    {
        std::lock_guard lock(mutex);
        commands.push_back(command);
        changed.notify_all();
    }
    if (options.onCatCommand)
        options.onCatCommand(command);
}

// A line with no radio on it: the byte comes back, or a byte of noise does.
void SimulatedRadio::Impl::lineByte(std::uint8_t byte, double at)
{
    if (options.cat.line == CatLine::Noise) {
        noiseState ^= noiseState << 13;
        noiseState ^= noiseState >> 17;
        noiseState ^= noiseState << 5;
        byte = static_cast<std::uint8_t>(noiseState >> 8);
    }
    schedule(at, Bytes{byte});
}

// Hands the command to the CAT side; false when the radio could not make it
// out (sent at another rate than its CAT RATE). The answer starts after the
// command's last byte has crossed the line (at) and the radio has thought.
bool SimulatedRadio::Impl::answerCat(const std::array<std::uint8_t, 5>& command, double at)
{
    CatResponder::Reply reply;
    {
        std::lock_guard lock(mutex);
        reply = responder->take(command, lineBaudRate(line.master()));
        if (reply.fault)
            catFaults.push_back(reply.log);
    }
    if (options.onCatLog && !reply.log.empty())
        options.onCatLog(reply.log);
    if (!reply.answer.empty())
        schedule(std::max(at, nowSeconds()) + responder->answerDelay(), std::move(reply.answer));
    return reply.heard;
}

void SimulatedRadio::Impl::resetSession()
{
    scheduled.clear();
    txBytes.clear();
    txBlocked = false;
    deciding.bytes.clear();
    receiving.current.clear();
    receiving.block = 0;
    sending.block = 0;
    sending.step = SendStep::Start;
}

void SimulatedRadio::Impl::sessionOpened(double now)
{
    resetSession();
    masterQuiet = false;
    sessionStart = now;
    sessionDidSomething = false;
    rxLineFree = now;
    txNextAt = now;
    switch (options.mode) {
    case Mode::Send:
        phase = Phase::Sending;
        sending.at = now + options.startDelay;
        break;
    case Mode::Receive:
        phase = Phase::Receiving;
        break;
    case Mode::Cat:
        phase = Phase::Cat;
        break;
    case Mode::Auto:
        phase = Phase::Deciding;
        break;
    }
    std::lock_guard lock(mutex);
    ++opens;
    toolOpen = true;
    changed.notify_all();
}

void SimulatedRadio::Impl::sessionClosed()
{
    // A CAT window closes the port right after its five bytes, before the
    // Auto decision's silence has passed: decide on what came.
    if (phase == Phase::Deciding && !deciding.bytes.empty())
        decide(nowSeconds());
    resetSession();
    phase = Phase::Closed;
    if (options.once && sessionDidSomething)
        finished = true;
    std::lock_guard lock(mutex);
    toolOpen = false;
    changed.notify_all();
}

// Like a cable pulled out: the master goes, so the tool's port fails. The
// radio then comes back on a fresh pseudo-terminal (the symlink follows).
void SimulatedRadio::Impl::hangUp()
{
    hangUpPending = false;
    if (watch >= 0)
        ::inotify_rm_watch(inotifyFd, watch);
    watch = -1;
    line.close();
    resetSession();
    phase = Phase::Closed;
    openCount = 0;
    {
        std::lock_guard lock(mutex);
        ++hangUpCount;
        toolOpen = false;
        changed.notify_all();
    }
    if (!openLine())
        finished = true;
}

Status checkFaults(const Faults& faults, int blockCount)
{
    const std::pair<int, const char*> blocks[] = {
        {faults.pauseInBlock, "pause in"},         {faults.stopAfterBlock, "stop after"},
        {faults.stopInBlock, "stop in"},           {faults.hangUpInBlock, "hang up in"},
        {faults.pauseBeforeBlock, "pause before"}, {faults.damageBlock, "damage"}};
    for (const auto& [block, what] : blocks) {
        if (block >= blockCount)
            return Error{"there is no block " + std::to_string(block) + " to " + what +
                             ": the radio's last block is " + std::to_string(blockCount - 1),
                         {}};
    }
    if (faults.pauseSeconds > 0 && faults.pauseInBlock < 0 && faults.pauseBeforeBlock < 0)
        return Error{"a pause is given but no block to pause in", {}};
    return {};
}

SimulatedRadio::SimulatedRadio(RadioOptions options) : m_impl(std::make_unique<Impl>())
{
    m_impl->options = std::move(options);
}

SimulatedRadio::~SimulatedRadio()
{
    stop();
}

Status SimulatedRadio::start(const std::string& linkPath)
{
    Impl& impl = *m_impl;
    if (impl.started)
        return Error{"the simulated radio is already running", {}};
    if (impl.options.image.empty()) {
        Memory memory = defaultMemory(impl.options.model);
        impl.image = std::move(memory.image);
        impl.lengths = std::move(memory.blockLengths);
    } else {
        impl.image = impl.options.image;
        impl.lengths = impl.options.blockLengths;
    }
    const long long total = std::accumulate(impl.lengths.begin(), impl.lengths.end(), 0LL);
    const bool shortBlock =
        std::any_of(impl.lengths.begin(), impl.lengths.end(), [](int n) { return n < 2; });
    if (impl.lengths.empty() || shortBlock || total != static_cast<long long>(impl.image.size()))
        return Error{"the radio's memory is not a clone image: its block lengths do not add up", {}};
    if (Status faults = checkFaults(impl.options.faults, static_cast<int>(impl.lengths.size())); !faults)
        return faults;
    impl.responder = std::make_unique<CatResponder>(
        impl.options.cat,
        impl.options.cat.eeprom.empty() ? builtInEeprom(impl.image, impl.lengths) : impl.options.cat.eeprom);
    impl.starts.clear();
    int offset = 0;
    for (int length : impl.lengths) {
        impl.starts.push_back(offset);
        offset += length;
    }

    impl.linkPath = linkPath;
    impl.wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    impl.inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (impl.wakeFd < 0 || impl.inotifyFd < 0) {
        stop();
        return Error{"cannot start the simulated radio: out of system resources", {}};
    }
    if (Status opened = impl.openLine(); !opened) {
        impl.linkPath.clear(); // the link was not made; do not touch what is there
        stop();
        return opened;
    }
    {
        std::lock_guard lock(impl.mutex);
        impl.serving = true;
    }
    impl.stopRequested = false;
    impl.started = true;
    impl.ownsLink = !impl.linkPath.empty();
    impl.thread = std::thread([&impl] { impl.run(); });
    return {};
}

void SimulatedRadio::stop()
{
    Impl& impl = *m_impl;
    impl.stopRequested = true;
    if (impl.wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto ignored = ::write(impl.wakeFd, &one, sizeof one);
    }
    if (impl.thread.joinable())
        impl.thread.join();
    if (impl.ownsLink)
        removeSymlinkTo(impl.linkPath, impl.line.slavePath());
    impl.ownsLink = false;
    impl.line.close();
    for (int* fd : {&impl.inotifyFd, &impl.wakeFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    impl.watch = -1;
    std::lock_guard lock(impl.mutex);
    impl.serving = false;
    impl.toolOpen = false;
    impl.changed.notify_all();
}

std::string SimulatedRadio::devicePath() const
{
    return m_impl->linkPath.empty() ? slavePath() : m_impl->linkPath;
}

std::string SimulatedRadio::slavePath() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->slavePath;
}

int SimulatedRadio::transfersCompleted() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->transfers;
}

int SimulatedRadio::acknowledgementsReceived() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->acknowledgements;
}

Bytes SimulatedRadio::receivedImage() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->received;
}

std::vector<std::array<std::uint8_t, 5>> SimulatedRadio::catCommands() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->commands;
}

std::vector<std::string> SimulatedRadio::catFaults() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->catFaults;
}

std::uint32_t SimulatedRadio::vfoFrequency() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->responder ? m_impl->responder->vfoFrequency() : m_impl->options.cat.vfoFrequency;
}

std::uint8_t SimulatedRadio::vfoMode() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->responder ? m_impl->responder->vfoMode() : m_impl->options.cat.vfoMode;
}

Bytes SimulatedRadio::eeprom() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->responder ? m_impl->responder->eeprom() : Bytes{};
}

int SimulatedRadio::portOpens() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->opens;
}

bool SimulatedRadio::toolHasPortOpen() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->toolOpen;
}

bool SimulatedRadio::waitForTransfers(int count, double timeoutSeconds) const
{
    std::unique_lock lock(m_impl->mutex);
    return m_impl->changed.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                                    [&] { return m_impl->transfers >= count; });
}

bool SimulatedRadio::isServing() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->serving;
}

bool SimulatedRadio::waitUntilFinished(double timeoutSeconds) const
{
    std::unique_lock lock(m_impl->mutex);
    return m_impl->changed.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                                    [&] { return !m_impl->serving; });
}

int SimulatedRadio::hangUps() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->hangUpCount;
}

std::vector<int> SimulatedRadio::blockLengths() const
{
    return m_impl->lengths;
}

} // namespace ft817::sim
