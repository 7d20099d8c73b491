// The drawing program's one-button notice: the message is the box's title
// and the box has no text of its own. It goes through the message service,
// so tests answer it like any other box; on screen the program shows it in
// its small notice window.
#pragma once

#include <string>

namespace orvento {

// Shows `mensagem` (Windows-1252) and returns when the user closes the box.
void exibeAviso(const std::string& mensagem);

// Before the drawing is put aside (the window's close, a new or opened
// drawing): with dots on the canvas, "Já gravou ?" with No, OK and Cancel.
// True when the command may go on: an empty canvas, or the answer OK.
bool podeDescartarDesenho();

}  // namespace orvento
