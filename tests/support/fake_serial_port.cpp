#include "support/fake_serial_port.h"

#include <algorithm>

namespace ft817::test {
namespace {

// A port object that passes every call on to another port.
class ForwardingPort : public SerialPort {
public:
    explicit ForwardingPort(SerialPort& target) : m_target(target) {}
    Status open() override { return m_target.open(); }
    void close() override { m_target.close(); }
    bool isOpen() const override { return m_target.isOpen(); }
    void setTextInputOneByte() override { m_target.setTextInputOneByte(); }
    void clearInput() override { m_target.clearInput(); }
    Result<int> inputCount() override { return m_target.inputCount(); }
    std::optional<std::uint8_t> readByte() override { return m_target.readByte(); }
    Status write(std::span<const std::uint8_t> bytes) override { return m_target.write(bytes); }
    Result<int> outputCount() override { return m_target.outputCount(); }
    std::string deviceName() const override { return m_target.deviceName(); }

private:
    SerialPort& m_target;
};

} // namespace

SerialDevice fakeDevice(FakeSerialPort& port)
{
    return SerialDevice{port.deviceName(), [&port] { return std::make_unique<ForwardingPort>(port); }};
}

int FakeSerialPort::opens() const
{
    return static_cast<int>(std::count(m_calls.begin(), m_calls.end(), "open"));
}

void FakeSerialPort::arrive(double at, const ByteList& bytes, double spacing)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        m_input.emplace(at + spacing * static_cast<double>(i), bytes[i]);
}

ByteList FakeSerialPort::writtenBytes() const
{
    ByteList bytes;
    for (const Written& written : m_writes)
        bytes.push_back(written.byte);
    return bytes;
}

bool FakeSerialPort::usable()
{
    if (!m_open)
        ++m_usesWhileClosed;
    return m_open;
}

Status FakeSerialPort::open()
{
    m_calls.push_back("open");
    if (m_openError)
        return *m_openError;
    m_open = true;
    return {};
}

void FakeSerialPort::close()
{
    m_calls.push_back("close");
    if (m_open)
        m_closeTime = m_clock.now();
    m_open = false;
}

void FakeSerialPort::clearInput()
{
    m_calls.push_back("clearInput");
    if (!usable())
        return;
    m_input.erase(m_input.begin(), m_input.upper_bound(m_clock.now()));
}

Result<int> FakeSerialPort::inputCount()
{
    ++m_polls;
    if (!usable())
        return Error{"not open", {}};
    if (m_inputFailure && m_clock.now() >= m_inputFailure->from)
        return m_inputFailure->error;
    return static_cast<int>(std::distance(m_input.begin(), m_input.upper_bound(m_clock.now())));
}

bool FakeSerialPort::waitForInput(double seconds)
{
    ++m_inputWaits;
    const double now = m_clock.now();
    if (!usable() || seconds <= 0 || (!m_input.empty() && m_input.begin()->first <= now))
        return true;
    const double next = m_input.empty() ? now + seconds : std::min(now + seconds, m_input.begin()->first);
    m_clock.sleep(next - now);
    return true;
}

std::optional<std::uint8_t> FakeSerialPort::readByte()
{
    if (!usable() || m_input.empty() || m_input.begin()->first > m_clock.now())
        return std::nullopt;
    const std::uint8_t byte = m_input.begin()->second;
    m_input.erase(m_input.begin());
    ++m_bytesRead;
    return byte;
}

Status FakeSerialPort::write(std::span<const std::uint8_t> bytes)
{
    if (!usable())
        return Error{"not open", {}};
    if (bytes.size() != 1)
        ++m_multiByteWrites;
    for (const std::uint8_t byte : bytes) {
        if (m_writeLimit >= 0 && static_cast<int>(m_writes.size()) >= m_writeLimit)
            return m_writeError;
        const double now = m_clock.now();
        const double leaves = std::max(now, m_lastLeave) + m_byteTime;
        m_lastLeave = leaves;
        m_writes.push_back({now, byte});
        m_leaves.push_back(leaves);
        if (m_onWrite)
            m_onWrite(byte, leaves);
    }
    return {};
}

Result<int> FakeSerialPort::outputCount()
{
    ++m_polls;
    if (!usable())
        return Error{"not open", {}};
    if (m_outputFailure && m_clock.now() >= m_outputFailure->from)
        return m_outputFailure->error;
    const double now = m_clock.now();
    return static_cast<int>(
        std::count_if(m_leaves.begin(), m_leaves.end(), [now](double t) { return t > now; }));
}

FakeSendingRadio::FakeSendingRadio(FakeSerialPort& port, std::vector<ByteList> blocks)
    : m_port(port), m_blocks(std::move(blocks))
{
}

void FakeSendingRadio::start()
{
    m_port.onWrite([this](std::uint8_t byte, double leaves) {
        if (byte != 0x06) {
            ++m_otherBytes;
            return;
        }
        m_acks.push_back(leaves);
        // An acknowledgement while the block is still going out is not
        // the one the radio waits for.
        if (!m_blockEnds.empty() && leaves < m_blockEnds.back())
            return;
        if (m_next < m_blocks.size())
            sendBlock(m_next, leaves + blockDelay);
    });
    if (!m_blocks.empty())
        sendBlock(0, startTime);
}

void FakeSendingRadio::sendBlock(std::size_t index, double at)
{
    const ByteList& block = m_blocks[index];
    double t = at;
    for (std::size_t i = 0; i < block.size(); ++i) {
        for (const Pause& pause : pauses) {
            if (pause.block == static_cast<int>(index) && pause.afterByte == static_cast<int>(i))
                t += pause.seconds;
        }
        m_port.arrive(t, {block[i]});
        if (i + 1 < block.size())
            t += byteSpacing;
    }
    m_blockEnds.push_back(t);
    m_next = index + 1;
}

FakeReceivingRadio::FakeReceivingRadio(FakeSerialPort& port, std::vector<int> blockLengths)
    : m_port(port), m_lengths(std::move(blockLengths))
{
    m_port.onWrite([this](std::uint8_t byte, double leaves) { take(byte, leaves); });
}

void FakeReceivingRadio::take(std::uint8_t byte, double leaves)
{
    const std::size_t block = m_blocks.size();
    if (block >= m_lengths.size()) {
        ++m_stray;
        return;
    }
    m_current.push_back(byte);
    if (static_cast<int>(m_current.size()) < m_lengths[block])
        return;
    m_blocks.push_back(m_current);
    m_current.clear();
    m_blockEnds.push_back(leaves);
    if (silentFromBlock >= 0 && static_cast<int>(block) >= silentFromBlock)
        return;
    const double delay = block < extraAckDelays.size() ? extraAckDelays[block] : ackDelay;
    ByteList answer = bytesBeforeAck;
    answer.push_back(0x06);
    m_port.arrive(leaves + delay, answer);
    m_ackTimes.push_back(leaves + delay);
}

} // namespace ft817::test
