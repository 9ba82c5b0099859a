#include "clone/transfer.h"

#include "clone/download.h"
#include "clone/upload.h"

namespace ft817 {

TransferReport transfer(TransferKind kind, SerialPort& port, Clock& clock, const std::string& path,
                        TransferSink& sink, TransferTiming timing)
{
    return kind == TransferKind::Download ? download(port, clock, path, sink, timing)
                                          : upload(port, clock, path, sink, timing);
}

}  // namespace ft817
