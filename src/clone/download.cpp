#include "clone/download.h"

namespace ft817 {

TransferReport download(SerialPort& port, Clock&, const std::string&, TransferSink&)
{
    TransferReport report;
    const Status opened = port.open();
    if (!opened) {
        report.reason = opened.error().message;
        report.detail = opened.error().detail;
        return report;
    }
    port.setTextInputOneByte();
    port.clearInput();
    port.close();
    report.reason = "not available yet";
    return report;
}

}  // namespace ft817
