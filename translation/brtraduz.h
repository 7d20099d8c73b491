// The entry points through which the editor translates text: the choice of
// the converter, the usable line width, the expansion of tabs and of
// no-break spaces.
#pragma once

#include <string>
#include <string_view>

// Raw mode: text passes untranslated (set and cleared by the draft markup).
extern bool semTraducao;
// Usable cells per Braille line after the margin prefix, as the last pass
// left it.
extern int larguraUtil;

// Text -> internal Braille code: the text itself in raw mode, else the old
// or the unified converter as brailleAntigo chooses, with every no-break
// space read as a blank. Resets no converter
// state: a call outside a pass goes on from the state the last call left.
// resultado may be the very string texto views.
void traduzTexto(std::string_view texto, std::string& resultado);

// The usable Braille line width (larguraUtil).
int larguraLinha();

// Every TAB (byte 9) becomes two blanks, in place.
void expandeTabs(std::string& texto);

// Every no-break space (byte 0xA0) becomes a blank, in place.
void trocaEspacosInquebraveis(std::string& texto);

// semTraducao and larguraUtil back to their start values (for tests).
void reiniciaTraducaoTexto();
