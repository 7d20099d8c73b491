// Qt strings at the boundary of the windows: every std::string inside holds
// Windows-1252, and is converted with the code page's own table (bytes 0x80
// to 0x9F are not Latin-1; the five undefined ones keep their value).
#pragma once

#include <QString>
#include <QValidator>
#include <optional>
#include <string>
#include <string_view>

namespace textoqt {

// Windows-1252 -> QString.
QString paraQString(std::string_view texto);
// QString -> Windows-1252; a character the code page lacks becomes "?".
std::string deQString(const QString& texto);
// The same, or nothing when a character is missing from the code page.
std::optional<std::string> deQStringExato(const QString& texto);
// The text as Windows-1252 can hold it: each character the code page lacks
// becomes "?" (what the screen shows is then what is saved).
QString so1252(const QString& texto);
// Every character of the text is in Windows-1252.
bool cabeEm1252(const QString& texto);

// An edit field's validator refusing, as typed, a character the code page
// lacks: it would be written into the program's files as another character.
class Validador1252 : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texto, int&) const override { return cabeEm1252(texto) ? Acceptable : Invalid; }
};

}  // namespace textoqt
