#include "formquadro.h"

#include <QGuiApplication>
#include <QScreen>

#include "cp1252.h"
#include "quadro.h"
#include "textoqt.h"

TFormQuadro* FormQuadro = nullptr;

TFormQuadro::TFormQuadro(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Quadrinho"));
  setModal(false);
  setFixedSize(215, 194);

  GroupBox1 = new QGroupBox(QStringLiteral("Tipo"), this);
  GroupBox1->setGeometry(16, 12, 183, 113);
  const auto opcao = [this](std::string_view legenda, int y) {
    auto* r = new QRadioButton(textoqt::paraQString(legenda), GroupBox1);
    r->setGeometry(16, y, 160, 22);
    return r;
  };
  R_padrao = opcao("&Padrão"_cp, 24);
  R_ajuda = opcao("&Pedir Ajuda", 52);
  R_figura = opcao("&Legenda de figura", 80);
  R_padrao->setChecked(true);

  BotOk = new QPushButton(QStringLiteral("Ok"), this);
  BotOk->setGeometry(16, 144, 80, 30);
  BotOk->setDefault(true);
  BotCancela = new QPushButton(QStringLiteral("Cancela"), this);
  BotCancela->setGeometry(119, 144, 80, 30);
  connect(BotOk, &QPushButton::clicked, this, [this] { BotOkClick(); });
  connect(BotCancela, &QPushButton::clicked, this, [this] { BotCancelaClick(); });

  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TFormQuadro::criaQuadro(int tipo) {
  LinhasEditor* linhas = editor ? editor() : nullptr;
  if (linhas == nullptr) return;
  // Even a box not drawn may have left the help text in an empty line.
  ::criaQuadro(*linhas, tipo);
  if (aposComando) aposComando();
}

void TFormQuadro::BotOkClick() {
  const int tipo = R_ajuda->isChecked() ? quadroAjuda : R_figura->isChecked() ? quadroFigura : quadroPadrao;
  hide();
  criaQuadro(tipo);
}

void TFormQuadro::BotCancelaClick() { hide(); }
