// Compiled as the image layer: text/ and platform/ lie below it.
#include "image/block_store.h"
#include "platform/file_access.h"
#include "text/text_format.h"
