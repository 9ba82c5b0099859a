// Compiled as the image layer: clone/ lies above it, so this must not compile.
#include "clone/download.h"
