#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "arquivos.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brpaginas.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;

const std::string tracos(50, '-');
const std::string iguais(50, '=');
const std::string diretiva = "\x0F\x0F\x0F\x0F ";
const std::string reserva = "\x0B";

std::string brancos(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A .GRB picture of 8 dot rows: 9 dots down, three text lines of 4 dots.
const std::string figura = "****\r\n*  *\r\n*  *\r\n*  *\r\n*  *\r\n*  *\r\n*  *\r\n****\r\n";

class Gerador : public apoio::TesteTraducao {
 protected:
  void SetUp() override {
    TesteTraducao::SetUp();
    nomeDocumento = pasta.arquivo("documento.txt");
    // Headers off unless a test wants them: most tests look at the text.
    configuracao.comTitulo = false;
  }
  Linhas gera(const Linhas& documento, int linhaCursor = -1) {
    int linhaRascunho = -1;
    EXPECT_TRUE(geraRascunho(documento, linhaCursor, linhaRascunho, false));
    ultimaLinhaRascunho = linhaRascunho;
    Linhas lidas;
    EXPECT_TRUE(leRascunho(lidas));
    return lidas;
  }

  int ultimaLinhaRascunho = -1;
};

struct CasoDocumento {
  const char* nome;
  std::function<void()> ajuste;
  Linhas documento;
  Linhas esperado;
};

TEST_F(Gerador, TextLayout) {
  const CasoDocumento casos[] = {
      {"empty document, empty draft", [] {}, {}, {}},
      {"empty document in interpoint", [] { configuracao.frenteVerso = true; }, {}, {}},
      {"short lines join into one", [] {}, {"uma linha", "outra linha"}, {"uma linha outra linha"}},
      {"without joining each line stays", [] {}, {"<F->", "uma linha", "outra linha"}, {"uma linha", "outra linha"}},
      {"an empty line ends the paragraph and stays", [] {}, {"um", "", "dois"}, {"um", "", "dois"}},
      {"a leading blank starts a paragraph, two stay as indent", [] {},
       {"um", " dois", "  tres"}, {"um", "dois", "  tres"}},
      {"tabs are two blanks", [] {}, {"<F->", "\tx"}, {"  x"}},
      // Texts copied from the web carry no-break spaces: blanks in Braille.
      {"no-break spaces indent, part words and end lines", [] {},
       {"Ana\u00A0"_cp, "Rui", "\u00A0\u00A0Eva\u00A0Ana\u00A0"_cp, "\u00A0Rui"_cp}, {"{ana {rui", "  {eva {ana", "{rui"}},
      {"no-break spaces in the old code", [] { configuracao.brailleAntigo = true; },
       {"Ana\u00A0"_cp, "Rui", "\u00A0\u00A0Eva\u00A0Ana\u00A0"_cp, "\u00A0Rui"_cp}, {"]ana ]rui", "  ]eva ]ana", "]rui"}},
      {"a line breaks at a no-break space", [] { configuracao.maxCarac = 20; configuracao.separaSilabas = false; },
       {"palavra\u00A0palavra\u00A0palavra\u00A0palavra"_cp}, {"palavra palavra", "palavra palavra"}},
      {"twelve no-break spaces centre a line", [] {}, {"\u00A0"_cp + brancos(11) + "casa"}, {brancos(16) + "casa"}},
      {"a long paragraph is cut at blanks", [] { configuracao.maxCarac = 20; configuracao.separaSilabas = false; },
       {"palavra palavra palavra palavra"}, {"palavra palavra", "palavra palavra"}},
      {"continuation indent", [] { configuracao.maxCarac = 20; configuracao.separaSilabas = false; },
       {"<R+>", "palavra palavra palavra palavra", "<R->", "palavra palavra palavra palavra"},
       {"palavra palavra", "  palavra palavra", "palavra palavra", "palavra palavra"}},
      {"hyphenation between syllables, and off", [] { configuracao.maxCarac = 20; },
       {"casa grande abacateiro", "", "<S->", "casa grande abacateiro"},
       {"casa grande abaca-", "teiro", "", "casa grande", "abacateiro"}},
      {"centred line", [] {}, {brancos(12) + "casa"}, {brancos(16) + "casa"}},
      {"a waiting paragraph is not centred by the next line", [] {},
       {"texto curto", brancos(12) + "centro"}, {"texto curto", brancos(15) + "centro"}},
      {"raw block copies text untranslated and unjoined", [] {},
       {"<F*>", "Ana <b>", "Rui", "<F+>", "Ana"}, {"Ana <b>", "Rui", "{ana"}},
      {"margin prefix narrows the line", [] { configuracao.maxCarac = 20; configuracao.separaSilabas = false; },
       {"<M::>", "palavra palavra palavra", "<M>", "palavra palavra palavra"},
       {"::palavra palavra", "::palavra", "palavra palavra", "palavra"}},
      {"a long prefix is cut to two less than the width", [] { configuracao.maxCarac = 6; },
       {"<Mabcdefgh>", "x y z w"}, {"abcdx", "abcdy", "abcdz", "abcdw"}},
      {"notes and unknown markup leave nothing", [] {},
       {"<*** uma nota ***>", "<Zqualquer>", "<S?>", "um"}, {"um"}},
      {"bad original page number is text", [] {}, {"<12x>"}, {"<#12x>"}},
      {"foreign text switch is markup", [] {}, {"<I+>", "um", "<I->", "dois"}, {"um dois"}},
      {"page length of 0 still puts one line on each page", [] { configuracao.maxLin = 0; },
       {"<F->", "um", "dois", "tres"}, {"um", tracos, "dois", tracos, "tres"}},
      {"width 0 still moves on", [] { configuracao.maxCarac = 0; }, {"ab"}, {"a", "b"}},
      {"negative width still moves on", [] { configuracao.maxCarac = -5; }, {"ab", "<R+>", "cd"}, {"a", "b", "c", "d"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    c.ajuste();
    // Every draft that holds anything ends with the end of its last page.
    Linhas esperado = c.esperado;
    if (!esperado.empty()) esperado.push_back(tracos);
    EXPECT_EQ(gera(c.documento), esperado);
  }
}

TEST_F(Gerador, PagesAndHeaders) {
  const std::string h1 = brancos(34) + "#1";
  const std::string h2 = brancos(34) + "#2";
  const CasoDocumento casos[] = {
      {"a full page ends before the next line", [] { configuracao.maxLin = 3; },
       {"<F->", "a", "b", "c", "d"}, {"a", "b", "c", tracos, "d", tracos}},
      {"headers count as page lines", [] { configuracao.maxLin = 3; configuracao.comTitulo = true; },
       {"<F->", "a", "b", "c"}, {h1, "a", "b", tracos, h2, "c", tracos}},
      {"two page breaks leave a page with only its header", [] { configuracao.comTitulo = true; },
       {"<P>", "<P>"}, {h1, tracos, h2, tracos, brancos(34) + "#3", tracos}},
      {"numbered title first ends page 1 at once", [] { configuracao.comTitulo = true; },
       {"<T+1>", "a"}, {tracos, h1, "a", tracos}},
      {"first page number and a renumbering", [] { configuracao.comTitulo = true; numPagInicial = 5; },
       {"a", "<T+10>", "b"}, {brancos(34) + "#5", "a", tracos, brancos(33) + "#14", "b", tracos}},
      {"roman numbering", [] { configuracao.comTitulo = true; },
       {"<T*4>", "a"}, {tracos, brancos(32) + "{{iv", "a", tracos}},
      {"a bad number makes an ordinary title", [] { configuracao.comTitulo = true; configuracao.maxCarac = 10; },
       {"<T+99999999999>", "a"}, {"+#99999999999#1", "a", tracos}},
      {"title markup, with and without closing sign", [] { configuracao.comTitulo = true; configuracao.maxCarac = 10; },
       {"<TAb>", "a", "<T cd", "<P>", "b"}, {"  {ab   #1", "a", tracos, "   cd   #2", "b", tracos}},
      {"an empty title markup clears the title", [] {
         configuracao.comTitulo = true; configuracao.maxCarac = 10; configuracao.titulo = "ab"; },
       {"a", "<T>", "<P>", "b"}, {"   ab   #1", "a", tracos, brancos(8) + "#2", "b", tracos}},
      {"headers off and on", [] { configuracao.comTitulo = true; },
       {"<T->", "a", "<P>", "<T+>", "b", "<P>", "c"}, {"a", tracos, h2, "b", tracos, brancos(34) + "#3", "c", tracos}},
      {"original page number in the header", [] { configuracao.comTitulo = true; configuracao.maxCarac = 12; },
       {"<12>", "a"}, {"  #12" + brancos(5) + "#1", "a", tracos}},
      {"blank lines at a page top are dropped", [] { configuracao.maxLin = 2; },
       {"<F->", "a", "b", "", "c"}, {"a", "b", tracos, "c", tracos}},
      {"empty-line markers", [] { configuracao.EnviaVazias = true; },
       {"um", "", "dois"}, {"um", " ", "", "dois", tracos}},
      {"interpoint ends on a whole sheet", [] { configuracao.frenteVerso = true; configuracao.maxLin = 1; },
       {"<F->", "a", "b"}, {"a", tracos, "b", tracos}},
      {"interpoint pads an odd page count", [] { configuracao.frenteVerso = true; },
       {"a", "<P>", "b", "<P>", "c"}, {"a", tracos, "b", tracos, "c", tracos, tracos}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    c.ajuste();
    EXPECT_EQ(gera(c.documento), c.esperado);
  }
}

TEST_F(Gerador, Graphics) {
  pasta.grava("fig.grb", figura);
  std::filesystem::create_directory(pasta.arquivo("Meus documentos"));
  pasta.grava("Meus documentos/fig b.grb", figura);
  const std::string d = diretiva;
  const CasoDocumento casos[] = {
      {"inline with reserved lines", [] { configuracao.tipoTratGrafico = 0; },
       {"a", "<G* fig.grb>", "b"}, {"a", d + "fig.grb", reserva, reserva, reserva, "b", tracos}},
      {"inline without reserved lines, position kept with the margin", [] { configuracao.tipoTratGrafico = 0; },
       {"<Mab>", "<G+ 5 fig.grb>", "<G+ d fig.grb>"}, {d + "7 fig.grb", d + "D fig.grb", tracos}},
      {"inline graphics off leave no trace", [] {}, {"a", "<G* fig.grb>", "b"}, {"a", "b", tracos}},
      {"full page graphic gets a page of its own", [] {},
       {"a", "<G 12 fig.grb>", "b"}, {"a", tracos, d + "12 fig.grb", tracos, "b", tracos}},
      {"full page graphic at the top of a page", [] {},
       {"<G fig.grb>", "b"}, {d + "fig.grb", tracos, "b", tracos}},
      {"interpoint leaves the graphic's back blank", [] { configuracao.frenteVerso = true; },
       {"<G fig.grb>", "b"}, {d + "fig.grb", iguais, "b", tracos, tracos}},
      {"a full page graphic waits for the next front", [] { configuracao.frenteVerso = true; },
       {"a", "<G fig.grb>", "b"}, {"a", tracos, tracos, d + "fig.grb", iguais, "b", tracos, tracos}},
      {"a name with a blank gets the position E", [] { configuracao.tipoTratGrafico = 0; },
       {"<G* Meus documentos/fig b.grb>"}, {d + "E Meus documentos/fig b.grb", reserva, reserva, reserva, tracos}},
      {"a kind that is a letter is dropped", [] {}, {"<Gx fig.grb>", "a"}, {"a", tracos}},
      {"a device never finishes reading and is not measured", [] { configuracao.tipoTratGrafico = 0; },
       {"<G* /dev/zero>"}, {d + "/dev/zero", tracos}},
      {"a missing file reserves nothing", [] { configuracao.tipoTratGrafico = 0; },
       {"<G* falta.grb>"}, {d + "falta.grb", tracos}},
      {"reserved lines run past the page length, the next line starts a page",
       [] { configuracao.tipoTratGrafico = 0; configuracao.maxLin = 3; },
       {"<F->", "a", "b", "<G* fig.grb>", "c"}, {"a", "b", d + "fig.grb", reserva, reserva, reserva, tracos, "c", tracos}},
      {"an inline graphic on a fresh page takes the place of its header",
       [] { configuracao.tipoTratGrafico = 0; configuracao.comTitulo = true; },
       {"<G+ fig.grb>", "a"}, {d + "fig.grb", "a", tracos}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    c.ajuste();
    EXPECT_EQ(gera(c.documento), c.esperado);
  }
}

TEST_F(Gerador, MalformedMarkupShowsItsLineAndBecomesText) {
  const struct {
    Linhas documento;
    Linhas esperado;
  } casos[] = {
      {{"<"}, {"<"}},
      {{"a", "b", "c", "d", "e", "f", "g", "h", "i", "<G* fig.grb"}, {"a b c d e f g h i", "<{g* fig.grb"}},
      {{"<G"}, {"<{g"}},
      {{"<G>"}, {"<{g>"}},
      {{"<G* >"}, {"<{g* >"}},
      {{"<G* 5x fig.grb>"}, {"<{g* #5x fig.grb>"}},
      {{"<G* xy nada.grb>"}, {"<{g* xy nada.grb>"}},
      // The margin stays as it was.
      {{"<Mab>", "<Mcd", "x"}, {"ab<{mcd x"}},
  };
  const std::string esperados[] = {"1", "10", "1", "1", "1", "1", "1", "2"};
  int k = 0;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.documento.back());
    SetUp();
    mensagens.servico.limpa();
    mensagens.esperaOk();
    Linhas esperado = c.esperado;
    esperado.push_back(tracos);
    EXPECT_EQ(gera(c.documento), esperado);
    EXPECT_EQ(mensagens.servico.textos(),
              (Linhas{"Comando gráfico inválido na linha "_cp + esperados[k] + "."}));
    // A plain message box, not an error box: the pass goes on.
    for (const auto& caixa : mensagens.servico.registro) EXPECT_EQ(caixa.tipo, plataforma::TipoMensagem::simples);
    ++k;
  }
}

// A pass started from a box shown in the middle of another is refused and
// touches nothing: the running pass writes the draft it writes alone.
TEST_F(Gerador, APassStartedInsideAPassIsRefused) {
  const Linhas documento = {"<TConto>", "  Texto (aberto e \"citado", "<G* Meus desenhos/casa.grb>",
                            "fim\" com 2) e mais palavras para outra linha.", "<P>", "Outra página."_cp};
  configuracao.comTitulo = true;
  configuracao.maxCarac = 24;
  configuracao.maxLin = 4;
  int linha = -1;
  mensagens.esperaOk();
  ASSERT_TRUE(geraRascunho(documento, 3, linha, false));
  const std::string sozinho = pasta.le("rascunho.txt");
  bool dentro = false;
  int outraLinha = 77;
  std::string traduzida = "antes";
  apoio::naProximaCaixa(mensagens, [&] {
    dentro = traducaoEmCurso();
    EXPECT_FALSE(geraRascunho({"<T*9>", "\"x (", "<P>", "y"}, 1, outraLinha, true));
    EXPECT_FALSE(traduzLinha("\"x (1", traduzida));
  });
  linha = -1;
  EXPECT_TRUE(geraRascunho(documento, 3, linha, false));
  EXPECT_TRUE(dentro);
  EXPECT_EQ(outraLinha, 77);
  EXPECT_EQ(traduzida, "antes");
  EXPECT_EQ(pasta.le("rascunho.txt"), sozinho);
}

TEST_F(Gerador, SameDocumentTwiceGivesTheSameDraftAndLeavesTheSettings) {
  configuracao.comTitulo = true;
  configuracao.maxCarac = 20;
  configuracao.separaSilabas = false;
  filaGraficos = {"velho.grb"};
  filaPosicoesGraficos = {" "};
  const Linhas documento = {"<R+>", "palavra palavra palavra palavra", "<T*3>", "<T->", "a"};
  const Linhas primeiro = gera(documento);
  EXPECT_EQ(primeiro, gera(documento));
  EXPECT_TRUE(configuracao.comTitulo);
  EXPECT_EQ(std::count(primeiro.begin(), primeiro.end(), diretiva + "velho.grb"), 0);
  // A document without markup after it starts from the settings again.
  EXPECT_EQ(gera({"palavra palavra palavra palavra"}),
            (Linhas{brancos(18) + "#1", "palavra palavra", "palavra palavra", tracos}));
}

TEST_F(Gerador, PageRangeLineMapAndCursor) {
  configuracao.maxLin = 2;
  paginaInicial = 2;
  paginaFinal = 2;
  const Linhas documento = {"<F->", "a", "b", "c", "d", "e", "f", "g"};
  EXPECT_EQ(gera(documento, 4), (Linhas{"c", "d", tracos}));
  EXPECT_EQ(ultimaLinhaRascunho, 4);  // a, b, the end of page 1 and c
  EXPECT_EQ(mapaLinhas, (std::vector<int>{0, 0, 1, 2, 4, 5, 0, 0}));
  // The cursor after the range is never reached.
  gera(documento, 7);
  EXPECT_EQ(ultimaLinhaRascunho, 0);
}

TEST_F(Gerador, LongLinesAndEveryLineFits) {
  std::string longa;
  for (int i = 0; longa.size() < 100000; ++i) longa += (i % 7 == 0) ? "anticonstitucionalissimamente " : "casa ";
  const std::string semBrancos(100000, 'x');
  for (const std::string& linha : {longa, semBrancos}) {
    SetUp();
    configuracao.maxLin = 25;
    const Linhas draft = gera({linha, "fim"});
    std::size_t celulas = 0;
    for (const auto& l : draft) {
      if (l == tracos) continue;
      EXPECT_LE(l.size(), 36u);
      celulas += static_cast<std::size_t>(std::count_if(l.begin(), l.end(), [](char c) { return c != ' ' && c != '-'; }));
    }
    const std::size_t esperado = static_cast<std::size_t>(std::count_if(linha.begin(), linha.end(), [](char c) { return c != ' '; })) + 3;
    EXPECT_EQ(celulas, esperado);
  }
}

TEST_F(Gerador, DiskErrorsAreReported) {
  mensagens.esperaOk(2);
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  int linha = 42;
  EXPECT_FALSE(geraRascunho({"a"}, 0, linha, false));
  EXPECT_EQ(linha, 42);
  std::string saida = "antes";
  EXPECT_FALSE(traduzLinha("a", saida));
  EXPECT_EQ(saida, "antes");
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{mensagemErroRascunho, mensagemErroRascunho}));
}

TEST_F(Gerador, WriteErrorIsNotSuccess) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  mensagens.esperaOk();
  configuracao.arqTrab = "/dev/full";
  int linha = 0;
  EXPECT_FALSE(geraRascunho(Linhas(2000, "uma linha de texto"), 0, linha, false));
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{mensagemErroRascunho}));
}

// The single-line pass writes a file of its own beside the draft; a write
// that does not reach the disk is made here by a file size limit of 0 bytes.
TEST_F(Gerador, SingleLineWriteErrorIsNotSuccess) {
  mensagens.esperaOk();
  rlimit antes{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
  const auto sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
  rlimit zero = antes;
  zero.rlim_cur = 0;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &zero), 0);
  std::string saida = "antes";
  const bool ok = traduzLinha("a", saida);
  setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, sinalAntes);
  EXPECT_FALSE(ok);
  EXPECT_EQ(saida, "antes");
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{mensagemErroRascunho}));
}

// What the preview, its line map and a print job read is the draft of the
// last document pass: a single-line translation in between changes none of it.
TEST_F(Gerador, SingleLineLeavesTheDraftAndTheLineMapAlone) {
  const Linhas documento{"Primeira linha.", "", "Segunda linha."};
  const Linhas rascunho = gera(documento, 2);
  const std::vector<int> mapa = mapaLinhas;
  std::string saida;
  ASSERT_TRUE(traduzLinha("Outra coisa", saida));
  EXPECT_EQ(saida, "{outra coisa");
  ASSERT_TRUE(traduzLinha(Linhas{"x"}, 0, saida));
  EXPECT_EQ(configuracao.arqTrab, pasta.arquivo("rascunho.txt"));
  Linhas depois;
  ASSERT_TRUE(leRascunho(depois));
  EXPECT_EQ(depois, rascunho);
  EXPECT_EQ(mapaLinhas, mapa);
  // Nothing of the single-line pass is left in the folder.
  int arquivos = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(pasta.caminho())) ++arquivos;
  EXPECT_EQ(arquivos, 1);
}

TEST_F(Gerador, SingleLine) {
  const struct {
    const char* nome;
    std::function<void()> ajuste;
    std::string linha;
    std::string esperado;
  } casos[] = {
      {"a word", [] {}, "Ana", "{ana"},
      {"an empty line", [] {}, "", ""},
      {"an empty line with markers", [] { configuracao.EnviaVazias = true; }, "", " "},
      {"markup is text", [] {}, "<P>", "<{p>"},
      {"no header even when titles are on", [] { configuracao.comTitulo = true; }, "Ana", "{ana"},
      {"no page end even with a page length of 0", [] { configuracao.maxLin = 0; }, "Ana", "{ana"},
      {"raw mode does not carry over", [] { semTraducao = true; }, "Ana", "{ana"},
      {"mapped through the printer table", [] { tabelaImpressora['{'] = '.'; }, "Ana", ".ana"},
      {"one leading blank goes, two stay", [] {}, " a", "a"},
      {"one leading blank goes, two stay", [] {}, "  a", "  a"},
      {"no-break spaces are blanks", [] {}, "\u00A0\u00A0Ana\u00A0Rui\u00A0"_cp, "  {ana {rui"},
      {"no-break spaces are blanks in the old code", [] { configuracao.brailleAntigo = true; },
       "\u00A0Ana\u00A0Rui\u00A0"_cp, "]ana ]rui"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    c.ajuste();
    std::string saida = "antes";
    EXPECT_TRUE(traduzLinha(c.linha, saida));
    EXPECT_EQ(saida, c.esperado);
    EXPECT_EQ(larguraLinha(), 254);
    EXPECT_EQ(paginaFinal, 9999);
  }
}

TEST_F(Gerador, SingleLineCutsAt254Cells) {
  std::string linha;
  while (linha.size() < 600) linha += "casa ";
  std::string saida;
  ASSERT_TRUE(traduzLinha(Linhas{"x", linha}, 1, saida));
  EXPECT_LE(saida.size(), 254u);
  EXPECT_GE(saida.size(), 240u);
  EXPECT_EQ(saida.substr(0, 10), "casa casa ");
  ASSERT_TRUE(traduzLinha(Linhas{"x"}, 5, saida));
  EXPECT_EQ(saida, "");
}

TEST_F(Gerador, ExampleDocumentTranslatesCleanly) {
  nomeDocumento = std::string(LUMAREL_DIR_TESTES) + "/../../data/exemplo.txt";
  std::string texto;
  ASSERT_TRUE(plataforma::leArquivo(nomeDocumento, texto));
  configuracao.comTitulo = true;
  configuracao.tipoTratGrafico = 0;
  Linhas documento;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    std::size_t fim = texto.find("\r\n", inicio);
    if (fim == std::string::npos) fim = texto.size();
    documento.push_back(texto.substr(inicio, fim - inicio));
    inicio = fim + 2;
  }
  const Linhas draft = gera(documento);
  // The graphic beside the document is found and its lines are reserved.
  const auto figura = std::find(draft.begin(), draft.end(), diretiva + "casa.grb");
  ASSERT_NE(figura, draft.end());
  ASSERT_GE(draft.end() - figura, 4);
  EXPECT_EQ(Linhas(figura + 1, figura + 4), (Linhas{reserva, reserva, reserva}));
  EXPECT_GE(std::count(draft.begin(), draft.end(), tracos), 3);
  for (const auto& l : draft)
    if (l != tracos && !ehDiretivaGrafico(l)) {
      EXPECT_LE(l.size(), 36u) << l;
    }
}

// ---------------------------------------------------------------------------
// Golden documents: each document under dourados/ with its whole expected
// draft beside it, in internal code (identity printer table). Setting
// LUMAREL_REGRAVA_DOURADOS rewrites the expected files from the current
// output, for review before they are kept.

std::string pastaDourados() { return std::string(LUMAREL_DIR_TESTES) + "/dourados"; }

Linhas divideLinhas(const std::string& conteudo) {
  Linhas linhas;
  std::size_t inicio = 0;
  while (inicio < conteudo.size()) {
    std::size_t fim = conteudo.find("\r\n", inicio);
    if (fim == std::string::npos) fim = conteudo.size();
    linhas.push_back(conteudo.substr(inicio, fim - inicio));
    inicio = fim + 2;
  }
  return linhas;
}

struct CasoDourado {
  const char* nome;
  std::function<void()> ajuste;
  int mensagens;
};

TEST_F(Gerador, GoldenDocuments) {
  const CasoDourado casos[] = {
      {"paragrafos", [] { configuracao.maxCarac = 24; configuracao.maxLin = 8; configuracao.titulo = "Contos"; }, 0},
      {"marcacao", [] { configuracao.maxCarac = 28; configuracao.maxLin = 10; configuracao.tipoTratGrafico = 0; }, 1},
      {"estilo0_interponto", [] {
         configuracao.maxCarac = 28; configuracao.maxLin = 5; configuracao.frenteVerso = true;
         configuracao.tipoCabec = 2; configuracao.afastaCabPar = true; configuracao.estiloNumPag = 0; }, 0},
      {"estilo1", [] { configuracao.maxCarac = 28; configuracao.maxLin = 5; configuracao.estiloNumPag = 1; }, 0},
      {"estilo2", [] { configuracao.maxCarac = 28; configuracao.maxLin = 5; configuracao.estiloNumPag = 2; }, 0},
      {"estilo3", [] { configuracao.maxCarac = 28; configuracao.maxLin = 5; configuracao.estiloNumPag = 3; }, 0},
      {"graficos", [] {
         configuracao.maxCarac = 28; configuracao.maxLin = 8; configuracao.frenteVerso = true;
         configuracao.tipoTratGrafico = 0; configuracao.EnviaVazias = true; }, 0},
  };
  const bool regrava = std::getenv("LUMAREL_REGRAVA_DOURADOS") != nullptr;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    configuracao.comTitulo = true;
    nomeDocumento = pastaDourados() + "/" + c.nome + ".txt";
    c.ajuste();
    std::string texto;
    ASSERT_TRUE(plataforma::leArquivo(nomeDocumento, texto));
    mensagens.servico.limpa();
    mensagens.esperaOk(c.mensagens);
    int linha = 0;
    ASSERT_TRUE(geraRascunho(divideLinhas(texto), 0, linha, false));
    EXPECT_EQ(mensagens.servico.textos().size(), static_cast<std::size_t>(c.mensagens));
    const std::string obtido = pasta.le("rascunho.txt");
    const std::string nomeEsperado = pastaDourados() + "/" + c.nome + ".rascunho";
    if (regrava) {
      ASSERT_TRUE(plataforma::gravaArquivoSeguro(nomeEsperado, obtido));
    }
    std::string esperado;
    ASSERT_TRUE(plataforma::leArquivo(nomeEsperado, esperado));
    EXPECT_EQ(divideLinhas(obtido), divideLinhas(esperado));
    EXPECT_EQ(obtido, esperado);
  }
}

}  // namespace
