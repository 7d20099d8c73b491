// libFuzzer target of the .GRB reader: any bytes are measured and loaded at
// any place without a crash, within the matrix, and the measured size agrees
// with the dots loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "brgrafpr.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // The first eight bytes choose the place; the rest is the file.
  int x0 = 0, y0 = 0;
  if (tamanho >= 8) {
    std::memcpy(&x0, dados, 4);
    std::memcpy(&y0, dados + 4, 4);
    dados += 8;
    tamanho -= 8;
  }
  const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);

  int largura = -1, altura = -1;
  dimensoesConteudoGrafico(conteudo, largura, altura);
  if (largura < 0 || altura < 0 || largura % 2 != 0 || altura % 3 != 0) std::abort();

  static TMatrizPontos matriz;
  matriz.limpa();
  carregaConteudoGrafico(matriz, conteudo, x0, y0);
  // Placed at the origin, no dot lies outside the measured size.
  matriz.limpa();
  carregaConteudoGrafico(matriz, conteudo, 0, 0);
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (matriz.le(x, y) != 0 && (x >= largura || y >= altura)) std::abort();
  return 0;
}
