#include "formvisualgraf.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <cstring>

#include "cp1252.h"
#include "textoqt.h"

TformVisualGraf* formVisualGraf = nullptr;

TformVisualGraf::TformVisualGraf(QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      imagem(ImagemPontos::larguraPadrao, ImagemPontos::alturaPadrao, QImage::Format_RGB32) {
  setWindowTitle(textoqt::paraQString("Visualização da Impressão Gráfica Braille"_cp));
  imagem.fill(Qt::white);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, imagem.width(), imagem.height());
  Image1->setPixmap(QPixmap::fromImage(imagem));
  Image1->installEventFilter(this);
  setFixedSize(imagem.size());
  setFocusPolicy(Qt::StrongFocus);
}

void TformVisualGraf::mostraPagina(const std::vector<std::string>& linhas, int indice,
                                   const EstadoPassoVisual& e) {
  linhasVisualGraf = linhas;
  linhaInicialVisualGraf = indice;
  estado = e;
  if (isVisible()) {
    desenhaPagina();
  } else {
    if (const QScreen* tela = QGuiApplication::primaryScreen())
      move(tela->availableGeometry().center() - rect().center());
    show();  // showEvent draws
  }
  raise();
  activateWindow();
}

void TformVisualGraf::FormShow() { desenhaPagina(); }

void TformVisualGraf::desenhaPagina() {
  ::desenhaPagina(raster_, linhasVisualGraf, linhaInicialVisualGraf, estado);
  // Both hold 0xAARRGGBB per pixel, rows of the same width.
  const std::size_t bytesLinha = static_cast<std::size_t>(raster_.largura) * sizeof(std::uint32_t);
  for (int y = 0; y < raster_.altura && y < imagem.height(); ++y)
    std::memcpy(imagem.scanLine(y), &raster_.pixels[static_cast<std::size_t>(y) * raster_.largura], bytesLinha);
  Image1->setPixmap(QPixmap::fromImage(imagem));
}

void TformVisualGraf::Image1Click() { close(); }

void TformVisualGraf::FormKeyUp(QKeyEvent* e) {
  const std::function<int()>* movimento = nullptr;
  switch (e->key()) {
    case Qt::Key_PageDown: movimento = &proximaPagina; break;
    case Qt::Key_PageUp: movimento = &paginaAnterior; break;
    case Qt::Key_Escape: close(); return;
    default: return;
  }
  if (!*movimento) return;
  linhaInicialVisualGraf = (*movimento)();
  desenhaPagina();
}

void TformVisualGraf::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Restored from the task bar: the page on screen stands.
  if (!e->spontaneous()) FormShow();
}

void TformVisualGraf::keyReleaseEvent(QKeyEvent* e) {
  // A held key acts once, when it is let go.
  if (e->isAutoRepeat()) return;
  FormKeyUp(e);
}

bool TformVisualGraf::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == Image1 && e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    Image1Click();
    return true;
  }
  return QWidget::eventFilter(objeto, e);
}
