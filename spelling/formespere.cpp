#include "formespere.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "cp1252.h"
#include "textoqt.h"

TformEspere* formEspere = nullptr;

TformEspere::TformEspere(QWidget* pai)
    : QDialog(pai,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint) {
  setWindowTitle(textoqt::paraQString("Dicionário está sendo carregado"_cp));
  setFixedSize(380, 40);
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TformEspere::mostra() {
  show();
  raise();
  // Only painting: no key or click reaches the program while it loads.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
