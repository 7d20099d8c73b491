// Picture to dots: the model picture under the drawing is sampled under every
// dot and the dot raised or cleared by a threshold (mode A), a 2 by 2 ordered
// dither (mode U) or error diffusion (mode N). Only tela is written; the
// caller repaints the screen. The picture is read through FontePixels, which
// the window implements over its bitmap and tests over plain arrays.
#pragma once

#include <array>

#include "cp1252.h"

namespace orvento {

struct CorRGB {
  unsigned char r = 255, g = 255, b = 255;
};

// The model picture, pixel (0, 0) at its top left. The picture lies on the
// drawing area at the offset modeloX, modeloY (pixels); this source knows
// nothing of the offset.
class FontePixels {
 public:
  virtual ~FontePixels() = default;
  virtual int largura() const = 0;
  virtual int altura() const = 0;
  // Called only for 0 <= x < largura(), 0 <= y < altura().
  virtual CorRGB cor(int x, int y) const = 0;
};

// The dither levels, indexed [row % 2][column % 2].
inline constexpr int limiaresUniforme[2][2] = {{1, 3}, {4, 2}};

// Grey of a colour: 0 black .. 100 white.
int cinzaDe(CorRGB c);

// Error rows of the diffusion: columns -1..300 (index + 1), a slot for rows
// of even and one for rows of odd index.
using TErrosDifusao = std::array<std::array<int, 2>, 302>;
extern TErrosDifusao errosDifusao;

// One step of the diffusion at dot (x, y) with the sampled grey v: true when
// the dot is raised. Carries the error to the right and to the row below in
// errosDifusao; x must be 0..300.
bool difundeErro(int x, int y, int v, int limiar);

// The converted area: dots 0..ultimaColuna by 0..ultimaLinha (never past
// 300), up to the last dot whose samples touch the picture at its offset.
// Empty (a coordinate below 0) when no dot of the canvas samples the picture.
struct AreaBrailizacao {
  int ultimaColuna = -1, ultimaLinha = -1;
  bool vazia() const { return ultimaColuna < 0 || ultimaLinha < 0; }
};
AreaBrailizacao areaBrailizacao(const FontePixels& modelo, int deslocX, int deslocY);

// Converts the picture at the offset modeloX, modeloY into dots of tela.
// modo 'A', 'U' or 'N' (any other converts nothing); limiar 0..100 (values
// outside are taken as 0 or 100); with sobrepor light places also clear dots,
// without it dots are only added. Pen size and pattern do not apply. False,
// with tela untouched, for another mode or when the picture lies where no
// dot of the canvas samples it.
bool brailizaModelo(char modo, const FontePixels& modelo, int limiar, bool sobrepor);

}  // namespace orvento
