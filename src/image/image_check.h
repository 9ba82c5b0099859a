#pragma once
// Whether a clone image is a whole memory of a known radio: every block
// numbered in order, its stored checksum matching its payload, and the blocks'
// lengths those of one of the five radios (radio_model.h). A download that
// ended early, a block the radio split with a pause, or an image changed
// outside this program all fail here, with what went wrong in plain words.

#include "image/block_store.h"
#include "image/radio_model.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ft817 {

struct ImageCheck {
    // The radio whose layout the blocks have; nullptr when they have none of the five.
    const RadioModel* radio = nullptr;
    // What keeps the blocks from being a whole memory (layout, number bytes),
    // first thing wrong first; empty when the shape is a known radio's.
    std::vector<std::string> shapeProblems;
    // Blocks whose stored checksum does not match their payload, wherever
    // they lie, the layout known or not.
    std::vector<int> damagedBlocks;
    // A block the radio split with a pause or cut short, or a block carrying
    // another number than its place: its bytes are not a block as the radio
    // keeps it.
    bool blocksDisturbed = false;
    // Where the radio paused in the middle of a block: the image block that
    // holds its first piece (the next holds the rest); -1 when none was split.
    int splitBlock = -1;
    // The first block carrying another number than its place (after a split,
    // than the radio's block it holds); -1 when every block carries its own.
    int misnumberedBlock = -1;
    // Records the radio takes but would not fill so itself (a band code that
    // does not fit its frequency), one line each; never a reason to refuse.
    std::vector<std::string> notes;
    // The active channels and special memories in use whose frequency the
    // radio cannot tune (untunedMemories), one line each; an upload sends
    // them only when the person has said so.
    std::vector<std::string> untunedMemories;

    // Right shape and every checksum matching.
    bool wholeMemory() const { return wellShaped() && damagedBlocks.empty(); }
    // A known radio's layout with every block numbered in order (checksums aside).
    bool wellShaped() const { return radio != nullptr && shapeProblems.empty(); }
    // Every block whole, in its place and with its stored checksum matching,
    // whether or not the blocks are a known radio's layout.
    bool intactBlocks() const { return !blocksDisturbed && damagedBlocks.empty(); }
};

// The radio whose layout the blocks of a loaded image have; nullptr when none.
const RadioModel* radioOf(const BlockStore& store);

// Checks a clone image (blocks back to back) cut into blocks of these lengths
// (number byte, payload and checksum each). The lengths must add up to the image.
ImageCheck checkCloneImage(std::span<const std::uint8_t> cloneImage, std::span<const int> blockLengths);

// Checks the clone image held in an image file whose block table has been read,
// with notes on the records of an image of a known radio's layout.
// Nothing here refuses the file: readImageLayout does that.
ImageCheck checkImageFile(std::span<const std::uint8_t> imageFile);

// When the blocks of a whole memory of radio are also the first blocks of a
// longer model's: which model the memory was taken for, and why ("taken for
// an FT-817ND: its 50 blocks are an FT-817ND's whole memory; an FT-817ND (US)
// sends 51, and nothing in the memory says it is one"); empty otherwise.
std::string modelChoiceNote(const RadioModel& radio);

// What is wrong with a received image, shape first, then each damaged block
// ("block 20 arrived damaged: its checksum does not match"); at most 20
// reasons, then "and N more". Empty for a whole memory.
std::string notWholeReason(const ImageCheck& check);

// For an image about to be sent with fresh checksums: which stored checksums
// do not match ("the stored checksum of block 8 does not match: the file was
// changed outside this program or arrived damaged"); empty when all match.
std::string staleChecksumNote(const ImageCheck& check);

// What keeps an image file from being sent or edited unasked: its shape
// problems, then the stored checksums that do not match (a block that
// arrived damaged); empty for a whole memory.
std::string notWholeFileReason(const ImageCheck& check);

// What writing this image again with fresh checksums would hide, in the
// words of notWholeFileReason: stored checksums that do not match, blocks
// split, cut short or out of their numbers. Empty when writing it hides
// nothing (blocks intact, even of an unknown layout or with blocks missing).
// Every command and window that writes an image asks this before it writes.
std::string damageHiddenByRewrite(const ImageCheck& check);

// Where the records of the active channels and of the special memories in
// use disagree with what a radio stores beside their frequencies, one line
// each: "channel 5: RX band code 4 (144 MHz) where 14.07400 MHz is band 0
// (HF)", "HOME 144 MHz: ...". Empty when every record fits.
std::vector<std::string> recordNotes(const BlockStore& store);

// The active channels and the special memories in use whose frequency the
// radio cannot tune (ChannelRecordView::untunedFrequencies), one line each,
// named as owners read them: "channel 12 (tag RPT1): 0.00146 MHz",
// "QMB: 0.00000 MHz", "channel 13: TX 1000.00000 MHz". Empty when the radio
// tunes every one.
std::vector<std::string> untunedMemories(const BlockStore& store);

// What a list of untunedMemories comes to, in a heading: "the radio cannot
// tune the frequency of 1 memory in use" ("of 3 memories").
std::string untunedHeading(std::size_t count);

// Reasons joined with "; ", at most limit of them, then "and N more".
std::string joinReasons(const std::vector<std::string>& reasons, std::size_t limit = 20);

} // namespace ft817
