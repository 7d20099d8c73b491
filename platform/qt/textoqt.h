// Qt strings at the boundary of the windows: every std::string inside holds
// Windows-1252, and is converted with the code page's own table (bytes 0x80
// to 0x9F are not Latin-1; the five undefined ones keep their value).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace textoqt {

// Windows-1252 -> QString.
QString paraQString(std::string_view texto);
// QString -> Windows-1252; a character the code page lacks becomes "?".
std::string deQString(const QString& texto);

}  // namespace textoqt
