#include "ovferramentas.h"

#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <string>
#include <vector>

#include "dados.h"
#include "ovtelavirt.h"
#include "ovvars.h"

using namespace orvento;

namespace {

// Records what the tools ask of the window.
struct JanelaGravada : JanelaFerramentas {
  std::vector<std::string> elasticos, avisos;
  std::string lx, ly;
  int ponteiroX = -1, ponteiroY = -1;
  void desenhaElastico(Elastico tipo, int x1, int y1, int x2, int y2) override {
    elasticos.push_back(std::string(tipo == Elastico::Linha ? "L " : "R ") + std::to_string(x1) +
                        " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
                        std::to_string(y2));
  }
  void mostraCoordenadas(const std::string& x, const std::string& y) override { lx = x, ly = y; }
  void aviso(const std::string& texto) override { avisos.push_back(texto); }
  void posicionaPonteiro(int x, int y) override { ponteiroX = x, ponteiroY = y; }
};

std::string pontosDe(const TMatrizPontos& m) {
  std::string s;
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (m.le(x, y)) s += (s.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return s;
}

int contaPontos(const TMatrizPontos& m) {
  int n = 0;
  for (unsigned char p : m.pontos) n += p != 0;
  return n;
}

// Press at the first point, move through the middle ones, release at the last.
void arrasta(FerramentasDesenho& f, const std::vector<int>& px, bool esquerdo = true) {
  f.pressiona(px[0], px[1], esquerdo);
  for (size_t i = 2; i + 2 < px.size(); i += 2) f.move(px[i], px[i + 1]);
  f.solta(px[px.size() - 2], px.back());
}

class Ferramentas : public ::testing::Test {
 protected:
  JanelaGravada janela;
  FerramentasDesenho f{janela};
  void SetUp() override { reiniciaEstadoDesenho(); }
};

TEST_F(Ferramentas, CadaFerramentaArrastadaDesenhaSeusPontos) {
  for (const auto& c : dados::casos("ferramentas.txt")) {
    SCOPED_TRACE(c.texto);
    reiniciaEstadoDesenho();
    const auto modo = c.n(0);
    corPonto = 1;
    if (modo.size() > 2) preencheArea(modo[2], modo[3], modo[4], modo[5]);
    f.escolheModo(modo[0]);
    arrasta(f, c.n(1), modo[1] == 1);
    EXPECT_EQ(pontosDe(tela), c.campos.at(2));
    EXPECT_FALSE(f.desenhando);
  }
}

TEST_F(Ferramentas, SelecaoEModeloSeguemOPonteiro) {
  f.escolheModo(0);
  arrasta(f, {20, 16, 13, 9, 0, 0, 6, 5});  // up and left: kept unordered
  EXPECT_EQ(std::vector<int>({selecao.x1, selecao.y1, selecao.x2, selecao.y2}),
            std::vector<int>({5, 4, 0, 0}));
  f.escolheModo(1);
  modeloX = 100, modeloY = 50;
  arrasta(f, {10, 10, 14, 7, 30, 2, 99, 99});
  EXPECT_EQ(modeloX, 120);
  EXPECT_EQ(modeloY, 42);
}

TEST_F(Ferramentas, ElasticoDesenhadoDuasVezesParaApagar) {
  const std::string ret = "R 8 8 8 8;R 8 8 12 12;R 8 8 12 12;R 8 8 16 20;";
  const std::string lin = "L 8 8 8 8;L 8 8 12 12;L 8 8 12 12;L 8 8 16 20;";
  const std::vector<std::pair<int, std::string>> linhas = {
      {0, ret}, {3, ret}, {5, ret}, {6, ret}, {7, ret}, {4, lin}, {8, lin}, {9, lin},
      {2, "L 8 8 12 12;L 12 12 16 20;"}, {1, ""}, {10, ""}, {11, ""}};
  for (const auto& [modo, esperado] : linhas) {
    SCOPED_TRACE(modo);
    janela.elasticos.clear();
    f.escolheModo(modo);
    arrasta(f, {8, 8, 12, 12, 16, 20, 16, 20});
    std::string s;
    for (const auto& e : janela.elasticos) s += e + ";";
    EXPECT_EQ(s, esperado);
    f.move(30, 30);  // released: no band
    EXPECT_EQ(janela.elasticos.size(), size_t(std::count(esperado.begin(), esperado.end(), ';')));
  }
}

TEST_F(Ferramentas, DesfazerGuardadoSoNosModos2a10) {
  for (int modo = 0; modo <= 12; ++modo) {
    SCOPED_TRACE(modo);
    reiniciaEstadoDesenho();
    tela.poe(1, 1, 1);
    numPontosCurva = 3;
    f.escolheModo(modo);
    tela.poe(2, 2, 1);
    const bool guarda = modo >= 2 && modo <= 10;
    EXPECT_EQ(telaDesfazer.le(1, 1), guarda ? 1 : 0);
    EXPECT_EQ(telaDesfazer.le(2, 2), 0);
    EXPECT_EQ(numPontosCurva, modo == 10 ? 0 : 3);
    EXPECT_EQ(f.modoFerramenta, modo);
  }
}

// Keys: i Insert, x Delete, e Enter, l r u d arrows, ^ Ctrl and + Shift before
// an arrow. The pointer starts at (px, py).
TEST_F(Ferramentas, TecladoMoveOPonteiroEDesenha) {
  struct Linha {
    int modo, px, py;
    std::string teclas, pontos;
    int fimX, fimY, avisos;
  };
  const std::vector<Linha> linhas = {
      {2, 40, 41, "i r r r e", "10,10 11,10 12,10 13,10", 52, 40, 0},
      {3, 8, 8, "i r r d e", "2,2 3,2 4,2 2,3 3,3 4,3", 16, 12, 0},
      {4, 8, 8, "i ^r e", "2,2 3,2 4,2 5,2 6,2 7,2 8,2 9,2 10,2 11,2 12,2", 48, 8, 0},
      {5, 0, 0, "e", "0,0", 0, 0, 0},
      {2, 460, 8, "^r", "", 480, 8, 1},       // dot 115 + 10 is held at 120
      {2, -4, 8, "u", "", 0, 4, 1},           // left of the area
      {2, -3, 8, "l", "", 0, 8, 1},           // -7 / 4 = -1
      {2, -3, 9, "e", "0,2", 0, 8, 0},        // -3 / 4 truncates to dot 0
      {2, INT_MAX, INT_MIN, "r", "", 480, 0, 1},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(l.teclas + " from " + std::to_string(l.px) + "," + std::to_string(l.py));
    reiniciaEstadoDesenho();
    janela.avisos.clear();
    f.escolheModo(l.modo);
    f.ponteiroX = l.px, f.ponteiroY = l.py;
    for (size_t i = 0; i < l.teclas.size(); ++i) {
      bool ctrl = false, shift = false;
      for (; l.teclas[i] == '^' || l.teclas[i] == '+'; ++i) (l.teclas[i] == '^' ? ctrl : shift) = true;
      const Tecla t = std::string("ixelrud").find(l.teclas[i]) == std::string::npos
                          ? Tecla::Outra
                          : std::vector<Tecla>{Tecla::Insert, Tecla::Delete, Tecla::Enter, Tecla::Esquerda,
                                               Tecla::Direita, Tecla::Cima, Tecla::Baixo}
                                [std::string("ixelrud").find(l.teclas[i])];
      if (t != Tecla::Outra) f.tecla(t, shift, ctrl);
    }
    EXPECT_EQ(pontosDe(tela), l.pontos);
    EXPECT_EQ(std::vector<int>({f.ponteiroX, f.ponteiroY, janela.ponteiroX, janela.ponteiroY}),
              std::vector<int>({l.fimX, l.fimY, l.fimX, l.fimY}));
    EXPECT_EQ(janela.avisos.size(), size_t(l.avisos));
    if (l.avisos) {
      EXPECT_EQ(janela.avisos[0], FerramentasDesenho::avisoCursorFora);
    }
    EXPECT_FALSE(f.desenhando);
  }
}

TEST_F(Ferramentas, ShiftComSetaDeslocaASelecao) {
  f.escolheModo(0);
  arrasta(f, {8, 8, 12, 12, 12, 12});
  tela.poe(2, 2, 1);
  f.ponteiroX = 40, f.ponteiroY = 40;
  f.tecla(Tecla::Direita, true, false);
  EXPECT_EQ(pontosDe(tela), "2,2 3,2");
  EXPECT_EQ(f.ponteiroX, 40);
}

// Clicks of the curve tool; the last is a double click (press, release,
// double click, release). The curve goes through the points listed.
TEST_F(Ferramentas, DuploCliqueTerminaACurva) {
  struct Linha {
    std::vector<int> cliques, curva;
  };
  const std::vector<Linha> linhas = {
      {{40, 40, 80, 60, 120, 40}, {40, 40, 80, 60, 120, 40}},
      {{40, 40, 80, 60, 80, 60}, {40, 40, 80, 60}},  // the same pixel ends it at the press
      {{40, 40, 40, 40}, {40, 40}},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::PrintToString(l.cliques));
    reiniciaEstadoDesenho();
    f.escolheModo(10);
    const size_t n = l.cliques.size();
    for (size_t i = 0; i + 2 < n; i += 2) arrasta(f, {l.cliques[i], l.cliques[i + 1], l.cliques[i], l.cliques[i + 1]});
    f.pressiona(l.cliques[n - 2], l.cliques[n - 1], true);
    f.solta(l.cliques[n - 2], l.cliques[n - 1]);
    f.duploClique(l.cliques[n - 2], l.cliques[n - 1]);
    f.solta(l.cliques[n - 2], l.cliques[n - 1]);
    EXPECT_EQ(numPontosCurva, 0);
    const std::string desenhado = pontosDe(tela);

    limpaTela();
    for (size_t i = 0; i < n; i += 2) tracaReta(l.cliques[i] / 4, l.cliques[i + 1] / 4, l.cliques[i] / 4, l.cliques[i + 1] / 4);
    numPontosCurva = 0;
    for (size_t i = 0; i < l.curva.size(); i += 2) pontosCurva[++numPontosCurva] = {l.curva[i], l.curva[i + 1]};
    tracaCurva();
    EXPECT_EQ(desenhado, pontosDe(tela));
  }
}

TEST_F(Ferramentas, CentenasDeCliquesNaCurva) {
  f.escolheModo(10);
  for (int i = 0; i < 300; ++i) arrasta(f, {4 * (i % 290), 4 * (i / 290) + 4 * (i % 7), 0, 0});
  EXPECT_EQ(numPontosCurva, maxPontosCurva);
  EXPECT_EQ(pontosCurva[maxPontosCurva].x, 4 * 99);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(tela.le(i % 290, i / 290 + i % 7), 1) << i;  // each click drawn
  f.duploClique(INT_MIN, INT_MAX);
  EXPECT_EQ(numPontosCurva, 0);
}

TEST_F(Ferramentas, ArrastoMuitoForaDaJanela) {
  struct Linha {
    int modo;
    std::vector<int> pixels;
    int pontos;
  };
  const std::vector<Linha> linhas = {
      {5, {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0}, 301 * 301},
      {3, {-400, -400, 2000, 2000, 0, 0}, 0},
      {4, {-4000, 600, 4000, 600, 0, 0}, 301},
      {2, {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0}, 301},
      {8, {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0}, 0},
      {6, {INT_MIN, 0, INT_MAX, 0, 0, 0}, 301},  // flat: the row y = 0,
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(l.modo);
    reiniciaEstadoDesenho();
    f.escolheModo(l.modo);
    arrasta(f, l.pixels);
    EXPECT_EQ(contaPontos(tela), l.pontos);
  }
}

TEST_F(Ferramentas, LeituraComQuinzeAlgarismosEPonto) {
  struct Linha {
    int x, y, origem;
    double escala;
    std::string lx, ly;
  };
  const std::vector<Linha> linhas = {
      {4, 8, 0, 1.0 / 3, "0.333333333333333", "0.666666666666667"},
      {7, -3, 0, 1.0, "1", "0"},
      {0, 0, 10, -1.0, "10", "10"},
      {40, 40, 10, -0.5, "0", "0"},  // no "-0"
      {1200, 400, 150, 0.1, "15", "-5"},
      {INT_MIN, INT_MAX, INT_MIN, 2.5, "4026531840", "6710886397.5"},
      {400, 400, 0, 1e20, "1e+22", "1e+22"},
  };
  const char* virgula = nullptr;
  for (const char* nome : {"de_DE.UTF-8", "de_DE.utf8", "pt_BR.UTF-8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, nome)) { virgula = nome; break; }
  for (const char* local : {"C", virgula}) {
    if (!local) continue;  // no locale with a decimal comma installed here
    std::setlocale(LC_NUMERIC, local);
    for (const auto& l : linhas) {
      SCOPED_TRACE(std::string(local) + " " + l.lx);
      origemX = origemY = l.origem;
      escalaX = escalaY = l.escala;
      f.move(l.x, l.y);
      EXPECT_EQ(janela.lx, l.lx);
      EXPECT_EQ(janela.ly, l.ly);
    }
  }
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
