// The drawing window's pictures on QImage, without widgets: the canvas's
// screen image bmpDesenho, the overlay bmpGrade of grid, paper frame, axes and
// selection, the inverting layer of the rubber band, and the composition of
// the window's picture from them.
#pragma once

#include <QImage>
#include <QLine>
#include <QRect>
#include <vector>

#include "ovvars.h"

namespace orvento {

// The pictures cover the whole canvas: 301 dots of tamPonto pixels each way.
inline constexpr int ladoImagem = 1204;

// A white (transparent) picture of the canvas's size.
QImage imagemBranca();

// bmpDesenho as the screen image of the canvas.
class BitmapDesenho : public ImagemTela {
 public:
  explicit BitmapDesenho(QImage& imagem) : imagem_(imagem) {}
  void pintaPixels(int px, int py, int largura, int altura, bool preto) override;
  void limpa() override;

 private:
  QImage& imagem_;
};

// Draws the overlay into `grade` afresh (what was there is painted white):
// the silver grid, the green paper frame (papelX by papelY dots), the yellow
// axes through the origin, and, in tool mode 0 only, the red columns of
// selecao.
void desenhaGrade(QImage& grade, int modoFerramenta);

// The rubber band: pixels to invert in the window's picture. Drawing the same
// figure twice leaves the layer as it was.
class CamadaInversao {
 public:
  CamadaInversao();
  // Inverts the pixels that the lines, drawn two pixels wide, cover (each
  // once, where lines cross too); the rectangle of the picture touched.
  QRect inverte(const std::vector<QLine>& linhas);
  void limpa();
  bool invertido(int x, int y) const { return marcas_[static_cast<size_t>(y) * ladoImagem + x] != 0; }
  const unsigned char* linha(int y) const { return marcas_.data() + static_cast<size_t>(y) * ladoImagem; }

 private:
  std::vector<unsigned char> marcas_;
  QImage rascunho_;  // the figure, drawn plainly before it is applied
  bool vazia_ = true;
};

// The window's picture over `area`: white, combined by AND with the model
// picture at its offset (when given), bmpDesenho and bmpGrade, so white is
// transparent; then the rubber band inverted. All pictures are RGB32 of the
// canvas's size but the model, which may be of any size.
void compoeJanela(QImage& destino, const QImage* modelo, QPoint deslocamentoModelo,
                  const QImage& desenho, const QImage& grade, const CamadaInversao& elastico,
                  QRect area);

}  // namespace orvento
