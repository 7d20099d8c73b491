// "Configuração do Lumarel": the nineteen program parameters of section LUMAREL
// (brconfig.h). Created hidden at start, when it loads the section; "O&K"
// takes the values for the running program, "Torna isso &Padrão" also writes
// them. It stays on top while shown.
#pragma once

#include "gruporadio.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <string_view>
#include <vector>

#include "brconfig.h"

class TFormConfig : public QDialog {
 public:
  // A titled group of radio buttons whose index is the choice; -1 (or any
  // index it has no item for) checks none.
  explicit TFormConfig(QWidget* pai = nullptr);

  QRadioButton *R_american, *R_Unificado;
  QLineEdit *E_Linhas, *E_Colunas;
  QCheckBox *C_AutoFormata, *C_FrenteVerso, *C_SoFrenteInterp, *C_separaSilabas, *C_Ingles,
      *C_cabecIngles;
  QLineEdit* E_cabecalho;
  QCheckBox *C_ComNumeracao, *C_numOriginal, *C_elimBrancas;
  QRadioButton *R_Frente, *R_Ambos, *R_SemCabec;
  QCheckBox* C_afastaCabPar;
  QLineEdit *E_margemImpar, *E_margemPar;
  GrupoRadio* R_Numeracao;
  GrupoRadio* r_tratGrafico;
  QPushButton *b_ok, *b_padrao;

  void FormCreate();
  // Section LUMAREL's parameters into the settings and the controls; also
  // after a saved configuration was copied over the file.
  void leIni();
  void mostraValores();
  // Controls -> settings, then the printer code table of the chosen code.
  void guardaValores();
  void b_okClick();
  void b_padraoClick();
  void R_AmbosClick();
  void R_FrenteClick();
  void R_SemCabecClick();
  void C_FrenteVersoClick();
  void r_tratGraficoClick();
};

extern TFormConfig* FormConfig;
