// "Substituição de palavra": the word the check stopped at, its context, and
// the dictionary's suggestions in an editable list; "Substituir" takes what
// the list shows (what the user picked or typed), "Deixar" keeps the word.
// Enter presses "Deixar" while the box is empty, so that the key that goes
// on never deletes the word. Shown modally; the choice is left in
// palavraEscolhida (brortog.h).
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TformSubst : public QDialog {
 public:
  explicit TformSubst(QWidget* pai = nullptr);

  QLabel* Label1;
  QLineEdit* e_original;
  QLabel* l_frase;
  QLabel* Label2;
  QComboBox* ComboBox1;
  QPushButton* Button1;
  QPushButton* Button2;

  // Handlers. FormActivate fills the window for palavraOriginal; it runs
  // before every showing.
  void FormActivate();
  void Button1Click();
  void Button2Click();

 private:
  // "Deixar" is the default button while the box is empty, else "Substituir".
  void escolheBotaoPadrao();
};

extern TformSubst* formSubst;
