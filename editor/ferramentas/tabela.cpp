#include "tabela.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "brcodigo.h"
#include "brgerador.h"
#include "brvars.h"
#include "mensagens.h"

namespace {

// One kind of horizontal line, its cells as runs of six-dot strings: the left
// edge, the fill, the junction between columns under vertical bars, the
// right edge.
struct Traco {
  std::string_view esquerda, preenche, juncao, direita;
};

constexpr Traco superiorSimples{"011010010010", "010010", "010010010011010010", "010010010011"};
constexpr Traco superiorDupla{"111111110110", "110110", "110110110111110110", "110110111111"};
constexpr Traco inferiorSimples{"110010010010", "010010", "010010010110010010", "010010010110"};
constexpr Traco inferiorDupla{"111111011011", "011011", "011011011111011011", "011011111111"};
constexpr Traco divisoriaSem{"", "010010", "010010010111010010", ""};
constexpr Traco divisoriaSimples{"111010010010", "010010", "010010010111010010", "010010010111"};
constexpr Traco divisoriaDupla{"111111010010", "010010", "010010010111010010", "010010111111"};

char celula(std::string_view pontos) { return static_cast<char>(pontosParaCaractere(pontos)); }

std::string celulas(std::string_view pontos) {
  std::string r;
  for (std::size_t i = 0; i + 6 <= pontos.size(); i += 6) r += celula(pontos.substr(i, 6));
  return r;
}

bool comVerticais(EstiloSeparador s) {
  return s == EstiloSeparador::verticais || s == EstiloSeparador::verticaisHorizontais;
}

// Left edge, the columns' fills with their junctions, right edge.
std::string linhaTraco(const Traco& t, const std::vector<int>& larguras, EstiloSeparador s) {
  const char preenche = celula(t.preenche);
  // The junction is as wide as the content rows' own: 4 cells under the dash
  // leader (its blank and 3 cells), 3 under vertical bars, else 2.
  const std::string juncao = comVerticais(s) ? celulas(t.juncao)
                                             : std::string(s == EstiloSeparador::tracos ? 4 : 2, preenche);
  std::string r = celulas(t.esquerda);
  for (std::size_t i = 0; i < larguras.size(); ++i) {
    if (i > 0) r += juncao;
    r.append(static_cast<std::size_t>(larguras[i]), preenche);
  }
  return r + celulas(t.direita);
}

// Each line from `de` on as one table reads it, its text and the cells of
// its translation: a line outside the document, or after `ultima` (the last
// line the table may take), is empty, 0 cells, and never translated. The
// widths and the rows share them, each line through the draft file once.
class CelulasLinhas {
 public:
  CelulasLinhas(const LinhasEditor& e, int de, int ultima) : editor_(e), de_(de), ultima_(ultima) {}

  bool traduz(int ate) {
    std::string braille;
    for (int i = de_ + static_cast<int>(celulas_.size()); i <= ate; ++i) {
      int n = 0;
      if (tomada(i)) {
        if (!traduzLinha(editor_.linha(i), braille)) return false;
        n = static_cast<int>(braille.size());
      }
      celulas_.push_back(n);
    }
    return true;
  }
  int operator[](int i) const { return celulas_[static_cast<std::size_t>(i - de_)]; }
  std::string texto(int i) const { return tomada(i) ? editor_.linha(i) : std::string(); }

 private:
  bool tomada(int i) const { return i >= 0 && i <= ultima_ && i < editor_.numeroLinhas(); }

  const LinhasEditor& editor_;
  int de_;
  int ultima_;
  std::vector<int> celulas_;
};

std::string linhaConteudo(const CelulasLinhas& c, int b, const std::vector<int>& larguras,
                          const OpcoesTabela& o) {
  const bool tracos = o.separador == EstiloSeparador::tracos;
  const char branco = celula("000000");
  std::string r;
  if (o.moldura == EstiloMoldura::simples) r = celulas("111000000000");
  if (o.moldura == EstiloMoldura::dupla) r = celulas("111111000000");
  const int n = static_cast<int>(larguras.size());
  for (int i = 0; i < n; ++i) {
    const bool ultima = i == n - 1;
    r += c.texto(b + i);
    if (tracos) r += branco;
    const int falta = larguras[static_cast<std::size_t>(i)] - c[b + i];
    if (falta > 0) r.append(static_cast<std::size_t>(falta), tracos && !ultima ? celula("010010") : branco);
    if (ultima) break;
    if (tracos)
      r += celulas("010010010010000000");
    else if (comVerticais(o.separador))
      r += celulas("000000000111000000");
    else
      r += celulas("000000000000");
  }
  if (o.moldura == EstiloMoldura::sem) return r;
  // The dash leader already ends the last column in a blank.
  if (!tracos) r += branco;
  return r + celulas(o.moldura == EstiloMoldura::simples ? "000111" : "111111");
}

// The cells a line of the table takes in the draft: its edges, columns and
// junctions as the lines above lay them out, and the blank it goes in after,
// a cell of its own unless paragraphs are joined (it then only starts one).
int larguraTabela(const std::vector<int>& larguras, const OpcoesTabela& o) {
  const bool tracos = o.separador == EstiloSeparador::tracos;
  int r = configuracao.autoJunta ? 0 : 1;
  for (const int l : larguras) r += l;
  r += static_cast<int>(larguras.size() - 1) * (tracos ? 4 : comVerticais(o.separador) ? 3 : 2);
  // The dash leader ends the last column in a blank; a frame adds its two
  // edges, of which the right one then takes only one cell.
  if (tracos) ++r;
  if (o.moldura != EstiloMoldura::sem) r += tracos ? 3 : 4;
  return r;
}

}  // namespace

int leNumeroColunas(std::string_view texto) {
  const auto branco = [](unsigned char c) { return c <= ' '; };
  while (!texto.empty() && branco(static_cast<unsigned char>(texto.front()))) texto.remove_prefix(1);
  while (!texto.empty() && branco(static_cast<unsigned char>(texto.back()))) texto.remove_suffix(1);
  int n = 0;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
  if (erro != std::errc() || fim != texto.data() + texto.size()) return 0;
  return n >= 1 && n <= maxColunasTabela ? n : 0;
}

unsigned char pontosParaCaractere(std::string_view pontos) {
  unsigned mascara = 0;
  for (std::size_t k = 0; k < 6 && k < pontos.size(); ++k)
    if (pontos[k] == '1') mascara |= 1U << k;
  return configuracao.brailleAntigo ? pontosParaBrailleAntigo[mascara] : pontosParaBrailleUnificado[mascara];
}

bool linhasTabela(const LinhasEditor& editor, const OpcoesTabela& o, std::vector<std::string>& linhas) {
  linhas.clear();
  const int n = std::clamp(o.colunas, 1, maxColunasTabela);
  const int s = editor.inicioSelecao().linha;
  const LinhaColuna fim = editor.fimSelecao();
  const int e = fim.linha;
  // Whole lines are selected by dragging to column 0 of the next line: that
  // line is not taken, neither for the widths nor in a row. A selection that
  // ends inside line e takes it for the widths.
  const bool ateInicioDeLinha = fim.coluna == 0 && e > s;
  const int ultimaSelecionada = ateInicioDeLinha ? e - 1 : e;
  // Rows start at s, s + n, ... while they start before e; the last one may
  // reach past e, even past the document's end, and what it holds past the
  // last line taken is empty.
  const int ultimaLinha = s < e ? s + (e - s + n - 1) / n * n - 1 : e;
  CelulasLinhas c(editor, s, ateInicioDeLinha ? ultimaSelecionada : std::numeric_limits<int>::max());
  if (!c.traduz(std::max(e, ultimaLinha))) return false;

  std::vector<int> larguras(static_cast<std::size_t>(n), 1);
  for (int i = s; i <= ultimaSelecionada; ++i) {
    int& l = larguras[static_cast<std::size_t>((i - s) % n)];
    l = std::max(l, c[i]);
  }

  // A table wider than the Braille line would come out cut across lines,
  // its rules hyphenated: it is refused, with the text as it was.
  const int largura = larguraTabela(larguras, o);
  if (largura > configuracao.maxCarac) {
    plataforma::mostraAviso("A tabela ficaria com " + std::to_string(largura) +
                            " celas de largura e a linha Braille tem " + std::to_string(configuracao.maxCarac) +
                            ". Nada foi alterado.");
    return false;
  }

  const bool simples = o.moldura == EstiloMoldura::simples;
  if (o.moldura != EstiloMoldura::sem)
    linhas.push_back(linhaTraco(simples ? superiorSimples : superiorDupla, larguras, o.separador));
  const bool divisorias =
      o.separador == EstiloSeparador::horizontais || o.separador == EstiloSeparador::verticaisHorizontais;
  const Traco& divisoria =
      o.moldura == EstiloMoldura::sem ? divisoriaSem : simples ? divisoriaSimples : divisoriaDupla;
  for (int b = s; b < e; b += n) {
    if (b > s && divisorias) linhas.push_back(linhaTraco(divisoria, larguras, o.separador));
    linhas.push_back(linhaConteudo(c, b, larguras, o));
  }
  if (o.moldura != EstiloMoldura::sem)
    linhas.push_back(linhaTraco(simples ? inferiorSimples : inferiorDupla, larguras, o.separador));
  return true;
}

bool insereTabela(LinhasEditor& editor, const OpcoesTabela& opcoes) {
  std::vector<std::string> linhas;
  if (!linhasTabela(editor, opcoes, linhas)) return false;
  const LinhaColuna inicio = editor.inicioSelecao();
  EdicaoUnica edicao(editor);
  int l = inicio.linha;
  editor.insereLinha(l++, {});
  for (const std::string& t : linhas) editor.insereLinha(l++, ' ' + t);
  editor.insereLinha(l++, {});
  editor.posicionaCursor({l, inicio.coluna});
  return true;
}
