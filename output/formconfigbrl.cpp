#include "formconfigbrl.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "brprint.h"
#include "brprograma.h"
#include "mensagens.h"
#include "textoqt.h"

TFormConfigBrl* FormConfigBrl = nullptr;

namespace {

using textoqt::paraQString;

QLabel* rotulo(const std::string& texto, QWidget* pai) {
  auto* r = new QLabel(paraQString(texto), pai);
  r->setTextFormat(Qt::PlainText);
  return r;
}

// A control the window carries out of sight and out of use.
template <class W>
W* oculto(W* w) {
  w->setVisible(false);
  w->setEnabled(false);
  return w;
}

}  // namespace

TFormConfigBrl::TFormConfigBrl(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(paraQString("Configuração da Impressora Braille"_cp));
  setModal(false);
  auto* validador = new textoqt::Validador1252(this);

  Label2 = rotulo("Modelo da impressora", this);
  CB_ModeloImp = new QComboBox(this);
  CB_ModeloImp->setEditable(true);
  CB_ModeloImp->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& m : modelosImpressora()) CB_ModeloImp->addItem(paraQString(m));
  CB_ModeloImp->setValidator(validador);
  CB_ModeloImp->setEditText(QString::fromLatin1(textoSemModeloEscolhido));
  Label2->setBuddy(CB_ModeloImp);

  GroupBox1 = new QGroupBox(paraQString("Conexão física"_cp), this);
  auto radio = [this](const char* legenda) { return new QRadioButton(QString::fromLatin1(legenda), GroupBox1); };
  botaoRadioLPT1 = radio("LPT1");
  botaoRadioLPT2 = radio("LPT2");
  botaoRadioLPT3 = radio("LPT3");
  botaoRadioCOM1 = radio("COM1");
  botaoRadioCOM2 = radio("COM2");
  botaoRadioPRN = radio("PRN");
  botaoRadioRede = radio("Rede");
  botaoRadioArquivo = radio("Arquivo");
  botaoRadioPRN->setChecked(true);
  auto* grade = new QGridLayout(GroupBox1);
  QRadioButton* const ordem[] = {botaoRadioLPT1, botaoRadioLPT2, botaoRadioLPT3, botaoRadioCOM1,
                                 botaoRadioCOM2, botaoRadioPRN, botaoRadioRede, botaoRadioArquivo};
  for (int i = 0; i < 8; ++i) grade->addWidget(ordem[i], i % 4, i / 4);

  Label5 = rotulo("Nome do arquivo", this);
  E_nomeArq = new QLineEdit(QStringLiteral("PRN"), this);
  E_nomeArq->setMinimumWidth(260);
  Label5->setBuddy(E_nomeArq);
  selArqBtn = new QToolButton(this);
  selArqBtn->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  selArqBtn->setToolTip(QStringLiteral("Salvar"));
  c_enviaLinhasVazias = new QCheckBox(paraQString("Envia também linhas vazias"_cp), this);
  BotOK = new QPushButton(QStringLiteral("&OK"), this);
  BotOK->setDefault(true);

  Label1 = oculto(rotulo("&Altura (polegs.)", this));
  E_Altura = oculto(new QLineEdit(QStringLiteral("11"), this));
  Label3 = oculto(rotulo("&Linhas", this));
  E_linhasImp = oculto(new QLineEdit(QStringLiteral("30"), this));
  Label4 = oculto(rotulo("&Colunas", this));
  E_ColunasImp = oculto(new QLineEdit(QStringLiteral("36"), this));
  C_interponto = oculto(new QCheckBox(paraQString("&Impressão frente e verso (Interponto)"_cp), this));
  BotPrograme = oculto(new QPushButton(QStringLiteral("&Programe !"), this));
  Avixo = oculto(rotulo("VERIFICAR CONPONENTES ABAIXO", this));
  Avixo->setStyleSheet(QStringLiteral("color: red"));

  auto* nome = new QHBoxLayout;
  nome->addWidget(E_nomeArq, 1);
  nome->addWidget(selArqBtn);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(Label2);
  coluna->addWidget(CB_ModeloImp);
  coluna->addWidget(GroupBox1);
  coluna->addWidget(Label5);
  coluna->addLayout(nome);
  coluna->addWidget(c_enviaLinhasVazias);
  coluna->addWidget(BotOK, 0, Qt::AlignHCenter);

  const std::pair<QRadioButton*, void (TFormConfigBrl::*)()> radios[] = {
      {botaoRadioLPT1, &TFormConfigBrl::botaoRadioLPT1Click},
      {botaoRadioLPT2, &TFormConfigBrl::botaoRadioLPT2Click},
      {botaoRadioLPT3, &TFormConfigBrl::botaoRadioLPT3Click},
      {botaoRadioCOM1, &TFormConfigBrl::botaoRadioCOM1Click},
      {botaoRadioCOM2, &TFormConfigBrl::botaoRadioCOM2Click},
      {botaoRadioPRN, &TFormConfigBrl::botaoRadioPRNClick},
      {botaoRadioRede, &TFormConfigBrl::botaoRadioRedeClick},
      {botaoRadioArquivo, &TFormConfigBrl::botaoRadioArquivoClick}};
  for (const auto& [r, f] : radios) connect(r, &QRadioButton::clicked, this, [this, f] { (this->*f)(); });
  connect(CB_ModeloImp, &QComboBox::editTextChanged, this, [this] { CB_ModeloImpChange(); });
  connect(selArqBtn, &QToolButton::clicked, this, [this] { selArqBtnClick(); });
  connect(BotOK, &QPushButton::clicked, this, [this] { BotOKClick(); });
  connect(BotPrograme, &QPushButton::clicked, this, [this] { BotProgrameClick(); });
  adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
  FormCreate();
}

void TFormConfigBrl::FormCreate() { leIni(); }

void TFormConfigBrl::leIni() {
  leConfigImpressora();
  mostraValores();
  CB_ModeloImpChange();
}

CamposImpressora TFormConfigBrl::campos() const {
  CamposImpressora c;
  c.modelo = textoqt::deQString(CB_ModeloImp->currentText());
  c.nomeArq = textoqt::deQString(E_nomeArq->text());
  c.enviaVazias = c_enviaLinhasVazias->isChecked();
  if (C_interponto->isEnabled()) c.interponto = C_interponto->isChecked();
  if (E_Altura->isEnabled()) c.altura = textoqt::deQString(E_Altura->text());
  if (E_linhasImp->isEnabled()) c.linhas = textoqt::deQString(E_linhasImp->text());
  if (E_ColunasImp->isEnabled()) c.colunas = textoqt::deQString(E_ColunasImp->text());
  return c;
}

void TFormConfigBrl::mostraValores() {
  CamposImpressora c = campos();
  mostraValoresImpressora(configuracao, c);
  // The model's text changes without a change event of its own here; the
  // caller runs CB_ModeloImpChange when it wants it.
  const QSignalBlocker bloqueio(CB_ModeloImp);
  CB_ModeloImp->setEditText(paraQString(c.modelo));
  E_nomeArq->setText(paraQString(c.nomeArq));
  c_enviaLinhasVazias->setChecked(c.enviaVazias);
  if (c.interponto) C_interponto->setChecked(*c.interponto);
  if (c.altura) E_Altura->setText(paraQString(*c.altura));
  if (c.linhas) E_linhasImp->setText(paraQString(*c.linhas));
  if (c.colunas) E_ColunasImp->setText(paraQString(*c.colunas));
}

bool TFormConfigBrl::guardaValores() {
  // An output name made of "?" would be another file.
  if (!textoqt::cabeEm1252(E_nomeArq->text())) {
    plataforma::mostraNomeRecusado(E_nomeArq->text().toStdString());
    return false;
  }
  guardaValoresImpressora(campos(), configuracao);
  return true;
}

void TFormConfigBrl::BotOKClick() {
  if (!guardaValores()) return;
  gravaSecaoImpressora();
  hide();
}

void TFormConfigBrl::BotProgrameClick() {
  // The channel is the print job's: one user at a time.
  if (trabalhoImpressaoAtivo()) {
    plataforma::mostraMensagem(std::string(mensagemDuasListagens));
    return;
  }
  if (!guardaValores()) return;
  hide();
  // Writes the section itself before it sends anything.
  programaImpressoraRemota(configuracao);
}

void TFormConfigBrl::CB_ModeloImpChange() {
  E_Altura->setEnabled(false);
  E_linhasImp->setEnabled(false);
  if (!modeloMantemInterponto(textoqt::deQString(CB_ModeloImp->currentText())))
    C_interponto->setChecked(false);
  C_interponto->setEnabled(false);
}

void TFormConfigBrl::botaoRadioLPT1Click() { E_nomeArq->setText(botaoRadioLPT1->text()); }
void TFormConfigBrl::botaoRadioLPT2Click() { E_nomeArq->setText(botaoRadioLPT2->text()); }
void TFormConfigBrl::botaoRadioLPT3Click() { E_nomeArq->setText(botaoRadioLPT3->text()); }
void TFormConfigBrl::botaoRadioCOM1Click() { E_nomeArq->setText(botaoRadioCOM1->text()); }
void TFormConfigBrl::botaoRadioCOM2Click() { E_nomeArq->setText(botaoRadioCOM2->text()); }
void TFormConfigBrl::botaoRadioPRNClick() { E_nomeArq->setText(botaoRadioPRN->text()); }

void TFormConfigBrl::botaoRadioRedeClick() {
  plataforma::mostraMensagem(std::string(avisoImpressoraRede));
  E_nomeArq->setText(QString::fromLatin1(nomeImpressoraRede));
}

void TFormConfigBrl::botaoRadioArquivoClick() { E_nomeArq->setText(paraQString(configuracao.NomeArq)); }

void TFormConfigBrl::selArqBtnClick() {
  const auto nome = plataforma::servicoMensagens().nomeArquivoSalvar("", "", filtroArquivoImpressora);
  if (!nome) return;
  botaoRadioArquivo->setChecked(true);
  botaoRadioArquivoClick();
  // Taken at once: closing the window by its frame keeps it.
  configuracao.NomeArq = *nome;
  botaoRadioArquivoClick();
}
