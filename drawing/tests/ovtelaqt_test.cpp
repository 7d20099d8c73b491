// The window's pictures without the window: the overlay's lines, the
// inverting layer and the composition.
#include "ovtelaqt.h"

#include <gtest/gtest.h>

#include "dados.h"

using namespace orvento;

namespace {

// Pixels of one colour in a picture, as "x,y" in row order.
std::string pixelsDaCor(const QImage& img, QRgb cor, QRect area) {
  std::string r;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (img.pixel(x, y) == cor) r += (r.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return r;
}

// Each case: the settings and the selection, then the pixels of a colour in
// a window of the overlay; optionally a paper size drawn before.
TEST(Grade, MolduraEixosESelecao) {
  for (const auto& c : dados::casos("grade.txt")) {
    SCOPED_TRACE(c.texto);
    const auto v = c.n(0), janela = c.n(1);
    reiniciaEstadoDesenho();
    papelX = v[0], papelY = v[1], origemX = v[2], origemY = v[3];
    selecao = {v[4], v[5], v[6], v[7]};
    QImage grade = imagemBranca();
    if (c.campos.size() > 4) {  // over the overlay of another paper size
      papelX = c.n(4)[0], papelY = c.n(4)[1];
      desenhaGrade(grade, 2), papelX = v[0], papelY = v[1];
    }
    desenhaGrade(grade, v[8]);
    const QRgb cor = c.campos.at(2) == "vermelho" ? 0xFFFF0000 : c.campos.at(2) == "verde" ? 0xFF008000 : 0xFFFFFF00;
    EXPECT_EQ(pixelsDaCor(grade, cor, QRect(janela[0], janela[1], janela[2], janela[3])), c.campos.at(3));
  }
}

TEST(Camada, DesenharDuasVezesApaga) {
  CamadaInversao camada;
  const std::vector<QLine> figuras[] = {
      {QLine(10, 10, 300, 10), QLine(300, 10, 300, 200), QLine(300, 200, 10, 200), QLine(10, 200, 10, 10)},
      {QLine(-5000, -40, 90000, 700)},
      {QLine(1203, 1203, 1203, 1203)},
      {QLine(-10, -10, -10, -300)}};
  for (const auto& f : figuras) {
    const QRect r = camada.inverte(f);
    int marcados = 0;
    for (int y = 0; y < ladoImagem; ++y)
      for (int x = 0; x < ladoImagem; ++x) marcados += camada.invertido(x, y);
    EXPECT_EQ(marcados > 0, !r.isEmpty());
    camada.inverte(f);
    for (int y = 0; y < ladoImagem; ++y)
      for (int x = 0; x < ladoImagem; ++x) ASSERT_FALSE(camada.invertido(x, y)) << x << "," << y;
  }
  // Where two lines of one figure cross, the pixel is inverted once.
  camada.inverte({QLine(100, 50, 100, 150), QLine(50, 100, 150, 100)});
  EXPECT_TRUE(camada.invertido(100, 100));
}

TEST(Composicao, BrancoETransparenteEModeloDeslocado) {
  QImage desenho = imagemBranca(), grade = imagemBranca(), destino = imagemBranca();
  QImage modelo(20, 10, QImage::Format_RGB32);
  modelo.fill(0xFF0F0FF0);
  desenho.setPixel(5, 5, 0xFF000000);
  grade.setPixel(6, 5, 0xFFC0C0C0);
  desenho.setPixel(7, 5, 0xFFFF00FF);
  grade.setPixel(7, 5, 0xFF00FFFF);
  CamadaInversao camada;
  camada.inverte({QLine(0, 20, 0, 20)});
  compoeJanela(destino, &modelo, QPoint(-12, 3), desenho, grade, camada, destino.rect());
  EXPECT_EQ(destino.pixel(5, 5), 0xFF000000u);
  EXPECT_EQ(destino.pixel(6, 5), 0xFF0000C0u);   // silver AND the model
  EXPECT_EQ(destino.pixel(7, 5), 0xFF0000F0u);   // AND of all three
  EXPECT_EQ(destino.pixel(7, 12), 0xFF0F0FF0u);  // model column 19, row 9
  EXPECT_EQ(destino.pixel(8, 12), 0xFFFFFFFFu);  // past the model's right edge
  EXPECT_EQ(destino.pixel(7, 13), 0xFFFFFFFFu);  // below it
  EXPECT_EQ(destino.pixel(7, 2), 0xFFFFFFFFu);   // above it
  EXPECT_NE(destino.pixel(0, 20), 0xFFFFFFFFu);  // the band inverts white
  // An area outside the picture, or a model far away, changes nothing.
  const QImage antes = destino;
  compoeJanela(destino, &modelo, QPoint(2000000000, -2000000000), desenho, grade, camada, QRect(-50, -50, 20, 20));
  EXPECT_EQ(destino, antes);
}

}  // namespace
