// The Braille preview window: the draft of the whole document, line by line
// in Braille cells, the page and line of the selected line, page jumps, the
// way back to the document line, annotations, the column ruler while a mouse
// button is held, and the doors to the line check and the page-as-dots view.
// The behaviour lives in brvisual.h; this window reads its components, calls
// it and shows the result.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "brvisual.h"
#include "mensagens.h"

class TFormVisual;

// The list's rows: the preview's lines, drawn by DelegadoVisual.
class ModeloListaVisual : public QAbstractListModel {
 public:
  explicit ModeloListaVisual(const std::vector<std::string>& linhas, QObject* pai = nullptr);
  int rowCount(const QModelIndex& pai = QModelIndex()) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  // The whole list changed, or one line of it.
  void recarrega();
  void linhaMudou(int i);

 private:
  const std::vector<std::string>& linhas_;
};

// Owner drawing of a line: its printer-code bytes as Braille cells (the
// Braille font) or as Windows-1252 text (any other font), at the fixed item
// height, clipped to the row.
class DelegadoVisual : public QStyledItemDelegate {
 public:
  explicit DelegadoVisual(TFormVisual& janela);
  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
  QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;

 private:
  TFormVisual& janela_;
};

// The list: its mouse buttons and keys go to the window's handlers.
class TListaVisual : public QListView {
 public:
  explicit TListaVisual(TFormVisual& janela, QWidget* pai);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TFormVisual& janela_;
};

class TFormVisual : public QMainWindow {
 public:
  explicit TFormVisual(QWidget* pai = nullptr);
  ~TFormVisual() override;

  // Components.
  TListaVisual* ListBoxVisual;
  ModeloListaVisual* modeloLista;
  QPushButton* b_pagLin;
  QMenuBar* MainMenu1;
  plataforma::EscolhaFonte FontDialog1;
  QTimer* Timer1;
  QAction *Braille1, *Grafico1, *Transcricaografica1, *Normal1, *Pequeno1, *BrailleTevra1,
      *SymBraille1, *Conferir1, *IrAoOriginal1, *InformarPgina1, *Proximapgina1, *Anterior1,
      *Anotao1;
  QMenu *Tinta1, *Tamanho1, *Fonte1, *Localizarpagina1;

  // State of the window.
  TVisualizacao visual;
  std::string fonteBrailleVisual = fonteBrailleTevra;
  bool ativandoVisual = false;
  // How the list draws now: font name (fonteBrailleTevra: Braille cells),
  // size in points, bold, and the fixed item height in pixels.
  std::string fonteLista = fonteBrailleTevra;
  int tamanhoFonteLista = 16;
  bool negritoLista = true;
  int alturaItem = 24;

  // What the window needs of the main window; unset ones do nothing.
  std::function<int()> numeroLinhasDocumento;               // the editor's line count
  std::function<void(int, int)> irParaLinhaColuna;          // caret to line, column (from 0)
  std::function<void(int, const std::string&)> insereLinhaDocumento;  // new line before index
  // The line check window with a draft line (trailing blanks removed), and
  // the page-as-dots view with the list's lines and the selected index, both
  // with the state of the pass that made the draft; the page-as-dots view
  // also closes with the preview. Without them "&Conferir" and "&Gráfico"
  // stay off.
  std::function<void(const std::string&, const EstadoPassoVisual&)> conferirLinhaBraille;
  std::function<void(const std::vector<std::string>&, int, const EstadoPassoVisual&)> mostraPaginaPontos;
  std::function<void()> fechaPaginaPontos;

  // "&Visualizar" of the main window, after the draft was written: takes
  // the draft, mapaLinhas and linhaRascunhoCursor, shows the window and gives
  // it the focus.
  void mostraVisualizacao();

  // Handlers.
  void FormCreate();
  void FormActivate();
  bool FormClose();  // false: closing refused
  // Keys of the list and of the window; true when the key was used here,
  // false when the list keeps its own behaviour for it.
  bool ListBoxVisualKeyDown(QKeyEvent* e);
  void ListBoxVisualMouseDown(Qt::MouseButton botao);
  void ListBoxVisualMouseUp(Qt::MouseButton botao);
  void Timer1Timer();
  void b_pagLinClick();
  void Braille1Click();
  void Grafico1Click();
  void Tinta1Click();
  void Normal1Click();
  void Pequeno1Click();
  void BrailleTevra1Click();
  void SymBraille1Click();
  void Conferir1Click();
  void IrAoOriginal1Click();
  void InformarPgina1Click();
  void Proximapgina1Click();
  void Anterior1Click();
  void Anotao1Click();

  void atualizaPagLin();
  void irParaPagina(int pagina);
  void proximaPagina();
  void paginaAnterior();
  void conferirLinha();

  // The selected line (-1: none), and selecting one (-1: none), scrolled
  // into view.
  int linhaSelecionada() const;
  void selecionaLinha(int i);
  // The first line the list shows.
  int linhaTopo() const;
  // Switches the timer on; a running timer keeps its time.
  void ligaTimer();
  // The list's font as fonteLista, tamanhoFonteLista and negritoLista say.
  void aplicaFonteLista();

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void criaMenus();
  // Runs one of the window's own short dialogs (page, annotation, font).
  // Closing it makes the window active again; that is no new showing of the
  // preview, so it must not take the selection back to the caret's line.
  template <class F>
  auto dialogoProprio(F&& pedido);
  bool ignorarAtivacao_ = false;
};

extern TFormVisual* FormVisual;

// Inserts a line into a plain-text editor before line `indice` (from 0; at
// the end when there is no such line), as one undo step.
void insereLinhaNoEditor(QPlainTextEdit* editor, int indice, const std::string& texto);
