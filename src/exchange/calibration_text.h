#pragma once
// The calibration backup as a text a person can read and keep: a header line
// naming the program, the date and the radio's version bytes, then one line
// per EEPROM byte from 0x0000 to 0x0054 with its address, its value in hex and
// decimal, and the name owners' documentation gives that address, if any:
//
//   # ft817clone calibration backup, 2026-12-09 15:04:05, radio version bytes D8 BF
//   0x0007  0x80  128  HF1RXG (soft calibration item 01)

#include "platform/file_access.h"
#include "platform/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// Bytes a backup holds: EEPROM 0x0000-0x0054.
inline constexpr int kCalibrationTextBytes = 0x55;

struct CalibrationBackup {
    std::string header; // the header line without its "# "
    Bytes bytes;        // kCalibrationTextBytes
};

// The name owners' documentation gives the EEPROM byte at address; empty when none.
std::string calibrationByteName(int address);

// The backup's text; date as "2026-12-09 15:04:05".
std::string calibrationText(const Bytes& bytes, std::string_view date);

// Reads a backup's text back, exactly as calibrationText writes it (a UTF-8
// byte-order mark before it, CR LF line ends, blank lines and "#" comments
// after the header are taken too); refuses any other line, an address past
// 0x0054, hex and decimal that disagree, an address given twice and a missing
// one, naming the line and the reason.
Result<CalibrationBackup> readCalibrationText(std::string_view text);

// `calibration show`: the bytes as a table, or as JSON (valid UTF-8); the
// header from the file is shown with its control bytes escaped.
std::string calibrationTable(const CalibrationBackup& backup);
std::string calibrationJson(const CalibrationBackup& backup);

// `calibration compare`: the bytes that differ, as lines (empty when none), or as JSON.
std::vector<int> calibrationDifferences(const CalibrationBackup& a, const CalibrationBackup& b);
std::string calibrationComparison(const CalibrationBackup& a, const CalibrationBackup& b);
std::string calibrationComparisonJson(const CalibrationBackup& a, const CalibrationBackup& b);

} // namespace ft817
