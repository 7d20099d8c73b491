// The page-as-dots view: the preview page that holds the selected draft line,
// drawn by brvigraf.h. Page Down and Page Up move the preview's selection a
// page and draw the new page; a click or Esc closes the window.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "brvigraf.h"
#include "brvisual.h"

class TformVisualGraf : public QWidget {
 public:
  explicit TformVisualGraf(QWidget* pai = nullptr);

  QLabel* Image1;
  QImage imagem;  // what Image1 shows

  // The preview's lines, the selected one and the state of its pass.
  std::vector<std::string> linhasVisualGraf;
  int linhaInicialVisualGraf = 0;
  EstadoPassoVisual estado;

  // The preview's selection moved a page down or up; the new selected index.
  // Unset ones leave the page as it is.
  std::function<int()> proximaPagina;
  std::function<int()> paginaAnterior;

  // Shows the page of line `indice` (not modal), in front; an open window
  // draws the new page.
  void mostraPagina(const std::vector<std::string>& linhas, int indice, const EstadoPassoVisual& e);

  void FormShow();
  void desenhaPagina();
  void Image1Click();
  void FormKeyUp(QKeyEvent* e);

 protected:
  void showEvent(QShowEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

 private:
  ImagemPontos raster_;
};

extern TformVisualGraf* formVisualGraf;
