// Boxes around text: the selected lines framed in border cells made of
// ordinary document characters, whose right side lines up in Braille because
// the widths are counted in translated cells.
#pragma once

#include <string>
#include <string_view>

#include "linhaseditor.h"

// Box types as the window offers them; under the unified code each is
// raised by 3 (4, 5, 6) to take that code's characters.
enum TipoQuadro { quadroPadrao = 1, quadroAjuda = 2, quadroFigura = 3 };

// The border of one type, as document characters. A figure caption has no
// corners: its top and bottom are fills alone, and its corner fields are "".
struct MolduraQuadro {
  std::string cantoSuperiorEsquerdo, preenchimentoSuperior, cantoSuperiorDireito;
  std::string esquerda, direita;
  std::string cantoInferiorEsquerdo, preenchimentoInferior, cantoInferiorDireito;
  bool temCantos() const { return !cantoSuperiorEsquerdo.empty(); }
};

// The border of type 1..6 (1..3 old code, 4..6 unified); type 1 outside.
const MolduraQuadro& molduraQuadro(int tipo);

// The two-character pattern repeated k div 2 times, then its first character
// when k is odd: k characters ("" for k of 0 or less).
std::string repeteTexto(std::string_view padrao, int k);

// What a help request puts into an empty line before framing it.
std::string textoPedidoAjuda();

// Frames the selected lines (the caret's line when nothing is selected; a
// selection ending at column 0 leaves that line out) in a box of type 1..3,
// under the code the settings name, with "<F->"/"<F+>" around it while
// paragraphs are joined. All lines change in one edit. False when nothing was
// drawn: a type outside 1..3, or the printer table or a line's translation
// failed (they show their own message; a help text already put into an empty
// line stays), or the box with its frame is wider than the Braille line
// (maxCarac; a warning gives both widths and the text stays as it was).
bool criaQuadro(LinhasEditor& editor, int tipo);
