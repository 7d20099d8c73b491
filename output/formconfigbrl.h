// "Configuração da Impressora Braille": the embosser model, the output name and
// whether empty lines are sent (section IMPBRAILLE, brcnfprt.h). Created hidden
// at start, when it loads the section; shown by the main window's menu, it
// stays on top until "&OK" takes and writes the values.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "brcnfprt.h"

class TFormConfigBrl : public QDialog {
 public:
  explicit TFormConfigBrl(QWidget* pai = nullptr);

  QLabel* Label2;
  QComboBox* CB_ModeloImp;
  QGroupBox* GroupBox1;
  QRadioButton *botaoRadioLPT1, *botaoRadioLPT2, *botaoRadioLPT3, *botaoRadioCOM1,
      *botaoRadioCOM2, *botaoRadioPRN, *botaoRadioRede, *botaoRadioArquivo;
  QLabel* Label5;
  QLineEdit* E_nomeArq;
  QToolButton* selArqBtn;
  QCheckBox* c_enviaLinhasVazias;
  QPushButton* BotOK;
  // Hidden and disabled: their settings go back to the file unchanged.
  QLabel *Label1, *Label3, *Label4;
  QLineEdit *E_Altura, *E_linhasImp, *E_ColunasImp;
  QCheckBox* C_interponto;
  QPushButton* BotPrograme;
  QLabel* Avixo;

  void FormCreate();
  // Section IMPBRAILLE into the settings and the controls; also after a saved
  // configuration was copied over the file.
  void leIni();
  void mostraValores();
  // Controls -> settings. False, after the refusal box, when the output name
  // holds a character the code page lacks: nothing is taken then.
  bool guardaValores();
  // Takes the values, writes the section and hides the window (a name that
  // is refused leaves it open).
  void BotOKClick();
  // Remote programming of the page format (refused while a print job runs).
  void BotProgrameClick();
  void CB_ModeloImpChange();
  void botaoRadioLPT1Click();
  void botaoRadioLPT2Click();
  void botaoRadioLPT3Click();
  void botaoRadioCOM1Click();
  void botaoRadioCOM2Click();
  void botaoRadioPRNClick();
  void botaoRadioRedeClick();
  void botaoRadioArquivoClick();
  void selArqBtnClick();

 private:
  CamposImpressora campos() const;
};

extern TFormConfigBrl* FormConfigBrl;
