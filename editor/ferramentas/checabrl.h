// The line check without its window: a draft line in printer code read back
// into text, so that the user sees what the embosser will say.
#pragma once

#include <string>
#include <string_view>

#include "brcodigo.h"

// The printer-code line as text: each byte back to the internal cell it came
// from through `tabela` (the old or the unified code), then capital signs
// ("{{" before a word, "{" before a letter) and number signs ("#" before a..j)
// folded into capitals and digits. A byte no cell maps to becomes byte 0 and
// stays in the result.
std::string reverteBraille(std::string_view linha, const TTabelaImpressora& tabela, bool brailleAntigo);
