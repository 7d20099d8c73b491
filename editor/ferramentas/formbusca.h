// The find and replace dialogs of the editor: their texts and options, and
// hooks for their buttons, which the main window sets. The search itself is
// the main window's (edicao.h); these hold no document.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "edicao.h"

// A line edit that takes only characters a document can hold.
QLineEdit* campoTexto1252(QWidget* pai);

// Finds downwards only: the text and match case; closed by its find button.
class TFindDialog : public QDialog {
 public:
  explicit TFindDialog(QWidget* pai = nullptr);

  QLineEdit* E_texto;
  QCheckBox* cb_maiusculas;
  QPushButton* b_localiza;
  QPushButton* b_cancela;

  std::string texto() const;
  bool diferenciaMaiusculas() const { return cb_maiusculas->isChecked(); }

  // The find button.
  std::function<void()> aoLocalizar;
};

// Stays open while the user finds and replaces: match case and whole word.
class TReplaceDialog : public QDialog {
 public:
  explicit TReplaceDialog(QWidget* pai = nullptr);

  QLineEdit* E_texto;
  QLineEdit* E_substituto;
  QCheckBox* cb_palavraInteira;
  QCheckBox* cb_maiusculas;
  QPushButton* b_localiza;
  QPushButton* b_substitui;
  QPushButton* b_substituiTodas;
  QPushButton* b_cancela;

  std::string texto() const;
  std::string substituto() const;
  bool diferenciaMaiusculas() const { return cb_maiusculas->isChecked(); }
  bool palavraInteira() const { return cb_palavraInteira->isChecked(); }
  OpcoesBusca opcoes() const { return {diferenciaMaiusculas(), palavraInteira()}; }

  std::function<void()> aoLocalizar;
  std::function<void()> aoSubstituir;
  std::function<void()> aoSubstituirTodas;
};
