#include "perkins.h"

#include "brcodigo.h"

namespace {

// The dot of a letter on the home row, or 0.
int pontoDaLetra(char c) {
  switch (c) {
    case 'f': case 'F': return 1;
    case 'd': case 'D': return 2;
    case 's': case 'S': return 4;
    case 'j': case 'J': return 8;
    case 'k': case 'K': return 16;
    case 'l': case 'L': return 32;
    default: return 0;
  }
}

}  // namespace

int TecladoPerkins::ponto(const Tecla& tecla) {
  if (tecla.tipo != TipoTecla::caractere) return 0;
  const char c = tecla.caractere;
  if (tecla.numerico) {
    // The keypad's columns, left to right, are J, K and L.
    if (c < '1' || c > '9') return 0;
    return 8 << ((c - '1') % 3);
  }
  return pontoDaLetra(c);
}

void TecladoPerkins::ativa() {
  mascaraPerkins = 0;
  teclasPerkins = 0;
}

AcaoPerkins TecladoPerkins::pressiona(const Tecla& tecla) {
  if (tecla.tipo == TipoTecla::escape || tecla.tipo == TipoTecla::f11) {
    ativa();
    return {AcaoPerkins::fecha, {}};
  }
  if (tecla.tipo == TipoTecla::espaco) {
    ativa();
    return {AcaoPerkins::insere, " "};
  }
  const int bit = ponto(tecla);
  if (bit == 0 || (mascaraPerkins & bit) != 0) {
    ativa();
  } else {
    ++teclasPerkins;
    mascaraPerkins |= bit;
  }
  return {};
}

AcaoPerkins TecladoPerkins::solta(const Tecla& tecla, bool repetida, bool brailleAntigo) {
  if (repetida) return {};
  if (tecla.tipo == TipoTecla::backspace || tecla.tipo == TipoTecla::enter)
    return {AcaoPerkins::enviaAoEditor, {}};
  if (ponto(tecla) == 0) return {};
  // A release with no press before it (the key went down in another window)
  // still types the chord as it stands.
  if (--teclasPerkins > 0) return {};
  const auto& tabela = brailleAntigo ? pontosParaBrailleAntigo : pontosParaBrailleUnificado;
  AcaoPerkins acao{AcaoPerkins::insere,
                   std::string(1, static_cast<char>(tabela[mascaraPerkins & 63]))};
  ativa();
  return acao;
}
