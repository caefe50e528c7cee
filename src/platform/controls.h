// The built-in window classes the layer registers: "Button", "STATIC", "EDIT",
// "msctls_statusbar32", and the message box's own class.
#pragma once

namespace layer {
// Registers every built-in class once; later calls do nothing.
void registerBuiltinControls();
} // namespace layer
