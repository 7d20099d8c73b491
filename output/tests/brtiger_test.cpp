#include "brtiger.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "brgeometria.h"
#include "brvars.h"
#include "cp1252.h"
#include "superficie_gravadora.h"

namespace {

using Chamadas = std::vector<std::string>;

class TigerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    configuracao.Marca = "Tiger Pro";
    atualizaModoTiger();
    nomeImpressora = "Tiger";
    driverImpressora = "drv";
    portaImpressora = "usb";
    nomeDocumento = "/docs/livro.txt";
    instalaFabricaSuperficie([this] {
      ++criadas;
      return std::make_unique<SuperficieGravadora>(registro);
    });
  }
  void TearDown() override {
    fechaTiger();
    instalaFabricaSuperficie(nullptr);
    reiniciaVariaveis();
    atualizaModoTiger();
  }
  // Opens and forgets the calls of the open.
  void abre() {
    ASSERT_TRUE(abreTiger());
    registro.chamadas.clear();
  }

  SuperficieGravadora::Registro registro;
  int criadas = 0;
  apoio::Mensagens mensagens;
};

TEST_F(TigerTest, AbreComFonteCanetaEPincel) {
  registro.resolucao = 300;
  ASSERT_TRUE(abreTiger());
  EXPECT_TRUE(tigerAberto());
  const Chamadas esperadas = {
      "abre Tiger|drv|usb",        "criaFonte Braille29 120",  // 300 * 29 / 72
      "medeTexto x",               "iniciaDocumento /docs/livro.txt",
      "criaCaneta 4",              "medeTexto x",
      "criaPincel 128,128,128",    "iniciaPagina"};
  EXPECT_EQ(registro.chamadas, esperadas);

  registro.chamadas.clear();
  fechaTiger();
  const Chamadas fechamento = {"terminaPagina", "terminaDocumento", "liberaCaneta",
                               "liberaPincel", "liberaFonte", "fecha"};
  EXPECT_EQ(registro.chamadas, fechamento);
  EXPECT_FALSE(tigerAberto());

  registro.chamadas.clear();
  fechaTiger();  // closing twice releases nothing twice
  EXPECT_TRUE(registro.chamadas.empty());
}

// Whatever step fails, everything created before it is released, and only a
// printer or document that will not start tells the user.
TEST_F(TigerTest, FalhaNaAberturaLiberaTudo) {
  struct Caso {
    const char* falha;
    bool mensagem;
    Chamadas liberadas;
  };
  const std::vector<Caso> casos = {
      {"abre", true, {"fecha"}},
      {"criaFonte", false, {"fecha"}},
      {"medeTexto", false, {"liberaFonte", "fecha"}},
      {"iniciaDocumento", true, {"liberaFonte", "fecha"}},
      {"criaCaneta", false, {"terminaDocumento", "liberaFonte", "fecha"}},
      {"criaPincel", false, {"terminaDocumento", "liberaCaneta", "liberaFonte", "fecha"}},
      {"iniciaPagina", false,
       {"terminaDocumento", "liberaCaneta", "liberaPincel", "liberaFonte", "fecha"}},
  };
  for (const auto& c : casos) {
    registro.chamadas.clear();
    registro.falhaEm = c.falha;
    mensagens.servico.limpa();
    if (c.mensagem) mensagens.esperaOk();
    EXPECT_FALSE(abreTiger()) << c.falha;
    EXPECT_FALSE(tigerAberto());

    // The calls after the failing one are the releases, in order.
    std::size_t i = 0;
    while (i < registro.chamadas.size() && registro.chamadas[i].rfind(c.falha, 0) != 0) ++i;
    ASSERT_LT(i, registro.chamadas.size()) << c.falha;
    const Chamadas depois(registro.chamadas.begin() + static_cast<long>(i) + 1,
                          registro.chamadas.end());
    EXPECT_EQ(depois, c.liberadas) << c.falha;

    if (c.mensagem) {
      ASSERT_EQ(mensagens.servico.registro.size(), 1u) << c.falha;
      EXPECT_EQ(mensagens.servico.registro[0].texto, "Não consegui ativar a impressora Tiger"_cp);
      EXPECT_EQ(mensagens.servico.registro[0].titulo, "Lumarel - Erro");
      EXPECT_EQ(mensagens.servico.registro[0].botoes, std::vector<plataforma::Botao>{plataforma::Botao::ok});
    } else {
      EXPECT_TRUE(mensagens.servico.registro.empty()) << c.falha;
    }
    EXPECT_FALSE(escreveTiger("ab\r\n"));
  }

  // The next open starts on a fresh device with its own font.
  registro.falhaEm.clear();
  registro.chamadas.clear();
  const int antes = criadas;
  ASSERT_TRUE(abreTiger());
  EXPECT_EQ(criadas, antes + 1);
  EXPECT_EQ(registro.chamadas[1], "criaFonte Braille29 40");
}

TEST_F(TigerTest, SemImpressoraDisponivelAvisa) {
  instalaFabricaSuperficie(nullptr);
  mensagens.esperaOk();
  EXPECT_FALSE(abreTiger());
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Não consegui ativar a impressora Tiger"_cp});
}

TEST_F(TigerTest, CanalFechadoNaoDesenha) {
  TMatrizPontos m;
  m.poe(0, 0, 1);
  EXPECT_FALSE(escreveTiger("ab"));
  EXPECT_FALSE(escreveTiger(""));
  EXPECT_FALSE(desenhaPontosTiger(m, 0, 0, 1, 1));
  EXPECT_FALSE(desenhaGraficoDispositivo(m, 0, 0, 1, 1));
  novaPaginaTiger();
  fechaTiger();
  EXPECT_TRUE(registro.chamadas.empty());
}

TEST_F(TigerTest, EscreveLinhasEPaginas) {
  struct Caso {
    const char* nome;
    std::vector<std::string> textos;
    Chamadas chamadas;
  };
  const std::vector<Caso> casos = {
      {"CR LF alone", {"\r\n", "ab"}, {"medeTexto ab", "escreveTexto 0,40 ab"}},
      {"two letters advance x", {"ab", "c\r\n", "d"},
       {"medeTexto ab", "escreveTexto 0,0 ab", "medeTexto c", "escreveTexto 40,0 c",
        "medeTexto d", "escreveTexto 0,40 d"}},
      {"form feed starts a page", {"x\r\n", "\fab\r\n", "c"},
       {"medeTexto x", "escreveTexto 0,0 x", "terminaPagina", "iniciaPagina", "medeTexto ab",
        "escreveTexto 0,0 ab", "medeTexto c", "escreveTexto 0,40 c"}},
      {"LF alone keeps x", {"ab\n", "c"},
       {"medeTexto ab", "escreveTexto 0,0 ab", "medeTexto c", "escreveTexto 40,40 c"}},
      {"CR alone keeps y", {"ab\r", "c"},
       {"medeTexto ab", "escreveTexto 0,0 ab", "medeTexto c", "escreveTexto 0,0 c"}},
      {"two form feeds, nothing else", {"\f\f"},
       {"terminaPagina", "iniciaPagina", "terminaPagina"}},
      {"form feed alone at the end", {"ab\r\n", "\f"},
       {"medeTexto ab", "escreveTexto 0,0 ab", "terminaPagina"}},
      {"form feed inside is text", {"a\fb"}, {"medeTexto a\fb", "escreveTexto 0,0 a\fb"}},
      {"LF CR is not a line end", {"a\n\r", "b"},
       {"medeTexto a\n", "escreveTexto 0,0 a\n", "medeTexto b", "escreveTexto 0,0 b"}},
  };
  for (const auto& c : casos) {
    abre();
    for (const auto& t : c.textos) EXPECT_TRUE(escreveTiger(t)) << c.nome;
    EXPECT_EQ(registro.chamadas, c.chamadas) << c.nome;
    fechaTiger();
  }
}

TEST_F(TigerTest, FalhaAoDesenharDevolveFalso) {
  abre();
  registro.falhaEm = "escreveTexto";
  EXPECT_FALSE(escreveTiger("ab\r\n"));
  registro.falhaEm = "iniciaPagina";
  EXPECT_FALSE(escreveTiger("\fab"));
  EXPECT_FALSE(escreveTiger("ab"));  // no page to draw on
}

TEST_F(TigerTest, PontosDoGraficoAbaixoDaLinhaDeTexto) {
  TMatrizPontos m;
  m.poe(0, 0, 1);
  m.poe(1, 0, 1);
  m.poe(0, 1, 1);
  m.poe(12, 3, 1);
  abre();
  ASSERT_TRUE(escreveTiger("ab\r\n"));
  registro.chamadas.clear();
  ASSERT_TRUE(desenhaPontosTiger(m, 0, 0, 2, 2));
  // cx = 20: left edge 0 * 20 / 5 + 5; the text line's y is 40.
  const Chamadas esperadas = {"traco 5,40-6,40", "traco 15,40-16,40", "traco 5,50-6,50"};
  EXPECT_EQ(registro.chamadas, esperadas);

  // A rectangle that starts inside the graphic: positions count from x0, y0.
  registro.chamadas.clear();
  ASSERT_TRUE(desenhaPontosTiger(m, 10, 2, 5, 5));
  EXPECT_EQ(registro.chamadas, Chamadas{"traco 65,50-66,50"});  // 10 * 20 / 5 + 5 + 20

  // The text position does not move.
  registro.chamadas.clear();
  ASSERT_TRUE(escreveTiger("c"));
  EXPECT_EQ(registro.chamadas.back(), "escreveTexto 0,40 c");
}

// The doubled width of this embosser reaches past the matrix: only dots of
// the matrix are drawn and nothing is read outside it.
TEST_F(TigerTest, RetanguloAlemDaMatrizECortado) {
  TMatrizPontos m;
  m.poe(300, 300, 1);
  m.poe(0, 0, 1);
  abre();
  ASSERT_TRUE(desenhaPontosTiger(m, 299, 299, 2 * 60 - 1, 60));
  EXPECT_EQ(registro.chamadas, Chamadas{"traco 1211,10-1212,10"});  // 299*20/5+5+10
  registro.chamadas.clear();
  ASSERT_TRUE(desenhaPontosTiger(m, -5, -5, 10, 10));
  EXPECT_EQ(registro.chamadas, Chamadas{"traco 35,50-36,50"});  // -5*20/5+5+50
  registro.chamadas.clear();
  ASSERT_TRUE(desenhaPontosTiger(m, INT_MAX, INT_MAX, INT_MAX, INT_MAX));
  ASSERT_TRUE(desenhaPontosTiger(m, 0, 0, 0, -4));
  EXPECT_TRUE(registro.chamadas.empty());

  registro.falhaEm = "traco";
  EXPECT_FALSE(desenhaPontosTiger(m, 0, 0, 1, 1));
}

TEST_F(TigerTest, DispositivoSoDesenhaParaTiger) {
  TMatrizPontos m;
  m.poe(0, 0, 1);
  abre();
  EXPECT_TRUE(desenhaGraficoDispositivo(m, 0, 0, 1, 1));
  EXPECT_EQ(registro.chamadas.size(), 1u);

  registro.chamadas.clear();
  configuracao.Marca = "Braillo";  // modoTiger still set, the model changed
  atualizaModoTiger();
  EXPECT_TRUE(desenhaGraficoDispositivo(m, 0, 0, 1, 1)) << "the open channel keeps its model";
  fechaTiger();
  abre();
  registro.chamadas.clear();
  EXPECT_FALSE(desenhaGraficoDispositivo(m, 0, 0, 1, 1));
  EXPECT_TRUE(registro.chamadas.empty());
}

}  // namespace
