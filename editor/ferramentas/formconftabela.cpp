#include "formconftabela.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "cp1252.h"
#include "textoqt.h"

using textoqt::deQString;
using textoqt::paraQString;

TformConfTabela* formConfTabela = nullptr;

TformConfTabela::TformConfTabela(QWidget* pai) : QDialog(pai) {
  setWindowTitle(paraQString("Assistente para configuração de tabelas"_cp));
  setModal(true);
  auto* rotulo = new QLabel(paraQString("Número de colunas"_cp), this);
  rotulo->setTextFormat(Qt::PlainText);
  e_NumColunas = new QLineEdit(QStringLiteral("2"), this);
  rotulo->setBuddy(e_NumColunas);
  r_estilo_moldura =
      new GrupoRadio("Estilo da moldura", {"Sem moldura", "Moldura simples", "Moldura dupla"}, 1, this);
  r_estilo_separ = new GrupoRadio("Estilo dos separadores",
                                  {"Sem linhas separadoras", "Só a união horizontal por traços"_cp,
                                   "Linhas horizontais", "Linhas verticais", "Linhas verticais e horizontais"},
                                  3, this);
  b_gerar = new QPushButton(QStringLiteral("Gerar"), this);
  b_gerar->setDefault(true);
  b_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);

  auto* grade = new QGridLayout(this);
  auto* numero = new QHBoxLayout;
  numero->addWidget(rotulo);
  numero->addWidget(e_NumColunas);
  numero->addStretch();
  grade->addLayout(numero, 0, 0, 1, 2);
  grade->addWidget(r_estilo_moldura, 1, 0);
  grade->addWidget(r_estilo_separ, 1, 1);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(b_gerar);
  botoes->addWidget(b_cancelar);
  grade->addLayout(botoes, 2, 0, 1, 2);
  e_NumColunas->setFocus();

  connect(b_gerar, &QPushButton::clicked, this, [this] { b_gerarClick(); });
  connect(b_cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

OpcoesTabela TformConfTabela::opcoes() const {
  OpcoesTabela o;
  o.colunas = leNumeroColunas(deQString(e_NumColunas->text()));
  o.moldura = static_cast<EstiloMoldura>(std::max(r_estilo_moldura->indice(), 0));
  o.separador = static_cast<EstiloSeparador>(std::max(r_estilo_separ->indice(), 0));
  return o;
}

void TformConfTabela::b_gerarClick() {
  const OpcoesTabela o = opcoes();
  if (o.colunas == 0) return;
  LinhasEditor* e = editor ? editor() : nullptr;
  const bool feita = e && insereTabela(*e, o);
  accept();
  if (feita && aposComando) aposComando();
}
