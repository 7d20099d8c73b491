#include "formconfigmargem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "brconfig.h"
#include "brvars.h"
#include "cp1252.h"
#include "textoqt.h"

TFormConfigMargem* FormConfigMargem = nullptr;

TFormConfigMargem::TFormConfigMargem(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::WindowStaysOnTopHint) {
  setWindowTitle(textoqt::paraQString("Configuração da margem"_cp));
  setModal(false);
  Label1 = new QLabel(textoqt::paraQString("Coluna Máxima :"_cp), this);
  Label1->setTextFormat(Qt::PlainText);
  Edit1 = new QLineEdit(this);
  Edit1->setValidator(new textoqt::Validador1252(this));
  Label1->setBuddy(Edit1);
  CheckBoxQuebra = new QCheckBox(textoqt::paraQString("Quebra Automática"_cp), this);
  ButtonOK = new QPushButton(QStringLiteral("&OK"), this);
  ButtonOK->setDefault(true);
  ButtonPadrao = new QPushButton(textoqt::paraQString("&Tornar isso padrão"_cp), this);
  Button1 = new QPushButton(QStringLiteral("&Cancelar"), this);
  auto* coluna = new QHBoxLayout;
  coluna->addWidget(Label1);
  coluna->addWidget(Edit1);
  auto* botoes = new QHBoxLayout;
  botoes->addWidget(ButtonOK);
  botoes->addWidget(ButtonPadrao);
  botoes->addWidget(Button1);
  auto* tudo = new QVBoxLayout(this);
  tudo->addLayout(coluna);
  tudo->addWidget(CheckBoxQuebra);
  tudo->addLayout(botoes);
  connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
  connect(ButtonPadrao, &QPushButton::clicked, this, [this] { ButtonPadraoClick(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  // Escape and the close box leave the settings as they are.
  connect(this, &QDialog::rejected, this, [this] { Button1Click(); });
  adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TFormConfigMargem::FormActivate() {
  CheckBoxQuebra->setChecked(configuracao.quebraLin);
  Edit1->setText(textoqt::paraQString(escreveInteiroMargem(configuracao.maxCol)));
}

void TFormConfigMargem::leCampos() {
  configuracao.quebraLin = CheckBoxQuebra->isChecked();
  configuracao.maxCol = colunaMaxima(textoqt::deQString(Edit1->text()));
}

void TFormConfigMargem::ButtonOKClick() {
  leCampos();
  hide();
}

void TFormConfigMargem::ButtonPadraoClick() {
  leCampos();
  avisaFalhaGravacao(gravaConfigMargem());
  hide();
}

void TFormConfigMargem::Button1Click() { hide(); }

bool TFormConfigMargem::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(e);
}

void TFormConfigMargem::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Activation does not always follow a show (offscreen, a window that is
  // already active): the fields are filled here too.
  FormActivate();
}
