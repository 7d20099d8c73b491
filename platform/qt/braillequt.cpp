#include "braillequt.h"

namespace braillequt {

QChar celulaNaTela(unsigned char codigoImpressora, const TabelaPontos& pontos) {
  return QChar(static_cast<char16_t>(0x2800 + (pontos[codigoImpressora] & 0x3F)));
}

QString brailleParaTela(std::string_view codigoImpressora, const TabelaPontos& pontos) {
  QString r(static_cast<qsizetype>(codigoImpressora.size()), Qt::Uninitialized);
  QChar* p = r.data();
  for (const char c : codigoImpressora) *p++ = celulaNaTela(static_cast<unsigned char>(c), pontos);
  return r;
}

namespace {
QFont fonteBase(bool negrito) {
  QFont f(QString::fromLatin1(familiaBraille));
  // Should the family be missing, a sans-serif fallback still has the
  // Braille patterns on most systems.
  f.setStyleHint(QFont::SansSerif);
  f.setBold(negrito);
  return f;
}
}  // namespace

QFont fonteBraillePixels(int pixels, bool negrito) {
  QFont f = fonteBase(negrito);
  f.setPixelSize(pixels > 0 ? pixels : 1);
  return f;
}

QFont fonteBraillePontos(int pontos, bool negrito) {
  QFont f = fonteBase(negrito);
  f.setPointSize(pontos > 0 ? pontos : 1);
  return f;
}

}  // namespace braillequt
