#include "brgrafpr.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

class GraficoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    limpaMatrizGrafica();
  }
  void TearDown() override { reiniciaVariaveis(); }
};

std::string repete(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

int contaPontos(const TMatrizPontos& m) {
  int n = 0;
  for (const unsigned char p : m.pontos) n += p;
  return n;
}

struct CasoMedida {
  const char* nome;
  std::string conteudo;
  int largura;
  int altura;
};

TEST_F(GraficoTest, MedeLinhaMaisLongaParEAlturaMultiploDeTres) {
  const std::vector<CasoMedida> casos = {
      {"three then one", "* *\r\n*\r\n", 4, 3},
      {"seven lines, two empty after", repete("**\r\n", 7) + "\r\n\r\n", 2, 9},
      {"seven lines, a line of blanks after", repete("**\r\n", 7) + "   \r\n", 4, 9},
      {"trailing blanks count", "*     \r\n", 6, 3},
      {"empty file", "", 0, 0},
      {"only empty lines", "\r\n\r\n\r\n", 0, 0},
      {"empty line inside counts", "*\r\n\r\n*\r\n*\r\n", 2, 6},
      {"last line without CR LF", "**\r\n***", 4, 3},
      {"CR without LF", "*\r**\r***", 4, 3},
      {"LF without CR", "*\n**\n***\n****\n", 4, 6},
      {"binary bytes", std::string("\0\xFF\x01*", 4) + "\r\n" + std::string(1, '\0'), 4, 3},
      {"ten thousand columns", std::string(10000, '*') + "\r\n", 10000, 3},
      {"ten thousand lines", repete("*\r\n", 10000), 2, 10002},
  };
  for (const auto& c : casos) {
    int largura = -1, altura = -1;
    dimensoesConteudoGrafico(c.conteudo, largura, altura);
    EXPECT_EQ(largura, c.largura) << c.nome;
    EXPECT_EQ(altura, c.altura) << c.nome;
  }
}

TEST_F(GraficoTest, ArquivoAusenteOuVazioMedeZero) {
  apoio::PastaTemporaria pasta;
  pasta.grava("vazio.grb", "");
  for (const std::string& nome : {pasta.arquivo("vazio.grb"), pasta.arquivo("falta.grb"), pasta.caminho()}) {
    int largura = -1, altura = -1;
    dimensoesGrafico(nome, largura, altura);
    EXPECT_EQ(largura, 0) << nome;
    EXPECT_EQ(altura, 0) << nome;
    EXPECT_EQ(alturaGraficoLinhas(nome), 0) << nome;
  }
}

TEST_F(GraficoTest, TamanhoEmCelulasSegueOModelo) {
  apoio::PastaTemporaria pasta;
  pasta.grava("g.grb", repete(std::string(60, '*') + "\r\n", 30));
  struct Caso {
    const char* marca;
    int linhas, celulas;
  };
  for (const Caso c : {Caso{"Index Basic", 8, 20}, Caso{"Braillo", 8, 20}, Caso{"Tiger Pro", 8, 12}}) {
    configuracao.Marca = c.marca;
    int linhas = 0, celulas = 0;
    dimensoesGraficoCelulas(pasta.arquivo("g.grb"), linhas, celulas);
    EXPECT_EQ(linhas, c.linhas) << c.marca;
    EXPECT_EQ(celulas, c.celulas) << c.marca;
    EXPECT_EQ(alturaGraficoLinhas(pasta.arquivo("g.grb")), c.linhas) << c.marca;
    EXPECT_EQ(larguraGrafico(pasta.arquivo("g.grb")), 60);
  }
}

TEST_F(GraficoTest, MatrizSoAceitaDentroDeZeroATrezentos) {
  struct Caso {
    int x, y;
    bool marca;
  };
  for (const Caso c : {Caso{300, 300, true}, Caso{0, 0, true}, Caso{301, 0, false},
                       Caso{-1, 5, false}, Caso{5, 301, false}, Caso{0, -1, false},
                       Caso{INT_MIN, INT_MAX, false}}) {
    limpaMatrizGrafica();
    marcaPonto(c.x, c.y);
    EXPECT_EQ(contaPontos(matrizGrafica), c.marca ? 1 : 0) << c.x << "," << c.y;
    EXPECT_EQ(matrizGrafica.le(c.x, c.y), c.marca ? 1 : 0);
  }
  marcaPonto(300, 300);
  EXPECT_EQ(matrizGrafica.pontos.back(), 1);
  marcaPonto(7, 2);
  EXPECT_EQ(matrizGrafica.pontos[301 * 2 + 7], 1);
}

TEST_F(GraficoTest, LimpaRetanguloCortadoNaMatriz) {
  matrizGrafica.pontos.fill(1);
  limpaRetanguloGrafico(299, 10, 100, 2);  // reaches past column 300
  EXPECT_EQ(matrizGrafica.le(298, 10), 1);
  EXPECT_EQ(matrizGrafica.le(299, 10), 0);
  EXPECT_EQ(matrizGrafica.le(300, 11), 0);
  EXPECT_EQ(matrizGrafica.le(0, 11), 1);  // no wrap into the next row
  EXPECT_EQ(matrizGrafica.le(0, 12), 1);
  EXPECT_EQ(contaPontos(matrizGrafica), 301 * 301 - 4);

  limpaRetanguloGrafico(-5, -5, 7, 7);
  EXPECT_EQ(matrizGrafica.le(1, 1), 0);
  EXPECT_EQ(matrizGrafica.le(2, 1), 1);
  limpaRetanguloGrafico(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX);
  limpaRetanguloGrafico(10, 10, 0, 5);
  limpaRetanguloGrafico(10, 10, -3, 5);
  EXPECT_EQ(matrizGrafica.le(10, 10), 1);
  limpaRetanguloGrafico(INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // ends at -2
  EXPECT_EQ(matrizGrafica.le(100, 100), 1);
  limpaRetanguloGrafico(-10, -10, INT_MAX, INT_MAX);
  EXPECT_EQ(contaPontos(matrizGrafica), 0);
}

TEST_F(GraficoTest, CarregaNoLugarEDescartaOQueSai) {
  const std::string g = "* *\r\n\r\n #\r\n";
  carregaConteudoGrafico(matrizGrafica, g, 10, 20);
  EXPECT_EQ(contaPontos(matrizGrafica), 3);
  EXPECT_EQ(matrizGrafica.le(10, 20), 1);
  EXPECT_EQ(matrizGrafica.le(12, 20), 1);
  EXPECT_EQ(matrizGrafica.le(11, 22), 1);  // any non-blank is a dot

  limpaMatrizGrafica();
  carregaConteudoGrafico(matrizGrafica, g, 299, 299);  // only (299, 299) lands
  EXPECT_EQ(contaPontos(matrizGrafica), 1);
  EXPECT_EQ(matrizGrafica.le(299, 299), 1);

  limpaMatrizGrafica();
  carregaConteudoGrafico(matrizGrafica, g, -2, 0);  // only (0, 0) lands
  EXPECT_EQ(contaPontos(matrizGrafica), 1);
  EXPECT_EQ(matrizGrafica.le(0, 0), 1);

  // Loading adds dots and clears none.
  matrizGrafica.poe(5, 5, 1);
  carregaConteudoGrafico(matrizGrafica, "     \r\n", 0, 5);
  EXPECT_EQ(matrizGrafica.le(5, 5), 1);
}

TEST_F(GraficoTest, ArquivoEnormeFicaDentroDaMatriz) {
  const std::string largo = std::string(10000, '*') + "\r\n";
  carregaConteudoGrafico(matrizGrafica, largo, 0, 0);
  EXPECT_EQ(contaPontos(matrizGrafica), 301);

  limpaMatrizGrafica();
  carregaConteudoGrafico(matrizGrafica, repete("*\r\n", 10000), 0, 0);
  EXPECT_EQ(contaPontos(matrizGrafica), 301);

  limpaMatrizGrafica();
  carregaConteudoGrafico(matrizGrafica, largo, INT_MIN, INT_MAX);
  carregaConteudoGrafico(matrizGrafica, largo, INT_MAX, INT_MIN);
  EXPECT_EQ(contaPontos(matrizGrafica), 0);
}

TEST_F(GraficoTest, NomeRelativoNaPastaDoDocumento) {
  struct Caso {
    const char* documento;
    std::string nome;
    std::string esperado;
  };
  const std::vector<Caso> casos = {
      {"/docs/livro.txt", "teste.GRB", "/docs/teste.GRB"},
      {"/docs/livro.txt", "/tmp/a.grb", "/tmp/a.grb"},
      {"/docs/livro.txt", "sub\\a.grb", "/docs/sub/a.grb"},
      {"/docs/livro.txt", "c:\\tmp\\a.grb", "c:/tmp/a.grb"},
      {"C:\\docs\\livro.txt", "teste.GRB", "C:/docs/teste.GRB"},
      {"", "teste.GRB", "teste.GRB"},
      {"livro.txt", "teste.GRB", "teste.GRB"},
      {"", "", ""},
  };
  for (const auto& c : casos) {
    nomeDocumento = c.documento;
    EXPECT_EQ(resolveNomeGrafico(c.nome), c.esperado) << c.documento << " + " << c.nome;
  }
  nomeDocumento = "/docs/página/livro.txt"_cp;
  EXPECT_EQ(resolveNomeGrafico("gráfico.grb"_cp), "/docs/página/gráfico.grb"_cp);
}

// A graphic named without a folder is measured and drawn from the same file,
// whatever the current directory is.
TEST_F(GraficoTest, MedeECarregaDaPastaDoDocumentoEmQualquerDiretorio) {
  apoio::PastaTemporaria doc, outra;
  const std::string nome = "gráfico.grb"_cp;
  ASSERT_TRUE(plataforma::gravaArquivoSeguro(doc.caminho() + "/" + nome, "**\r\n*\r\n"));
  ASSERT_TRUE(plataforma::gravaArquivoSeguro(outra.caminho() + "/" + nome, std::string(50, '*') + "\r\n"));
  nomeDocumento = doc.arquivo("livro.txt");

  const std::string antes = plataforma::diretorioAtual();
  ASSERT_EQ(::chdir(outra.caminho().c_str()), 0);
  int largura = 0, altura = 0;
  dimensoesGrafico(nome, largura, altura);
  const bool carregou = carregaGraficoTatil(matrizGrafica, nome, 0, 0);
  ASSERT_EQ(::chdir(antes.c_str()), 0);

  EXPECT_EQ(largura, 2);
  EXPECT_EQ(altura, 3);
  EXPECT_TRUE(carregou);
  EXPECT_EQ(contaPontos(matrizGrafica), 3);
  EXPECT_FALSE(carregaGraficoTatil(matrizGrafica, "falta.grb", 0, 0));
}

TEST_F(GraficoTest, GravaELeDeVolta) {
  apoio::PastaTemporaria pasta;
  TMatrizPontos m;
  m.poe(0, 0, 1);
  m.poe(300, 10, 1);
  const auto linhas = linhasDaMatriz(m);
  ASSERT_EQ(linhas.size(), 11u);
  EXPECT_EQ(linhas[0], "*");
  EXPECT_EQ(linhas[5], "");
  EXPECT_EQ(linhas[10], std::string(300, ' ') + "*");

  ASSERT_TRUE(gravaGraficoTatil(pasta.arquivo("d.grb"), linhas));
  const std::string gravado = pasta.le("d.grb");
  EXPECT_EQ(gravado.substr(0, 5), "*\r\n\r\n");
  EXPECT_EQ(gravado.size(), 1 + 301 + 11 * 2u);

  TMatrizPontos lida;
  ASSERT_TRUE(carregaGraficoTatil(lida, pasta.arquivo("d.grb"), 0, 0));
  EXPECT_EQ(lida.pontos, m.pontos);

  EXPECT_EQ(linhasDaMatriz(TMatrizPontos{}), std::vector<std::string>{""});
  EXPECT_FALSE(gravaGraficoTatil(pasta.arquivo("falta/d.grb"), linhas));
  EXPECT_FALSE(gravaGraficoTatil(pasta.caminho(), linhas));
}

// ---------------------------------------------------------------------------
// "Criar gráfico vazio"

// Records the value each query starts with, too.
class ServicoComValor : public plataforma::ServicoMensagensGravador {
 public:
  std::vector<std::string> valores;
  std::optional<std::string> pergunta(const std::string& titulo, const std::string& rotulo,
                                      const std::string& valorInicial) override {
    valores.push_back(valorInicial);
    return ServicoMensagensGravador::pergunta(titulo, rotulo, valorInicial);
  }
};

class GraficoVazioTest : public GraficoTest {
 protected:
  void SetUp() override {
    GraficoTest::SetUp();
    servico.aoInesperado = [](const std::string& d) { ADD_FAILURE() << "unexpected " << d; };
    plataforma::instalaServicoMensagens(&servico);
    nomeDocumento = pasta.arquivo("livro.txt");
  }
  void TearDown() override {
    plataforma::instalaServicoMensagens(nullptr);
    GraficoTest::TearDown();
  }
  void responde(std::initializer_list<std::optional<std::string>> r) {
    for (const auto& x : r) servico.respostasTexto.push_back(x);
  }

  apoio::PastaTemporaria pasta;
  ServicoComValor servico;
};

TEST_F(GraficoVazioTest, EscreveMolduraDoTamanhoPedido) {
  const std::string cheia18(18, '*');
  const std::string meio18 = "*" + std::string(16, ' ') + "*";
  EXPECT_EQ(conteudoGraficoVazio(2, 3),
            cheia18 + "\r\n" + repete(meio18 + "\r\n", 7) + cheia18 + "\r\n");
  EXPECT_EQ(conteudoGraficoVazio(1, 1), "******\r\n*    *\r\n*    *\r\n******\r\n");

  responde({"2 3", "teste"});
  servico.respostasBotao.push_back(plataforma::Botao::ok);
  criaGraficoVazio();
  EXPECT_EQ(pasta.le("teste.GRB"), conteudoGraficoVazio(2, 3));
  ASSERT_EQ(servico.registro.size(), 3u);
  EXPECT_EQ(servico.registro[0].titulo, "Criando gráfico vazio"_cp);
  EXPECT_EQ(servico.registro[0].texto,
            "Quantas linhas e colunas alfanuméricas vai ocupar (no formato yy xx)?"_cp);
  EXPECT_EQ(servico.registro[1].texto, "Nome do arquivo .GRB a criar: ");
  EXPECT_EQ(servico.textos(),
            std::vector<std::string>{"Gráfico vazio "_cp + pasta.arquivo("teste.GRB") +
                                     " foi criado.\r\nUse o menu \"Gráficos\" para escolher "_cp +
                                     "como incluí-lo no texto."_cp});
  int largura = 0, altura = 0;
  dimensoesGrafico(pasta.arquivo("teste.GRB"), largura, altura);
  EXPECT_EQ(largura, 18);
  EXPECT_EQ(altura, 9);
}

TEST_F(GraficoVazioTest, TamanhoInvalidoPerguntaDeNovo) {
  responde({"0 5", "23", "2x3", "a b", "-2 3", "2 -3", " 2 3", "61 1", "1 51", "2    3",
            "  b.grb  "});
  servico.respostasBotao.push_back(plataforma::Botao::ok);
  criaGraficoVazio();
  EXPECT_EQ(pasta.le("b.grb"), conteudoGraficoVazio(2, 3));
  // Each question again shows the answer it rejects.
  const std::vector<std::string> esperados = {"", "0 5", "23", "2x3", "a b", "-2 3",
                                              "2 -3", " 2 3", "61 1", "1 51", ""};
  EXPECT_EQ(servico.valores, esperados);

  int l = 0, k = 0;
  EXPECT_TRUE(leTamanhoGraficoVazio("60 50", l, k));  // the largest frame the matrix holds
  EXPECT_FALSE(leTamanhoGraficoVazio("99999999999 1", l, k));
}

TEST_F(GraficoVazioTest, CancelarOuVazioTerminaSemArquivo) {
  responde({std::nullopt});
  criaGraficoVazio();
  responde({""});
  criaGraficoVazio();
  responde({"1 1", std::nullopt});
  criaGraficoVazio();
  responde({"1 1", "   "});
  criaGraficoVazio();
  EXPECT_TRUE(servico.textos().empty());
  EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
}

TEST_F(GraficoVazioTest, ArquivoExistentePerguntaAntesDeDestruir) {
  struct Caso {
    std::optional<std::string> resposta;
    bool destroi;
  };
  for (const Caso& c : {Caso{"n", false}, Caso{"Não"_cp.str(), false}, Caso{std::nullopt, false},
                       Caso{"", true}, Caso{"s", true}, Caso{" n", true}}) {
    pasta.grava("velho.grb", "antigo");
    servico.limpa();
    responde({"1 1", "velho.grb", c.resposta});
    if (c.destroi) servico.respostasBotao.push_back(plataforma::Botao::ok);
    criaGraficoVazio();
    EXPECT_EQ(pasta.le("velho.grb"), c.destroi ? conteudoGraficoVazio(1, 1) : "antigo")
        << c.resposta.value_or("<cancel>");
    ASSERT_GE(servico.registro.size(), 3u);
    EXPECT_EQ(servico.registro[2].texto,
              "Não foi possível criar: gráfico já existia.\r\nQuer destruir o anterior?"_cp);
    EXPECT_EQ(servico.valores.back(), "n");
    servico.valores.clear();
  }
}

TEST_F(GraficoVazioTest, NomeComPastaEFalhaAoCriar) {
  nomeDocumento.clear();
  responde({"1 1", pasta.arquivo("falta/x.grb")});
  servico.respostasBotao.push_back(plataforma::Botao::ok);
  criaGraficoVazio();
  EXPECT_EQ(servico.textos(), std::vector<std::string>{"Não consegui criar este gráfico"_cp});
  EXPECT_EQ(servico.registro.back().tipo, plataforma::TipoMensagem::simples);

  servico.limpa();
  responde({"1 1", pasta.arquivo("abs.Grb")});
  servico.respostasBotao.push_back(plataforma::Botao::ok);
  criaGraficoVazio();
  EXPECT_EQ(pasta.le("abs.Grb"), conteudoGraficoVazio(1, 1));
}

}  // namespace
