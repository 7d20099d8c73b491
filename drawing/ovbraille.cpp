#include "ovbraille.h"

#include <cstdint>

#include "arquivos.h"
#include "brcodigo.h"
#include "brunif.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"
#include "ovtelavirt.h"
#include "ovvars.h"

namespace orvento {

TTabelaBraille tabBraille{};
bool tabBrailleCarregada = false;

namespace {

constexpr int limiteTela = 300;  // last dot of the canvas, both ways
constexpr std::size_t pontosCelula = 6;

struct Deslocamento {
  int dx, dy;
};

// Per direction: the offsets of dots 1..6 from dot 3, then the step to the
// next cell, all at size 1.
constexpr Deslocamento deslocBraille[3][pontosCelula + 1] = {
    {{0, -2}, {0, -1}, {0, 0}, {1, -2}, {1, -1}, {1, 0}, {3, 0}},
    {{-2, 0}, {-1, 0}, {0, 0}, {-2, -1}, {-1, -1}, {0, -1}, {0, -3}},
    {{2, 0}, {1, 0}, {0, 0}, {2, 1}, {1, 1}, {0, 1}, {0, 3}},
};

// The mask of a line that is neither empty nor a comment; -1 for a bad line.
int mascaraDaLinha(std::string_view linha, unsigned char& codigo) {
  // A single character names no code at all: it is as bad as a short dot
  // part.
  if (linha.size() < 2 || !ehDigitoHex(linha[0]) || !ehDigitoHex(linha[1])) return -1;
  codigo = hexParaByte(linha[0], linha[1]);
  std::string_view pontos = linha.substr(2);
  while (!pontos.empty() && (pontos.front() == '=' || pontos.front() == ' '))
    pontos.remove_prefix(1);
  if (pontos.size() != pontosCelula) return -1;
  int mascara = 0;
  for (std::size_t k = 0; k < pontosCelula; ++k) {
    if (pontos[k] == '1') mascara |= 1 << k;
    else if (pontos[k] != '0') return -1;
  }
  return mascara;
}

// Once a cell's anchor lies past the canvas in the direction of writing, no
// dot of it or of any later cell can land: dot 3 is the cell's last column
// going right, its lowest row going up and its highest row going down.
bool celulaAlemDaTela(std::int64_t x, std::int64_t y, int direcao) {
  switch (direcao) {
    case brailleDireita: return x > limiteTela;
    case brailleCima: return y < 0;
    default: return y > limiteTela;
  }
}

}  // namespace

std::size_t leTabelaBraille(std::string_view conteudo, TTabelaBraille& tabela) {
  tabela.fill(0);
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal)) {
    const std::string_view linha = l.texto;
    if (linha.empty() || linha.front() == '*') continue;
    unsigned char codigo = 0;
    const int mascara = mascaraDaLinha(linha, codigo);
    if (mascara < 0) {
      // Half a table would draw some cells wrong without a word: none at all.
      tabela.fill(0);
      return l.numero;
    }
    tabela[codigo] = static_cast<unsigned char>(mascara);
  }
  return 0;
}

void carregaTabelaBraille() {
  if (tabBrailleCarregada) return;
  tabBraille.fill(0);
  std::string conteudo;
  if (!plataforma::leArquivo(dirAtual + std::string(nomeArqBraille), conteudo)) {
    plataforma::mostraMensagem("Arquivo nodrix.amb não foi encontrado"_cp);
    return;
  }
  // A bad line leaves the table unloaded, as a missing file does: the drawing
  // is worth more than the Braille tool, so the program carries on.
  if (const std::size_t linha = leTabelaBraille(conteudo, tabBraille); linha != 0) {
    plataforma::mostraMensagem("Erro em Nodrix.amb na linha " + std::to_string(linha));
    return;
  }
  tabBrailleCarregada = true;
}

void reiniciaTabelaBraille() {
  tabBraille.fill(0);
  tabBrailleCarregada = false;
}

std::string traduzParaBraille(std::string_view texto) {
  std::string s = traduzUnificadoDesenho(texto);
  for (auto& b : s) b = static_cast<char>(tabAmbCode[static_cast<unsigned char>(b)]);
  return s;
}

bool desenhaCelulasBraille(std::string_view codigos, int x, int y, int direcao, int tamanho) {
  if (direcao < brailleDireita || direcao > brailleBaixo || tamanho < 1 || tamanho > 3)
    return false;
  const auto& desloc = deslocBraille[direcao];
  // Wide arithmetic: a far-away anchor or a long text must not overflow.
  std::int64_t ax = x, ay = y;
  for (const unsigned char b : codigos) {
    if (celulaAlemDaTela(ax, ay, direcao)) break;
    const unsigned char mascara = tabBraille[b];
    for (std::size_t k = 0; k < pontosCelula; ++k) {
      if ((mascara & (1u << k)) == 0) continue;
      const std::int64_t px = ax + std::int64_t{desloc[k].dx} * tamanho;
      const std::int64_t py = ay + std::int64_t{desloc[k].dy} * tamanho;
      // plotaPonto writes nothing for a point off the canvas.
      if (px < 0 || py < 0 || px > limiteTela || py > limiteTela) continue;
      plotaPonto(static_cast<int>(px), static_cast<int>(py), 1);
    }
    ax += std::int64_t{desloc[pontosCelula].dx} * tamanho;
    ay += std::int64_t{desloc[pontosCelula].dy} * tamanho;
  }
  return true;
}

bool desenhaBraille(std::string_view texto, int x, int y, int direcao, int indiceTamanho) {
  if (indiceTamanho < 0 || indiceTamanho > 2) return false;
  return desenhaCelulasBraille(traduzParaBraille(texto), x, y, direcao, indiceTamanho + 1);
}

}  // namespace orvento
