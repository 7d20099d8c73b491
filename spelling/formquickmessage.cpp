#include "formquickmessage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include "cp1252.h"
#include "textoqt.h"

TformQuickMessage* formQuickMessage = nullptr;

TformQuickMessage::TformQuickMessage(QWidget* pai)
    : QDialog(pai, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(textoqt::paraQString("Informação"_cp));
  setFixedSize(320, 80);
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
  // Painting only: nothing the user does runs while the notice waits.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (duracao > 0) QThread::msleep(static_cast<unsigned long>(duracao));
  hide();
}
