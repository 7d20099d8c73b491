// Two windows that type characters into the editor: the palette of symbols a
// keyboard lacks, and the map of every character of the code page.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <functional>
#include <string>

// A row of buttons; each types its symbol and closes the palette, except the
// diaeresis, which goes on a letter typed next.
class TFormSimb : public QDialog {
 public:
  explicit TFormSimb(QWidget* pai = nullptr);

  // Set by the main window: types Windows-1252 text over the editor's selection.
  std::function<void(const std::string&)> insereTexto;

  QToolButton* Speeddivide;
  QToolButton* Speedvezes;
  QToolButton* Speedesq;
  QToolButton* Speeddir;
  QToolButton* Speeddoislados;
  QToolButton* Speedbola;
  QToolButton* Speedtravessao;
  QToolButton* Speedangularesfecha;
  QToolButton* Speedangularesabre;
  QToolButton* Speedaspainterna;
  QToolButton* SpeedTrema;
  QToolButton* SpeedRaiz;

  void insereSimbolo(const std::string& texto);
  // The buttons whose caption is their symbol.
  void SpeedSimbolosClick(QToolButton* botao);
  // The arrows: "<:", ":>", "<:>".
  void SpeedesqClick();
  void SpeeddirClick();
  void SpeeddoisladosClick();
  // The square root: "àû".
  void SpeedRaizClick();
};

// The characters 32..255 in a grid of 16 columns; a click on a cell, or a move
// to it with the keyboard, types its character. Not modal.
class TTabCaracteres : public QDialog {
 public:
  explicit TTabCaracteres(QWidget* pai = nullptr);

  std::function<void(const std::string&)> insereTexto;

  QTableWidget* TabCarac;
  QPushButton* Button1;

  void FormActivate();
  void TabCaracSelectCell(int coluna, int linha);

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
};

extern TFormSimb* FormSimb;
extern TTabCaracteres* TabCaracteres;
