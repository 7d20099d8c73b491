#include "textoqt.h"

#include <QList>

#include "cp1252.h"

namespace textoqt {

QString paraQString(std::string_view texto) {
  QString r;
  r.reserve(static_cast<qsizetype>(texto.size()));
  for (const char c : texto)
    r += QChar(static_cast<char16_t>(cp1252::paraUnicode(static_cast<unsigned char>(c))));
  return r;
}

std::string deQString(const QString& texto) {
  std::string r;
  r.reserve(static_cast<std::size_t>(texto.size()));
  for (const uint u : texto.toUcs4()) {
    const char32_t c = u;
    const int b = cp1252::deUnicode(c);
    r += b < 0 ? '?' : static_cast<char>(b);
  }
  return r;
}

}  // namespace textoqt
