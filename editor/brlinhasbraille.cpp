#include "brlinhasbraille.h"

#include "brcodigo.h"
#include "brgerador.h"
#include "brtraduz.h"

std::string linhaBrailleImpressora(std::string_view linha) {
  std::string braille;
  traduzTexto(linha, braille);
  for (char& c : braille) c = static_cast<char>(tabelaImpressora[static_cast<unsigned char>(c)]);
  return braille;
}

TLinhasBraille::TLinhasBraille(SaidaLinhasBraille& saida) : saida_(saida) {}

void TLinhasBraille::atualizaLinhasBraille(int linhaCursor, int numeroLinhas, const LeitorLinha& linha) {
  if (traducaoEmCurso()) {
    adiaDuranteTraducao();
    return;
  }
  const int k = rotuloBrailleAtual;
  for (int i = 1; i <= totalRotulos; ++i) {
    if (i != k && ultimaLinhaBraille == linhaCursor) continue;
    // Rows above the caret row show earlier lines, rows below it later ones.
    // Computed in 64 bits: a caret line near INT_MIN or INT_MAX must still
    // give an empty row, not an overflow.
    const long long j = static_cast<long long>(linhaCursor) - 1 - (i - k);
    if (j < 0 || j >= numeroLinhas)
      saida_.textoRotulo(i, std::string());
    else
      saida_.textoRotulo(i, linhaBrailleImpressora(linha(static_cast<int>(j))));
  }
  ultimaLinhaBraille = linhaCursor;
}

void TLinhasBraille::cliqueEditor(int linhaCursor, int numeroLinhas, const LeitorLinha& linha) {
  if (traducaoEmCurso()) {
    adiaDuranteTraducao();
    return;
  }
  const int j = linhaCursor - 1;
  saida_.textoRotulo(1, j >= 0 && j < numeroLinhas ? linhaBrailleImpressora(linha(j)) : std::string());
}

// The converters' quote and bracket state and the raw mode belong to the
// running pass: translating a row now would change its draft. The rows keep
// what they show, and the next refresh after the pass redoes all of them.
void TLinhasBraille::adiaDuranteTraducao() { ultimaLinhaBraille = -1; }

void TLinhasBraille::marcaLinhaBraille() {
  for (int i = 2; i <= totalRotulos; ++i) {
    saida_.corRotulo(i, false);
    saida_.rotuloVisivel(i, linhasBrailleVisiveis == 5);
  }
  if (rotuloBrailleAtual != 1) saida_.corRotulo(1, false);
  saida_.corRotulo(rotuloBrailleAtual, true);
  ultimaLinhaBraille = -1;
  if (teclaSolta) teclaSolta();
}

void TLinhasBraille::rotuloClicado(int rotulo) {
  if (rotulo < 1 || rotulo > totalRotulos) return;
  rotuloBrailleAtual = rotulo;
  marcaLinhaBraille();
}

void TLinhasBraille::alternaUmaCincoLinhas() {
  linhasBrailleVisiveis = linhasBrailleVisiveis == 1 ? 5 : 1;
  rotuloBrailleAtual = 1;
  marcaLinhaBraille();
}
