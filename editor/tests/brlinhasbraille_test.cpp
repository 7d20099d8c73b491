#include "brlinhasbraille.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "apoio_traducao.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brtraduz.h"
#include "brvisual.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

// The rows as a screen would hold them, and how often each was written.
struct RotulosGravados : SaidaLinhasBraille {
  std::array<std::string, 6> texto{};
  std::array<int, 6> escritas{};
  std::array<bool, 6> aqua{};
  std::array<bool, 6> visivel{false, true, false, false, false, false};
  void textoRotulo(int k, const std::string& t) override {
    texto[static_cast<std::size_t>(k)] = t;
    ++escritas[static_cast<std::size_t>(k)];
  }
  void corRotulo(int k, bool a) override { aqua[static_cast<std::size_t>(k)] = a; }
  void rotuloVisivel(int k, bool v) override { visivel[static_cast<std::size_t>(k)] = v; }
  void zeraEscritas() { escritas.fill(0); }
};

// Document lines "a" .. "t" translate to themselves, so a row names its line.
std::vector<std::string> documento(int n) {
  std::vector<std::string> d;
  for (int i = 0; i < n; ++i) d.emplace_back(1, static_cast<char>('a' + i));
  return d;
}

class LinhasBraille : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
    tabelaImpressora = tabelaIdentidade();
    vista.teclaSolta = [this] { atualiza(linhaCursor); };
  }
  void TearDown() override {
    reiniciaVariaveis();
    tabelaImpressora = tabelaIdentidade();
  }
  void atualiza(int linha) {
    linhaCursor = linha;
    vista.atualizaLinhasBraille(linha, static_cast<int>(doc.size()),
                                [this](int i) { return doc[static_cast<std::size_t>(i)]; });
  }
  // Row texts 1..5, lowest first.
  std::vector<std::string> linhas() const {
    return {saida.texto[1], saida.texto[2], saida.texto[3], saida.texto[4], saida.texto[5]};
  }

  std::vector<std::string> doc = documento(12);
  int linhaCursor = 1;
  RotulosGravados saida;
  TLinhasBraille vista{saida};
};

TEST_F(LinhasBraille, RowsShowTheLinesAroundTheCaretRow) {
  const struct {
    const char* nome;
    int linhasDocumento;
    int rotuloAtual;
    int linhaCursor;
    std::vector<std::string> esperado;  // rows 1..5
  } casos[] = {
      {"caret on line 1, caret row 1", 12, 1, 1, {"a", "", "", "", ""}},
      {"caret row 1 in the middle", 12, 1, 6, {"f", "e", "d", "c", "b"}},
      {"caret row 5 on the last line", 12, 5, 12, {"", "", "", "", "l"}},
      {"caret row 3 on line 10", 12, 3, 10, {"l", "k", "j", "i", "h"}},
      {"caret row 3 on line 1", 12, 3, 1, {"c", "b", "a", "", ""}},
      {"caret past the last line", 3, 1, 4, {"", "c", "b", "a", ""}},
      {"an empty document", 0, 1, 1, {"", "", "", "", ""}},
      {"an empty document, caret row 4", 0, 4, 1, {"", "", "", "", ""}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    doc = documento(c.linhasDocumento);
    vista.rotuloBrailleAtual = c.rotuloAtual;
    vista.ultimaLinhaBraille = -1;
    atualiza(c.linhaCursor);
    EXPECT_EQ(linhas(), c.esperado);
    EXPECT_EQ(vista.ultimaLinhaBraille, c.linhaCursor);
  }
}

TEST_F(LinhasBraille, RowsAreTranslatedAndMappedThroughThePrinterTable) {
  doc = {"Ana", "x"};
  tabelaImpressora['{'] = '.';
  atualiza(1);
  EXPECT_EQ(saida.texto[1], ".ana");
  // Each refresh uses the table as it is then.
  tabelaImpressora = tabelaIdentidade();
  atualiza(1);
  EXPECT_EQ(saida.texto[1], "{ana");
  // Lines are translated whole: no trimming, markup is text.
  doc = {"<P>  "};
  atualiza(1);
  EXPECT_EQ(saida.texto[1], "<{p>  ");
}

TEST_F(LinhasBraille, TypingOnOneLineRewritesOnlyTheCaretRow) {
  vista.rotuloBrailleAtual = 3;
  atualiza(5);
  EXPECT_EQ(linhas(), (std::vector<std::string>{"g", "f", "e", "d", "c"}));
  saida.zeraEscritas();
  doc[4] = "yy";  // the caret line (row 3)
  doc[3] = "zz";  // the line above it (row 4)
  atualiza(5);
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(linhas(), (std::vector<std::string>{"g", "f", "yy", "d", "c"}));
  // Moving to another line refreshes every row, hidden ones too.
  saida.zeraEscritas();
  atualiza(6);
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(linhas(), (std::vector<std::string>{"h", "g", "f", "yy", "zz"}));
}

TEST_F(LinhasBraille, AClickInTheEditorWritesOnlyTheLowestRow) {
  vista.linhasBrailleVisiveis = 5;
  atualiza(3);
  saida.zeraEscritas();
  vista.cliqueEditor(8, static_cast<int>(doc.size()), [this](int i) { return doc[static_cast<std::size_t>(i)]; });
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(linhas(), (std::vector<std::string>{"h", "b", "a", "", ""}));
  EXPECT_EQ(vista.ultimaLinhaBraille, 3);
  vista.cliqueEditor(99, static_cast<int>(doc.size()), [this](int i) { return doc[static_cast<std::size_t>(i)]; });
  EXPECT_EQ(saida.texto[1], "");
}

TEST_F(LinhasBraille, ClickingARowMakesItTheCaretRowAndRefreshesAll) {
  vista.alternaUmaCincoLinhas();
  ASSERT_EQ(vista.linhasBrailleVisiveis, 5);
  atualiza(6);
  saida.zeraEscritas();
  vista.rotuloClicado(4);
  EXPECT_EQ(vista.rotuloBrailleAtual, 4);
  EXPECT_EQ(saida.aqua, (std::array<bool, 6>{false, false, false, false, true, false}));
  EXPECT_EQ(saida.visivel, (std::array<bool, 6>{false, true, true, true, true, true}));
  // The forced refresh ran through the key-release handler: every row anew.
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(linhas(), (std::vector<std::string>{"i", "h", "g", "f", "e"}));
  EXPECT_EQ(vista.ultimaLinhaBraille, 6);
  // A click outside the five rows changes nothing.
  vista.rotuloClicado(0);
  vista.rotuloClicado(6);
  EXPECT_EQ(vista.rotuloBrailleAtual, 4);
}

TEST_F(LinhasBraille, TogglingRowsAlwaysReturnsTheCaretToRowOne) {
  atualiza(2);
  vista.alternaUmaCincoLinhas();
  EXPECT_EQ(vista.linhasBrailleVisiveis, 5);
  EXPECT_EQ(saida.visivel, (std::array<bool, 6>{false, true, true, true, true, true}));
  vista.rotuloClicado(5);
  EXPECT_EQ(saida.aqua[5], true);
  EXPECT_EQ(saida.aqua[1], false);
  vista.alternaUmaCincoLinhas();
  EXPECT_EQ(vista.linhasBrailleVisiveis, 1);
  EXPECT_EQ(vista.rotuloBrailleAtual, 1);
  EXPECT_EQ(saida.visivel, (std::array<bool, 6>{false, true, false, false, false, false}));
  EXPECT_EQ(saida.aqua, (std::array<bool, 6>{false, true, false, false, false, false}));
  vista.alternaUmaCincoLinhas();
  EXPECT_EQ(vista.rotuloBrailleAtual, 1);
  EXPECT_EQ(linhas(), (std::vector<std::string>{"b", "a", "", "", ""}));
}

// A key, a click or F9 while a box of a running pass is up would move the pass's quote and
// bracket state: the rows and the preview wait, and the first refresh after redoes every row.
class DuranteUmaPassagem : public apoio::TesteTraducao {};

TEST_F(DuranteUmaPassagem, RowsAndPreviewWaitForThePassToEnd) {
  const std::vector<std::string> texto{"\"um (dois", "tr\"es (4", "cinco"};
  const LeitorLinha leitor = [&texto](int i) { return texto[static_cast<std::size_t>(i)]; };
  RotulosGravados saida;
  TLinhasBraille vista(saida);
  vista.rotuloBrailleAtual = 2;
  vista.atualizaLinhasBraille(2, 3, leitor);
  saida.zeraEscritas();
  bool visualizou = true;
  apoio::naProximaCaixa(mensagens, [&] {
    vista.atualizaLinhasBraille(3, 3, leitor);
    vista.cliqueEditor(1, 3, leitor);
    visualizou = geraVisualizacao(texto, 0);
  });
  int linha = 0;
  ASSERT_TRUE(
      geraRascunho({"Frase \"aberta (e", "<G* Meus desenhos/casa.grb>", "fechada\" 2) aqui."}, 0, linha, false));
  EXPECT_EQ(mensagens.servico.textos().size(), 1u) << "the refusals show no box";
  EXPECT_FALSE(visualizou);
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{}));
  vista.atualizaLinhasBraille(2, 3, leitor);
  EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
}

TEST(JanelaCelulas, TheScreenThatHoldsTheCaretsCell) {
  const std::string c = "abcdefghijklmnopqrstuvwxyz01234";
  const struct { int celula, largura, inicio; std::string mostra; } casos[] = {
      {0, 10, 0, c.substr(0, 10)}, {9, 10, 0, c.substr(0, 10)}, {10, 10, 10, c.substr(10, 10)}, {23, 0, 0, c}};
  for (const auto& k : casos) {
    SCOPED_TRACE(k.celula);
    EXPECT_EQ(inicioJanelaCelulas(k.celula, k.largura), k.inicio);
    EXPECT_EQ(janelaCelulas(c, k.inicio, k.largura), k.mostra);
  }
}

// Three refreshes in a row: the caret's cell counts the signs the text before
// it adds, and the state the whole line leaves is kept as if no caret counted.
TEST(CelulaDoCursor, CountsTheTextBeforeTheCaretAndKeepsTheConverterState) {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  const std::string linha = "1) b (c";  // "1)" is a list number only with no bracket open
  std::vector<std::string> sozinha;
  for (int i = 0; i < 3; ++i) sozinha.push_back(linhaBrailleImpressora(linha));
  reiniciaEstadoConversores();
  const int celulas[] = {3, 4, 4};
  for (std::size_t i = 0; i < 3; ++i) {
    const LinhaBrailleCursor r = linhaBrailleComCursor(linha, 2);
    EXPECT_EQ(r.celulas, sozinha[i]);
    EXPECT_EQ(r.celulaCursor, celulas[i]);
  }
  reiniciaVariaveis();
}

TEST_F(LinhasBraille, ExtremeCaretLinesGiveEmptyRows) {
  vista.rotuloBrailleAtual = 5;
  atualiza(INT_MAX);
  EXPECT_EQ(linhas(), (std::vector<std::string>(5)));
  vista.rotuloBrailleAtual = 1;
  vista.ultimaLinhaBraille = -1;
  atualiza(INT_MIN + 1);
  EXPECT_EQ(linhas(), (std::vector<std::string>(5)));
}

}  // namespace
