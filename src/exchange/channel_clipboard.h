#pragma once
// Channels copied from the channel list as CSV and pasted back into it: the
// same columns as export and import, so rows travel between the list, a
// spreadsheet and the command line.

#include "exchange/csv_exchange.h"
#include "image/block_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// The active channels among those listed, as CSV in export's columns with
// its header line (inactive ones are left out, as export leaves them out),
// and every row's tag text and shown flag in the two columns after them.
std::string copyChannelsCsv(const BlockStore& store, const std::vector<int>& channels);

// Writes CSV rows (with or without export's header line; separated by commas,
// or by tabs as spreadsheets copy them) into a copy of the image, the first
// row into channel `first`, the next into first + 1 and so on; the Location
// column is not used. Rows are read and checked as import reads them and
// problems name the line of the pasted text; when any row is refused nothing
// is written.
CsvImport pasteChannelsCsv(const BlockStore& image, std::string_view text, int first);

} // namespace ft817
