// "Configuração da margem": the editor's automatic line break while typing and
// its maximum column. Its fields show the settings each time it becomes
// active; "&OK" takes them, "&Tornar isso padrão" also writes them, "&Cancelar"
// leaves them. Stays on top while shown.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TFormConfigMargem : public QDialog {
 public:
  explicit TFormConfigMargem(QWidget* pai = nullptr);

  QLabel* Label1;
  QLineEdit* Edit1;
  QCheckBox* CheckBoxQuebra;
  QPushButton* ButtonOK;
  QPushButton* ButtonPadrao;
  QPushButton* Button1;  // "&Cancelar"

  // The settings into the fields.
  void FormActivate();
  // The fields into the settings (a column that is not a number above 0: 70).
  void leCampos();
  void ButtonOKClick();
  void ButtonPadraoClick();
  void Button1Click();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
};

extern TFormConfigMargem* FormConfigMargem;
