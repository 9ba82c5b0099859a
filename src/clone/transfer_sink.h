#pragma once
// What a transfer tells the person watching it, and how they stop it.

#include <string>
#include <vector>

namespace ft817 {

class TransferSink {
public:
    virtual ~TransferSink() = default;
    // The status box text ("waiting", " 300  2").
    virtual void status(const std::string& text) = 0;
    // The progress bar's range; a download sets only the maximum.
    virtual void progressRange(int minimum, int maximum) = 0;
    virtual void progressMaximum(int maximum) = 0;
    virtual void progressValue(int value) = 0;
    // Asked while the transfer waits; true abandons it (port closed, nothing written).
    virtual bool abandoned() = 0;
    // A block has been acknowledged: blocks done so far and clone-image bytes
    // received or sent so far. For displays that show one line per block.
    virtual void blockDone(int /*blocks*/, int /*bytes*/) {}
};

// How a transfer ended.
struct TransferReport {
    // Download: the image file was written. Upload: every block was acknowledged.
    bool complete = false;
    // The person abandoned it (Escape, closing the window, Ctrl-C).
    bool abandoned = false;
    // The counts the transfer showed in the status box at its end (" 300  2",
    // " 299  300"), also those of an upload the radio stopped acknowledging;
    // empty when it stopped before showing them ("waiting" is not kept).
    std::string statusText;
    // Why it did not complete; empty message when it did.
    std::string reason;
    // Longer explanation of the reason with a hint, may be empty.
    std::string detail;
    // Clone-image bytes received (download) or sent (upload), and blocks done.
    int bytes = 0;
    int blocks = 0;
    // The image is not a whole memory of a known radio, and why ("the radio
    // stopped after block 20 of 50"). Download: the file was still saved, as
    // received. Upload: the reason it was refused, or sent anyway when asked to.
    // Empty for a whole memory.
    std::string notWholeMemory;
    // Upload: the channels and special memories in use whose frequency the
    // radio cannot tune, one line each ("channel 12 (tag RPT1): 0.00146
    // MHz"); the reason it was refused, or sent anyway when asked to.
    std::vector<std::string> untunedMemories;
    // The radio whose memory was received or sent ("FT-817ND"); empty when the
    // blocks have no known radio's layout.
    std::string radio;
    // What the person should know that did not stop the transfer: where copies
    // were kept, checksums that were sent afresh.
    std::vector<std::string> notes;
    // What went wrong beside a transfer that still completed, and must stand
    // out: a history copy that could not be made, with the folder and why.
    std::vector<std::string> warnings;

    // Records why the transfer did not complete.
    void fail(const std::string& why, const std::string& more)
    {
        reason = why;
        detail = more;
    }
};

} // namespace ft817
