#pragma once
// The person's choice of transfer timing for the windows, kept between runs
// in the program's settings file (~/.config/ft817clone/ft817clone.conf).

#include "clone/transfer_timing.h"

namespace ft817 {

// The timing chosen last time; standard timing when none was ever chosen.
TransferTiming savedTransferTiming();

// Keeps the timing for the next run.
void saveTransferTiming(TransferTiming timing);

} // namespace ft817
