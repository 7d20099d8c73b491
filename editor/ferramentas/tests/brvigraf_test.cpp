#include "brvigraf.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "apoio_testes.h"
#include "brrascunho.h"
#include "casos.h"

namespace {

const std::string sep(separadorPagina), diretiva = "\x0F\x0F\x0F\x0F ";

// The preview of a non-Tiger model: cells 12 pixels apart, page 36 x 30.
EstadoPassoVisual estadoPrevia() {
  EstadoPassoVisual e;
  e.visualizando = true;
  e.larguraLinha = 36;
  return e;
}

void confere(const ImagemPontos& im, std::uint32_t cor, const std::vector<std::pair<int, int>>& pixels) {
  for (auto [x, y] : pixels) EXPECT_EQ(im.cor(x, y), cor) << x << "," << y;
}

// "a" is dot 1, "b" dots 1 2, "c" dots 1 4.
TEST(DesenhaPagina, DrawsTheCellsOfThePageThatHoldsTheLine) {
  const std::vector<std::string> linhas = {sep, "a", "b", sep, "\x0C" "b", "\x0B", "\x0F\x0F\x0F\x0F", "c", sep, sep};
  for (const auto& c : casos::le("desenhaPagina.tsv")) {
    SCOPED_TRACE(c);
    ImagemPontos im;
    desenhaPagina(im, linhas, c.n(1), estadoPrevia());
    confere(im, corPretaVigraf, c.pontos(2));
    confere(im, corBrancaVigraf, c.pontos(3));
  }
}

TEST(DesenhaPagina, FramesThePageOfThePassModel) {
  for (const auto& c : casos::le("molduraPagina.tsv")) {
    SCOPED_TRACE(c);
    EstadoPassoVisual e = estadoPrevia();
    e.tiger = c[1] == "yes", e.visualizando = c[2] == "yes", e.maxCarac = c.n(3), e.maxLin = c.n(4);
    ImagemPontos im;
    desenhaPagina(im, {}, 0, e);
    confere(im, corPrataVigraf, c.pontos(5));
    confere(im, corBrancaVigraf, c.pontos(6));
  }
}

// The text lines stand, and the directive takes no line.
TEST(DesenhaPagina, PlacesGraphicsBesideTheDocumentAndTellsWhatFails) {
  apoio::PastaTemporaria pasta;
  std::filesystem::create_directories(pasta.arquivo("sub"));
  std::filesystem::create_directories(pasta.arquivo("pasta.grb"));
  pasta.grava("g.grb", "*\r\n");
  pasta.grava("sub/g.grb", " *\r\n");
  pasta.grava("largo.grb", std::string(200, '*') + std::string(200, '\n'));
  for (auto c : casos::le("graficoNaPagina.tsv")) {
    SCOPED_TRACE(c);
    apoio::Mensagens m;
    if (c[5] != "-") m.esperaOk();
    if (const auto i = c[5].find('%'); i != std::string::npos) c.campos[5].replace(i, 1, pasta.caminho());
    EstadoPassoVisual e = estadoPrevia();
    e.prefixoMargem = "  ", e.maxCarac = 38, e.tiger = c[2] == "yes";
    e.nomeDocumento = pasta.arquivo("doc.txt");
    ImagemPontos im;
    desenhaPagina(im, {"a", diretiva + c[1] + "      ", " b"}, 0, e);
    EXPECT_EQ(m.servico.textos(), c[5] == "-" ? std::vector<std::string>{} : std::vector{c[5]});
    confere(im, corPretaVigraf, c.pontos(3));
    confere(im, corBrancaVigraf, c.pontos(4));
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
