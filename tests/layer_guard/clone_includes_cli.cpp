// Compiled as the clone layer: cli/ lies above it, so this must not compile.
#include "cli/commands.h"
