// The model picture read from a file, whole or not at all.
#pragma once

#include <QImage>
#include <string>

namespace orvento {

// The picture in the file `nome` (Windows-1252), or a null picture when the
// file cannot be read whole: missing, not a regular file, not a picture, or
// cut short anywhere, in its header or in its pixel rows.
QImage leImagemModelo(const std::string& nome);

}  // namespace orvento
