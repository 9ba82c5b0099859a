#pragma once
// A serial port whose far end is a script run against a FakeClock: bytes
// arrive at the times the script gives, every byte written is recorded with
// the time it was written and the time it leaves the port, and any operation
// can be made to fail from a given moment, as when a cable is pulled.
// FakeSendingRadio and FakeReceivingRadio play the radio's side of a clone.
// Made without a clock, it keeps one of its own that never moves: a radio
// that says nothing, for code that runs on the real clock (the windows).

#include "platform/serial_port.h"
#include "support/fake_clock.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ft817::test {

using ByteList = std::vector<std::uint8_t>;

class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(FakeClock& clock) : m_clock(clock) {}
    FakeSerialPort() : m_clock(m_ownClock) {}

    // --- the far end
    // Bytes that reach the port, the first at `at`, then one every `spacing` seconds.
    void arrive(double at, const ByteList& bytes, double spacing = 0.0);
    // Called for every byte written, with the time it leaves the port.
    void onWrite(std::function<void(std::uint8_t byte, double leaves)> handler)
    {
        m_onWrite = std::move(handler);
    }
    // How long each written byte takes to leave the port (0: at once).
    void setByteTime(double seconds) { m_byteTime = seconds; }

    // --- faults
    void failOpen(Error error) { m_openError = std::move(error); }
    // inputCount() fails from this time on.
    void failInputFrom(double time, Error error) { m_inputFailure = Failure{time, std::move(error)}; }
    // outputCount() fails from this time on.
    void failOutputFrom(double time, Error error) { m_outputFailure = Failure{time, std::move(error)}; }
    // write() fails once this many bytes have been written.
    void failWriteAfter(int bytes, Error error)
    {
        m_writeLimit = bytes;
        m_writeError = std::move(error);
    }

    // --- what the tool did
    struct Written {
        double time;
        std::uint8_t byte;
    };
    const std::vector<Written>& writes() const { return m_writes; }
    ByteList writtenBytes() const;
    // open, setTextInputOneByte, clearInput and close, in the order called.
    const std::vector<std::string>& calls() const { return m_calls; }
    // Times open() was called.
    int opens() const;
    // Reads, counts and writes made while the port was closed.
    int usesWhileClosed() const { return m_usesWhileClosed; }
    // Looks at the port (input and output counts) so far.
    int polls() const { return m_polls; }
    // Waits for input so far.
    int inputWaits() const { return m_inputWaits; }
    // Bytes that have arrived (or will) and were not read.
    int unreadBytes() const { return static_cast<int>(m_input.size()); }
    int bytesRead() const { return m_bytesRead; }
    // Writes of more or fewer than one byte.
    int multiByteWrites() const { return m_multiByteWrites; }
    // When the port was last closed while open, or -1.
    double closeTime() const { return m_closeTime; }

    // --- SerialPort
    Status open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void setTextInputOneByte() override { m_calls.push_back("setTextInputOneByte"); }
    void clearInput() override;
    Result<int> inputCount() override;
    std::optional<std::uint8_t> readByte() override;
    Status write(std::span<const std::uint8_t> bytes) override;
    Result<int> outputCount() override;
    std::string deviceName() const override { return "/dev/fake"; }
    // Advances the clock to the next byte's arrival, at most by the given seconds.
    bool waitForInput(double seconds) override;
    // Any rate is taken; the far end sees it through baudRate().
    Status setBaudRate(int baud) override
    {
        m_baud = baud;
        return {};
    }
    int baudRate() const { return m_baud; }

private:
    struct Failure {
        double from;
        Error error;
    };
    bool usable();

    FakeClock m_ownClock;
    FakeClock& m_clock;
    bool m_open = false;
    std::multimap<double, std::uint8_t> m_input;
    std::vector<Written> m_writes;
    std::vector<double> m_leaves;
    double m_lastLeave = 0.0;
    double m_byteTime = 0.0;
    std::function<void(std::uint8_t, double)> m_onWrite;
    std::optional<Error> m_openError;
    std::optional<Failure> m_inputFailure;
    std::optional<Failure> m_outputFailure;
    int m_writeLimit = -1;
    Error m_writeError;
    std::vector<std::string> m_calls;
    int m_usesWhileClosed = 0;
    int m_polls = 0;
    int m_inputWaits = 0;
    int m_bytesRead = 0;
    int m_multiByteWrites = 0;
    double m_closeTime = -1.0;
    int m_baud = 9600;
};

// A device whose every port stands for the one fake port: each user makes
// its own port object (a transfer makes one per run, on its thread), and the
// test inspects the fake behind them all once the users are done with it.
SerialDevice fakeDevice(FakeSerialPort& port);

// The radio sending its memory (a download): block 0 starts at startTime,
// each next block blockDelay after the acknowledgement has left the port.
class FakeSendingRadio {
public:
    struct Pause {
        int block;
        int afterByte; // bytes of the block sent before the pause
        double seconds;
    };
    FakeSendingRadio(FakeSerialPort& port, std::vector<ByteList> blocks);

    double startTime = 1000.5;
    double byteSpacing = 0.0; // 11.0 / 9600 for a paced line
    double blockDelay = 0.02;
    std::vector<Pause> pauses;
    // Starts sending (call once the options are set).
    void start();

    // Times at which 0x06 bytes left the port, and other bytes the tool sent.
    const std::vector<double>& acknowledgements() const { return m_acks; }
    int otherBytes() const { return m_otherBytes; }
    // Time at which the radio sent the last byte of each block.
    const std::vector<double>& blockEnds() const { return m_blockEnds; }

private:
    void sendBlock(std::size_t index, double at);

    FakeSerialPort& m_port;
    std::vector<ByteList> m_blocks;
    std::size_t m_next = 0;
    std::vector<double> m_acks;
    std::vector<double> m_blockEnds;
    int m_otherBytes = 0;
};

// The radio taking an upload: it knows how long each block is (number byte,
// payload, checksum) and answers each whole block after ackDelay.
class FakeReceivingRadio {
public:
    FakeReceivingRadio(FakeSerialPort& port, std::vector<int> blockLengths);

    double ackDelay = 0.02;
    ByteList bytesBeforeAck;            // sent before each 0x06
    int silentFromBlock = -1;           // no answer to this block or later ones
    std::vector<double> extraAckDelays; // per block, overrides ackDelay when given

    const std::vector<ByteList>& blocks() const { return m_blocks; }
    // Time at which the last byte of each block left the port.
    const std::vector<double>& blockEnds() const { return m_blockEnds; }
    // Time at which each block's 0x06 reached the tool.
    const std::vector<double>& ackTimes() const { return m_ackTimes; }
    // Bytes received after the last expected block.
    int strayBytes() const { return m_stray; }

private:
    void take(std::uint8_t byte, double leaves);

    FakeSerialPort& m_port;
    std::vector<int> m_lengths;
    std::vector<ByteList> m_blocks;
    ByteList m_current;
    std::vector<double> m_blockEnds;
    std::vector<double> m_ackTimes;
    int m_stray = 0;
};

} // namespace ft817::test
