// "Assistente para configuração de tabelas": the column count and the styles
// of the frame and the separators of the table "Gerar" lays out from the
// selected lines (tabela.h). Created hidden once and shown modally by
// "Texto para &Tabela"; the radio groups keep the last choice.
#pragma once

#include "gruporadio.h"
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "linhaseditor.h"
#include "tabela.h"

class TformConfTabela : public QDialog {
 public:
  // A titled group of radio buttons, one of them checked: its index is the
  // choice.
  explicit TformConfTabela(QWidget* pai = nullptr);

  QLineEdit* e_NumColunas;
  GrupoRadio* r_estilo_moldura;
  GrupoRadio* r_estilo_separ;
  QPushButton* b_gerar;
  QPushButton* b_cancelar;

  // The editor the table goes into, and what the main window does after the
  // table went in; the main window sets both.
  std::function<LinhasEditor*()> editor;
  std::function<void()> aposComando;

  // The choices as they stand (the column count 0 when the box holds none
  // from 1 to maxColunasTabela).
  OpcoesTabela opcoes() const;

  // "Gerar": with no valid column count nothing happens and the window stays
  // open; else the table is made (nothing, after the translator's message,
  // when a translation fails, or after a warning when the table is wider
  // than the Braille line) and the window closes.
  void b_gerarClick();
};

extern TformConfTabela* formConfTabela;
