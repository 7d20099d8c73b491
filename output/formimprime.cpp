#include "formimprime.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "brprint.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconta.h"
#include "mensagens.h"
#include "textoqt.h"

TFormImprime* FormImprime = nullptr;

namespace {

QLineEdit* campo(QWidget* pai, const char* texto) {
  auto* e = new QLineEdit(QString::fromLatin1(texto), pai);
  return e;
}

QLabel* rotulo(QWidget* pai, const std::string& texto) {
  auto* r = new QLabel(textoqt::paraQString(texto), pai);
  r->setTextFormat(Qt::PlainText);
  return r;
}

}  // namespace

TFormImprime::TFormImprime(QWidget* pai) : QWidget(pai, Qt::Dialog) {
  setWindowTitle(textoqt::paraQString("Detalhes da Impressão"_cp));
  E_paginic = campo(this, "1");
  E_pagfinal = campo(this, "9999");
  E_numCopias = campo(this, "1");
  E_NumPag1 = campo(this, "1");
  E_nomeArqPrt = new QLineEdit(this);
  E_nomeArqPrt->setMaxLength(255);
  selArqBtn = new QToolButton(this);
  selArqBtn->setText(QStringLiteral("..."));
  selArqBtn->setToolTip(QStringLiteral("Escolher arquivo"));
  b_imprime = new QPushButton(QStringLiteral("Imprima !"), this);
  b_config_br = new QPushButton(QStringLiteral("Configure"), this);

  auto* formulario = new QFormLayout;
  formulario->addRow(rotulo(this, "Página Inicial"_cp), E_paginic);
  formulario->addRow(rotulo(this, "Página Final"_cp), E_pagfinal);
  formulario->addRow(rotulo(this, "Quant. de cópias"_cp), E_numCopias);
  formulario->addRow(rotulo(this, "Núm. pág. inicial:"_cp), E_NumPag1);
  auto* saida = new QHBoxLayout;
  saida->addWidget(E_nomeArqPrt, 1);
  saida->addWidget(selArqBtn);
  formulario->addRow(rotulo(this, "Dispositivo de impressão:"_cp), saida);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  botoes->addWidget(b_imprime);
  botoes->addWidget(b_config_br);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(formulario);
  coluna->addLayout(botoes);

  connect(selArqBtn, &QToolButton::clicked, this, [this] { selArqBtnClick(); });
  connect(b_imprime, &QPushButton::clicked, this, [this] { b_imprimeClick(); });
  connect(b_config_br, &QPushButton::clicked, this, [this] { b_imprimeClick(); });
  // Enter in the output name prints.
  connect(E_nomeArqPrt, &QLineEdit::returnPressed, this, [this] { b_imprimeClick(); });
  adjustSize();
}

void TFormImprime::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // A window restored from the task bar is shown again by the window system
  // (a spontaneous event): the name the user typed stays.
  if (!evento->spontaneous()) FormShow();
}

void TFormImprime::FormShow() { E_nomeArqPrt->setText(textoqt::paraQString(configuracao.NomeArq)); }

void TFormImprime::selArqBtnClick() { FileNameClick(); }

void TFormImprime::FileNameClick() {
  const auto nome = plataforma::servicoMensagens().nomeArquivoSalvar(
      "", textoqt::deQString(E_nomeArqPrt->text()), filtroArquivoSaida);
  if (!nome) return;
  // In memory only: the configuration file keeps its output name.
  configuracao.NomeArq = *nome;
  E_nomeArqPrt->setText(textoqt::paraQString(*nome));
}

void TFormImprime::b_imprimeClick() {
  PedidoImpressao pedido;
  pedido.paginaInicial = textoqt::deQString(E_paginic->text());
  pedido.paginaFinal = textoqt::deQString(E_pagfinal->text());
  pedido.copias = textoqt::deQString(E_numCopias->text());
  pedido.numPagInicial = textoqt::deQString(E_NumPag1->text());
  pedido.dispositivo = textoqt::deQString(E_nomeArqPrt->text());

  AcoesImpressao acoes;
  acoes.escondeDialogo = [this] { hide(); };
  TFormConta* progresso = FormConta;
  if (progresso) {
    acoes.mostraProgresso = [progresso] { progresso->show(); };
    acoes.escondeProgresso = [progresso] { progresso->escondeDeQualquerThread(); };
  }
  const std::vector<std::string> documento =
      linhasDocumento ? linhasDocumento() : std::vector<std::string>{};
  iniciaImpressao(pedido, documento, acoes);
}
