#include "ovferramentas.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "cp1252.h"
#include "dados.h"
#include "ovtelavirt.h"
#include "ovvars.h"

using namespace orvento;

namespace {

// Records what the tools ask of the window.
struct JanelaGravada : JanelaFerramentas {
  std::string elasticos, lx, ly;
  std::vector<std::string> avisos;
  int ponteiroX = -1, ponteiroY = -1;
  void desenhaElastico(Elastico tipo, int x1, int y1, int x2, int y2) override {
    elasticos += tipo == Elastico::Linha ? "L" : "R";
    for (int v : {x1, y1, x2, y2}) elasticos += " " + std::to_string(v);
    elasticos += ";";
  }
  void mostraCoordenadas(const std::string& x, const std::string& y) override { lx = x, ly = y; }
  void aviso(const std::string& texto) override { avisos.push_back(texto); }
  void posicionaPonteiro(int x, int y) override { ponteiroX = x, ponteiroY = y; }
};

using dados::pontosDe;

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
  void novoCaso(int modo) {
    reiniciaEstadoDesenho();
    janela.elasticos.clear(), janela.avisos.clear();
    f.escolheModo(modo);
  }
};

TEST_F(Ferramentas, CadaFerramentaArrastadaDesenhaSeusPontos) {
  for (const auto& c : dados::casos("ferramentas.txt")) {
    SCOPED_TRACE(c.texto);
    const auto modo = c.n(0);
    novoCaso(modo[0]);
    corPonto = 1;
    if (modo.size() > 2) preencheArea(modo[2], modo[3], modo[4], modo[5]);
    arrasta(f, c.n(1), modo[1] == 1);
    int pontos = 0;
    for (unsigned char p : tela.pontos) pontos += p != 0;
    if (c.campos.size() > 3) EXPECT_EQ(pontos, c.n(3)[0]);
    else EXPECT_EQ(pontosDe(tela), c.campos.at(2));
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
  EXPECT_EQ(std::vector<int>({modeloX, modeloY}), std::vector<int>({120, 42}));
  // Shift and an arrow move the selection, not the pointer.
  f.escolheModo(0);
  arrasta(f, {8, 8, 12, 12, 12, 12});
  tela.poe(2, 2, 1);
  f.ponteiroX = 40, f.ponteiroY = 40;
  f.tecla(Tecla::Direita, true, false);
  EXPECT_EQ(pontosDe(tela), "2,2 3,2");
  EXPECT_EQ(f.ponteiroX, 40);
}

TEST_F(Ferramentas, ElasticoDesenhadoDuasVezesParaApagar) {
  for (const auto& c : dados::casos("elasticos.txt"))
    for (int modo : c.n(0)) {
      SCOPED_TRACE(modo);
      novoCaso(modo);
      arrasta(f, {8, 8, 12, 12, 16, 20, 16, 20});
      f.move(30, 30);  // released: no band
      EXPECT_EQ(janela.elasticos, c.campos.at(1));
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
    EXPECT_EQ(pontosDe(telaDesfazer), modo >= 2 && modo <= 10 ? "1,1" : "");
    EXPECT_EQ(numPontosCurva, modo == 10 ? 0 : 3);
    EXPECT_EQ(f.modoFerramenta, modo);
  }
}

TEST_F(Ferramentas, TecladoMoveOPonteiroEDesenha) {
  const std::string nomes = "ixelrud";
  using enum Tecla;
  const Tecla teclas[] = {Insert, Delete, Enter, Esquerda, Direita, Cima, Baixo};
  for (const auto& c : dados::casos("teclado.txt")) {
    SCOPED_TRACE(c.texto);
    const auto ini = c.n(0), fim = c.n(3);
    novoCaso(ini[0]);
    f.ponteiroX = ini[1], f.ponteiroY = ini[2];
    std::istringstream in(c.campos.at(1));
    for (std::string t; in >> t;)
      f.tecla(teclas[nomes.find(t.back())], t[0] == '+', t[0] == '^', ini.size() < 4 || ini[3] != 0);
    EXPECT_EQ(pontosDe(tela), c.campos.at(2));
    EXPECT_EQ(std::vector<int>({f.ponteiroX, f.ponteiroY, janela.ponteiroX, janela.ponteiroY}),
              std::vector<int>({fim[0], fim[1], fim[0], fim[1]}));
    EXPECT_EQ(janela.avisos, std::vector<std::string>(fim[2], FerramentasDesenho::avisoCursorFora));
    EXPECT_FALSE(f.desenhando);
  }
}

// The last click is a double click: press, release, double click, release.
TEST_F(Ferramentas, DuploCliqueTerminaACurva) {
  for (const auto& c : dados::casos("curvas.txt")) {
    SCOPED_TRACE(c.texto);
    const auto cl = c.n(0), curva = c.n(1);
    const size_t n = cl.size();
    novoCaso(10);
    for (size_t i = 0; i + 2 < n; i += 2) arrasta(f, {cl[i], cl[i + 1], cl[i], cl[i + 1]});
    arrasta(f, {cl[n - 2], cl[n - 1], cl[n - 2], cl[n - 1]});
    f.duploClique(cl[n - 2], cl[n - 1]);
    f.solta(cl[n - 2], cl[n - 1]);
    EXPECT_EQ(numPontosCurva, 0);
    const std::string desenhado = pontosDe(tela);
    limpaTela();
    for (size_t i = 0; i < n; i += 2) tracaReta(cl[i] / 4, cl[i + 1] / 4, cl[i] / 4, cl[i + 1] / 4);
    for (size_t i = 0; i < curva.size(); i += 2) pontosCurva[i / 2 + 1] = {curva[i], curva[i + 1]};
    numPontosCurva = int(curva.size() / 2);
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

TEST_F(Ferramentas, LeituraComQuinzeAlgarismosEPonto) {
  // A locale with a decimal comma, where one is installed, must not change the point.
  for (const char* local : {"C", "de_DE.UTF-8", "de_DE.utf8", "pt_BR.UTF-8", "fr_FR.UTF-8"}) {
    if (!std::setlocale(LC_NUMERIC, local)) continue;
    for (const auto& c : dados::casos("leituras.txt")) {
      SCOPED_TRACE(std::string(local) + " " + c.texto);
      const auto v = c.n<double>(0);
      origemX = origemY = static_cast<int>(v[2]);
      escalaX = escalaY = v[3];
      f.move(static_cast<int>(v[0]), static_cast<int>(v[1]));
      EXPECT_EQ(janela.lx + " " + janela.ly, c.campos.at(1) + " " + c.campos.at(2));
    }
  }
  std::setlocale(LC_NUMERIC, "C");
}

TEST(LeituraXY, DoisNumerosSeparadosPorBranco) {
  apoio::Mensagens mensagens;
  const std::map<std::string, std::string> avisos = {
      {"S", "Entre os números separados por espaço"_cp}, {"C", "Coordenada incorretamente especificada"}};
  for (const auto& c : dados::casos("lexy.txt")) {
    SCOPED_TRACE(c.texto);
    const std::string texto = c.campos.at(0).substr(1, c.campos.at(0).size() - 2);
    for (int inteiro = 0; inteiro < 2; ++inteiro) {
      mensagens.esperaOk();
      mensagens.servico.registro.clear();
      const std::string esperado = c.campos.at(1 + inteiro);
      std::string lido;
      if (inteiro != 0) {
        if (const auto xy = FerramentasDesenho::leXYInteiro(texto))
          lido = std::to_string(xy->first) + " " + std::to_string(xy->second);
      } else if (const auto xy = FerramentasDesenho::leXY(texto)) {
        const auto v = c.n<double>(1);
        EXPECT_EQ(xy->first, v.at(0));
        EXPECT_EQ(xy->second, v.at(1));
        lido = esperado;
      }
      if (avisos.count(esperado)) {
        EXPECT_EQ(lido, "");
        ASSERT_EQ(mensagens.servico.registro.size(), 1u);
        // The notice's message is the box's title.
        EXPECT_EQ(mensagens.servico.registro[0].titulo, avisos.at(esperado));
      } else {
        mensagens.servico.respostasBotao.clear();
        EXPECT_EQ(lido, esperado);
        EXPECT_TRUE(mensagens.servico.registro.empty());
      }
    }
  }
}

}  // namespace
