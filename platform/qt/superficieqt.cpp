#include "superficieqt.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>
#include <QPrinterInfo>

#include "servicoqt.h"
#include "textoqt.h"

namespace {

// Where the Braille font is missing the cells are drawn as Unicode Braille
// patterns in this font, which has all of them.
const char* const fonteReserva = braillequt::familiaBraille;

// Runs f on the GUI thread (at once when already there) and gives its result.
template <class F>
auto naGui(F&& f) {
  decltype(f()) r{};
  servicoqt::naThreadGui([&] { r = f(); });
  return r;
}

}  // namespace

SuperficieQt::SuperficieQt(const braillequt::TabelaPontos& pontos, QString arquivoPdf)
    : pontos_(pontos), arquivoPdf_(std::move(arquivoPdf)) {}

SuperficieQt::~SuperficieQt() { fecha(); }

bool SuperficieQt::abre(const std::string& impressora, const std::string&, const std::string&) {
  return naGui([&] { return abreNaGui(impressora); });
}

bool SuperficieQt::abreNaGui(const std::string& impressora) {
  impressora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!arquivoPdf_.isEmpty()) {
    impressora_->setOutputFormat(QPrinter::PdfFormat);
    impressora_->setOutputFileName(arquivoPdf_);
  } else {
    QString nome = textoqt::paraQString(impressora);
    if (nome.isEmpty()) nome = QPrinterInfo::defaultPrinterName();
    // QPrinter quietly falls back to another printer for an unknown name;
    // the embosser must be the printer the user chose.
    if (nome.isEmpty() || QPrinterInfo::printerInfo(nome).isNull()) {
      impressora_.reset();
      return false;
    }
    impressora_->setPrinterName(nome);
  }
  if (!impressora_->isValid()) {
    impressora_.reset();
    return false;
  }
  impressora_->setResolution(resolucaoDriver);
  impressora_->setFullPage(true);
  return true;
}

int SuperficieQt::resolucaoVertical() {
  return naGui([&] { return impressora_ ? impressora_->resolution() : 0; });
}

bool SuperficieQt::criaFonte(const std::string& face, int altura) {
  return naGui([&] { return criaFonteNaGui(face, altura); });
}

bool SuperficieQt::criaFonteNaGui(const std::string& face, int altura) {
  if (!impressora_ || altura <= 0) return false;
  const QString familia = textoqt::paraQString(face);
  fonteBraille_ = QFontDatabase::families().contains(familia, Qt::CaseInsensitive);
  fonte_ = std::make_unique<QFont>(fonteBraille_ ? familia : QString::fromLatin1(fonteReserva));
  // The height asked for is the character height, without the leading.
  fonte_->setPixelSize(altura);
  if (pintor_) pintor_->setFont(*fonte_);
  return true;
}

QString SuperficieQt::textoDaFonte(std::string_view texto) const {
  if (fonteBraille_) return textoqt::paraQString(texto);
  // Six dots only: the driver embosses whatever the glyph shows, and the
  // bits of dots 7 and 8 (set on capitals and high bytes) do not belong to the
  // cell the printer font draws.
  return braillequt::brailleParaTela(texto, pontos_);
}

bool SuperficieQt::medeTexto(std::string_view texto, int& largura, int& altura) {
  return naGui([&] {
    if (!impressora_ || !fonte_) return false;
    const QFontMetrics m(*fonte_, impressora_.get());
    largura = m.horizontalAdvance(textoDaFonte(texto));
    altura = m.height();
    return true;
  });
}

bool SuperficieQt::iniciaDocumento(const std::string& nome) {
  return naGui([&] { return iniciaDocumentoNaGui(nome); });
}

bool SuperficieQt::iniciaDocumentoNaGui(const std::string& nome) {
  if (!impressora_ || pintor_) return false;
  impressora_->setDocName(textoqt::paraQString(nome));
  pintor_ = std::make_unique<QPainter>();
  if (!pintor_->begin(impressora_.get())) {
    pintor_.reset();
    return false;
  }
  pintor_->setBackgroundMode(Qt::TransparentMode);
  pintor_->setPen(Qt::NoPen);
  if (fonte_) pintor_->setFont(*fonte_);
  // QPainter::begin has already started the first page.
  primeiraPagina_ = true;
  return true;
}

bool SuperficieQt::criaCaneta(int largura) {
  return naGui([&] {
    if (!pintor_) return false;
    QPen caneta(Qt::black);
    caneta.setWidth(largura);
    caneta.setCapStyle(Qt::RoundCap);
    pintor_->setPen(caneta);
    caneta_ = true;
    return true;
  });
}

bool SuperficieQt::criaPincel(int vermelho, int verde, int azul) {
  return naGui([&] {
    if (!pintor_) return false;
    pintor_->setBrush(QColor(vermelho, verde, azul));
    pincel_ = true;
    return true;
  });
}

bool SuperficieQt::iniciaPagina() {
  return naGui([&] {
    if (!pintor_ || paginaAberta_) return false;
    if (!primeiraPagina_ && !impressora_->newPage()) return false;
    primeiraPagina_ = false;
    paginaAberta_ = true;
    return true;
  });
}

bool SuperficieQt::terminaPagina() {
  return naGui([&] {
    if (!paginaAberta_) return false;
    paginaAberta_ = false;
    return true;
  });
}

bool SuperficieQt::escreveTexto(int x, int y, std::string_view texto) {
  return naGui([&] { return escreveTextoNaGui(x, y, texto); });
}

bool SuperficieQt::escreveTextoNaGui(int x, int y, std::string_view texto) {
  if (!pintor_ || !paginaAberta_ || !fonte_) return false;
  const QFontMetrics m(*fonte_, impressora_.get());
  // The text is placed by its top edge, the painter by its baseline; the
  // pen draws only the strokes, so text takes black explicitly.
  const QPen caneta = pintor_->pen();
  pintor_->setPen(Qt::black);
  pintor_->drawText(QPoint(x, y + m.ascent()), textoDaFonte(texto));
  pintor_->setPen(caneta);
  return true;
}

bool SuperficieQt::traco(int x0, int y0, int x1, int y1) {
  return naGui([&] {
    if (!pintor_ || !paginaAberta_ || !caneta_) return false;
    pintor_->drawLine(x0, y0, x1, y1);
    return true;
  });
}

bool SuperficieQt::terminaDocumento() {
  return naGui([&] {
    if (!pintor_) return false;
    const bool ok = pintor_->end();
    pintor_.reset();
    paginaAberta_ = false;
    return ok;
  });
}

void SuperficieQt::liberaFonte() {
  servicoqt::naThreadGui([&] { fonte_.reset(); });
}

void SuperficieQt::liberaCaneta() {
  servicoqt::naThreadGui([&] {
    if (pintor_) pintor_->setPen(Qt::NoPen);
    caneta_ = false;
  });
}

void SuperficieQt::liberaPincel() {
  servicoqt::naThreadGui([&] {
    if (pintor_) pintor_->setBrush(Qt::NoBrush);
    pincel_ = false;
  });
}

void SuperficieQt::fecha() {
  servicoqt::naThreadGui([&] { fechaNaGui(); });
}

void SuperficieQt::fechaNaGui() {
  if (pintor_) {
    // A device released while a document is open aborts that document.
    impressora_->abort();
    pintor_->end();
    pintor_.reset();
  }
  fonte_.reset();
  impressora_.reset();
  caneta_ = pincel_ = paginaAberta_ = false;
}

void instalaSuperficieQt(const braillequt::TabelaPontos& pontos) {
  instalaFabricaSuperficie([&pontos] { return std::make_unique<SuperficieQt>(pontos); });
}
