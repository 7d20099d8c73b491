#include "brimprpagina.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brcodigo.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using Envios = std::vector<std::string>;

const std::string esc1{"\x1B" "1"};
const std::string escFim{"\x1B" "]"};

std::string diretiva(const std::string& posicao, const std::string& nome) {
  return std::string(4, '\x0F') + " " + (posicao.empty() ? "" : posicao + " ") + nome;
}

// A .GRB text of `linhas` rows, each `linha`.
std::string grb(int linhas, const std::string& linha) {
  std::string r;
  for (int i = 0; i < linhas; ++i) r += linha + "\r\n";
  return r;
}

// The first printer byte whose six dots are `mascara`.
char byteComPontos(int mascara) {
  for (int b = 33; b < 256; ++b)
    if ((codigoImpressoraParaPontos[static_cast<std::size_t>(b)] & 63) == mascara) return static_cast<char>(b);
  return '?';
}

// A band of one cell of `mascara` under an identity table, as it goes out.
std::string faixaDeUmaCelula(int mascara) {
  return std::string(1, static_cast<char>(pontosParaBrailleUnificado[static_cast<std::size_t>(mascara)])) + "\r\n";
}

class Renderizador : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    amb.tabela = tabelaIdentidade();
    amb.nomeDocumento = pasta.arquivo("livro.txt");
  }
  void TearDown() override { reiniciaVariaveis(); }

  TImprPagina pagina(std::vector<std::string> linhas, int margem = 0) {
    TImprPagina p(amb, canal);
    p.listaPagina = std::move(linhas);
    p.margemAtual = margem;
    return p;
  }

  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  apoio::CanalGravador canal;
  AmbienteImpressao amb;
};

// ---------------------------------------------------------------------------
// Text pages.

TEST_F(Renderizador, PaginaDeTextoLinhasEAvancos) {
  struct Caso {
    std::vector<std::string> linhas;
    bool frenteVerso, soFrenteInterp;
    Envios esperado;
  } casos[] = {
      {{"ab", "cd"}, false, false, {"ab\r\n", "cd\r", "\f"}},
      {{}, false, false, {"\f"}},
      {{}, false, true, {"\f", "\f"}},
      {{"ab"}, false, true, {"ab\r", "\f", "\f"}},
      {{"ab"}, true, true, {"ab\r", "\f"}},  // a real interpoint job uses both sides
      {{"", " ", "x"}, false, false, {"\r\n", " \r\n", "x\r", "\f"}},
  };
  for (const auto& c : casos) {
    canal.envios.clear();
    amb.frenteVerso = c.frenteVerso;
    amb.soFrenteInterp = c.soFrenteInterp;
    auto p = pagina(c.linhas);
    EXPECT_TRUE(p.imprimePaginaTexto());
    EXPECT_EQ(canal.envios, c.esperado);
  }
}

TEST_F(Renderizador, PaginaDeTextoQueFalhaParaCalada) {
  amb.soFrenteInterp = true;
  for (int falha = 0; falha < 4; ++falha) {
    SCOPED_TRACE(falha);
    canal.envios.clear();
    canal.falhaAPartirDe = falha;
    auto p = pagina({"ab", "cd"});
    EXPECT_FALSE(p.imprimePaginaTexto());
    EXPECT_EQ(canal.recusados, 1) << "nothing is tried after a failed send";
    canal.recusados = 0;
  }
  EXPECT_TRUE(mensagens.servico.registro.empty()) << "the text renderer shows no box";
}

// ---------------------------------------------------------------------------
// The graphic-mode band.

TEST(FaixaGrafica, CadaMascaraVoltaComSeusPontosNosDoisCodigos) {
  struct Codigo {
    const char* arquivo;
    bool antigo;
  } codigos[] = {{"ambcode.cfg", true}, {"ambcode2.cfg", false}};
  for (const auto& c : codigos) {
    SCOPED_TRACE(c.arquivo);
    apoio::Mensagens mensagens;
    TTabelaImpressora tabela{};
    ASSERT_TRUE(carregaArquivoAmbCode(apoio::pastaDados() + "/" + c.arquivo, tabela));
    for (int m = 1; m < 64; ++m) {
      TMatrizPontos matriz;
      // The cell sits at cell 7 of band 2: columns 14, 15 and rows 6 to 8.
      for (int p = 0; p < 6; ++p)
        if (m & (1 << p)) matriz.poe(14 + p / 3, 6 + p % 3, 1);
      const std::string linha =
          linhaFaixaGrafica(matriz, 6, celulasDoCodigo(c.antigo), tabela);
      ASSERT_EQ(linha.size(), 10u) << "mask " << m;
      EXPECT_EQ(linha.substr(0, 7), std::string(7, ' '));
      EXPECT_EQ(codigoImpressoraParaPontos[static_cast<unsigned char>(linha[7])] & 63, m)
          << "mask " << m;
      EXPECT_EQ(linha.substr(8), "\r\n");
    }
  }
}

TEST(FaixaGrafica, BrancosEControlesDoFimSaem) {
  TMatrizPontos matriz;
  TTabelaImpressora tabela = tabelaIdentidade();
  // A table that sends the empty cell as byte 0 and dot 1 as a blank: both
  // count as trailing filler.
  tabela[pontosParaBrailleUnificado[0]] = 0;
  tabela[pontosParaBrailleUnificado[1]] = ' ';
  matriz.poe(0, 0, 1);        // cell 0: dot 1
  matriz.poe(3, 1, 1);        // cell 1: dot 5
  matriz.poe(8, 0, 1);        // cell 4: dot 1, trailing
  const std::string linha = linhaFaixaGrafica(matriz, 0, pontosParaBrailleUnificado, tabela);
  std::string esperado = " ";
  esperado += static_cast<char>(pontosParaBrailleUnificado[16]);
  EXPECT_EQ(linha, esperado + "\r\n");
  // Column 300 is not a cell of any band.
  TMatrizPontos s;
  s.poe(300, 0, 1);
  EXPECT_EQ(linhaFaixaGrafica(s, 0, pontosParaBrailleUnificado, tabelaIdentidade()), "\r\n");
}

// ---------------------------------------------------------------------------
// Whole pages in graphic mode.

TEST_F(Renderizador, PaginaEmModoGraficoAteAUltimaLinhaUsada) {
  amb.tipoTratGrafico = 3;
  struct Caso {
    const char* nome;
    std::string conteudo;
    std::string posicao;
    std::size_t faixas;
    std::string primeira;
  } casos[] = {
      {"vazio", "", "", 1, "\r\n"},
      {"origem", "*\r\n", "", 1, faixaDeUmaCelula(1)},
      {"linha299", grb(299, "") + "*\r\n", "", 100, "\r\n"},
      {"linha300", grb(300, "") + "*\r\n", "", 1, "\r\n"},
      {"coluna300", "*\r\n", "101", 1, "\r\n"},  // text column 101 starts at dot 300
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    canal.envios.clear();
    std::vector<std::string> linhas;
    if (!c.conteudo.empty()) {
      pasta.grava(std::string(c.nome) + ".grb", c.conteudo);
      linhas.push_back(diretiva(c.posicao, std::string(c.nome) + ".grb"));
    }
    auto p = pagina(linhas);
    p.montaPaginaGrafica();
    EXPECT_TRUE(p.imprimePaginaModoGrafico());
    ASSERT_EQ(canal.envios.size(), c.faixas + 3);
    EXPECT_EQ(canal.envios.front(), esc1);
    EXPECT_EQ(canal.envios[1], c.primeira);
    EXPECT_EQ(canal.envios[canal.envios.size() - 2], escFim);
    EXPECT_EQ(canal.envios.back(), "\f");
  }
}

TEST_F(Renderizador, TextoDesenhadoComoPontos) {
  amb.tipoTratGrafico = 3;
  const char um = byteComPontos(1);
  const char seis = byteComPontos(32);
  auto p = pagina({std::string{um, um}, std::string{seis}});
  p.montaPaginaGrafica();
  const TMatrizPontos& m = p.matriz();
  EXPECT_TRUE(m.le(0, 0));
  EXPECT_TRUE(m.le(3, 0)) << "cell 1 starts H = 3 dots further";
  EXPECT_TRUE(m.le(1, 6)) << "dot 6 of the second line, V = 4 rows down";
  int pontos = 0;
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x) pontos += m.le(x, y);
  EXPECT_EQ(pontos, 3);
  // The whole page goes out as those cells.
  EXPECT_TRUE(p.imprimePaginaModoGrafico());
  // Band 0: (0, 0) is dot 1 of cell 0, (3, 0) dot 4 of cell 1; band 2
  // begins at row 6, where (1, 6) is dot 4 of cell 0.
  const Envios esperado = {esc1,
                           std::string{static_cast<char>(pontosParaBrailleUnificado[1]),
                                       static_cast<char>(pontosParaBrailleUnificado[8])} + "\r\n",
                           "\r\n", faixaDeUmaCelula(8), escFim, "\f"};
  EXPECT_EQ(canal.envios, esperado);
}

TEST_F(Renderizador, FalhaNumRenderizadorGraficoDaUmaMensagem) {
  amb.tipoTratGrafico = 0;
  pasta.grava("f.grb", grb(6, "**"));
  for (int falha = 0; falha < 6; ++falha) {
    SCOPED_TRACE(falha);
    for (int qual = 0; qual < 3; ++qual) {
      canal.envios.clear();
      canal.falhaAPartirDe = falha;
      canal.recusados = 0;
      mensagens.servico.limpa();
      mensagens.esperaOk();
      auto p = pagina({"ab", diretiva("", "f.grb"), "\x0B", "\x0B", "cd"});
      bool ok = true;
      if (qual == 0) {
        p.montaPaginaGrafica();
        ok = p.imprimePaginaMista();
      } else if (qual == 1) {
        p.montaPaginaGrafica();
        ok = p.imprimePaginaModoGrafico();
      } else {
        ok = p.imprimePaginaGraficoDireto();
      }
      if (ok) {
        // Fewer sends than the failing index: the page went out whole.
        mensagens.servico.respostasBotao.clear();
        EXPECT_EQ(canal.recusados, 0);
        continue;
      }
      EXPECT_EQ(canal.recusados, 1) << "renderer " << qual;
      EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Erro no dispositivo"});
    }
  }
}

// ---------------------------------------------------------------------------
// Placing a graphic.

TEST_F(Renderizador, PalavraDePosicaoColocaOGrafico) {
  amb.tipoTratGrafico = 3;
  amb.larguraLinha = 36;
  pasta.grava("largo.grb", "*" + std::string(58, ' ') + "*\r\n");        // 60 dots
  pasta.grava("enorme.grb", "*" + std::string(108, ' ') + "*\r\n");      // 110 dots
  struct Caso {
    std::string posicao, arquivo, prefixo;
    int margem;
    bool tiger;
    int x;
  } casos[] = {
      {"C", "largo.grb", "", 0, false, 23},  // limite 107: 1 + 23, less 1
      {"c", "largo.grb", "", 0, false, 23},
      {"CENTRO", "largo.grb", "", 0, false, 23},
      {"D", "largo.grb", "", 0, false, 47},  // 1 + 107 - 60, less 1
      {"E", "largo.grb", "", 0, false, 0},
      {"", "largo.grb", "", 0, false, 0},
      {"5", "largo.grb", "", 0, false, 12},  // text column 5
      {"5", "largo.grb", "ab", 0, false, 18},
      {"E", "largo.grb", "ab", 2, false, 12},
      {"x5", "largo.grb", "ab", 0, false, 0},  // no word the placement knows: column 1
      {"x5", "largo.grb", "", 1, false, 3},
      {"C", "enorme.grb", "", 0, false, 0},   // as wide as the line or wider: left
      {"D", "enorme.grb", "", 0, false, 0},
      {"C", "largo.grb", "", 0, true, 29},  // 5 dots a cell, width 119, limite 178
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.posicao + " " + c.arquivo + " prefix " + c.prefixo);
    amb.prefixoMargem = c.prefixo;
    amb.tiger = c.tiger;
    amb.pontosH = c.tiger ? 5 : 3;
    auto p = pagina({});
    p.margemAtual = c.margem;
    int x = -99, largura = 0, altura = 0;
    p.carregaGraficoNaMatriz(4, diretiva(c.posicao, c.arquivo), x, largura, altura);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(altura, 3);
    if (c.arquivo == "largo.grb") {
      EXPECT_EQ(largura, c.tiger ? 119 : 60);
      EXPECT_TRUE(p.matriz().le(c.x, 4));
      EXPECT_TRUE(p.matriz().le(c.x + 59, 4));
      EXPECT_FALSE(p.matriz().le(c.x + 1, 4));
    }
  }
}

TEST_F(Renderizador, GraficoAusenteAvisaESaiSemPontos) {
  amb.tipoTratGrafico = 0;
  mensagens.esperaOk();
  auto p = pagina({"ab", diretiva("C", "falta.grb"), "\x0B", "cd"});
  p.montaPaginaGrafica();
  EXPECT_EQ(mensagens.servico.textos(),
            std::vector<std::string>{"Arquivo " + pasta.arquivo("falta.grb") + " não achado"_cp});
  EXPECT_FALSE(p.linhaTemGrafico(1)) << "an unread graphic covers no line";
  EXPECT_TRUE(p.imprimePaginaMista());
  EXPECT_EQ(canal.envios, (Envios{"ab", "\r\n", " ", "\r\n", "cd", "\r", "\f"}));
}

TEST_F(Renderizador, NomeDoGraficoAoLadoDoDocumento) {
  amb.tipoTratGrafico = 3;
  pasta.grava("a.grb", "*\r\n");
  const struct {
    std::string documento;
    std::string nome;
    bool acha;
  } casos[] = {
      {pasta.arquivo("livro.txt"), "a.grb", true},
      {pasta.arquivo("livro.txt"), pasta.arquivo("a.grb"), true},
      {"/outra/pasta/livro.txt", pasta.arquivo("a.grb"), true},
      {"/outra/pasta/livro.txt", "a.grb", false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.documento + " " + c.nome);
    amb.nomeDocumento = c.documento;
    if (!c.acha) mensagens.esperaOk();
    auto p = pagina({diretiva("", c.nome)});
    p.montaPaginaGrafica();
    EXPECT_EQ(p.matriz().le(0, 0), c.acha ? 1 : 0);
  }
}

// ---------------------------------------------------------------------------
// Mixed pages.

TEST_F(Renderizador, PaginaMistaTrintaLinhasComGraficoDeDozePontos) {
  amb.tipoTratGrafico = 0;
  pasta.grava("doze.grb", grb(12, "**"));
  std::vector<std::string> linhas;
  for (int i = 1; i <= 3; ++i) linhas.push_back("L" + std::to_string(i));
  linhas.push_back(diretiva("", "doze.grb"));
  for (int i = 4; i <= 6; ++i) linhas.push_back("\x0B");
  for (int i = 7; i <= 30; ++i) linhas.push_back("L" + std::to_string(i));
  auto p = pagina(linhas);
  p.montaPaginaGrafica();
  ASSERT_EQ(p.listaPagina.size(), 30u);
  EXPECT_EQ(p.alturaGraficoLinha(3), 4);
  EXPECT_TRUE(p.imprimePaginaMista());

  Envios esperado;
  for (int i = 1; i <= 3; ++i) esperado.insert(esperado.end(), {"L" + std::to_string(i), "\r\n"});
  esperado.push_back(esc1);
  for (int b = 0; b < 4; ++b) esperado.push_back(faixaDeUmaCelula(63));
  esperado.push_back(escFim);
  for (int i = 7; i <= 30; ++i)
    esperado.insert(esperado.end(), {"L" + std::to_string(i), i == 30 ? "\r" : "\r\n"});
  esperado.push_back("\f");
  EXPECT_EQ(canal.envios, esperado);
}

TEST_F(Renderizador, PaginaMistaDoisGraficos) {
  amb.tipoTratGrafico = 0;
  pasta.grava("nove.grb", grb(9, "**"));     // 3 bands, covers 3 lines (12 rows)
  pasta.grava("seis.grb", grb(6, "*"));      // 2 bands
  pasta.grava("doze.grb", grb(12, " *"));    // 4 bands
  pasta.grava("alto.grb", grb(3000, "*"));   // 1000 bands, far past the matrix
  const std::string r = "\x0B";
  struct Caso {
    const char* nome;
    std::vector<std::string> linhas;
    Envios esperado;
  } casos[] = {
      {"each graphic's bands start at its own line",
       {diretiva("", "nove.grb"), r, r, r, "T", diretiva("", "nove.grb"), r, r, r},
       {esc1, faixaDeUmaCelula(63), faixaDeUmaCelula(63), faixaDeUmaCelula(63), escFim,
        "T", "\r\n",
        esc1, faixaDeUmaCelula(63), faixaDeUmaCelula(63), faixaDeUmaCelula(63), escFim, "\f"}},
      {"side by side: the taller one's bands",
       {diretiva("", "seis.grb"), diretiva("", "doze.grb"), r, r, r, "T"},
       {esc1, faixaDeUmaCelula(63), faixaDeUmaCelula(63), faixaDeUmaCelula(56),
        faixaDeUmaCelula(56), escFim, "T", "\r", "\f"}},
      {"side by side, the taller first",
       {diretiva("", "doze.grb"), diretiva("", "seis.grb"), r, r, r, "T"},
       {esc1, faixaDeUmaCelula(63), faixaDeUmaCelula(63), faixaDeUmaCelula(56),
        faixaDeUmaCelula(56), escFim, "T", "\r", "\f"}},
      {"a graphic that ends the page",
       {"T", diretiva("", "seis.grb")},
       {"T", "\r\n", esc1, faixaDeUmaCelula(7), faixaDeUmaCelula(7), escFim, "\f"}},
      {"a graphic taller than the page: its bands stop at row 299",
       {"T", diretiva("", "alto.grb")},
       [&] {
         Envios e{"T", "\r\n", esc1};
         for (int b = 0; b < 98; ++b) e.push_back(faixaDeUmaCelula(7));  // rows 4 to 297
         e.push_back(faixaDeUmaCelula(3));  // rows 298 and 299; row 300 never goes out
         e.insert(e.end(), {escFim, "\f"});
         return e;
       }()},
      {"a graphic on the last line of the matrix keeps its row 299",
       [&] {
         std::vector<std::string> l(74, "T");  // the graphic's top row is 296
         l.insert(l.end(), {diretiva("", "seis.grb"), r, r});
         return l;
       }(),
       [&] {
         Envios e;
         for (int i = 0; i < 74; ++i) e.insert(e.end(), {"T", "\r\n"});
         e.insert(e.end(), {esc1, faixaDeUmaCelula(7), faixaDeUmaCelula(1), escFim, "\f"});
         return e;
       }()},
      {"a whole-page graphic alone",
       {diretiva("", "nove.grb")},
       {esc1, faixaDeUmaCelula(63), faixaDeUmaCelula(63), faixaDeUmaCelula(63), escFim, "\f"}},
  };
  for (auto& c : casos) {
    SCOPED_TRACE(c.nome);
    canal.envios.clear();
    auto p = pagina(c.linhas);
    p.montaPaginaGrafica();
    EXPECT_TRUE(p.imprimePaginaMista());
    EXPECT_EQ(canal.envios, c.esperado);
  }
}

TEST_F(Renderizador, TextoAoLadoDoGraficoVaiNasFaixas) {
  amb.tipoTratGrafico = 0;
  pasta.grava("seis.grb", grb(6, "*"));
  const char um = byteComPontos(1);
  // The covered line holds text two cells in: it goes out as dots, beside
  // the graphic's column 0.
  auto p = pagina({diretiva("", "seis.grb"), std::string{' ', ' ', um}, "\x0B", "T"});
  p.montaPaginaGrafica();
  EXPECT_TRUE(p.imprimePaginaMista());
  const std::string primeira{static_cast<char>(pontosParaBrailleUnificado[7]), ' ', ' ',
                             static_cast<char>(pontosParaBrailleUnificado[1]), '\r', '\n'};
  EXPECT_EQ(canal.envios, (Envios{esc1, primeira, faixaDeUmaCelula(7), escFim, "T", "\r", "\f"}));
}

// ---------------------------------------------------------------------------
// Device-drawn graphics.

TEST_F(Renderizador, GraficoDesenhadoPeloDispositivo) {
  amb.tiger = true;
  amb.pontosH = 5;
  amb.tipoTratGrafico = 0;
  pasta.grava("g.grb", "**\r\n*\r\n");
  auto p = pagina({"L1", diretiva("E", "g.grb"), "\x0B", "L2"});
  EXPECT_TRUE(p.imprimePaginaGraficoDireto());
  EXPECT_EQ(canal.envios, (Envios{"L1", "\r\n", " ", "\r\n", "L2", "\r", "\f"}));
  ASSERT_EQ(canal.desenhos.size(), 1u);
  const auto& d = canal.desenhos[0];
  EXPECT_EQ(d.x0, 0);
  EXPECT_EQ(d.y0, 0);
  EXPECT_EQ(d.colunas, 3);  // 2 dots wide: 2 x 2 - 1
  EXPECT_EQ(d.linhas, 3);
  EXPECT_EQ(d.pontos, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}}));
  // The next graphic of the page starts on a clean matrix.
  EXPECT_FALSE(p.matriz().le(0, 0));

  // Mode 4 hands the directive on as a text line.
  amb.tipoTratGrafico = 4;
  canal.envios.clear();
  canal.desenhos.clear();
  auto q = pagina({diretiva("E", "g.grb"), "L2"});
  EXPECT_TRUE(q.imprimePaginaGraficoDireto());
  EXPECT_EQ(canal.envios, (Envios{diretiva("E", "g.grb"), "\r\n", "L2", "\r", "\f"}));
  EXPECT_TRUE(canal.desenhos.empty());
}

TEST_F(Renderizador, DesenhoQueFalhaParaAPagina) {
  amb.tiger = true;
  amb.pontosH = 5;
  amb.tipoTratGrafico = 0;
  pasta.grava("g.grb", "**\r\n");
  canal.desenhoFalha = true;
  mensagens.esperaOk();
  auto p = pagina({"L1", diretiva("", "g.grb"), "L2"});
  EXPECT_FALSE(p.imprimePaginaGraficoDireto());
  EXPECT_EQ(canal.envios, (Envios{"L1", "\r\n"}));
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Erro no dispositivo"});
}

}  // namespace
