#include "cat_protocol/calibration_backup.h"

#include "cat_protocol/cat_commands.h"
#include "cat_protocol/cat_link.h"

#include <cstdio>

namespace ft817 {
namespace {

std::string addressText(int address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

} // namespace

Result<CalibrationRead> readCalibration(SerialPort& port, Clock& clock, const CalibrationRequest& request)
{
    CatLink link(port, clock);
    if (Status opened = link.open(request.rate > 0 ? request.rate : kCatRates[0]); !opened)
        return opened.error();
    CalibrationRead read;
    if (request.rate > 0) {
        read.rate = request.rate;
    } else {
        const Result<int> found = findCatRate(link);
        if (!found)
            return found.error();
        read.rate = *found;
    }

    for (int n = 0; n < kCalibrationReads; ++n) {
        if (request.abandon && request.abandon->load())
            return Error{"calibration backup abandoned: nothing was written", {}};
        const int address = 2 * n;
        const Result<Bytes> answer = link.exchange(readEepromCommand(static_cast<std::uint16_t>(address)));
        if (!answer)
            return Error{"the radio stopped answering at EEPROM " + addressText(address) + " (read " +
                             std::to_string(n + 1) + " of " + std::to_string(kCalibrationReads) +
                             "): no backup was written",
                         answer.error().full()};
        for (int i = 0; i < 2 && address + i < kCalibrationBytes; ++i)
            read.bytes.push_back((*answer)[static_cast<std::size_t>(i)]);
        if (request.progress)
            request.progress(n + 1, kCalibrationReads);
    }
    return read;
}

} // namespace ft817
