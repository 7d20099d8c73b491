#include "formquickmessage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "cp1252.h"
#include "textoqt.h"

TformQuickMessage* formQuickMessage = nullptr;

TformQuickMessage::TformQuickMessage(QWidget* pai)
    : QDialog(pai, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(textoqt::paraQString("Informação"_cp));
  setFixedSize(320, 80);
  // The keys typed while it shows belong to the window below.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  fim_.setSingleShot(true);
  connect(&fim_, &QTimer::timeout, this, &QWidget::hide);
  Label1 = new QLabel(this);
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAlignment(Qt::AlignCenter);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(Label1);
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TformQuickMessage::mostraMensagem(const std::string& texto) {
  Label1->setText(textoqt::paraQString(texto));
  show();
  raise();
  fim_.start(std::max(0, duracao));
}
