#include "clone/transfer.h"

#include "clone/download.h"
#include "clone/upload.h"

namespace ft817 {

TransferReport transfer(TransferKind kind, SerialPort& port, Clock& clock, const std::string& path,
                        TransferSink& sink, const TransferOptions& options)
{
    if (kind == TransferKind::Download)
        return download(port, clock, path, sink, ImageHistory(options.historyFolder), options.timing);
    return upload(port, clock, path, sink, options.layouts, options.timing);
}

} // namespace ft817
