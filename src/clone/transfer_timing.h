#pragma once
// How a transfer paces its exchange with the radio. Standard timing finds a
// block's end by a quarter second of silence, ends a download 2 s after the
// last block and pauses a quarter second after every acknowledgement of an
// upload. Fast timing knows the memory layouts real radios send: a download
// acknowledges a block as soon as it is whole and ends shortly after a known
// layout's last block, and an upload pauses 10 ms.

namespace ft817 {

enum class TransferTiming { Standard, Fast };

// Standard timing: silence that ends a block on download.
inline constexpr double kQuietTime = 0.25;
// Standard timing: silence after an acknowledgement that ends a download.
inline constexpr double kNextBlockTime = 2.0;
// Pause after each acknowledgement on upload, before the next block.
inline constexpr double kStandardPauseAfterBlock = 0.25;
inline constexpr double kFastPauseAfterBlock = 0.01;

// What the person sees about the timing in use ("standard timing: ...").
const char* timingDescription(TransferTiming timing);

} // namespace ft817
