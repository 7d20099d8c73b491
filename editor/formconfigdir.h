// "Configuração dos diretórios": the draft file, the printer code tables, the
// drawing program's dot table and the three programs the editor starts
// (section LUMAREL). Created hidden at start, when it reads the paths against
// the current directory and loads the printer code table they name, so that a
// missing table is reported then. Stays on top while shown.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

class TFormConfigDir : public QDialog {
 public:
  explicit TFormConfigDir(QWidget* pai = nullptr);

  QLineEdit *E_arqTrab, *E_amBCode, *E_amBCode2, *E_grafBraille, *E_tdesen, *E_Selvra, *E_kavrin;
  QPushButton* Button1;  // "O&K"
  QPushButton* Button2;  // "Torna isso &Padrão"

  // The paths, their defaults against the current directory.
  void FormCreate();
  // The paths into the boxes, then the printer code table.
  void mostraValores();
  // The boxes into the paths as typed, then the printer code table. False,
  // after the refusal box, when a box holds a character the code page lacks:
  // no path is taken then.
  bool guardaValores();
  void Button1Click();
  void Button2Click();

 private:
  // The boxes in the order of caminhosConfiguracao.
  std::array<QLineEdit*, 7> campos() const;
};

extern TFormConfigDir* FormConfigDir;
