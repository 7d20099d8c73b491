#include "ovtelaqt.h"

#include <QPainter>
#include <algorithm>

namespace orvento {

namespace {

constexpr QRgb branco = 0xFFFFFFFF;
constexpr QRgb preto = 0xFF000000;
constexpr QRgb prata = 0xFFC0C0C0;
constexpr QRgb verde = 0xFF008000;
constexpr QRgb amarelo = 0xFFFFFF00;
constexpr QRgb vermelho = 0xFFFF0000;

// Pen lines as the old canvas drew them: from the first point up to, not
// including, the last. Coordinates in long long: settings may be far off.
void linhaVertical(QImage& img, long long x, long long y0, long long y1, QRgb cor) {
  if (x < 0 || x >= img.width() || y0 == y1) return;
  // Going up, the pixels are y1 + 1 .. y0.
  const long long de = y0 < y1 ? y0 : y1 + 1;
  const long long ate = y0 < y1 ? y1 - 1 : y0;
  const int a = static_cast<int>(std::max(de, 0LL));
  const int b = static_cast<int>(std::min(ate, static_cast<long long>(img.height() - 1)));
  for (int y = a; y <= b; ++y) reinterpret_cast<QRgb*>(img.scanLine(y))[x] = cor;
}

void linhaHorizontal(QImage& img, long long y, long long x0, long long x1, QRgb cor) {
  if (y < 0 || y >= img.height() || x0 == x1) return;
  const long long de = x0 < x1 ? x0 : x1 + 1;
  const long long ate = x0 < x1 ? x1 - 1 : x0;
  const int a = static_cast<int>(std::max(de, 0LL));
  const int b = static_cast<int>(std::min(ate, static_cast<long long>(img.width() - 1)));
  QRgb* p = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
  std::fill(p + a, p + b + 1, cor);
}

}  // namespace

QImage imagemBranca() {
  QImage img(ladoImagem, ladoImagem, QImage::Format_RGB32);
  img.fill(branco);
  return img;
}

void BitmapDesenho::pintaPixels(int px, int py, int largura, int altura, bool preto_) {
  const QRect r = QRect(px, py, largura, altura).intersected(imagem_.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    QRgb* p = reinterpret_cast<QRgb*>(imagem_.scanLine(y));
    std::fill(p + r.left(), p + r.right() + 1, preto_ ? preto : branco);
  }
}

void BitmapDesenho::limpa() { imagem_.fill(branco); }

void desenhaGrade(QImage& grade, int modoFerramenta) {
  // From white: a frame or axes of settings no longer in force, or a
  // selection left behind, must not stay beside the new ones.
  grade.fill(branco);
  const long long t = tamPonto;
  for (int i = 0; i <= tamanhoMatriz - 1; ++i) {
    linhaVertical(grade, t * i, 0, 1200, prata);
    linhaHorizontal(grade, t * i, 0, 1200, prata);
  }
  // The frame's outline, right and bottom edges one pixel inside the corner.
  const long long l = std::min(0LL, t * papelX), r = std::max(0LL, t * papelX);
  const long long a = std::min(0LL, t * papelY), b = std::max(0LL, t * papelY);
  if (r > l && b > a) {
    linhaHorizontal(grade, a, l, r, verde);
    linhaHorizontal(grade, b - 1, l, r, verde);
    linhaVertical(grade, l, a, b, verde);
    linhaVertical(grade, r - 1, a, b, verde);
  }
  linhaHorizontal(grade, t * origemY, 0, t * papelX, amarelo);
  linhaVertical(grade, t * origemX, 0, t * papelY, amarelo);
  if (modoFerramenta == 0) {
    // Columns that cannot reach the picture are not visited.
    const long long de = std::max<long long>(selecao.x1, -1);
    const long long ate = std::min<long long>(static_cast<long long>(selecao.x2) + 1, tamanhoMatriz + 1);
    for (long long c = de; c <= ate; ++c)
      linhaVertical(grade, t * c, t * selecao.y1, t * (static_cast<long long>(selecao.y2) + 1), vermelho);
  }
}

CamadaInversao::CamadaInversao()
    : marcas_(static_cast<size_t>(ladoImagem) * ladoImagem, 0),
      rascunho_(ladoImagem, ladoImagem, QImage::Format_Grayscale8) {
  rascunho_.fill(0);
}

QRect CamadaInversao::inverte(const std::vector<QLine>& linhas) {
  QRect area;
  for (const QLine& l : linhas) area |= QRect(l.p1(), l.p2()).normalized().adjusted(-2, -2, 2, 2);
  area &= rascunho_.rect();
  if (area.isEmpty()) return {};
  {
    QPainter p(&rascunho_);
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 2));
    for (const QLine& l : linhas) p.drawLine(l);
  }
  for (int y = area.top(); y <= area.bottom(); ++y) {
    uchar* r = rascunho_.scanLine(y);
    unsigned char* m = marcas_.data() + static_cast<size_t>(y) * ladoImagem;
    for (int x = area.left(); x <= area.right(); ++x) {
      if (r[x] != 0) {
        m[x] ^= 1;
        r[x] = 0;
      }
    }
  }
  vazia_ = false;
  return area;
}

void CamadaInversao::limpa() {
  if (vazia_) return;
  std::fill(marcas_.begin(), marcas_.end(), 0);
  vazia_ = true;
}

void compoeJanela(QImage& destino, const QImage* modelo, QPoint deslocamento, const QImage& desenho,
                  const QImage& grade, const CamadaInversao& elastico, QRect area) {
  area &= destino.rect() & desenho.rect() & grade.rect();
  const int x0 = area.left(), x1 = area.right() + 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    QRgb* d = reinterpret_cast<QRgb*>(destino.scanLine(y));
    const QRgb* des = reinterpret_cast<const QRgb*>(desenho.constScanLine(y));
    const QRgb* gra = reinterpret_cast<const QRgb*>(grade.constScanLine(y));
    for (int x = x0; x < x1; ++x) d[x] = des[x] & gra[x];
    // The model's row, over the columns it covers.
    const int ym = y - deslocamento.y();
    if (modelo != nullptr && ym >= 0 && ym < modelo->height()) {
      const QRgb* mod = reinterpret_cast<const QRgb*>(modelo->constScanLine(ym));
      const int a = std::max(x0, deslocamento.x());
      const int b = std::min<long long>(x1, static_cast<long long>(deslocamento.x()) + modelo->width());
      for (int x = a; x < b; ++x) d[x] &= mod[x - deslocamento.x()];
    }
    const unsigned char* inv = elastico.linha(y);
    for (int x = x0; x < x1; ++x)
      if (inv[x] != 0) d[x] ^= 0x00FFFFFF;
  }
}

}  // namespace orvento
