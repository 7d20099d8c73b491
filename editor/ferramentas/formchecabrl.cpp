#include "formchecabrl.h"

#include <QKeyEvent>
#include <QPalette>
#include <QShowEvent>
#include <algorithm>

#include "braillequt.h"
#include "checabrl.h"
#include "cp1252.h"
#include "textoqt.h"

using textoqt::paraQString;

TformChecaBrl* formChecaBrl = nullptr;

namespace {

QFont courier(int pixels) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);  // a fixed pitch where the face is missing
  f.setPixelSize(pixels);
  return f;
}

QLineEdit* campo(QWidget* pai, int y) {
  auto* e = new QLineEdit(pai);
  e->setReadOnly(true);
  e->setFont(courier(20));
  e->setGeometry(8, y, 528, 30);
  return e;
}

void legenda(QWidget* pai, std::string_view texto, int y) {
  auto* r = new QLabel(paraQString(texto), pai);
  r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  r->setGeometry(236, y, 300, 16);
}

// The start of a long line stays in view, under the ruler's first columns.
void mostraTexto(QLineEdit* e, const QString& texto) {
  e->setText(texto);
  e->setCursorPosition(0);
}

}  // namespace

TformChecaBrl::TformChecaBrl(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Braille gerado"));
  setFixedSize(544, 218);

  l_braille = new QLabel(this);
  l_braille->setTextFormat(Qt::PlainText);
  l_braille->setAutoFillBackground(true);
  QPalette aqua = l_braille->palette();
  aqua.setColor(QPalette::Window, QColor(0, 255, 255));
  l_braille->setPalette(aqua);
  l_braille->setFont(braillequt::fonteBraillePixels(19, true));
  l_braille->setGeometry(8, 8, 528, 30);

  legenda(this, "Reversão a texto"_cp, 40);
  e_reversao = campo(this, 56);
  Label2 = new QLabel(QStringLiteral("123456789012345678901234567890123456789012...."), this);
  Label2->setFont(courier(19));
  Label2->setGeometry(12, 88, 524, 22);
  e_braille = campo(this, 110);
  legenda(this, "Código de impressora"_cp, 142);

  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button1->setGeometry(232, 180, 80, 30);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  setTabOrder(e_reversao, e_braille);
  setTabOrder(e_braille, Button1);
  e_reversao->installEventFilter(this);
  e_braille->installEventFilter(this);
}

void TformChecaBrl::mostraLinha(const std::string& linha_, const EstadoPassoVisual& estado_) {
  linha = linha_;
  estado = estado_;
  l_braille->setText(braillequt::brailleParaTela(linha, codigoImpressoraParaPontos));
  mostraTexto(e_braille, paraQString(linha));
}

void TformChecaBrl::FormShow() {
  std::string texto = reverteBraille(linha, estado.tabela, estado.brailleAntigo);
  // A byte no cell maps back to is shown as a blank: as a NUL it would cut
  // the text short wherever it is taken as a C string.
  std::replace(texto.begin(), texto.end(), '\0', ' ');
  mostraTexto(e_reversao, paraQString(texto));
  e_reversao->setFocus();
}

void TformChecaBrl::Button1Click() {
  e_braille->setFocus();
  done(0);
}

bool TformChecaBrl::e_brailleKeyPress(int tecla) {
  if (tecla != Qt::Key_Escape) return false;
  Button1Click();
  return true;
}

void TformChecaBrl::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Each time the preview opens it, not when the user comes back to it.
  if (!e->spontaneous()) FormShow();
}

bool TformChecaBrl::eventFilter(QObject* alvo, QEvent* e) {
  if ((alvo == e_reversao || alvo == e_braille) && e->type() == QEvent::KeyPress &&
      e_brailleKeyPress(static_cast<QKeyEvent*>(e)->key()))
    return true;
  return QDialog::eventFilter(alvo, e);
}
