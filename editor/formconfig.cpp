#include "formconfig.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "brcodigo.h"
#include "cp1252.h"
#include "textoqt.h"

TFormConfig* FormConfig = nullptr;

namespace {

using textoqt::paraQString;

QCheckBox* caixa(std::string_view legenda, bool marcada, QWidget* pai) {
  auto* c = new QCheckBox(paraQString(legenda), pai);
  c->setChecked(marcada);
  return c;
}

QLineEdit* campo(const char* texto, QWidget* pai, QValidator* validador) {
  auto* e = new QLineEdit(QString::fromLatin1(texto), pai);
  e->setValidator(validador);
  return e;
}

QLabel* rotulo(std::string_view texto, QWidget* pai) {
  auto* r = new QLabel(paraQString(texto), pai);
  r->setTextFormat(Qt::PlainText);
  return r;
}

}  // namespace

TFormConfig::TFormConfig(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setWindowTitle(paraQString("Configuração do Lumarel"_cp));
  setModal(false);
  // Text the code page lacks would reach the settings as other characters.
  auto* validador = new textoqt::Validador1252(this);

  auto* codificacao = new QGroupBox(paraQString("&Codificação"_cp), this);
  R_american = new QRadioButton(QStringLiteral("Braille Antigo"), codificacao);
  R_Unificado = new QRadioButton(QStringLiteral("Braille Unificado"), codificacao);
  R_american->setChecked(true);
  auto* lc = new QVBoxLayout(codificacao);
  lc->addWidget(R_american);
  lc->addWidget(R_Unificado);

  auto* area = new QGroupBox(paraQString("Área de &impressão"_cp), this);
  E_Linhas = campo("28", area, validador);
  E_Colunas = campo("34", area, validador);
  auto* la = new QFormLayout(area);
  la->addRow(rotulo("Linhas", area), E_Linhas);
  la->addRow(rotulo("Colunas", area), E_Colunas);

  C_AutoFormata = caixa("&Auto-formata", true, this);
  C_FrenteVerso = caixa("&Interponto", true, this);
  C_SoFrenteInterp = caixa("Força impressão só frente em modo interponto"_cp, false, this);
  C_SoFrenteInterp->setEnabled(false);
  C_separaSilabas = caixa("&Separa sílabas"_cp, true, this);
  C_Ingles = caixa("Te&xto estrangeiro", false, this);
  C_cabecIngles = caixa("Cabeçalho estrangei&ro"_cp, false, this);

  auto* cabecalho = new QGroupBox(paraQString("Cabe&çalho"_cp), this);
  E_cabecalho = new QLineEdit(cabecalho);
  E_cabecalho->setValidator(validador);
  C_ComNumeracao = caixa("Com &título e numeração de páginas"_cp, true, cabecalho);
  C_numOriginal = caixa("Adiciona numeração do texto &original (se houver)"_cp, true, cabecalho);
  C_elimBrancas = caixa("&Elimina linhas brancas após o cabeçalho"_cp, true, cabecalho);
  auto* lt = new QVBoxLayout(cabecalho);
  for (QWidget* w : {static_cast<QWidget*>(E_cabecalho), static_cast<QWidget*>(C_ComNumeracao),
                     static_cast<QWidget*>(C_numOriginal), static_cast<QWidget*>(C_elimBrancas)})
    lt->addWidget(w);

  auto* local = new QGroupBox(paraQString("&Local do Cabeçalho"_cp), this);
  R_Frente = new QRadioButton(QStringLiteral("Frente"), local);
  R_Ambos = new QRadioButton(QStringLiteral("2 lados"), local);
  R_SemCabec = new QRadioButton(paraQString("Sem cabeçalho"_cp), local);
  R_Frente->setChecked(true);
  C_afastaCabPar = caixa("Afasta cabeçalho atrás"_cp, true, local);
  auto* ll = new QVBoxLayout(local);
  for (QWidget* w : {static_cast<QWidget*>(R_Frente), static_cast<QWidget*>(R_Ambos),
                     static_cast<QWidget*>(R_SemCabec), static_cast<QWidget*>(C_afastaCabPar)})
    ll->addWidget(w);

  auto* afastamento = new QGroupBox(paraQString("A&fastamento na  página"_cp), this);
  E_margemImpar = campo("0", afastamento, validador);
  E_margemPar = campo("0", afastamento, validador);
  auto* lm = new QFormLayout(afastamento);
  lm->addRow(rotulo("Ímpar"_cp, afastamento), E_margemImpar);
  lm->addRow(rotulo("Par", afastamento), E_margemPar);

  R_Numeracao = new GrupoRadio("&Numeração de páginas"_cp,
                               {"Padrão"_cp, "À direita "_cp, "Ao centro (Portugal)", "À esquerda"_cp}, 0, this);
  r_tratGrafico = new GrupoRadio("Tratamento gráfico"_cp,
                                 {"Intercala modo texto e modo gráfico "_cp, "Não imprime os gráficos"_cp,
                                  "Imprime páginas com gráficos em modo gráfico (só frente)"_cp,
                                  "Imprime tudo em modo gráfico (só frente)"_cp,
                                  "Repassa gráficos para tratamento posterior"_cp},
                                 0, this);
  b_ok = new QPushButton(QStringLiteral("O&K"), this);
  b_ok->setDefault(true);
  b_padrao = new QPushButton(paraQString("Torna isso &Padrão"_cp), this);

  auto* grade = new QGridLayout(this);
  grade->addWidget(codificacao, 0, 0);
  grade->addWidget(area, 1, 0);
  auto* caixas = new QVBoxLayout;
  for (QWidget* w : {C_AutoFormata, C_FrenteVerso, C_SoFrenteInterp, C_separaSilabas, C_Ingles, C_cabecIngles})
    caixas->addWidget(w);
  grade->addLayout(caixas, 2, 0);
  grade->addWidget(cabecalho, 0, 1, 2, 1);
  grade->addWidget(local, 2, 1);
  grade->addWidget(afastamento, 3, 0);
  grade->addWidget(R_Numeracao, 3, 1);
  grade->addWidget(r_tratGrafico, 4, 0, 1, 2);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  botoes->addWidget(b_ok);
  botoes->addWidget(b_padrao);
  grade->addLayout(botoes, 5, 0, 1, 2);

  connect(b_ok, &QPushButton::clicked, this, [this] { b_okClick(); });
  connect(b_padrao, &QPushButton::clicked, this, [this] { b_padraoClick(); });
  connect(R_Ambos, &QRadioButton::clicked, this, [this] { R_AmbosClick(); });
  connect(R_Frente, &QRadioButton::clicked, this, [this] { R_FrenteClick(); });
  connect(R_SemCabec, &QRadioButton::clicked, this, [this] { R_SemCabecClick(); });
  connect(C_FrenteVerso, &QCheckBox::clicked, this, [this] { C_FrenteVersoClick(); });
  connect(r_tratGrafico->grupo(), &QButtonGroup::idClicked, this, [this] { r_tratGraficoClick(); });
  adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
  FormCreate();
}

void TFormConfig::FormCreate() { leIni(); }

void TFormConfig::leIni() {
  leConfigPrograma();
  mostraValores();
}

void TFormConfig::mostraValores() {
  const CamposPrograma c = camposPrograma(configuracao);
  R_Numeracao->defineIndice(c.numeracao);
  (c.brailleAntigo ? R_american : R_Unificado)->setChecked(true);
  E_Linhas->setText(paraQString(c.linhas));
  E_Colunas->setText(paraQString(c.colunas));
  QRadioButton* const locais[] = {R_Frente, R_Ambos, R_SemCabec};
  locais[static_cast<int>(c.local)]->setChecked(true);
  C_afastaCabPar->setChecked(c.afastaCabPar);
  C_afastaCabPar->setEnabled(c.afastaCabParHabilitado);
  C_AutoFormata->setChecked(c.autoFormata);
  C_FrenteVerso->setChecked(c.frenteVerso);
  C_SoFrenteInterp->setChecked(c.soFrenteInterp);
  C_SoFrenteInterp->setEnabled(c.soFrenteHabilitado);
  C_separaSilabas->setChecked(c.separaSilabas);
  E_cabecalho->setText(paraQString(c.cabecalho));
  C_ComNumeracao->setChecked(c.comNumeracao);
  C_numOriginal->setChecked(c.numOriginal);
  C_elimBrancas->setChecked(c.elimBrancas);
  E_margemImpar->setText(paraQString(c.margemImpar));
  E_margemPar->setText(paraQString(c.margemPar));
  C_Ingles->setChecked(c.ingles);
  C_cabecIngles->setChecked(c.cabecIngles);
  r_tratGrafico->defineIndice(c.tratGrafico);
}

void TFormConfig::guardaValores() {
  CamposPrograma c;
  c.numeracao = R_Numeracao->indice();
  c.brailleAntigo = R_american->isChecked();
  c.linhas = textoqt::deQString(E_Linhas->text());
  c.colunas = textoqt::deQString(E_Colunas->text());
  c.local = R_SemCabec->isChecked() ? LocalCabecalho::semCabecalho
            : R_Ambos->isChecked()  ? LocalCabecalho::ambos
                                    : LocalCabecalho::frente;
  c.afastaCabPar = C_afastaCabPar->isChecked();
  c.autoFormata = C_AutoFormata->isChecked();
  c.frenteVerso = C_FrenteVerso->isChecked();
  c.soFrenteInterp = C_SoFrenteInterp->isChecked();
  c.separaSilabas = C_separaSilabas->isChecked();
  c.cabecalho = textoqt::deQString(E_cabecalho->text());
  c.comNumeracao = C_ComNumeracao->isChecked();
  c.numOriginal = C_numOriginal->isChecked();
  c.elimBrancas = C_elimBrancas->isChecked();
  c.margemImpar = textoqt::deQString(E_margemImpar->text());
  c.margemPar = textoqt::deQString(E_margemPar->text());
  c.ingles = C_Ingles->isChecked();
  c.cabecIngles = C_cabecIngles->isChecked();
  c.tratGrafico = r_tratGrafico->indice();
  guardaCamposPrograma(c, configuracao);
  // The code may have changed: its table reports itself when it is missing.
  carregaTabelaImpressora();
}

void TFormConfig::b_okClick() {
  guardaValores();
  hide();
}

void TFormConfig::b_padraoClick() {
  guardaValores();
  avisaFalhaGravacao(gravaConfigPrograma());
  hide();
}

void TFormConfig::R_AmbosClick() { C_afastaCabPar->setEnabled(true); }
void TFormConfig::R_FrenteClick() { C_afastaCabPar->setEnabled(false); }
void TFormConfig::R_SemCabecClick() { C_afastaCabPar->setEnabled(false); }

void TFormConfig::C_FrenteVersoClick() { C_SoFrenteInterp->setEnabled(!C_FrenteVerso->isChecked()); }

void TFormConfig::r_tratGraficoClick() {
  // Taken at once: closing the window by its frame keeps it.
  if (r_tratGrafico->indice() >= 0) configuracao.tipoTratGrafico = r_tratGrafico->indice();
}
