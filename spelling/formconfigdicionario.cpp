#include "formconfigdicionario.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "brortog.h"
#include "brvars.h"
#include "cp1252.h"
#include "textoqt.h"

using textoqt::deQString;
using textoqt::paraQString;

TformConfigDicionario* formConfigDicionario = nullptr;

TformConfigDicionario::TformConfigDicionario(QWidget* pai) : QDialog(pai) {
  setWindowTitle(paraQString("Configuração do dicionário"_cp));
  setModal(true);
  auto* formulario = new QFormLayout;
  auto campo = [&](std::string_view rotulo, const char* texto) {
    auto* e = new QLineEdit(paraQString(texto), this);
    e->setMinimumWidth(280);
    // A name the file system would get as another name is refused as typed.
    e->setValidator(new textoqt::Validador1252(e));
    auto* r = new QLabel(paraQString(rotulo), this);
    r->setTextFormat(Qt::PlainText);
    r->setBuddy(e);
    formulario->addRow(r, e);
    return e;
  };
  e_dic = campo("Arquivo mestre", "diciona.dic");
  e_suf = campo("Sufixos", "diciona.suf");
  e_exc = campo("Excessões"_cp, "diciona.exc");
  e_nom = campo("Nomes", "diciona.nom");
  e_sug = campo("Regras para Sugestões"_cp, "diciona.sug");
  b_ok = new QPushButton(QStringLiteral("OK"), this);
  b_ok->setDefault(true);
  b_padrao = new QPushButton(paraQString("Torna padrão"_cp), this);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(b_ok);
  botoes->addWidget(b_padrao);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(formulario);
  coluna->addLayout(botoes);
  connect(b_ok, &QPushButton::clicked, this, [this] { b_okClick(); });
  connect(b_padrao, &QPushButton::clicked, this, [this] { b_padraoClick(); });
  FormCreate();
}

void TformConfigDicionario::FormCreate() { leConfigDicionario(); }

void TformConfigDicionario::FormActivate() {
  const TConfiguracao& c = configuracao;
  e_dic->setText(paraQString(c.ARQDIC));
  e_suf->setText(paraQString(c.ARQSUFIXOS));
  e_exc->setText(paraQString(c.ARQINEXIST));
  e_nom->setText(paraQString(c.ARQNOMES));
  e_sug->setText(paraQString(c.ARQSUGERE));
}

void TformConfigDicionario::leCampos() {
  TConfiguracao& c = configuracao;
  c.ARQDIC = deQString(e_dic->text());
  c.ARQSUFIXOS = deQString(e_suf->text());
  c.ARQINEXIST = deQString(e_exc->text());
  c.ARQNOMES = deQString(e_nom->text());
  c.ARQSUGERE = deQString(e_sug->text());
}

void TformConfigDicionario::b_okClick() {
  leCampos();
  close();
}

void TformConfigDicionario::b_padraoClick() {
  leCampos();
  // A write that failed has said so; the window stays for another try.
  if (tornaPadraoDicionario()) close();
}
