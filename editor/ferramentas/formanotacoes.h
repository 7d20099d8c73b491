// "Lista de anotações": the document's annotation lines, the first on or
// after the caret's line selected, and a jump to the one chosen. The main
// window shows it modally; the list is built again at every showing.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "linhaseditor.h"

class TformAnotacoes : public QDialog {
 public:
  explicit TformAnotacoes(QWidget* pai = nullptr);

  QListWidget* ListBox1;
  QPushButton* b_buscar;
  QPushButton* b_cancelar;

  // Set by the main window: the editor's lines and caret (nullptr: none).
  std::function<LinhasEditor*()> editor;

  // Handlers.
  void FormShow();
  void b_buscarClick();
  void b_cancelarClick();
  void ListBox1DblClick();
  // Enter searches, Escape closes; true when the key was taken.
  bool ListBox1KeyDown(int tecla);

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* alvo, QEvent* e) override;
};

extern TformAnotacoes* formAnotacoes;
