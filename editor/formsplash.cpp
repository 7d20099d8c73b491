#include "formsplash.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "formprincipal.h"

TFormSplash* FormSplash = nullptr;

namespace {

constexpr int largura = 298;
constexpr int altura = 260;

QLabel* rotuloAmarelo(QWidget* pai) {
  auto* r = new QLabel(pai);
  r->setTextFormat(Qt::PlainText);
  r->setAutoFillBackground(true);
  QPalette p = r->palette();
  p.setColor(QPalette::Window, Qt::yellow);
  p.setColor(QPalette::WindowText, Qt::black);
  r->setPalette(p);
  r->setContentsMargins(4, 1, 4, 1);
  return r;
}

}  // namespace

QPixmap imagemSplash() {
  // The name in print and in Braille cells, drawn by data/gera_splash.py.
  QPixmap imagem(QStringLiteral(":/splash.png"));
  if (imagem.isNull()) {
    imagem = QPixmap(largura, altura);
    imagem.fill(QColor(20, 60, 120));
  }
  return imagem;
}

TFormSplash::TFormSplash(QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(QStringLiteral("Lumarel"));
  // Its being open never keeps the program running after the main window.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(largura, altura);

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, largura, altura);
  Image1->setPixmap(imagemSplash());
  Image1->installEventFilter(this);

  Lab_Versao = rotuloAmarelo(this);
  Lab_Versao->move(12, altura - 40);
  l_beta = rotuloAmarelo(this);
  QFont negrito = l_beta->font();
  negrito.setBold(true);
  l_beta->setFont(negrito);
  l_beta->move(largura - 60, altura - 40);
  l_beta->hide();

  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TFormSplash::FormActivate() {
  Lab_Versao->setText(QStringLiteral("v4.0"));
  Lab_Versao->adjustSize();
  l_beta->setText(QStringLiteral("beta"));
  l_beta->adjustSize();
  l_beta->show();
}

void TFormSplash::Image1Click() {
  hide();
  if (formPrincipal) formPrincipal->Timer1->stop();
}

void TFormSplash::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Activation does not always reach a borderless window: the labels are set
  // whenever it is shown.
  FormActivate();
}

bool TFormSplash::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == Image1 && e->type() == QEvent::MouseButtonRelease) {
    Image1Click();
    return true;
  }
  return QWidget::eventFilter(objeto, e);
}
