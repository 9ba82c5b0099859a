// Fuzz target for everything that reads a CSV text: the CSV reader and the
// channel import. Any text must be cut into rows or have its bad rows named;
// each row, written again as CSV, must read back as itself; an import either
// writes every row into a copy that still saves, or leaves the image exactly
// as it was. Nothing may read or write outside its buffers (AddressSanitizer)
// or overflow (UndefinedBehaviorSanitizer).

#include "exchange/csv_exchange.h"
#include "exchange/csv_file.h"
#include "image/block_store.h"
#include "support/image_samples.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace ft817;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "csv fuzz: %s\n", what);
        std::abort();
    }
}

// The image the imports write into: the sample memory of an FT-817.
const BlockStore& sampleStore()
{
    static const BlockStore store = *BlockStore::load(test::sampleMemoryImage());
    return store;
}

void checkTable(std::string_view text)
{
    const CsvTable table = parseCsv(text);
    int previous = 0;
    for (const CsvRow& row : table.rows) {
        require(row.line > previous, "row lines do not increase");
        previous = row.line;
        require(!row.fields.empty(), "a row without fields");
        // A row of one empty field writes as a blank line, which reading skips;
        // a byte order mark at the start of a text is not part of it.
        if (row.fields.size() == 1 && row.fields[0].empty())
            continue;
        if (std::string_view(row.fields[0]).substr(0, 3) == "\xEF\xBB\xBF")
            continue;
        const CsvTable again = parseCsv(csvRow(row.fields));
        require(again.problems.empty() && again.rows.size() == 1,
                "a written row does not read back as one row");
        require(again.rows[0].fields == row.fields, "a written row reads back different");
    }
    for (const CsvProblem& problem : table.problems)
        require(problem.line >= 1 && !problem.reason.empty(), "a problem without line or reason");
}

void checkImport(std::string_view text)
{
    const BlockStore& image = sampleStore();
    const CsvImport import = importChannelsCsv(image, text);
    if (!import.ok()) {
        require(import.store == image, "a refused import changed the image");
        return;
    }
    for (int channel : import.channels)
        require(channel >= 0 && channel < 200, "a written channel outside 0..199");
    require(import.store.toImageFile().ok(), "an imported image cannot be saved");
    // What the import wrote exports and imports again to the same channels
    // (when the image holds none that import refuses, such as one the radio
    // cannot tune).
    const std::string exported = exportChannelsCsv(import.store);
    const CsvImport again = importChannelsCsv(import.store, exported);
    require(!again.ok() || exportChannelsCsv(again.store) == exported, "export, import, export differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkTable(text);
    checkImport(text);
    return 0;
}
