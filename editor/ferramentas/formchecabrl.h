// "Braille gerado": one draft line of the preview three ways — as cells, read
// back into text, and as the printer-code bytes under a column ruler. The
// preview fills it with mostraLinha and shows it modally.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "brvisual.h"

class TformChecaBrl : public QDialog {
 public:
  explicit TformChecaBrl(QWidget* pai = nullptr);

  QLabel* l_braille;
  QLineEdit* e_reversao;
  QLabel* Label2;
  QLineEdit* e_braille;
  QPushButton* Button1;

  // The pass that made the line: its printer table and code.
  EstadoPassoVisual estado;
  // Printer-code bytes, trailing blanks removed.
  std::string linha;

  void mostraLinha(const std::string& linha, const EstadoPassoVisual& estado);

  // Handlers.
  void FormShow();
  void Button1Click();
  // Escape in either field closes the window; true when the key was taken.
  bool e_brailleKeyPress(int tecla);

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* alvo, QEvent* e) override;
};

extern TformChecaBrl* formChecaBrl;
