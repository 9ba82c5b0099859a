#include "cat_protocol/calibration_backup.h"

#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "text/text_format.h"

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
    const Result<int> rate = connectCat(link, request.rate);
    if (!rate)
        return rate.error();
    CalibrationRead read;
    read.rate = *rate;

    Bytes next; // the second byte of the last answer: the next address's byte, read ahead
    for (int address = 0; address < kCalibrationReads; ++address) {
        if (request.abandon && request.abandon->load())
            return Error{"calibration backup abandoned: nothing was written", {}};
        const Result<Bytes> answer = link.exchange(readEepromCommand(static_cast<std::uint16_t>(address)));
        if (!answer)
            return Error{"the radio stopped answering at EEPROM " + addressText(address) + " (read " +
                             std::to_string(address + 1) + " of " + std::to_string(kCalibrationReads) +
                             "): no backup was written",
                         answer.error().full()};
        const std::uint8_t byte = (*answer)[0];
        if (!next.empty() && next[0] != byte)
            return Error{"the radio's answers disagree about EEPROM " + addressText(address) + ": 0x" +
                             hexByte(next[0]) + " read with " + addressText(address - 1) + ", 0x" +
                             hexByte(byte) + " read on its own: no backup was written",
                         "An answer was taken for another read's (a radio answering late, or noise on the "
                         "line); check the cable and try again."};
        read.bytes.push_back(byte);
        next.assign(1, (*answer)[1]);
        if (request.progress)
            request.progress(address + 1, kCalibrationReads);
    }
    // Every read had its answer: nothing more may come.
    if (const Result<Bytes> extra = link.trailingBytes(); !extra || !extra->empty())
        return Error{"the radio sent more than its answers after the last read: no backup was written",
                     extra ? "Bytes " + hexBytes(*extra, " ") +
                                 " came after the last answer, so an answer may have been taken for "
                                 "another read's; check the cable and try again."
                           : extra.error().full()};
    return read;
}

} // namespace ft817
