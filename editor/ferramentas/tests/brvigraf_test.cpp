#include "brvigraf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "apoio_testes.h"
#include "brrascunho.h"
#include "cp1252.h"

namespace {

using Pixels = std::vector<std::pair<int, int>>;
const std::string sep(separadorPagina);
const std::string diretiva = "\x0F\x0F\x0F\x0F ";

// The preview of a non-Tiger model: cells 12 pixels apart, page 36 x 30.
EstadoPassoVisual estadoPrevia() {
  EstadoPassoVisual e;
  e.visualizando = true;
  e.larguraLinha = 36;
  return e;
}

void confere(const ImagemPontos& im, std::uint32_t cor, const Pixels& pixels) {
  for (auto [x, y] : pixels) EXPECT_EQ(im.cor(x, y), cor) << x << "," << y;
}

TEST(DesenhaPagina, DrawsTheCellsOfThePageThatHoldsTheLine) {
  // "a" is dot 1, "b" dots 1 2, "c" dots 1 4; the form feed that opens a page
  // is no cell; a reserve line is an empty line, a directive with no blank
  // nothing.
  const std::vector<std::string> linhas = {sep, "a", "b", sep, "\x0C" "b", "\x0B", "\x0F\x0F\x0F\x0F", "c", sep, sep};
  const Pixels pagina1 = {{5, 5}, {6, 5}, {5, 21}, {6, 21}, {5, 25}, {6, 25}};
  const Pixels pagina2 = {{5, 5}, {5, 9}, {5, 37}, {6, 37}, {9, 37}, {10, 37}};
  const struct {
    int indice;
    Pixels pretos, brancos;
  } casos[] = {
      {1, pagina1, {{9, 21}, {7, 5}, {5, 9}}},
      {-1, pagina1, {{9, 21}}},
      {0, {}, {{5, 5}}},        // a separator on line 0: no page above it
      {3, pagina1, {{9, 21}}},  // a separator: the page above it
      {4, pagina2, {{17, 5}, {5, 21}, {5, 53}, {8, 37}}},
      {8, pagina2, {{17, 5}}},
      {9, {}, {{5, 5}}},         // the empty page between two separators
      {10, {}, {{5, 5}, {5, 21}}},  // past the end: the frame alone
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.indice);
    ImagemPontos im;
    desenhaPagina(im, linhas, c.indice, estadoPrevia());
    confere(im, corPretaVigraf, c.pretos);
    confere(im, corBrancaVigraf, c.brancos);
  }
}

TEST(DesenhaPagina, FramesThePageOfThePassModel) {
  const struct {
    bool tiger, previa;
    int maxCarac, maxLin, direita, baixo;
  } casos[] = {
      {false, true, 36, 30, 437, 485}, {false, false, 36, 30, 221, 485},
      {true, true, 36, 30, 365, 485},  {false, true, 0, 0, 5, 5},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.direita);
    EstadoPassoVisual e = estadoPrevia();
    e.tiger = c.tiger, e.visualizando = c.previa, e.maxCarac = c.maxCarac, e.maxLin = c.maxLin;
    ImagemPontos im;
    desenhaPagina(im, {}, 0, e);
    confere(im, corPrataVigraf, {{0, 0}, {c.direita, 3}, {3, c.baixo}, {0, c.baixo}, {c.direita, c.baixo}});
    confere(im, corBrancaVigraf, {{c.direita + 1, 3}, {3, c.baixo + 1}, {1, 1}});
  }
}

TEST(DesenhaPagina, PlacesGraphicsBesideTheDocumentAndTellsWhatFails) {
  apoio::PastaTemporaria pasta;
  std::filesystem::create_directories(pasta.arquivo("sub"));
  std::filesystem::create_directories(pasta.arquivo("pasta.grb"));
  pasta.grava("g.grb", "*\r\n");
  pasta.grava("sub/g.grb", " *\r\n");
  pasta.grava("largo.grb", std::string(200, '*') + std::string(200, '\n'));
  auto naoAchado = [&pasta](const char* nome) { return "Arquivo " + pasta.arquivo(nome) + " não achado"_cp; };
  // Two blanks of margin: column 1 starts at dot 13, pixel 2 * 13 + 3.
  const struct {
    std::string diretiva;
    int x;  // the graphic's first pixel on row 21 (-1: none, pixel 29 stays white)
    std::string mensagem;
    bool tiger = false;  // cells of 5 dots, 2 of them kept free at the right
  } casos[] = {
      {"c g.grb", 5, ""},  // not a column: dot 1
      {"C g.grb", 239, ""},
      {"D g.grb", 449, ""},
      {"C g.grb", 199, "", true},
      {"D g.grb", 375, "", true},
      {"E g.grb", 29, ""},
      {"g.grb", 29, ""},
      {"2 g.grb", 41, ""},
      {"2x g.grb", 5, ""},  // not a whole number: dot 1
      {"sub\\g.grb", 33, ""},
      {"nada.grb", -1, naoAchado("nada.grb")},
      {"pasta.grb", -1, naoAchado("pasta.grb")},
      {"largo.grb", 29, "Gráfico fora dos limites"_cp},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.diretiva + (c.tiger ? " tiger" : ""));
    apoio::Mensagens m;
    if (!c.mensagem.empty()) m.esperaOk();
    EstadoPassoVisual e = estadoPrevia();
    e.prefixoMargem = "  ", e.maxCarac = 38, e.tiger = c.tiger;
    e.nomeDocumento = pasta.arquivo("doc.txt");
    ImagemPontos im;
    desenhaPagina(im, {"a", diretiva + c.diretiva + "      ", " b"}, 0, e);
    EXPECT_EQ(m.servico.textos(), c.mensagem.empty() ? std::vector<std::string>{} : std::vector{c.mensagem});
    // The text lines stand, and the directive takes no line.
    confere(im, corPretaVigraf, {{5, 5}, {c.tiger ? 15 : 17, 25}});
    if (c.x >= 0) confere(im, corPretaVigraf, {{c.x, 21}, {c.x + 1, 21}});
    confere(im, corBrancaVigraf, {{3, 21}, {c.x < 0 ? 29 : c.x - 1, 21}});
  }
}

TEST(DesenhaPagina, AbsurdPageSizesAndColumnsStayInsideThePicture) {
  apoio::PastaTemporaria pasta;
  pasta.grava("g.grb", "*\r\n");
  for (const int n : {INT_MAX, INT_MIN, -7, 0}) {
    SCOPED_TRACE(n);
    apoio::Mensagens m;
    m.esperaOk(4);
    EstadoPassoVisual e = estadoPrevia();
    e.maxCarac = e.maxLin = e.larguraLinha = n;
    e.nomeDocumento = pasta.arquivo("doc.txt");
    ImagemPontos im;
    desenhaPagina(im, {"a", diretiva + "D g.grb", diretiva + "2147483647 g.grb",
                       diretiva + "-2147483648 g.grb", std::string(10000, 'a')}, 0, e);
    confere(im, corPretaVigraf, {{5, 5}, {5, 21}, {497, 21}});
  }
}

}  // namespace
