// The graphic-mode stream of the embossers: a dot matrix sent as bands of
// three dot rows, each cell of a band the printer byte of its six dots. The
// editor's print job and the drawing program both emboss this way, so it lives
// with the matrix and not with the print job.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "brcodigo.h"
#include "brgrafpr.h"

// ESC "1" and ESC "]": the embosser's graphic mode on and off.
inline constexpr std::string_view entraModoGrafico{"\x1B" "1", 2};
inline constexpr std::string_view saiModoGrafico{"\x1B" "]", 2};
// Cells of one graphic band: two dot columns each, 300 columns.
inline constexpr int celulasPorFaixa = 150;

// One band of the graphic-mode stream: the 150 cells of matrix rows y0 to
// y0 + 2 (cell i covers columns 2i and 2i + 1), each the printer byte of its
// dot mask through `celulas` (the cell table of the code in use) and
// `tabela`; row 300 never goes out; every trailing byte of value 32 or less
// removed; then CR LF.
std::string linhaFaixaGrafica(const TMatrizPontos& matriz, int y0,
                              const std::array<unsigned char, 64>& celulas,
                              const TTabelaImpressora& tabela);

// The cell table of graphic-mode cells for the code in use.
const std::array<unsigned char, 64>& celulasDoCodigo(bool brailleAntigo);

// The mask of dots of a printer byte drawn as a cell in the matrix: dots 1-3
// at (x, y..y+2), dots 4-6 at (x + 1, y..y+2); dots outside are dropped.
void desenhaCelula(TMatrizPontos& matriz, int x, int y, unsigned char mascara);
