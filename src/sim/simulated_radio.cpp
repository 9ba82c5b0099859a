#include "sim/simulated_radio.h"

#include "sim/cat_listener.h"
#include "sim/default_memory.h"
#include "sim/radio_observations.h"
#include "sim/radio_session.h"
#include "sim/sim_line.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <thread>

namespace ft817::sim {

// The radio in its parts: the line it sits on, what it has seen, its CAT
// side (which the caller asks for the VFO and EEPROM) and the sessions the
// radio's thread runs with both clone sides.
struct SimulatedRadio::Impl {
    explicit Impl(RadioOptions radioOptions) : options(std::move(radioOptions)), line(options.pacing) {}

    RadioOptions options;
    Memory memory;
    std::string linkPath;
    SimLine line;
    RadioObservations seen;
    std::unique_ptr<CatListener> cat;
    std::unique_ptr<RadioSession> session;
    std::thread thread;
    std::atomic<bool> stopRequested{false};
    bool started = false;
};

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

SimulatedRadio::SimulatedRadio(RadioOptions options) : m_impl(std::make_unique<Impl>(std::move(options))) {}

SimulatedRadio::~SimulatedRadio()
{
    stop();
}

Status SimulatedRadio::start(const std::string& linkPath)
{
    Impl& impl = *m_impl;
    if (impl.started)
        return Error{"the simulated radio is already running", {}};
    if (impl.options.image.empty())
        impl.memory = defaultMemory(impl.options.model);
    else
        impl.memory = Memory{impl.options.image, impl.options.blockLengths};
    const std::vector<int>& lengths = impl.memory.blockLengths;
    const long long total = std::accumulate(lengths.begin(), lengths.end(), 0LL);
    const bool shortBlock = std::any_of(lengths.begin(), lengths.end(), [](int n) { return n < 2; });
    if (lengths.empty() || shortBlock || total != static_cast<long long>(impl.memory.image.size()))
        return Error{"the radio's memory is not a clone image: its block lengths do not add up", {}};
    if (Status faults = checkFaults(impl.options.faults, static_cast<int>(lengths.size())); !faults)
        return faults;
    impl.cat = std::make_unique<CatListener>(
        impl.options,
        impl.options.cat.eeprom.empty() ? builtInEeprom(impl.memory.image, lengths) : impl.options.cat.eeprom,
        impl.line, impl.seen);

    impl.linkPath = linkPath;
    if (Status opened = impl.line.open(linkPath); !opened) {
        impl.linkPath.clear(); // the link was not made; do not touch what is there
        stop();
        return opened;
    }
    impl.seen.setSlavePath(impl.line.slavePath());
    impl.seen.setServing(true);
    impl.session = std::make_unique<RadioSession>(impl.options, impl.memory, impl.line, *impl.cat, impl.seen);
    impl.stopRequested = false;
    impl.started = true;
    impl.thread = std::thread([&impl] { impl.session->run(impl.stopRequested); });
    return {};
}

void SimulatedRadio::stop()
{
    Impl& impl = *m_impl;
    impl.stopRequested = true;
    impl.line.wake();
    if (impl.thread.joinable())
        impl.thread.join();
    impl.line.close();
    impl.seen.stopped();
}

std::string SimulatedRadio::devicePath() const
{
    return m_impl->linkPath.empty() ? slavePath() : m_impl->linkPath;
}

std::string SimulatedRadio::slavePath() const
{
    return m_impl->seen.slavePath();
}

int SimulatedRadio::transfersCompleted() const
{
    return m_impl->seen.transfers();
}

int SimulatedRadio::acknowledgementsReceived() const
{
    return m_impl->seen.acknowledgements();
}

Bytes SimulatedRadio::receivedImage() const
{
    return m_impl->seen.received();
}

std::vector<std::array<std::uint8_t, 5>> SimulatedRadio::catCommands() const
{
    return m_impl->seen.commands();
}

std::vector<std::string> SimulatedRadio::catFaults() const
{
    return m_impl->seen.catFaults();
}

std::uint32_t SimulatedRadio::vfoFrequency() const
{
    return m_impl->cat ? m_impl->cat->vfoFrequency() : m_impl->options.cat.vfoFrequency;
}

std::uint8_t SimulatedRadio::vfoMode() const
{
    return m_impl->cat ? m_impl->cat->vfoMode() : m_impl->options.cat.vfoMode;
}

Bytes SimulatedRadio::eeprom() const
{
    return m_impl->cat ? m_impl->cat->eeprom() : Bytes{};
}

int SimulatedRadio::portOpens() const
{
    return m_impl->seen.opens();
}

bool SimulatedRadio::toolHasPortOpen() const
{
    return m_impl->seen.toolOpen();
}

bool SimulatedRadio::waitForTransfers(int count, double timeoutSeconds) const
{
    return m_impl->seen.waitForTransfers(count, timeoutSeconds);
}

bool SimulatedRadio::isServing() const
{
    return m_impl->seen.serving();
}

bool SimulatedRadio::waitUntilFinished(double timeoutSeconds) const
{
    return m_impl->seen.waitUntilStopped(timeoutSeconds);
}

int SimulatedRadio::hangUps() const
{
    return m_impl->seen.hangUps();
}

std::vector<int> SimulatedRadio::blockLengths() const
{
    return m_impl->memory.blockLengths;
}

} // namespace ft817::sim
