// The layout markup the main window puts into the document: separator lines,
// typographic variants, the transcriber's note, the ink page number, the page
// break and centred lines. No widget: each command works on the editor's
// lines and selection and is one edit (one undo step). "The selected lines"
// run from the selection's start line to its end line, less that end line
// when the selection ends at its column 0 below the start line.
#pragma once

#include <string>
#include <string_view>

#include "cp1252.h"
#include "linhaseditor.h"

// The fixed lines: 15 blanks and the separator of a large, medium or small
// span; the transcriber's note; the page break; the closing line of a
// typographic variant.
inline const std::string separadorGrande = std::string(15, ' ') + "õ"_cp + std::string(22, 'x') + "o";
inline const std::string separadorMedio = [] {
  std::string s(15, ' ');
  for (int i = 0; i < 12; ++i) s += "õo"_cp;
  return s;
}();
inline const std::string separadorPequeno = std::string(15, ' ') + std::string(24, ':');
inline const std::string notaTranscricao = "_`[{ _`]";
inline const std::string quebraPagina = "<p>";
inline const std::string fechaVariante = "<M>";

// The opening line of typographic variant 1, 2 or 3 ("" for any other).
std::string aberturaVariante(int variante);

// `linha` goes in as a new line before the selection's first line (the
// separators and the transcriber's note).
void insereAntesDaSelecao(LinhasEditor& editor, const std::string& linha);

// Variant 1, 2 or 3 around the selected lines: its opening line before them,
// "<M>" after them. Any other number does nothing.
void insereVariante(LinhasEditor& editor, int variante);

// "<p>" before the selection's start line when the selection starts at its
// column 0, else after it.
void insereQuebraPagina(LinhasEditor& editor);

// Asks "Número da página em tinta"; unless cancelled, the caret's line is
// split at the selection's start: " ~:" ends its first part under the unified
// code, "<" + the value + ">" stands on a line of its own, the rest follows.
// True when something was inserted.
bool inserePaginaTinta(LinhasEditor& editor);

// A line centred on the Braille page: its translation's cells centred in
// `maxCarac` with the line's own leading blanks kept behind the new ones (at
// most 52); unchanged when the translation does not fit, empty when empty.
std::string centraFisico(std::string_view linha);
// A line the draft generator centres: 12 blanks and the trimmed line; empty
// for a line of blanks.
std::string centraLogico(std::string_view linha);

// Asks whether the centring is physical (Yes), logical (No) or neither
// (Cancel) and replaces each selected line, whole, by its centred form (the
// caret's line when nothing is selected); a selection that starts or ends
// inside a line takes that whole line. The caret ends at the start of the
// line the selection ended on when it ended at its column 0, else at the end
// of the last centred line. True when the question was answered Yes or No.
bool centraLinhas(LinhasEditor& editor);
