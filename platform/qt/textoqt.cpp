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

std::optional<std::string> deQStringExato(const QString& texto) {
  std::string r;
  r.reserve(static_cast<std::size_t>(texto.size()));
  for (const uint u : texto.toUcs4()) {
    const int b = cp1252::deUnicode(static_cast<char32_t>(u));
    if (b < 0) return std::nullopt;
    r += static_cast<char>(b);
  }
  return r;
}

QString so1252(const QString& texto) {
  if (cabeEm1252(texto)) return texto;
  return paraQString(deQString(texto));
}

bool cabeEm1252(const QString& texto) {
  for (const QChar c : texto)
    if (c.isSurrogate() || cp1252::deUnicode(c.unicode()) < 0) return false;
  return true;
}

}  // namespace textoqt
