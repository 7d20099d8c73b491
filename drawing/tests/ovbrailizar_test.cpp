#include "ovbrailizar.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "dados.h"
#include "ovvars.h"

using namespace orvento;

namespace {

// A picture whose colours come from a function; it notes a read outside it.
struct Modelo : FontePixels {
  int w = 0, h = 0;
  std::function<unsigned char(int, int)> cinza = [](int, int) { return 0; };
  mutable bool fora = false;
  int largura() const override { return w; }
  int altura() const override { return h; }
  CorRGB cor(int x, int y) const override {
    fora |= x < 0 || y < 0 || x >= w || y >= h;
    const unsigned char c = cinza(x, y);
    return {c, c, c};
  }
};

int levantados() {
  int n = 0;
  for (unsigned char p : tela.pontos) n += p;
  return n;
}

class Brailizar : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaEstadoDesenho(); }
};

TEST_F(Brailizar, AreaReachesTheLastDotThatSamplesThePicture) {
  EXPECT_EQ(cinzaDe({100, 150, 200}), 55);  // 142.5 * 100 / 255 = 55.88
  for (const auto& c : dados::casos("brailizar_areas.txt")) {
    SCOPED_TRACE(c.texto);
    const auto p = c.n<long long>(0);
    Modelo m;
    m.w = int(p[0]), m.h = int(p[1]);
    const AreaBrailizacao a = areaBrailizacao(m, int(p[2]), int(p[3]));
    if (c.campos[1] == "vazia") EXPECT_TRUE(a.vazia());
    else EXPECT_EQ(std::vector<int>({a.ultimaColuna, a.ultimaLinha}), c.n(1));
  }
}

TEST_F(Brailizar, DiffusionCarriesTruncatedErrors) {
  errosDifusao = {};
  for (const auto& c : dados::casos("brailizar_difusao.txt")) {
    SCOPED_TRACE(c.texto);
    const auto p = c.n(0);
    EXPECT_EQ(difundeErro(p[0], p[1], p[2], p[3]), c.n(1)[0] == 1);
    std::istringstream erros(c.campos[2]);
    for (std::string e; std::getline(erros, e, ',');) {
      int coluna = 0, slot = 0, valor = 0;
      std::istringstream(e) >> coluna >> slot >> valor;
      EXPECT_EQ(errosDifusao[coluna + 1][slot], valor) << e;
    }
  }
}

std::vector<std::string> linhasDe(const std::string& s) {
  std::vector<std::string> r;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l, '/');) r.push_back(l);
  return r;
}

TEST_F(Brailizar, ModesConvertBlocks) {
  const std::string blocos = "#amz.";  // greys 0, 25, 50, 75 and 100
  const unsigned char cores[] = {0, 64, 128, 192, 255};
  for (const auto& c : dados::casos("brailizar_casos.txt")) {
    SCOPED_TRACE(c.texto);
    char modo = 0;
    int limiar = 0, sobrepor = 0, preenche = 0;
    std::istringstream(c.campos[0]) >> modo >> limiar >> sobrepor >> preenche;
    const auto modelo = linhasDe(c.campos[1]), esperado = linhasDe(c.campos[2]);
    reiniciaEstadoDesenho();
    if (preenche) tela.preencheRetangulo(0, 0, tamanhoMatriz, tamanhoMatriz, 1);
    Modelo m;
    m.w = 4 * int(modelo.at(0).size()), m.h = 4 * int(modelo.size());
    m.cinza = [&](int x, int y) { return cores[blocos.find(modelo[y / 4][x / 4])]; };
    modeloX = 2, modeloY = 0;
    ASSERT_TRUE(brailizaModelo(modo, m, limiar, sobrepor != 0));
    EXPECT_FALSE(m.fora);
    for (int y = 0; y < tamanhoMatriz; ++y)
      for (int x = 0; x < tamanhoMatriz; ++x) {
        const bool naArea = y < int(esperado.size()) && x < int(esperado[0].size());
        EXPECT_EQ(tela.le(x, y), naArea ? esperado[y][x] == '*' : preenche) << x << "," << y;
      }
  }
}

TEST_F(Brailizar, DiffusionKeepsTheAverageGrey) {
  for (const auto& [cinza, fracao] : {std::pair{128, 0.5}, {64, 0.75}, {192, 0.25}}) {
    SCOPED_TRACE(cinza);
    reiniciaEstadoDesenho();
    Modelo m;
    m.w = m.h = 2000;
    m.cinza = [c = cinza](int, int) { return static_cast<unsigned char>(c); };
    ASSERT_TRUE(brailizaModelo('N', m, 50, false));
    EXPECT_NEAR(levantados() / double(tamanhoMatriz * tamanhoMatriz), fracao, 0.02);
    EXPECT_FALSE(m.fora);
  }
}

TEST_F(Brailizar, NothingToConvertLeavesTheCanvas) {
  Modelo m;
  m.w = m.h = 40;
  tela.poe(5, 5, 1);
  for (const auto& [modo, x, y] : {std::tuple{'A', 5000, 0}, {'N', 0, -5000}, {'X', 0, 0},
                                   {'U', -2147483647 - 1, 2147483647}}) {
    modeloX = x, modeloY = y;
    EXPECT_FALSE(brailizaModelo(modo, m, 50, true)) << modo << " " << x << " " << y;
    EXPECT_EQ(levantados(), 1);
  }
  EXPECT_FALSE(m.fora);
}

}  // namespace
