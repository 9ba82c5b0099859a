#pragma once
// Memory channels as CSV, in the column layout that the widely used open
// radio-programming tools read and write:
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL
// followed by this tool's own columns TxMode,Narrow,IPO,ATT (files without
// them read as before: what they would say stays as the record holds it).
//
// Export writes one row per active channel (Location 1..200). Frequencies are
// MHz with six decimals; Offset holds record bytes 14..17 for every channel
// (the repeater offset for "-" and "+", the TX frequency for "split"); tones
// are in Hz and DCS codes three digits from the radio's tables; a tone or
// code number outside the tables is written as an empty field. Name is the
// tag text without trailing blanks when bit 7 of record byte 0 is set (that
// is how the radio decides to show it), else empty. Mode uses the radio's own
// names (LSB USB CW CWR AM FM DIG PKT). TStep is the tuning step of the
// channel's mode group in kHz ("12.50"), Skip "S" for a channel scanning
// skips. TxMode is a split channel's transmit mode; Narrow, IPO and ATT are
// "Y" when on and empty when off. Tag text is taken as Latin-1 and written
// as UTF-8.
//
// Import writes the rows into a copy of an image and changes only what a row
// describes; every other byte and bit keeps its value. Columns are found by
// their header names (order free, unknown columns ignored). An empty tone,
// code, Offset (for simplex) or Mode field keeps what the record holds. A row
// that makes a channel split sets its transmit mode to the row's mode, and the
// band codes beside the frequencies (record byte 1 bits 2-0, and byte 5 bits
// 2-0 when split) follow the frequencies as a radio fills them. A row
// that cannot be written exactly is refused with its line number, and when
// any row is refused nothing is written at all.

#include "exchange/csv_file.h"
#include "image/block_store.h"
#include "platform/result.h"
#include "text/megahertz.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// Largest CSV file import reads: far more than a list of 200 channels can be.
inline constexpr std::size_t kMaxCsvFileBytes = std::size_t{1024} * 1024;

// The columns, in the order export writes them: the common ones, then this tool's own.
inline constexpr std::array<std::string_view, 21> kCsvColumns = {
    "Location",  "Name",     "Frequency",    "Duplex", "Offset", "Tone", "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "Mode",   "TStep",  "Skip", "Comment",
    "URCALL",    "RPT1CALL", "RPT2CALL",     "TxMode", "Narrow", "IPO",  "ATT"};
// How many of them other programs' files have.
inline constexpr std::size_t kCommonCsvColumns = 17;

// Columns the tool's own copy adds after export's, which its paste and import
// read: every row's tag text, shown or not, and "yes" or "no" for whether the
// radio shows it (bit 7 of record byte 0). Where they are, Name is not read.
inline constexpr std::string_view kTagTextColumn = "Tag text";
inline constexpr std::string_view kTagShownColumn = "Tag shown";

// Which tags a CSV text carries: the shown ones in Name (for other programs),
// or also every tag with its shown flag in the two columns above.
enum class CsvTags { ShownInName, AllWithShownFlag };

// The header line's columns for these tags, in the order export writes them.
std::vector<std::string> csvHeader(CsvTags tags);

// The active channels of a memory image as CSV (header row first, LF line ends).
std::string exportChannelsCsv(const BlockStore& store, CsvTags tags = CsvTags::ShownInName);
// The special memories of the image's model (special_memories.h) in the same
// columns, Location the memory's name ("HOME 144 MHz"); PMS-L and PMS-U only
// when in use. Import reads such rows back; a 60 m channel's row must keep its
// frequencies and mode.
std::string exportSpecialsCsv(const BlockStore& store);

// What an import made of a CSV text.
struct CsvImport {
    BlockStore store;          // the image with every row written; the original when any row was refused
    std::vector<int> channels; // channels written (0..199), in file order
    std::vector<std::string> specials; // special memories written, by name, in file order
    std::vector<CsvProblem> problems;  // rows refused; empty when the import succeeded
    std::vector<CsvProblem> notes;     // rows written with a change worth telling (a name cut to 8)
    // True when every row was good and written.
    bool ok() const { return problems.empty(); }
};

// Writes the channels of a CSV text into a copy of a memory image (a store that
// BlockStore::load accepted). Never changes the image it is given.
CsvImport importChannelsCsv(const BlockStore& image, std::string_view csv);
// The same for a text already cut into rows: the first row is the header, and
// problems name each row's own line and the table's problems come first.
CsvImport importChannelsTable(const BlockStore& image, const CsvTable& table);

} // namespace ft817
