#pragma once
// The program's name and version, which its settings, the history folder and
// --version use.

namespace ft817 {

// The program's version, as the build names it ("0.1.0").
const char* programVersion();

// Names the program "ft817clone" with its version. Call before anything
// reads settings.
void nameProgram();

} // namespace ft817
