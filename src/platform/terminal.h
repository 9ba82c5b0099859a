#pragma once
// Whether the tool's standard output goes to a person's terminal (so progress
// may redraw one line) or into a file or pipe (so it prints whole lines only).

namespace ft817 {

// True when standard output is an interactive terminal or console window.
bool standardOutputIsTerminal();

} // namespace ft817
