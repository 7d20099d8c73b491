// The macro window: the macro file's name and the button that expands the
// codes of the selected lines (macros.h). Not modal: it stays beside the
// editor until it has run.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "linhaseditor.h"
#include "macros.h"

class TformMacro : public QDialog {
 public:
  explicit TformMacro(QWidget* pai = nullptr);

  // Set by the main window: its lines (nullptr: none), and what follows a
  // change to them.
  std::function<LinhasEditor*()> editor;
  std::function<void()> aposComando;

  QLabel* Label1;
  QLineEdit* E_arqmacro;
  QPushButton* Button1;

  // The stored name of the macro file into the box, replacing what was typed.
  void FormActivate();
  // "Processe o texto selecionado".
  void Button1Click();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  // Refilled at every run; kept until the program ends.
  TabelaMacros tabela_;
};

extern TformMacro* formMacro;
