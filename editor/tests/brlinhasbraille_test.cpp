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
  int larguraCelulas(int) const override { return largura; }
  void zeraEscritas() { escritas.fill(0); }
  int largura = 0;  // cells a row holds; 0 = unknown
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

// A key, a click or F9 while a box of a running pass is up: translating a
// row then would move the quote and bracket state of that pass, and the
// preview would take its table and page range. Neither happens; the rows
// keep what they show, the pass writes its draft as if nothing happened,
// and the first refresh after it redoes every row.
class DuranteUmaPassagem : public apoio::TesteTraducao {};

TEST_F(DuranteUmaPassagem, RowsAndPreviewWaitForThePassToEnd) {
  const std::vector<std::string> texto{"\"um (dois", "tr\"es (4", "cinco"};
  const LeitorLinha leitor = [&texto](int i) { return texto[static_cast<std::size_t>(i)]; };
  const std::vector<std::string> documento{"Frase \"aberta (e", "<G* Meus desenhos/casa.grb>", "fechada\" 2) aqui."};
  for (const bool antigo : {true, false}) {
    SCOPED_TRACE(antigo ? "old code" : "unified code");
    SetUp();
    mensagens.servico.limpa();
    configuracao.brailleAntigo = antigo;
    paginaFinal = 3;
    mensagens.esperaOk();
    int linha = 0;
    ASSERT_TRUE(geraRascunho(documento, 0, linha, false));
    const std::string referencia = pasta.le("rascunho.txt");

    RotulosGravados saida;
    TLinhasBraille vista(saida);
    vista.rotuloBrailleAtual = 2;
    vista.atualizaLinhasBraille(2, 3, leitor);
    const auto antes = saida.texto;
    saida.zeraEscritas();
    bool visualizou = true;
    apoio::naProximaCaixa(mensagens, [&] {
      vista.atualizaLinhasBraille(3, 3, leitor);
      vista.cliqueEditor(1, 3, leitor);
      vista.atualizaLinhasBraille(2, 3, leitor);
      visualizou = geraVisualizacao(texto, 0) || paginaFinal != 3 || tabelaImpressora != tabelaIdentidade();
    });
    ASSERT_TRUE(geraRascunho(documento, 0, linha, false));
    EXPECT_EQ(mensagens.servico.textos().size(), 2u) << "the refusals show no box";
    EXPECT_FALSE(visualizou);
    EXPECT_EQ(pasta.le("rascunho.txt"), referencia);
    EXPECT_EQ(saida.escritas, (std::array<int, 6>{}));
    EXPECT_EQ(saida.texto, antes);
    // Back on the line it showed before the pass, every row is redone.
    vista.atualizaLinhasBraille(2, 3, leitor);
    EXPECT_EQ(saida.escritas, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
  }
}

// The caret's row shows whole screens of cells: the one that holds the
// caret's cell.
TEST(JanelaCelulas, TheScreenThatHoldsTheCaretsCell) {
  std::string c;
  for (int i = 0; i < 40; ++i) c += static_cast<char>('a' + i % 26);
  const struct {
    const char* nome;
    std::string linha;
    int celulaCursor, largura, inicio;
    std::string mostra;
  } casos[] = {
      {"caret at cell 0", c, 0, 10, 0, c.substr(0, 10)},
      {"caret at cell n-1", c, 9, 10, 0, c.substr(0, 10)},
      {"caret at cell n", c, 10, 10, 10, c.substr(10, 10)},
      {"caret at cell 2n+3", c, 23, 10, 20, c.substr(20, 10)},
      {"the last screen is shorter", c, 35, 10, 30, c.substr(30)},
      {"caret after a line of whole screens", c, 40, 10, 40, ""},
      {"width 0: the whole line", c, 23, 0, 0, c},
      {"negative width: the whole line", c, 23, -7, 0, c},
      {"negative caret cell", c, -3, 10, 0, c.substr(0, 10)},
      {"an empty line", "", 25, 10, 20, ""},
  };
  for (const auto& k : casos) {
    SCOPED_TRACE(k.nome);
    EXPECT_EQ(inicioJanelaCelulas(k.celulaCursor, k.largura), k.inicio);
    EXPECT_EQ(janelaCelulas(k.linha, k.inicio, k.largura), k.mostra);
  }
}

// The caret's cell is what the text before the caret translates to, from the
// state the line starts in; the next refresh sees the state the whole line
// leaves, as if no caret were counted.
TEST(CelulaDoCursor, CountsTheTextBeforeTheCaretAndKeepsTheConverterState) {
  const struct {
    const char* nome;
    bool antigo;
    std::string linha;
    int coluna;
    std::vector<int> celulas;  // at three refreshes in a row
  } casos[] = {
      {"a capital sign before the caret, old code", true, "Ana Bia", 4, {5, 5, 5}},
      {"a capital sign before the caret, unified code", false, "Ana Bia", 4, {5, 5, 5}},
      {"a number sign before the caret", false, "tem 12 anos", 6, {7, 7, 7}},
      {"caret past the end", false, "Ana Bia", 99, {9, 9, 9}},
      {"negative column", true, "Ana Bia", -4, {0, 0, 0}},
      // Each refresh flips the quote: "{" opens, "}" closes.
      {"old code, a quote after the caret", true, "diz \"sim", 2, {2, 2, 2}},
      // The line leaves a bracket open; "1)" is a list number only while
      // none is open, one cell shorter.
      {"unified code, a bracket opened after the caret", false, "1) b (c", 2, {3, 4, 4}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    reiniciaVariaveis();
    configuracao.brailleAntigo = c.antigo;
    tabelaImpressora = tabelaIdentidade();
    std::vector<std::string> sozinha, comCursor;
    for (int i = 0; i < 3; ++i) sozinha.push_back(linhaBrailleImpressora(c.linha));
    reiniciaEstadoConversores();
    std::vector<int> celulas;
    for (int i = 0; i < 3; ++i) {
      const LinhaBrailleCursor r = linhaBrailleComCursor(c.linha, c.coluna);
      comCursor.push_back(r.celulas);
      celulas.push_back(r.celulaCursor);
    }
    EXPECT_EQ(comCursor, sozinha);
    EXPECT_EQ(celulas, c.celulas);
  }
  reiniciaVariaveis();
}

TEST_F(LinhasBraille, OnlyTheCaretRowFollowsTheCaretsScreen) {
  std::string longa;
  for (int i = 0; i < 30; ++i) longa += static_cast<char>('a' + i % 26);
  doc = {longa, longa, longa};
  saida.largura = 10;
  vista.linhasBrailleVisiveis = 5;
  vista.rotuloBrailleAtual = 2;
  const LeitorLinha leitor = [this](int i) { return doc[static_cast<std::size_t>(i)]; };
  const std::pair<int, std::string> casos[] = {
      {0, longa.substr(0, 10)}, {9, longa.substr(0, 10)}, {10, longa.substr(10, 10)}, {23, longa.substr(20, 10)}};
  for (const auto& [coluna, caret] : casos) {
    SCOPED_TRACE(coluna);
    vista.atualizaLinhasBraille(2, 3, leitor, coluna);
    EXPECT_EQ(linhas(), (std::vector<std::string>{longa, caret, longa, "", ""}));
    // A click shows the caret line on row 1, on the caret's screen too.
    vista.cliqueEditor(2, 3, leitor, coluna);
    EXPECT_EQ(saida.texto[1], caret);
    vista.ultimaLinhaBraille = -1;  // the click left row 1 out of step
  }
  // Another text on the same caret line: every row is redone.
  doc = {"x", "y", "z"};
  vista.textoSubstituido();
  vista.atualizaLinhasBraille(2, 3, leitor, 0);
  EXPECT_EQ(linhas(), (std::vector<std::string>{"z", "y", "x", "", ""}));
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
