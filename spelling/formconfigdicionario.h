// "Configuração do dicionário": the names of the five dictionary files.
// "OK" takes them for this session, "Torna padrão" also writes them to
// LUMAREL.INI. New names count from the next load of the dictionary.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TformConfigDicionario : public QDialog {
 public:
  explicit TformConfigDicionario(QWidget* pai = nullptr);

  QLineEdit* e_dic;
  QLineEdit* e_suf;
  QLineEdit* e_exc;
  QLineEdit* e_nom;
  QLineEdit* e_sug;
  QPushButton* b_ok;
  QPushButton* b_padrao;

  // Handlers. FormCreate runs in the constructor (it reads section
  // DICIONARIO); FormActivate runs before every showing.
  void FormCreate();
  void FormActivate();
  void leCampos();
  void b_okClick();
  void b_padraoClick();
};

extern TformConfigDicionario* formConfigDicionario;
