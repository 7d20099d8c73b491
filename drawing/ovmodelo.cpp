#include "ovmodelo.h"

#include <QIODevice>
#include <QImageReader>
#include <algorithm>
#include <cstring>

#include "arquivos.h"

namespace orvento {

namespace {

// The file's bytes, noting a read that asked for more than was left. Qt's
// BMP reader takes a file cut short in its pixel rows for a whole one and
// leaves the rows it could not read as they were in memory; it reads each
// row exactly, so a whole BMP never asks for more than the file holds.
class BytesContados : public QIODevice {
 public:
  explicit BytesContados(const std::string& bytes) : bytes_(bytes) {}
  bool faltouDado() const { return faltou_; }
  void esqueceFalta() { faltou_ = false; }
  bool isSequential() const override { return false; }
  qint64 size() const override { return static_cast<qint64>(bytes_.size()); }

 protected:
  qint64 readData(char* destino, qint64 pedido) override {
    const qint64 resta = std::max<qint64>(0, size() - pos());
    const qint64 n = std::min(pedido, resta);
    if (n < pedido) faltou_ = true;
    if (n > 0) std::memcpy(destino, bytes_.data() + pos(), static_cast<std::size_t>(n));
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  const std::string& bytes_;
  bool faltou_ = false;
};

}  // namespace

QImage leImagemModelo(const std::string& nome) {
  // Only a regular file: a FIFO or a device named by mistake would never end.
  std::string bytes;
  if (!plataforma::leArquivo(nome, bytes)) return {};
  BytesContados dispositivo(bytes);
  // Unbuffered: each read of the reader reaches readData as it was asked.
  if (!dispositivo.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
  QImageReader leitor(&dispositivo);
  // Finding the format peeks at the start, possibly beyond a small file's end.
  if (!leitor.canRead()) return {};
  dispositivo.esqueceFalta();
  QImage imagem = leitor.read();
  if (imagem.isNull() || leitor.error() != QImageReader::UnknownError) return {};
  // Other formats read ahead by whole buffers and tell a cut themselves.
  if (bytes.starts_with("BM") && dispositivo.faltouDado()) return {};
  return imagem;
}

}  // namespace orvento
