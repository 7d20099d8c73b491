#include "brfaixa.h"

const std::array<unsigned char, 64>& celulasDoCodigo(bool brailleAntigo) {
  // The printer table in force belongs to the code in use; only the cell
  // table of the same code gives each mask its own dots back.
  return brailleAntigo ? pontosParaBrailleAntigo : pontosParaBrailleUnificado;
}

std::string linhaFaixaGrafica(const TMatrizPontos& matriz, int y0,
                              const std::array<unsigned char, 64>& celulas,
                              const TTabelaImpressora& tabela) {
  // Like column 300, row 300 is never embossed, whichever band reaches it.
  const auto ponto = [&matriz](int x, int y) { return y < tamanhoMatriz - 1 && matriz.le(x, y); };
  std::string linha(celulasPorFaixa, ' ');
  for (int i = 0; i < celulasPorFaixa; ++i) {
    const int x = 2 * i;
    int mascara = 0;
    if (ponto(x, y0)) mascara |= 1;
    if (ponto(x, y0 + 1)) mascara |= 2;
    if (ponto(x, y0 + 2)) mascara |= 4;
    if (ponto(x + 1, y0)) mascara |= 8;
    if (ponto(x + 1, y0 + 1)) mascara |= 16;
    if (ponto(x + 1, y0 + 2)) mascara |= 32;
    linha[static_cast<std::size_t>(i)] =
        static_cast<char>(tabela[celulas[static_cast<std::size_t>(mascara)]]);
  }
  while (!linha.empty() && static_cast<unsigned char>(linha.back()) <= 32) linha.pop_back();
  linha += "\r\n";
  return linha;
}

void desenhaCelula(TMatrizPontos& matriz, int x, int y, unsigned char mascara) {
  for (int ponto = 0; ponto < 6; ++ponto)
    if (mascara & (1u << ponto)) matriz.poe(x + ponto / 3, y + ponto % 3, 1);
}
