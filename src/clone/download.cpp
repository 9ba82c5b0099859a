#include "clone/download.h"

#include "clone/fast_download_timing.h"
#include "clone/status_text.h"
#include "clone/transfer_wait.h"
#include "image/file_replacement.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/radio_model.h"
#include "platform/file_access.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ft817 {
namespace {

constexpr std::uint8_t kAcknowledge = 0x06;
// The most the radio can send; the receive buffer holds exactly this many bytes.
constexpr int kReceiveBufferSize = 32001;
// The smallest whole memory a radio sends: what the progress bar shows as complete.
int fullImage()
{
    static const int bytes = smallestCloneBytes();
    return bytes;
}
// Block numbers are one byte: an image file holds at most 256 blocks.
constexpr int kMaxBlocks = 256;

// A radio sends its next block no sooner than this after an acknowledgement
// (about 20 ms on real radios): bytes that come sooner, and do not begin
// with the next block's number, were sent before it had the acknowledgement,
// as the tail of the block it answered.
constexpr double kRadioTurnaround = 0.005;

// How messages about the file a download replaces name what is running.
constexpr const char* kCommand = "the download";

const char* const kNothingSaved = "Nothing was saved; the image file was not written.";

class DownloadRun {
public:
    DownloadRun(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                const ImageHistory& history, TransferTiming timing)
        : m_port(port), m_clock(clock), m_path(path), m_sink(sink), m_history(history)
    {
        if (timing == TransferTiming::Fast)
            m_fast.emplace();
    }

    TransferReport run();

private:
    Status receive();
    Status waitForData();
    Status readAvailable();
    Result<bool> inputWithin(double seconds, bool prompt = false);
    Status endBlock();
    double quietTime() const;
    double nextBlockTime() const;
    Status lostAfterBlock(const Error& error);
    Status saveImage();
    Status rescue(const Bytes& file, const Error& why);
    void checkWhatArrived();
    void noteLateBytes();

    bool blockEndNear() const;
    std::optional<int> blockThatWentOn() const;
    Result<int> inputCount();
    Status abandonIfAsked();
    Error portError(const Error& error) const;

    SerialPort& m_port;
    Clock& m_clock;
    const std::string& m_path;
    TransferSink& m_sink;
    const ImageHistory& m_history;
    TransferReport m_report;
    // Set for fast timing only.
    std::optional<FastDownloadTiming> m_fast;

    std::vector<std::uint8_t> m_buffer = std::vector<std::uint8_t>(kReceiveBufferSize);
    int m_received = 0;
    int m_blocks = 0;
    int m_previousEnd = 0;
    std::vector<int> m_blockLengths;
    // Fast timing: the blocks whose first bytes came sooner after the
    // acknowledgement before them than a radio answers one.
    std::vector<int> m_quickBlocks;
    // For a whole memory that fits a longer model as far as it goes: which model it was taken for.
    std::string m_modelChoice;
};

TransferReport DownloadRun::run()
{
    // Find out before the radio sends, not after a whole transfer, that the
    // image could not be saved where the person wants it.
    if (const Status ready = checkReplaceable(m_path, m_history, kCommand); !ready) {
        const std::string& more = ready.error().detail;
        m_report.fail(ready.error().message,
                      "Nothing was received from the radio." + (more.empty() ? "" : " " + more));
        return m_report;
    }
    if (const Status ready = setUpPort(m_port); !ready) {
        m_report.fail(ready.error().message, ready.error().detail);
        return m_report;
    }
    m_sink.progressMaximum(fullImage());

    Status done = receive();
    if (done) {
        checkWhatArrived();
        noteLateBytes();
        done = saveImage();
    }
    m_report.bytes = m_received;
    m_report.blocks = m_blocks;
    if (done) {
        m_report.statusText = statusNumbers(m_received, m_blocks);
        m_sink.status(m_report.statusText);
        m_report.complete = true;
    } else {
        m_report.fail(done.error().message, done.error().detail);
    }
    m_port.close();
    return m_report;
}

// One pass of the loop per block: receive it, acknowledge it, and see
// whether another follows within 2 s (or the fast timing's end).
Status DownloadRun::receive()
{
    for (;;) {
        for (;;) {
            if (Status waited = waitForData(); !waited)
                return waited;
            if (Status read = readAvailable(); !read)
                return read;
            const Result<bool> goesOn = inputWithin(quietTime(), blockEndNear());
            if (!goesOn)
                return goesOn.error();
            if (!*goesOn)
                break;
        }
        if (Status acknowledged = endBlock(); !acknowledged)
            return acknowledged;
        const double acknowledgedAt = m_clock.now();
        const Result<bool> another = inputWithin(nextBlockTime());
        if (!another)
            return lostAfterBlock(another.error());
        if (!*another)
            return {};
        if (m_fast) {
            const double gap = m_clock.now() - acknowledgedAt;
            m_fast->gapSeen(gap);
            if (gap < kRadioTurnaround)
                m_quickBlocks.push_back(m_blocks);
        }
    }
}

// The line failed while the tool waited for a block that might still
// follow. When the blocks so far are a known radio's whole layout, the
// transfer had ended: what arrived is saved and checked as always.
Status DownloadRun::lostAfterBlock(const Error& error)
{
    if (m_report.abandoned)
        return error;
    const ImageCheck check = checkCloneImage(
        std::span<const std::uint8_t>(m_buffer.data(), static_cast<std::size_t>(m_received)), m_blockLengths);
    if (!check.wellShaped())
        return error;
    m_report.notes.push_back("the line dropped after the last block had been acknowledged");
    return {};
}

// Silence that ends the block received so far.
double DownloadRun::quietTime() const
{
    if (!m_fast)
        return kQuietTime;
    const auto start = m_buffer.begin() + m_previousEnd;
    return m_fast->quietTime(std::span<const std::uint8_t>(start, start + (m_received - m_previousEnd)));
}

// Silence after an acknowledgement that ends the transfer.
double DownloadRun::nextBlockTime() const
{
    return m_fast ? m_fast->nextBlockTime() : kNextBlockTime;
}

// Waits without limit until a byte is there, showing "waiting" meanwhile.
Status DownloadRun::waitForData()
{
    bool shown = false;
    for (;;) {
        const Result<int> count = inputCount();
        if (!count)
            return count.error();
        if (*count > 0)
            return {};
        if (!shown) {
            m_sink.status("waiting");
            shown = true;
        }
        if (Status going = abandonIfAsked(); !going)
            return going;
        sleepBeforeNextPoll(m_clock, kNoDeadline);
    }
}

// Reads every byte that has arrived, one at a time, into the receive buffer.
Status DownloadRun::readAvailable()
{
    for (;;) {
        const Result<int> count = inputCount();
        if (!count)
            return count.error();
        if (*count == 0)
            return {};
        const int blockLength = m_received - m_previousEnd;
        if (blockLength == 0 && m_blocks >= kMaxBlocks)
            return Error{"the radio sent more than " + std::to_string(kMaxBlocks) + " blocks",
                         std::string("An image file holds at most 256 blocks and an FT-817 sends about 50; "
                                     "is something other than the radio sending on this line? ") +
                             kNothingSaved};
        if (blockLength >= kMaxBlockLength)
            return Error{"block " + std::to_string(m_blocks) + " from the radio is longer than " +
                             std::to_string(kMaxBlockLength) + " bytes",
                         std::string("The radio pauses after every block of at most 255 bytes; these bytes "
                                     "came without a pause. Is something other than an FT-817 in clone mode "
                                     "sending on this line? ") +
                             kNothingSaved};
        if (m_received >= kReceiveBufferSize)
            return Error{"the radio sent more than " + std::to_string(kReceiveBufferSize) + " bytes",
                         std::string("An FT-817 image is under 7000 bytes; is something other than the radio "
                                     "sending on this line? ") +
                             kNothingSaved};
        const std::optional<std::uint8_t> byte = m_port.readByte();
        if (!byte)
            return portError(Error{"the port counted bytes that could not be read", {}});
        m_buffer[static_cast<std::size_t>(m_received)] = *byte;
        ++m_received;
        m_sink.progressValue(std::min(m_received, fullImage()));
    }
}

// True as soon as a byte is waiting, false when none has come within the
// given seconds from now (after one look when that is 0). Used for the quiet
// test (the input has just run dry: the block ends if it stays dry) and the
// wait for the next block. A prompt wait wakes as soon as a byte arrives
// instead of at the next look at the port.
Result<bool> DownloadRun::inputWithin(double seconds, bool prompt)
{
    const double deadline = m_clock.now() + seconds;
    for (;;) {
        const Result<int> count = inputCount();
        if (!count)
            return count.error();
        if (*count > 0)
            return true;
        if (m_clock.now() >= deadline)
            return false;
        if (Status going = abandonIfAsked(); !going)
            return going.error();
        if (prompt)
            waitBeforeNextPoll(m_port, m_clock, deadline);
        else
            sleepBeforeNextPoll(m_clock, deadline);
    }
}

// Acknowledges the block and records its length and where it ends.
Status DownloadRun::endBlock()
{
    const std::uint8_t acknowledge[] = {kAcknowledge};
    if (Status sent = m_port.write(acknowledge); !sent)
        return portError(sent.error());
    ++m_blocks;
    m_blockLengths.push_back(m_received - m_previousEnd);
    if (m_fast)
        m_fast->blockEnded(m_blockLengths.back());
    m_previousEnd = m_received;
    m_sink.blockDone(m_blocks, m_received);
    return {};
}

// Saves what the radio sent at the path, after keeping the file it replaces
// in the history; keeps the saved image in the history too.
Status DownloadRun::saveImage()
{
    const std::span<const std::uint8_t> image(m_buffer.data(), static_cast<std::size_t>(m_received));
    const Result<Bytes> file = buildImageFile(image, m_blockLengths);
    if (!file)
        return Error{"cannot save the image: " + file.error().message, kNothingSaved};
    const Result<std::string> previous = m_history.keepReplaced(m_path, kCommand);
    if (!previous)
        return rescue(*file,
                      Error{previous.error().message, "The file at " + m_path + " was left as it was."});
    if (const Status written = writeWholeFile(m_path, *file); !written)
        return rescue(*file, Error{written.error().message, "Any earlier file at that path is unchanged."});
    if (!previous->empty())
        m_report.notes.push_back("the file it replaced was kept as " + *previous);
    const Result<std::string> kept =
        m_history.keepDownload(*file, m_report.notWholeMemory.empty() ? m_report.radio : "not-whole");
    if (kept)
        m_report.notes.push_back("a copy was kept as " + *kept);
    else
        m_report.warnings.push_back("no copy was kept in the history folder " + m_history.folder() + ": " +
                                    kept.error().message);
    if (!m_modelChoice.empty())
        m_report.notes.push_back(m_modelChoice);
    return {};
}

// The transfer itself went well: keeps what the radio sent rather than lose it.
Status DownloadRun::rescue(const Bytes& file, const Error& why)
{
    const Result<std::string> rescue = keepRescueCopy("ft817clone-download", file, m_history.folder());
    const std::string kept = rescue ? " The image was kept in " + *rescue + "; copy it where you want it."
                                    : " Choose another file name and download again.";
    return Error{why.message, "The " + std::to_string(m_received) +
                                  " bytes received from the radio were not saved at " + m_path + ". " +
                                  why.detail + kept};
}

// Looks inside what arrived: a whole memory of a known radio, or why not.
void DownloadRun::checkWhatArrived()
{
    const ImageCheck check = checkCloneImage(
        std::span<const std::uint8_t>(m_buffer.data(), static_cast<std::size_t>(m_received)), m_blockLengths);
    if (check.radio)
        m_report.radio = std::string(check.radio->name);
    if (!check.wholeMemory())
        m_report.notWholeMemory = notWholeReason(check);
    else
        m_modelChoice = modelChoiceNote(*check.radio);
}

// Fast timing only: bytes that came after the end was decided belong to a
// block the transfer did not wait for, so what was saved is not the whole memory.
void DownloadRun::noteLateBytes()
{
    if (!m_fast)
        return;
    // Standard timing would have found this block longer; the blocks after it
    // are out of step, so what it says of them is put after this.
    if (const std::optional<int> wentOn = blockThatWentOn()) {
        const std::string tail = "block " + std::to_string(*wentOn) +
                                 " went on after its length had ended it under fast timing (bytes came "
                                 "before the radio could have had the acknowledgement); download again "
                                 "with standard timing";
        m_report.notWholeMemory =
            m_report.notWholeMemory.empty() ? tail : tail + "; " + m_report.notWholeMemory;
    }
    const Result<int> count = m_port.inputCount();
    if (!count || *count == 0)
        return;
    const std::string late = "bytes still arrived after block " + std::to_string(m_blocks - 1) +
                             ", when fast timing had ended the transfer; download again with standard timing";
    m_report.notWholeMemory = m_report.notWholeMemory.empty() ? late : m_report.notWholeMemory + "; " + late;
}

// The first block whose bytes went on after fast timing had ended it by its
// length: the one before a quick block that does not begin with its number.
std::optional<int> DownloadRun::blockThatWentOn() const
{
    for (const int quick : m_quickBlocks) {
        if (quick >= static_cast<int>(m_blockLengths.size()))
            break;
        const auto lengths = m_blockLengths.begin();
        const int start = std::accumulate(lengths, lengths + quick, 0);
        if (m_buffer[static_cast<std::size_t>(start)] != static_cast<std::uint8_t>(quick))
            return quick - 1;
    }
    return std::nullopt;
}

// Fast timing only: the block on the line may be whole with its next few
// bytes, so the wait for them wakes as soon as one arrives.
bool DownloadRun::blockEndNear() const
{
    return m_fast && m_fast->blockEndNear(m_received - m_previousEnd);
}

Result<int> DownloadRun::inputCount()
{
    Result<int> count = m_port.inputCount();
    if (!count)
        return portError(count.error());
    return count;
}

Status DownloadRun::abandonIfAsked()
{
    if (!m_sink.abandoned())
        return {};
    m_report.abandoned = true;
    return Error{"download abandoned", kNothingSaved};
}

Error DownloadRun::portError(const Error& error) const
{
    std::string detail = error.detail;
    if (!detail.empty())
        detail += " ";
    return Error{"download stopped: " + error.message, detail + kNothingSaved};
}

} // namespace

TransferReport download(SerialPort& port, Clock& clock, const std::string& path, TransferSink& sink,
                        const ImageHistory& history, TransferTiming timing)
{
    DownloadRun run(port, clock, path, sink, history, timing);
    return run.run();
}

} // namespace ft817
