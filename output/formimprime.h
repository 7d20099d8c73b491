// The print dialog: page range, copies, number of the first Braille page and
// the output name. It stays open beside the main window until its print
// button starts a job (brprint.h) and hides it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class TFormImprime : public QWidget {
 public:
  explicit TFormImprime(QWidget* pai = nullptr);

  QLineEdit* E_paginic;     // first page, "1"
  QLineEdit* E_pagfinal;    // last page, "9999"
  QLineEdit* E_numCopias;   // copies, "1"
  QLineEdit* E_NumPag1;     // number of the first page, "1"
  QLineEdit* E_nomeArqPrt;  // output name, from NomeArq at each show
  QToolButton* selArqBtn;   // chooses an output file
  QPushButton* b_imprime;   // "Imprima !"
  QPushButton* b_config_br; // "Configure": starts the job as well

  // The document to print (the editor's lines); the main window sets it.
  std::function<std::vector<std::string>()> linhasDocumento;

  void FormShow();
  void selArqBtnClick();
  void FileNameClick();
  void b_imprimeClick();

 protected:
  void showEvent(QShowEvent* evento) override;
};

extern TFormImprime* FormImprime;

// The filter of the output-file dialog.
inline constexpr const char* filtroArquivoSaida = "Arquivos BRL|*.BRL|Todos os arquivos|*.*";
