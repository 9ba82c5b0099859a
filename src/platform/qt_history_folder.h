#pragma once
// Where the history of downloaded and replaced images lives: the folder
// "history" in the user's application data folder (on Linux
// $XDG_DATA_HOME/ft817clone/history, by default ~/.local/share/ft817clone/history).

#include <string>

namespace ft817 {

// The program's name, which names its application data folder.
inline constexpr const char* kApplicationName = "ft817clone";

// The history folder's path; empty when the system names no data folder.
std::string historyFolder();

} // namespace ft817
