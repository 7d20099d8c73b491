#include "brtraduz.h"

#include <algorithm>

#include "brantigo.h"
#include "brunif.h"
#include "brvars.h"

namespace {
// Texts copied from web pages indent and separate words with it. Braille
// has no such cell: it is a blank there, and lines may break at it.
constexpr char espacoInquebravel = '\xA0';

// Until a pass sets it, the width is that of a line of the default settings.
int larguraInicial() { return TConfiguracao{}.maxCarac; }
}  // namespace

bool semTraducao = false;
int larguraUtil = larguraInicial();

void traduzTexto(std::string_view texto, std::string& resultado) {
  if (semTraducao) {
    // assign copes with a text that lies inside resultado itself.
    if (texto.data() != resultado.data() || texto.size() != resultado.size())
      resultado.assign(texto.data(), texto.size());
    return;
  }
  std::string semInquebraveis;
  if (texto.find(espacoInquebravel) != std::string_view::npos) {
    semInquebraveis.assign(texto.data(), texto.size());
    trocaEspacosInquebraveis(semInquebraveis);
    texto = semInquebraveis;
  }
  if (configuracao.brailleAntigo)
    traduzAntigo(texto, resultado);
  else
    traduzUnificado(texto, resultado);
}

int larguraLinha() { return larguraUtil; }

void expandeTabs(std::string& texto) {
  const auto tabs = static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\t'));
  if (tabs == 0) return;
  std::string r;
  r.reserve(texto.size() + tabs);
  for (const char c : texto) {
    if (c == '\t')
      r.append(2, ' ');
    else
      r.push_back(c);
  }
  texto = std::move(r);
}

void trocaEspacosInquebraveis(std::string& texto) {
  std::replace(texto.begin(), texto.end(), espacoInquebravel, ' ');
}

void reiniciaTraducaoTexto() {
  semTraducao = false;
  larguraUtil = larguraInicial();
}
