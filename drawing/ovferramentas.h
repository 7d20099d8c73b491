// The drawing window's tools without the widgets: what a mouse press, move,
// release or double click and the keyboard cursor do in each tool mode. The
// window forwards its events here and implements JanelaFerramentas to show
// the feedback; the dots go to tela through the primitives of ovtelavirt.
// Coordinates are pixels of the drawing area, tamPonto per dot; they may lie
// outside it while a button is held.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvento {

// What the tools ask of the window. The rubber band is drawn in an inverting
// layer: drawing the same figure twice removes it.
class JanelaFerramentas {
 public:
  enum class Elastico { Linha, Retangulo };
  virtual ~JanelaFerramentas() = default;
  virtual void desenhaElastico(Elastico tipo, int x1, int y1, int x2, int y2) = 0;
  // Repaint the window (this also wipes the rubber band).
  virtual void redesenha() {}
  // Redraw the overlay of grid, frame, axes and selection, and show it.
  virtual void mostraGrade() {}
  // The pointer's user coordinates for l_x and l_y.
  virtual void mostraCoordenadas(const std::string& /*x*/, const std::string& /*y*/) {}
  virtual void aviso(const std::string& /*texto*/) {}
  // The keyboard put the pointer here; the window moves the screen pointer.
  virtual void posicionaPonteiro(int /*x*/, int /*y*/) {}
  // Modes 11 and 12: the text dialogs drawing at the pressed pixel.
  virtual void abreDialogoTexto(int /*modo*/, int /*x*/, int /*y*/) {}
};

// Modificador: Ctrl, Shift, Alt and their kin pressed alone. They only begin
// a shortcut, which acts wherever the pointer is: they are no key here.
enum class Tecla { Enter, Insert, Delete, Esquerda, Direita, Cima, Baixo, Outra, Modificador };

class FerramentasDesenho {
 public:
  explicit FerramentasDesenho(JanelaFerramentas& janela) : janela_(janela) {}

  int modoFerramenta = 2;
  bool desenhando = false;
  int pressX = 0, pressY = 0;
  int curX = 0, curY = 0;
  // The pointer the window keeps: mouse events update it, keys move it.
  int ponteiroX = 0, ponteiroY = 0;

  static constexpr int limiteCursor = 120;  // keyboard cursor bound, dots
  static constexpr const char* avisoCursorFora = "Cursor fora da tela, foi reposicionado";

  void escolheModo(int modo);
  void pressiona(int x, int y, bool botaoEsquerdo);
  void move(int x, int y);
  void solta(int x, int y);
  // A double click arrives in place of the second press: the press runs
  // first, then the curve is finished.
  void duploClique(int x, int y, bool botaoEsquerdo = true);
  // A key, with the pointer at ponteiroX, ponteiroY. The keyboard draws and
  // steps only from a pointer on the drawing area (naArea); from elsewhere
  // (the tool panel, the menus, another window) the key does nothing but
  // bring the pointer to the nearest dot inside the bound, with the notice.
  void tecla(Tecla t, bool shift = false, bool ctrl = false, bool naArea = true);
  // No mouse button is down on the drawing area any more, though no release
  // came (a modal window took it, the window lost the focus): a figure the
  // mouse began is dropped with its rubber band. One begun from the keyboard
  // goes on until Enter.
  void botaoSolto();

  // "&Digitar X, Y": the typed user coordinates put the pointer on the top
  // left pixel of their dot; unreadable ones leave it where it is.
  void digitaXY(std::string_view texto);
  // "&Localiza X, Y atual": "Coordenadas " and the pointer's user coordinates.
  std::string coordenadasAtuais() const;

  // User coordinates of the pixel's dot, "." and up to 15 significant digits.
  static std::pair<std::string, std::string> leituraCoordenadas(int x, int y);

  // Two numbers separated by a blank ("," or "." as the decimal point); on
  // failure the notice says why and nothing is returned.
  static std::optional<std::pair<double, double>> leXY(std::string_view texto);
  // The same, each rounded to the nearest integer (halves to even) and
  // limited to what an int holds.
  static std::optional<std::pair<int, int>> leXYInteiro(std::string_view texto);

 private:
  void terminaCurva();
  JanelaFerramentas& janela_;
  bool figuraDoTeclado_ = false;  // the figure in hand began with Insert, Delete or Enter
};

}  // namespace orvento
