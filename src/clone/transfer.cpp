#include "clone/transfer.h"

#include "clone/download.h"
#include "clone/upload.h"

namespace ft817 {

TransferReport transfer(TransferKind kind, SerialPort& port, Clock& clock, const std::string& path,
                        TransferSink& sink)
{
    return kind == TransferKind::Download ? download(port, clock, path, sink) : upload(port, clock, path, sink);
}

}  // namespace ft817
