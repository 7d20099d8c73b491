// Typing Braille on the keyboard as on a six-key Braille writer: F D S are
// dots 1 2 3 and J K L dots 4 5 6 (the keypad's 1-4-7, 2-5-8 and 3-6-9 columns
// stand for J K L too). The keys pressed together make one cell, typed when
// the last of them is released. No widget: the window hands over its keys and
// does what comes back.
#pragma once

#include <string>

enum class TipoTecla { caractere, espaco, enter, backspace, escape, f11, outra };

struct Tecla {
  TipoTecla tipo = TipoTecla::outra;
  char caractere = 0;     // a letter (either case) or digit, for TipoTecla::caractere
  bool numerico = false;  // from the numeric keypad
};

struct AcaoPerkins {
  enum Tipo { nada, insere, fecha, enviaAoEditor };
  Tipo tipo = nada;
  std::string texto;  // what insere types (Windows-1252)
};

class TecladoPerkins {
 public:
  int mascaraPerkins = 0;  // the chord's dots: dot 1 = 1 .. dot 6 = 32
  int teclasPerkins = 0;   // dot keys held down

  // The window came up: no chord.
  void ativa();
  // A key went down (an auto-repeated press too). Escape or F11 close the
  // window, space is typed at once; both abandon the chord, as does any key
  // that is no dot. A dot already in the chord (its key repeating) clears it.
  AcaoPerkins pressiona(const Tecla& tecla);
  // A key came up; `repetida` when it is part of an auto-repeat, which is
  // ignored (some systems send a release before each repeated press).
  // Backspace and Enter go to the editor. The release of the last dot key
  // types the chord's cell in the old or the unified code.
  AcaoPerkins solta(const Tecla& tecla, bool repetida, bool brailleAntigo);

  // The dot mask of a key (0 when it is no dot key).
  static int ponto(const Tecla& tecla);
};
