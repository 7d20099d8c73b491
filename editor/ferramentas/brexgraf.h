// The graphic check before a graphic line goes into the document: the .GRB
// file drawn as dots, two pixels apart, and the user's answer.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <string_view>

// The file shown and the answer (false until "Ok, confirma" is pressed).
extern std::string nomeGraficoExibido;
extern bool graficoConfirmado;

// The picture of a .GRB text: white, with dot (c, r) one black pixel at
// (2c + 1, 2r + 1); dots past the picture are left out.
inline constexpr int larguraImagemGrafico = 465;
inline constexpr int alturaImagemGrafico = 513;
void desenhaGrafico(QImage& imagem, std::string_view conteudo);

class TformExibeGraf : public QDialog {
 public:
  explicit TformExibeGraf(QWidget* pai = nullptr);

  QLabel* Image1;
  QImage imagem;  // what Image1 shows
  QPushButton* b_confirma;
  QPushButton* b_cancela;

  // Draws nomeGraficoExibido; "Arquivo " + name + " não achado" when it
  // cannot be read (the window stays, empty, and still answers).
  void FormShow();
  void b_confirmaClick();
  void b_cancelaClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TformExibeGraf* formExibeGraf;

// Shows the graphic `nome` for checking, modally; true when the user confirmed.
bool exibeGrafico(const std::string& nome);
