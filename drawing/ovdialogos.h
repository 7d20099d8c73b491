// The drawing program's three dialogs, each created once so that its texts
// and choices persist: the print text (formTexto) and the Braille text
// (formBraille) of the text tools, and the brailization of the model picture
// (formBrailizar). The drawing itself is done by the functions they call.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "gruporadio.h"
#include "ovbrailizar.h"

// The model picture as the brailization reads it.
class FonteImagem : public orvento::FontePixels {
 public:
  explicit FonteImagem(const QImage& imagem) : imagem_(imagem) {}
  int largura() const override { return imagem_.width(); }
  int altura() const override { return imagem_.height(); }
  orvento::CorRGB cor(int x, int y) const override;

 private:
  const QImage& imagem_;
};

// Writes the text at the pressed dot (x0, y0) when "&Transcrever" is pressed.
class TformTexto : public QDialog {
 public:
  explicit TformTexto(QWidget* pai = nullptr);
  QLineEdit* e_texto;
  GrupoRadio* r_direcao;
  QPushButton* b_transcrever;
  QPushButton* b_cancelar;

  int x0 = 0, y0 = 0;
  bool transcreveu = false;  // the last showing drew its text

  void b_transcreverClick();
  void b_cancelarClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

class TformBraille : public QDialog {
 public:
  explicit TformBraille(QWidget* pai = nullptr);
  QLineEdit* e_braille;
  GrupoRadio* r_braille;
  GrupoRadio* r_direcao;
  QPushButton* b_transcrever;
  QPushButton* b_cancelar;

  int x0 = 0, y0 = 0;
  bool transcreveu = false;

  void FormActivate();
  void b_transcreverClick();
  void b_cancelarClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

class TformBrailizar : public QDialog {
 public:
  explicit TformBrailizar(QWidget* pai = nullptr);
  GrupoRadio* tipo;  // "&Alto contraste", "Espalhamento uniforme", "Não uniforme"
  QCheckBox* C_sobrepor;
  QLabel* l_contraste;
  QScrollBar* S_contraste;
  QPushButton* B_OK;
  QPushButton* B_Cancelar;

  // The picture to convert; the window sets it before showing the dialog.
  const QImage* modelo = nullptr;

  void B_OKClick();
  void B_CancelarClick();
};

extern TformTexto* formTexto;
extern TformBraille* formBraille;
extern TformBrailizar* formBrailizar;
