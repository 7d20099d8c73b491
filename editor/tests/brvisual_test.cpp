#include "brvisual.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;

const std::string tracos(50, '-');
const std::string iguais(50, '=');
const std::string diretiva = "\x0F\x0F\x0F\x0F casa.grb";

// A draft of five pages: separators "-", "=", "-" in that order, the "="
// standing also for a blank back page (page 3). Preview lines end in six
// blanks, as the generator writes them for the preview.
Linhas rascunhoCincoPaginas() {
  const std::string seis(6, ' ');
  return {
      "p1 a" + seis,        // 0  page 1
      "p1 b" + seis,        // 1
      tracos + seis,        // 2
      "p2 a" + seis,        // 3  page 2
      diretiva + seis,      // 4
      "p2 b" + seis,        // 5
      iguais + seis,        // 6
      "p4 a" + seis,        // 7  page 4
      "p4 b" + seis,        // 8
      "p4 c" + seis,        // 9
      tracos + seis,        // 10
      "p5 a" + seis,        // 11 page 5
      "p5 b" + seis,        // 12
      "p5 c" + seis,        // 13
      "p5 d" + seis,        // 14
  };
}

TEST(PaginaLinha, CountsPagesBySeparatorsAndLinesWithoutDirectives) {
  const Linhas r = rascunhoCincoPaginas();
  const struct {
    int selecionada;
    PagLin esperado;
  } casos[] = {
      {0, {1, 1}},  {1, {1, 2}},   {2, {2, 0}},  // a selected separator: line 0, page counted
      {3, {2, 1}},  {4, {2, 1}},   {5, {2, 2}},  // the directive is no line
      {6, {4, 0}},  {7, {4, 1}},   {9, {4, 3}},   {10, {5, 0}},
      {11, {5, 1}}, {14, {5, 4}},  {-1, {1, 0}},  // nothing selected
      {99, {5, 4}},                              // past the end: the last line
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.selecionada);
    EXPECT_EQ(paginaLinha(r, c.selecionada), c.esperado);
  }
  // With a margin in front a line of signs is text, not a separator.
  EXPECT_EQ(paginaLinha({"  " + tracos + "x", "a"}, 1), (PagLin{1, 2}));
}

TEST(PaginaLinha, CaptionOfTheButton) {
  EXPECT_EQ(legendaPagLin({12, 3}), "&P\xE1g: 12   Lin: 3");
  EXPECT_EQ(legendaPagLin({1, 1}), "&Pág: 1   Lin: 1"_cp.str());
}

TEST(IndicePagina, LandsOnTheFirstLineOfThePage) {
  const Linhas r = rascunhoCincoPaginas();
  const struct {
    int pagina;
    int esperado;
  } casos[] = {
      {-7, 0}, {0, 0}, {1, 0}, {2, 3},
      {3, 7},  // the blank back page: the first line after the "=" line
      {4, 7}, {5, 11}, {6, 14}, {999, 14},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.pagina);
    EXPECT_EQ(indicePagina(r, c.pagina), c.esperado);
  }
  EXPECT_EQ(indicePagina({}, 3), -1);
  EXPECT_EQ(indicePagina({"so"}, 3), 0);
}

TEST(PaginasVisual, NextAndPreviousPage) {
  TVisualizacao v;
  v.defineRascunho(rascunhoCincoPaginas(), {}, 0);
  const struct {
    const char* nome;
    bool proxima;
    int de;
    int para;
  } casos[] = {
      {"next from page 1", true, 1, 3},
      {"next from page 2 skips the blank back page", true, 5, 7},
      {"next from the middle of the last page: the last line", true, 12, 14},
      {"next from a separator", true, 2, 7},
      {"previous on the third line of page 5", false, 13, 11},
      {"previous on the first line of page 5", false, 11, 7},
      {"previous on the first line of page 4", false, 7, 3},
      {"previous on a separator", false, 10, 7},
      {"previous near the top", false, 2, 0},
      {"previous with nothing selected", false, -1, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(c.proxima ? v.proximaPagina(c.de) : v.paginaAnterior(c.de), c.para);
  }
  // paginaVisual is the page of the line the command started from (or the
  // step above it, going back).
  v.proximaPagina(12);
  EXPECT_EQ(v.paginaVisual, 5);
  v.paginaAnterior(11);
  EXPECT_EQ(v.paginaVisual, 4);
}

TEST(PaginasVisual, PageTypedByTheUser) {
  const struct {
    const char* texto;
    std::optional<int> esperado;
  } casos[] = {
      {"12", 12},  {"  7 ", 7},         {"-3", -3},      {"+4", 4},
      {"", {}},    {"   ", {}},         {"12x", {}},     {"1 2", {}},
      {"+-1", {}}, {"99999999999", {}}, {"\t5\r\n", 5},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    EXPECT_EQ(lePaginaInformada(c.texto), c.esperado);
  }
}

TEST(IrAoOriginal, FindsTheDocumentLineThatMadeTheDraftLine) {
  TVisualizacao v;
  // Document lines 0..4 start at draft lines 0, 0 (a markup line), 2, 5, 9.
  v.defineRascunho(Linhas(12, "x"), {0, 0, 2, 5, 9}, 0);
  const struct {
    int rascunho;
    int documento;
    int linhas;
    int esperado;
    int anotacao;
  } casos[] = {
      {0, 5, 5, -1, 0},   // the first draft line: the start of the text
      {-1, 5, 5, -1, 0},  // nothing selected
      {1, 5, 5, 1, 1},    // the last document line that starts at or before it
      {2, 5, 5, 2, 2},    {4, 5, 5, 2, 2},   {5, 5, 5, 3, 3},
      {11, 5, 5, 4, 4},
      {11, 2, 2, 1, 1},   // lines deleted since the preview: held to the editor
      {11, 0, 0, -1, 0},  // an emptied editor
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.rascunho);
    EXPECT_EQ(v.irAoOriginal(c.rascunho, c.linhas), c.esperado);
    EXPECT_EQ(v.linhaAnotacao, c.anotacao);
  }
}

TEST(Regua, StandsInForTheLineWhileAButtonIsHeld) {
  TVisualizacao v;
  v.defineRascunho({"um", "dois", "tres"}, {}, 0);
  ASSERT_TRUE(v.pressionaBotao(1));
  EXPECT_EQ(v.linhas[1], std::string(reguaVisual));
  EXPECT_EQ(reguaVisual.size(), 42u);
  EXPECT_EQ(v.linhaRegua, 1);
  ASSERT_TRUE(v.tiraRegua());
  EXPECT_EQ(v.linhas, (Linhas{"um", "dois", "tres"}));
  // A second release gives nothing back twice.
  EXPECT_FALSE(v.tiraRegua());
  EXPECT_EQ(v.linhaRegua, 1);  // the right button's check still finds its line
  // No line selected: no ruler, and a release writes nothing.
  EXPECT_FALSE(v.pressionaBotao(-1));
  EXPECT_EQ(v.linhaRegua, -1);
  EXPECT_FALSE(v.tiraRegua());
  EXPECT_EQ(v.linhas, (Linhas{"um", "dois", "tres"}));
  // An index beyond the list is no line either.
  EXPECT_FALSE(v.pressionaBotao(3));
  EXPECT_EQ(v.linhas, (Linhas{"um", "dois", "tres"}));
}

TEST(Regua, NeverCarriesALineIntoAnotherDraft) {
  TVisualizacao v;
  v.defineRascunho({"velho 0", "velho 1"}, {}, 0);
  ASSERT_TRUE(v.pressionaBotao(1));
  v.defineRascunho({"novo 0", "novo 1", "novo 2"}, {}, 0);
  EXPECT_FALSE(v.tiraRegua());
  EXPECT_EQ(v.linhas, (Linhas{"novo 0", "novo 1", "novo 2"}));
  // Two presses without a release between: the first line gets its text back.
  ASSERT_TRUE(v.pressionaBotao(0));
  ASSERT_TRUE(v.pressionaBotao(2));
  EXPECT_EQ(v.linhas[0], "novo 0");
  ASSERT_TRUE(v.tiraRegua());
  EXPECT_EQ(v.linhas, (Linhas{"novo 0", "novo 1", "novo 2"}));
}

TEST(VisualizacaoSimples, SelectionTopLineAndCheckText) {
  TVisualizacao v;
  EXPECT_EQ(v.selecaoInicial(), -1);
  v.defineRascunho(Linhas(10, "x"), {}, 4);
  EXPECT_EQ(v.selecaoInicial(), 4);
  v.defineRascunho(Linhas(10, "x"), {}, 10);  // the caret after the last draft line
  EXPECT_EQ(v.selecaoInicial(), 9);
  EXPECT_EQ(linhaTopoInicial(5), 0);
  EXPECT_EQ(linhaTopoInicial(6), 1);
  EXPECT_EQ(linhaTopoInicial(40), 35);
  EXPECT_EQ(semBrancosFinais("ab c  \x01\t"), "ab c");
  EXPECT_EQ(semBrancosFinais("   "), "");
}

// ---------------------------------------------------------------------------
// The preview's draft, taken from a real pass.

class RascunhoVisual : public apoio::TesteTraducao {
 protected:
  void SetUp() override {
    TesteTraducao::SetUp();
    configuracao.comTitulo = false;
    const char* dados = std::getenv("LUMAREL_DATA_DIR");
    configuracao.ambCode2 = std::string(dados ? dados : ".") + "/ambcode2.cfg";
  }
};

TEST_F(RascunhoVisual, TranslatesTheWholeDocumentForThePreview) {
  paginaInicial = 3;
  paginaFinal = 4;
  numPagInicial = 7;
  const Linhas documento{"Ana", "", "Casa"};
  ASSERT_TRUE(geraVisualizacao(documento, 2));
  EXPECT_EQ(paginaInicial, 1);
  EXPECT_EQ(paginaFinal, 9999);
  EXPECT_EQ(numPagInicial, 1);
  TVisualizacao v;
  ASSERT_TRUE(v.carregaRascunho());
  ASSERT_GE(v.linhas.size(), 3u);
  // Preview lines carry six blanks; the table was loaded from its file.
  for (const auto& l : v.linhas) EXPECT_EQ(l.substr(l.size() < 6 ? 0 : l.size() - 6), std::string(6, ' '));
  EXPECT_NE(tabelaImpressora, tabelaIdentidade());
  EXPECT_EQ(v.linhaCursor, linhaRascunhoCursor);
  EXPECT_EQ(v.mapa, mapaLinhas);
  // The caret's document line leads there and back.
  EXPECT_EQ(v.irAoOriginal(v.linhaCursor, 3), 2);
}

TEST_F(RascunhoVisual, AMissingPrinterTableStopsBeforeTheDraft) {
  mensagens.esperaOk();
  configuracao.ambCode2 = pasta.arquivo("falta.cfg");
  pasta.grava("rascunho.txt", "antes\r\n");
  paginaFinal = 4;
  EXPECT_FALSE(geraVisualizacao({"Ana"}, 0));
  EXPECT_EQ(pasta.le("rascunho.txt"), "antes\r\n");
  EXPECT_EQ(paginaFinal, 4);
  ASSERT_EQ(mensagens.servico.textos().size(), 1u);
}

TEST_F(RascunhoVisual, ADraftNotWrittenWholeIsNotShown) {
  mensagens.esperaOk();
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  EXPECT_FALSE(geraVisualizacao({"Ana"}, 0));
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{mensagemErroRascunho}));
}

TEST_F(RascunhoVisual, KeepsItsOwnCopyOfTheDraftAndTheLineMap) {
  const Linhas documento{"Primeira linha.", "", "Segunda linha.", "", "Terceira."};
  ASSERT_TRUE(geraVisualizacao(documento, 4));
  TVisualizacao v;
  ASSERT_TRUE(v.carregaRascunho());
  const Linhas vistas = v.linhas;
  const std::vector<int> mapa = v.mapa;
  const int cursor = v.linhaCursor;
  const int volta = v.irAoOriginal(v.linhaCursor, 5);
  // A single-line translation, then a print pass over another document.
  std::string saida;
  ASSERT_TRUE(traduzLinha("Outra", saida));
  int outra = 0;
  ASSERT_TRUE(geraRascunho({"x", "y"}, 1, outra, false));
  EXPECT_EQ(v.linhas, vistas);
  EXPECT_EQ(v.mapa, mapa);
  EXPECT_EQ(v.linhaCursor, cursor);
  EXPECT_EQ(v.irAoOriginal(cursor, 5), volta);
  // A draft that cannot be read keeps what the preview had.
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  EXPECT_FALSE(v.carregaRascunho());
  EXPECT_EQ(v.linhas, vistas);
  EXPECT_EQ(v.mapa, mapa);
}

}  // namespace
