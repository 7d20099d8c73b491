#include "formdigitabraille.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "brvars.h"
#include "cp1252.h"
#include "textoqt.h"

TFormDigitaBraille* FormDigitaBraille = nullptr;

TFormDigitaBraille::TFormDigitaBraille(QWidget* pai) : QDialog(pai) {
  setWindowTitle(textoqt::paraQString("Digitação Perkins"_cp));
  setModal(true);
  // The window itself holds the focus: no child may take a key.
  setFocusPolicy(Qt::StrongFocus);

  auto* grade = new QGridLayout(this);
  grade->setHorizontalSpacing(32);
  const std::string rotulos[3][3] = {{"Ponto 1 = f", "Ponto 2 = d", "Ponto 3 = s"},
                                     {"Ponto 4 = j", "Ponto 5 = k", "Ponto 6 = l"},
                                     {"Espaço"_cp, "Enter", "Backspace"}};
  for (int coluna = 0; coluna < 3; ++coluna)
    for (int linha = 0; linha < 3; ++linha)
      grade->addWidget(new QLabel(textoqt::paraQString(rotulos[coluna][linha]), this), linha,
                       coluna);
  grade->setSizeConstraint(QLayout::SetFixedSize);
}

Tecla TFormDigitaBraille::teclaDe(const QKeyEvent& e) {
  const int k = e.key();
  switch (k) {
    case Qt::Key_Space: return {TipoTecla::espaco};
    case Qt::Key_Return: case Qt::Key_Enter: return {TipoTecla::enter};
    case Qt::Key_Backspace: return {TipoTecla::backspace};
    case Qt::Key_Escape: return {TipoTecla::escape};
    case Qt::Key_F11: return {TipoTecla::f11};
    default: break;
  }
  // Qt names letters by their capitals and digits by themselves.
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
    return {TipoTecla::caractere, static_cast<char>(k),
            e.modifiers().testFlag(Qt::KeypadModifier)};
  return {};
}

void TFormDigitaBraille::FormActivate() { teclado.ativa(); }

void TFormDigitaBraille::FormKeyDown(QKeyEvent* e) {
  const AcaoPerkins acao = teclado.pressiona(teclaDe(*e));
  if (acao.tipo == AcaoPerkins::fecha) done(0);
  if (acao.tipo == AcaoPerkins::insere && insereTexto) insereTexto(acao.texto);
}

void TFormDigitaBraille::FormKeyUp(QKeyEvent* e) {
  const AcaoPerkins acao =
      teclado.solta(teclaDe(*e), e->isAutoRepeat(), configuracao.brailleAntigo);
  if (acao.tipo == AcaoPerkins::enviaAoEditor && enviaTeclaEditor) enviaTeclaEditor(e->key());
  if (acao.tipo == AcaoPerkins::insere && insereTexto) insereTexto(acao.texto);
}

bool TFormDigitaBraille::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::ShortcutOverride:  // no shortcut of the program takes a key
      e->accept();
      return true;
    case QEvent::KeyPress:  // before Tab moves the focus or Escape rejects
      FormKeyDown(static_cast<QKeyEvent*>(e));
      return true;
    case QEvent::KeyRelease:
      FormKeyUp(static_cast<QKeyEvent*>(e));
      return true;
    case QEvent::WindowActivate:
      FormActivate();
      break;
    default:
      break;
  }
  return QDialog::event(e);
}

void TFormDigitaBraille::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
  setFocus();
}
