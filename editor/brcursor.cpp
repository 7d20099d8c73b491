#include "brcursor.h"

#include <algorithm>
#include <cstdint>

namespace {

// Sums run in 64 bits: a column typed by a tool may be near INT_MAX.
int limita(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

LinhaColuna posicaoLinhaColuna(int offset, int numeroLinhas, const ComprimentoLinha& comprimento) {
  std::int64_t antes = 0;
  int linha = 0;
  for (int i = 0; i < numeroLinhas; ++i) {
    const std::int64_t fim = antes + comprimento(i) + 2;
    if (fim > offset) break;
    antes = fim;
    linha = i + 1;
  }
  return {linha, limita(offset - antes)};
}

LinhaColuna posicaoLinhaColuna(int offset, const std::vector<int>& comprimentos) {
  return posicaoLinhaColuna(offset, static_cast<int>(comprimentos.size()),
                            [&](int i) { return comprimentos[static_cast<std::size_t>(i)]; });
}

int offsetLinhaColuna(int linha, int coluna, int numeroLinhas, const ComprimentoLinha& comprimento) {
  std::int64_t offset = 0;
  for (int i = 0; i < linha; ++i) offset += (i < numeroLinhas ? comprimento(i) : 0) + 2;
  return limita(offset + coluna);
}

int offsetLinhaColuna(int linha, int coluna, const std::vector<int>& comprimentos) {
  return offsetLinhaColuna(linha, coluna, static_cast<int>(comprimentos.size()),
                           [&](int i) { return comprimentos[static_cast<std::size_t>(i)]; });
}

int offsetDoWidget(int posicaoWidget, int bloco) { return posicaoWidget + bloco; }

int posicaoWidget(int offset, int numeroLinhas, const ComprimentoLinha& comprimento,
                  const std::function<int(int)>& inicioBloco, int fimTexto) {
  if (offset <= 0) return 0;
  const LinhaColuna p = posicaoLinhaColuna(offset, numeroLinhas, comprimento);
  if (p.linha >= numeroLinhas) return fimTexto;
  const int pos = inicioBloco(p.linha) + std::min(p.coluna, comprimento(p.linha));
  return std::min(pos, fimTexto);
}
