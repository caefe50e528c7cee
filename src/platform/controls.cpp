#include "platform/controls.h"

namespace layer {
void registerBuiltinControls() {}
} // namespace layer
