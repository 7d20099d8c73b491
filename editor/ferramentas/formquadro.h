// The window that frames the selected lines in a box (quadro.h): the type of
// box, kept between uses. Not modal; it holds no document, the main window
// hands it the editor.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "linhaseditor.h"

class TFormQuadro : public QDialog {
 public:
  explicit TFormQuadro(QWidget* pai = nullptr);

  // Set by the main window: its editor's lines (none: nothing is framed),
  // and what it refreshes after a command changed them.
  std::function<LinhasEditor*()> editor;
  std::function<void()> aposComando;

  QGroupBox* GroupBox1;
  QRadioButton* R_padrao;
  QRadioButton* R_ajuda;
  QRadioButton* R_figura;
  QPushButton* BotOk;
  QPushButton* BotCancela;

  // Frames the selection in a box of type 1..3; the tool button that asks
  // for help calls it with 2 directly.
  void criaQuadro(int tipo);
  void BotOkClick();
  void BotCancelaClick();
};

extern TFormQuadro* FormQuadro;
