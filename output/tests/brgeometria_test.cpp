#include "brgeometria.h"

#include <gtest/gtest.h>

#include <climits>

#include "brvars.h"

namespace {

class GeometriaTest : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override {
    reiniciaVariaveis();
    atualizaModoTiger();
  }
};

TEST_F(GeometriaTest, ModelosReconhecidosPeloNome) {
  struct Caso {
    const char* marca;
    bool tiger, index;
    int h, v;
  };
  const Caso casos[] = {
      {"Tiger", true, false, 5, 4},       {"tiger pro", true, false, 5, 4},
      {"TIGER", true, false, 5, 4},       {"Tige", false, false, 3, 4},
      {" Tiger", false, false, 3, 4},     {"Index Basic V4", false, true, 3, 4},
      {"everest", false, true, 3, 4},     {"EVERES", false, false, 3, 4},
      {"indexador", false, true, 3, 4},   {"Braillo", false, false, 3, 4},
      {"", false, false, 3, 4},
  };
  for (const auto& c : casos) {
    configuracao.Marca = c.marca;
    EXPECT_EQ(ehTiger(c.marca), c.tiger) << c.marca;
    EXPECT_EQ(ehIndex(), c.index) << c.marca;
    atualizaModoTiger();
    EXPECT_EQ(modoTiger.load(), c.tiger) << c.marca;
    EXPECT_EQ(pontosPorCelulaH(), c.h) << c.marca;
    EXPECT_EQ(pontosPorCelulaV(), c.v) << c.marca;
  }
}

// Every call reads the model and the preview flag again.
TEST_F(GeometriaTest, PreviaDobraCelulaSoForaDoTiger) {
  struct Caso {
    const char* marca;
    bool previa;
    int h, coluna3, celulas7;
  };
  for (const Caso c : {Caso{"Braillo", false, 3, 7, 3}, Caso{"Braillo", true, 6, 13, 2},
                       Caso{"Index", true, 6, 13, 2}, Caso{"Tiger", false, 5, 11, 2},
                       Caso{"Tiger", true, 5, 11, 2}}) {
    configuracao.Marca = c.marca;
    visualizando = c.previa;
    EXPECT_EQ(pontosPorCelulaH(), c.h) << c.marca << c.previa;
    EXPECT_EQ(pontoInicialColuna(3), c.coluna3) << c.marca << c.previa;
    EXPECT_EQ(pontoInicialColuna(1), 1);
    EXPECT_EQ(celulasEmPontos(4), 4 * c.h);
    EXPECT_EQ(pontosEmCelulas(7), c.celulas7) << c.marca << c.previa;
    EXPECT_EQ(pontosPorCelulaV(), 4);
  }
}

TEST_F(GeometriaTest, ArredondaParaCimaELimita) {
  configuracao.Marca = "Braillo";
  struct Caso {
    int d, celulas, linhas;
  };
  for (const Caso c : {Caso{0, 0, 0}, Caso{1, 1, 1}, Caso{3, 1, 1}, Caso{4, 2, 1},
                       Caso{7, 3, 2}, Caso{8, 3, 2}, Caso{9, 3, 3}, Caso{-1, 0, 0},
                       Caso{-7, -2, -1}, Caso{INT_MAX, INT_MAX / 3 + 1, INT_MAX / 4 + 1}}) {
    EXPECT_EQ(pontosEmCelulas(c.d), c.celulas) << c.d;
    EXPECT_EQ(pontosEmLinhas(c.d), c.linhas) << c.d;
  }
  EXPECT_EQ(celulasEmPontos(INT_MAX), INT_MAX);
  EXPECT_EQ(celulasEmPontos(INT_MIN), INT_MIN);
  EXPECT_EQ(pontoInicialColuna(INT_MIN), INT_MIN);
  EXPECT_EQ(pontoInicialColuna(0), -2);
}

}  // namespace
