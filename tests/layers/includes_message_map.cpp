// Compiled alone by the layer tests (tests/CMakeLists.txt) with the include
// path of one layer: a header of ui, which only ui and the layers above it
// may see.
#include "ui/message_map.h"
