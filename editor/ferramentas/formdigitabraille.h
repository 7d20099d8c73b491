// The six-key window: while it is up, the keyboard types Braille cells into
// the editor (perkins.h). It takes every key, Tab and Escape included.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "perkins.h"

class QKeyEvent;

class TFormDigitaBraille : public QDialog {
 public:
  explicit TFormDigitaBraille(QWidget* pai = nullptr);

  // Set by the main window: types Windows-1252 text over the editor's
  // selection, and hands a Qt key (Backspace, Enter) to the editor.
  std::function<void(const std::string&)> insereTexto;
  std::function<void(int qtKey)> enviaTeclaEditor;

  TecladoPerkins teclado;

  void FormActivate();
  void FormKeyDown(QKeyEvent* e);
  void FormKeyUp(QKeyEvent* e);

  // The key as the chord logic sees it.
  static Tecla teclaDe(const QKeyEvent& e);

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
};

extern TFormDigitaBraille* FormDigitaBraille;
