#pragma once
// Whether the tool's standard output goes to a person's terminal (so progress
// may redraw one line) or into a file or pipe (so it prints whole lines only).

namespace ft817 {

// True when standard output is an interactive terminal or console window.
bool standardOutputIsTerminal();

// Before the windows open: a console window made for the program alone (on
// Windows, when it was started from the Start menu or Explorer) goes away; a
// console it shares with a command prompt stays. Elsewhere nothing happens.
void leaveOwnConsole();

} // namespace ft817
