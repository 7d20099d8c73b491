// The page-as-dots view without its window: the preview page that holds a
// draft line drawn as the embosser would raise it, into a plain raster. A
// silver frame of the page's size, each Braille cell of the page's text lines
// as its dots, each tactile graphic where the page renderers put it.
//
// Everything is drawn with the state the preview's pass saw (the model, the
// preview flag, the margin, the page size, the document's name), not with the
// settings of the moment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "brvisual.h"

// Colours as 0xAARRGGBB, alpha always full (a QImage of Format_RGB32 takes
// the pixels as they are).
inline constexpr std::uint32_t corBrancaVigraf = 0xFFFFFFFFu;
inline constexpr std::uint32_t corPrataVigraf = 0xFFC0C0C0u;
inline constexpr std::uint32_t corPretaVigraf = 0xFF000000u;

// A raster of largura x altura pixels, rows from the top. Points outside it
// are dropped; reading outside it gives 0.
struct ImagemPontos {
  static constexpr int larguraPadrao = 505;
  static constexpr int alturaPadrao = 521;

  explicit ImagemPontos(int l = larguraPadrao, int a = alturaPadrao);

  int largura;
  int altura;
  std::vector<std::uint32_t> pixels;  // largura * altura, row after row

  bool dentro(long long x, long long y) const { return x >= 0 && x < largura && y >= 0 && y < altura; }
  void ponto(long long x, long long y, std::uint32_t c) {
    if (dentro(x, y)) pixels[static_cast<std::size_t>(y * largura + x)] = c;
  }
  std::uint32_t cor(long long x, long long y) const {
    return dentro(x, y) ? pixels[static_cast<std::size_t>(y * largura + x)] : 0;
  }
  void limpa(std::uint32_t c) { pixels.assign(pixels.size(), c); }
};

// Draws the page of draft line `indice` of `linhas` (a preview draft, in
// printer-code bytes) into `imagem`, cleared first: the page the preview's
// indicator names for that line. Below 0 the index means line 1; a
// separator means the page after it, as the indicator counts it; past the
// end only the frame is drawn. A graphic file that cannot be read ("Arquivo ... não achado") or that
// overruns the page ("Gráfico fora dos limites") is told through the message
// service; the rest of the page is drawn all the same.
void desenhaPagina(ImagemPontos& imagem, const std::vector<std::string>& linhas, int indice,
                   const EstadoPassoVisual& estado);
