#include "clone/transfer_timing.h"

namespace ft817 {

const char* timingDescription(TransferTiming timing)
{
    if (timing == TransferTiming::Fast)
        return "Fast transfers: a block is acknowledged as soon as it is whole, "
               "and an upload pauses 10 ms after each acknowledgement.";
    return "Standard transfers: a block ends after a quarter second of silence, "
           "and an upload pauses a quarter second after each acknowledgement.";
}

} // namespace ft817
