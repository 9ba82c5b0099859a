#include "sim/simulated_radio.h"

namespace ft817::sim {

struct SimulatedRadio::Impl {
    RadioOptions options;
};

Memory defaultMemory(Model)
{
    return {};
}

SimulatedRadio::SimulatedRadio(RadioOptions options) : m_impl(std::make_unique<Impl>())
{
    m_impl->options = std::move(options);
}
SimulatedRadio::~SimulatedRadio() = default;
Status SimulatedRadio::start(const std::string&) { return Error{"the simulated radio is not available yet", {}}; }
void SimulatedRadio::stop() {}
std::string SimulatedRadio::devicePath() const { return {}; }
std::string SimulatedRadio::slavePath() const { return {}; }
int SimulatedRadio::transfersCompleted() const { return 0; }
int SimulatedRadio::acknowledgementsReceived() const { return 0; }
Bytes SimulatedRadio::receivedImage() const { return {}; }
std::vector<std::array<std::uint8_t, 5>> SimulatedRadio::catCommands() const { return {}; }
int SimulatedRadio::portOpens() const { return 0; }
bool SimulatedRadio::toolHasPortOpen() const { return false; }
bool SimulatedRadio::waitForTransfers(int, double) const { return false; }

}  // namespace ft817::sim
