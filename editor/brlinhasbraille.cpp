#include "brlinhasbraille.h"

#include <algorithm>

#include "brcodigo.h"
#include "brgerador.h"
#include "brtraduz.h"
#include "brvars.h"

namespace {

// What a translation call reads and leaves behind for the next one.
struct EstadoConversores {
  bool aspasAntigo = abreAspasAntigo;
  bool aspasIngles = abreAspasIngles;
  bool parenteses = parentesesAberto;
  bool estrangeiro = textoEstrangeiro;
  void restaura() const {
    abreAspasAntigo = aspasAntigo;
    abreAspasIngles = aspasIngles;
    parentesesAberto = parenteses;
    textoEstrangeiro = estrangeiro;
  }
};

}  // namespace

std::string linhaBrailleImpressora(std::string_view linha) {
  std::string braille;
  traduzTexto(linha, braille);
  for (char& c : braille) c = static_cast<char>(tabelaImpressora[static_cast<unsigned char>(c)]);
  return braille;
}

LinhaBrailleCursor linhaBrailleComCursor(std::string_view linha, int coluna) {
  const EstadoConversores antes;
  LinhaBrailleCursor r{linhaBrailleImpressora(linha), 0};
  const auto total = static_cast<long long>(linha.size());
  if (coluna <= 0) return r;
  if (coluna >= total) {
    r.celulaCursor = static_cast<int>(r.celulas.size());
    return r;
  }
  // The converters give no map from text to cells. The text before the
  // caret, translated from the state the whole line started with, ends
  // where the caret's cell lies: the signs a capital or a number adds come
  // with the text they belong to. The state is then put back as the whole
  // line left it, so the rows do not change the quotes the next line opens.
  const EstadoConversores depois;
  antes.restaura();
  std::string inicio;
  traduzTexto(linha.substr(0, static_cast<std::size_t>(coluna)), inicio);
  depois.restaura();
  r.celulaCursor = static_cast<int>(std::min(inicio.size(), r.celulas.size()));
  return r;
}

int inicioJanelaCelulas(int celulaCursor, int largura) {
  if (largura <= 0 || celulaCursor <= 0) return 0;
  return celulaCursor / largura * largura;
}

std::string janelaCelulas(const std::string& celulas, int inicio, int largura) {
  if (largura <= 0) return celulas;
  const auto i = static_cast<std::size_t>(std::max(0, inicio));
  if (i >= celulas.size()) return std::string();
  return celulas.substr(i, static_cast<std::size_t>(largura));
}

TLinhasBraille::TLinhasBraille(SaidaLinhasBraille& saida) : saida_(saida) {}

void TLinhasBraille::mostraLinhaCursor(int rotulo, std::string_view linha, int colunaCursor) {
  const int largura = saida_.larguraCelulas(rotulo);
  if (largura <= 0) {
    saida_.textoRotulo(rotulo, linhaBrailleImpressora(linha));
    return;
  }
  const LinhaBrailleCursor b = linhaBrailleComCursor(linha, colunaCursor);
  saida_.textoRotulo(rotulo, janelaCelulas(b.celulas, inicioJanelaCelulas(b.celulaCursor, largura), largura));
}

void TLinhasBraille::atualizaLinhasBraille(int linhaCursor, int numeroLinhas, const LeitorLinha& linha,
                                           int colunaCursor) {
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
    else if (i == k)
      mostraLinhaCursor(i, linha(static_cast<int>(j)), colunaCursor);
    else
      saida_.textoRotulo(i, linhaBrailleImpressora(linha(static_cast<int>(j))));
  }
  ultimaLinhaBraille = linhaCursor;
}

void TLinhasBraille::cliqueEditor(int linhaCursor, int numeroLinhas, const LeitorLinha& linha,
                                  int colunaCursor) {
  if (traducaoEmCurso()) {
    adiaDuranteTraducao();
    return;
  }
  const int j = linhaCursor - 1;
  if (j >= 0 && j < numeroLinhas)
    mostraLinhaCursor(1, linha(j), colunaCursor);
  else
    saida_.textoRotulo(1, std::string());
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
