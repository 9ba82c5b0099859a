#include "clone/upload.h"

#include "clone/status_text.h"
#include "clone/transfer_wait.h"
#include "image/block_store.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/payload_file.h"
#include "platform/file_access.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ft817 {
namespace {

constexpr std::uint8_t kAcknowledge = 0x06;
// How long the radio may take to acknowledge a block once it has left the port.
constexpr double kAcknowledgeTime = 3.0;
// One byte on the line at 9600 baud, 8 data bits, 2 stop bits.
constexpr double kLineByteTime = 11.0 / 9600.0;
// Longest sleep while the block leaves the port: a request to stop is
// answered within this.
constexpr double kLongestWait = 0.02;

class UploadRun {
public:
    UploadRun(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
              UploadLayout layouts, TransferTiming timing)
        : m_port(port), m_clock(clock), m_path(path), m_sink(sink), m_layouts(layouts),
          m_fast(timing == TransferTiming::Fast),
          m_pauseAfterBlock(m_fast ? kFastPauseAfterBlock : kStandardPauseAfterBlock)
    {
    }

    TransferReport run();

private:
    bool checkImage(const std::string& splitBlock);
    Status sendBlocks();
    Status sendBlock(int k);
    Status waitForDrain();
    Result<bool> waitForAcknowledge();
    Status pause();
    Status discardInput();

    Status abandonIfAsked();
    Error portError(const Error& error) const;

    SerialPort& m_port;
    Clock& m_clock;
    const std::string& m_path;
    TransferSink& m_sink;
    UploadLayout m_layouts;
    TransferReport m_report;
    const bool m_fast;
    // Pause after each acknowledgement before the next block.
    const double m_pauseAfterBlock;

    Bytes m_file;
    ImageLayout m_layout;
    int m_nextStart = 0;
    int m_lastSent = 0;
    // Block that the radio left unacknowledged, or -1.
    int m_unacknowledged = -1;
};

TransferReport UploadRun::run()
{
    // The file is read whole and checked before the port is touched: a file
    // that is not an image never reaches the radio.
    Result<Bytes> file = readImageFileBytes(m_path);
    if (!file) {
        m_report.fail(file.error().message, "Nothing was sent to the radio.");
        return m_report;
    }
    // A payload file of another tool goes out as the image file it makes.
    Result<MemoryFile> memory = readMemoryBytes(std::move(*file));
    if (!memory) {
        m_report.fail("cannot upload " + m_path + ": " + memory.error().message,
                      memory.error().detail + " Nothing was sent to the radio.");
        return m_report;
    }
    if (memory->payloadRadio)
        m_report.notes.push_back(memory->note());
    m_file = std::move(memory->imageFile);
    m_layout = std::move(memory->layout);
    if (!checkImage(memory->splitBlock))
        return m_report;

    if (const Status ready = setUpPort(m_port); !ready) {
        m_report.fail(ready.error().message, ready.error().detail);
        return m_report;
    }

    const int fileLength = static_cast<int>(m_file.size());
    m_sink.progressRange(0, (fileLength - 1) - 3 * m_layout.lastBlock);

    const Status sent = sendBlocks();
    if (sent || m_unacknowledged >= 0) {
        // Where the transfer stopped: past the last data byte sent, and the
        // start of the block to send next.
        m_report.statusText = statusNumbers(m_lastSent, m_nextStart);
        m_sink.status(m_report.statusText);
    }
    if (sent) {
        m_report.complete = true;
    } else {
        m_report.fail(sent.error().message, sent.error().detail);
    }
    m_port.close();
    return m_report;
}

// False (with the reason in the report) for an image the radio must not get unasked.
bool UploadRun::checkImage(const std::string& splitBlock)
{
    const ImageCheck check = checkImageFile(m_file);
    if (check.radio)
        m_report.radio = std::string(check.radio->name);
    // The radio takes blocks by their number bytes: one out of its place is
    // never sent, whatever the user allows.
    if (check.misnumberedBlock >= 0) {
        const int block = check.misnumberedBlock;
        m_report.fail("cannot upload " + m_path + ": block " + std::to_string(block) +
                          " carries the number " +
                          std::to_string(m_file[static_cast<std::size_t>(m_layout.blockStart(block))]),
                      "The radio would take the block in the wrong place. Nothing was sent to the radio.");
        return false;
    }
    // A frequency the radio cannot tune (145.520 typed into a box that takes
    // 10 Hz units) goes out only when the person has seen it and said so.
    m_report.untunedMemories = check.untunedMemories;
    // A stored checksum that does not match marks a block that arrived
    // damaged or was changed outside this program: sending it with a fresh
    // checksum would give the radio the damage as good data. A block the
    // radio split goes out joined, but the file as saved was not whole.
    if (!check.wholeMemory() || !splitBlock.empty()) {
        const std::string joined = splitBlock.empty() ? "" : splitBlock + " (its pieces are sent joined)";
        const std::string rest = check.wholeMemory() ? "" : notWholeFileReason(check);
        m_report.notWholeMemory = joined.empty() ? rest : rest.empty() ? joined : joined + "; " + rest;
        if (m_layouts == UploadLayout::WholeMemoryOnly) {
            m_report.fail("not a whole FT-817 memory: " + m_report.notWholeMemory,
                          "Nothing was sent to the radio.");
            return false;
        }
    }
    if (!check.untunedMemories.empty()) {
        const std::string heading = untunedHeading(check.untunedMemories.size());
        if (m_layouts == UploadLayout::WholeMemoryOnly) {
            m_report.fail(heading + ": " + joinReasons(check.untunedMemories, 5),
                          "Nothing was sent to the radio.");
            return false;
        }
        m_report.notes.push_back(
            heading + (check.untunedMemories.size() == 1 ? " (sent as it is): " : " (sent as they are): ") +
            joinReasons(check.untunedMemories, 5));
    }
    if (!check.damagedBlocks.empty())
        m_report.notes.push_back(staleChecksumNote(check) + "; fresh checksums are sent");
    // Every block acknowledged is not always a memory taken: a radio of a
    // longer model acknowledges these blocks too, then waits for its own last ones.
    if (check.radio)
        for (const RadioModel* longer : longerModels(*check.radio))
            m_report.notes.push_back("sent as an " + std::string(check.radio->name) + "'s memory of " +
                                     std::to_string(check.radio->blockCount()) + " blocks; an " +
                                     std::string(longer->name) + " waits for " +
                                     std::to_string(longer->blockCount()) +
                                     " and keeps nothing of a shorter memory, so an " +
                                     std::string(longer->name) + " has not taken it");
    if (!check.notes.empty())
        m_report.notes.push_back("records a radio would fill otherwise (sent as they are): " +
                                 joinReasons(check.notes, 5));
    return true;
}

Status UploadRun::sendBlocks()
{
    for (int k = 0; k <= m_layout.lastBlock; ++k) {
        if (Status sent = sendBlock(k); !sent)
            return sent;
        if (Status drained = waitForDrain(); !drained)
            return drained;
        const Result<bool> acknowledged = waitForAcknowledge();
        if (!acknowledged)
            return acknowledged.error();
        if (!*acknowledged) {
            m_unacknowledged = k;
            return Error{
                "the radio did not acknowledge block " + std::to_string(k) + " within 3 s",
                k == 0 ? std::string("Nothing was taken. The radio must wait in clone-receive before the "
                                     "upload starts: in clone mode, press its C key, then upload again. "
                                     "Is the cable plugged in?")
                       : "The radio took blocks 0 to " + std::to_string(k - 1) +
                             " only; put it back into clone mode and upload again."};
        }
        ++m_report.blocks;
        m_sink.blockDone(m_report.blocks, m_report.bytes);
        if (Status paused = pause(); !paused) {
            // Stopped in the pause after the last block: the radio has taken
            // the whole image, so the upload is complete, not abandoned.
            if (k < m_layout.lastBlock)
                return paused;
            m_report.abandoned = false;
        }
        m_nextStart = m_layout.ends[static_cast<std::size_t>(k)];
    }
    return {};
}

// Sends the block's number byte and payload, then the checksum computed here,
// in one write; the checksum stored in the file is never sent. What waits in
// the input is discarded first: only an acknowledgement that arrives after
// the block counts as the radio taking it.
Status UploadRun::sendBlock(int k)
{
    const int end = m_layout.ends[static_cast<std::size_t>(k)];
    const auto first = m_file.begin() + m_nextStart;
    Bytes block(first, m_file.begin() + (end - 1));
    // The payload follows the number byte.
    block.push_back(BlockStore::checksum(std::span<const std::uint8_t>(block).subspan(1)));
    if (Status discarded = discardInput(); !discarded)
        return discarded;
    m_lastSent = end - 1;
    m_sink.progressValue(m_lastSent);
    if (Status written = m_port.write(block); !written)
        return portError(written.error());
    m_report.bytes += static_cast<int>(block.size());
    return {};
}

// Reads away every byte already waiting: a second acknowledgement of an
// earlier block, or noise, is never taken for the answer to the next one.
Status UploadRun::discardInput()
{
    for (;;) {
        const Result<int> count = m_port.inputCount();
        if (!count)
            return portError(count.error());
        if (*count == 0)
            return {};
        for (int i = 0; i < *count; ++i)
            if (!m_port.readByte())
                return portError(Error{"the port counted bytes that could not be read", {}});
    }
}

// Waits until every queued byte has left the port, sleeping about as long
// as the queued bytes take on the line rather than looking every few milliseconds.
Status UploadRun::waitForDrain()
{
    for (;;) {
        const Result<int> queued = m_port.outputCount();
        if (!queued)
            return portError(queued.error());
        if (*queued == 0)
            return {};
        if (Status going = abandonIfAsked(); !going)
            return going;
        m_clock.sleep(std::clamp(*queued * kLineByteTime, kPollInterval, kLongestWait));
    }
}

// True when a 0x06 arrives within 3 s; every other byte is passed over.
Result<bool> UploadRun::waitForAcknowledge()
{
    const double deadline = m_clock.now() + kAcknowledgeTime;
    for (;;) {
        const Result<int> count = m_port.inputCount();
        if (!count)
            return portError(count.error());
        if (*count > 0) {
            const std::optional<std::uint8_t> byte = m_port.readByte();
            if (!byte)
                return portError(Error{"the port counted bytes that could not be read", {}});
            if (*byte == kAcknowledge)
                return true;
        }
        if (m_clock.now() >= deadline)
            return false;
        if (Status going = abandonIfAsked(); !going)
            return going.error();
        if (*count > 0)
            continue;
        // Wakes as soon as the answer arrives.
        waitBeforeNextPoll(m_port, m_clock, deadline);
    }
}

Status UploadRun::pause()
{
    const double deadline = m_clock.now() + m_pauseAfterBlock;
    while (m_clock.now() < deadline) {
        if (Status going = abandonIfAsked(); !going)
            return going;
        sleepBeforeNextPoll(m_clock, deadline);
    }
    return {};
}

Status UploadRun::abandonIfAsked()
{
    if (!m_sink.abandoned())
        return {};
    m_report.abandoned = true;
    return Error{"upload abandoned", "The radio took " + std::to_string(m_report.blocks) +
                                         " blocks; put it back into clone mode and upload again."};
}

Error UploadRun::portError(const Error& error) const
{
    std::string detail = error.detail;
    if (!detail.empty())
        detail += " ";
    return Error{"upload stopped: " + error.message,
                 detail + "The radio took " + std::to_string(m_report.blocks) + " blocks."};
}

} // namespace

TransferReport upload(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                      UploadLayout layouts, TransferTiming timing)
{
    UploadRun run(port, clock, path, sink, layouts, timing);
    return run.run();
}

} // namespace ft817
