#include "formmacro.h"

#include <QEvent>
#include <QVBoxLayout>

#include "brvars.h"
#include "mensagens.h"
#include "textoqt.h"

TformMacro* formMacro = nullptr;

TformMacro::TformMacro(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Processador de macros"));
  setModal(false);
  Label1 = new QLabel(QStringLiteral("Arquivo de macros:"), this);
  Label1->setTextFormat(Qt::PlainText);
  E_arqmacro = new QLineEdit(this);
  E_arqmacro->setMinimumWidth(300);
  Label1->setBuddy(E_arqmacro);
  Button1 = new QPushButton(QStringLiteral("Processe o texto selecionado"), this);
  Button1->setDefault(true);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(Label1);
  coluna->addWidget(E_arqmacro);
  coluna->addWidget(Button1, 0, Qt::AlignHCenter);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TformMacro::FormActivate() { E_arqmacro->setText(textoqt::paraQString(leAmbMacro())); }

void TformMacro::Button1Click() {
  const std::optional<std::string> nome = textoqt::deQStringExato(E_arqmacro->text());
  bool esconde = false;
  if (!nome) {
    plataforma::mostraNomeRecusado(E_arqmacro->text().toStdString());
  } else {
    esconde = processaMacros(*nome, tabela_, editor ? editor() : nullptr);
  }
  if (!esconde) {
    // Activation events are not to be relied on when a box closes.
    FormActivate();
    return;
  }
  if (aposComando) aposComando();
  hide();
}

bool TformMacro::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(e);
}

void TformMacro::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}
