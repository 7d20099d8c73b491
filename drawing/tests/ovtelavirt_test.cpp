#include "ovtelavirt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace orvento;

namespace {

// The screen image over a vector of pixels (1 black).
struct ImagemVetor : ImagemTela {
  static constexpr int lado = tamanhoMatriz * tamPonto;
  std::vector<unsigned char> pixels = std::vector<unsigned char>(lado * lado, 0);
  int pinturas = 0;
  bool fora = false;
  void pintaPixels(int px, int py, int largura, int altura, bool preto) override {
    ++pinturas;
    for (int y = py; y < py + altura; ++y)
      for (int x = px; x < px + largura; ++x)
        if (x < 0 || y < 0 || x >= lado || y >= lado) fora = true;
        else pixels[y * lado + x] = preto;
  }
  void limpa() override { pixels.assign(pixels.size(), 0); }
  bool preto(int x, int y) const { return pixels[y * lado + x] != 0; }
};

// Dots of m equal to valor, row by row: "x,y x,y ...".
std::string pontosDe(const TMatrizPontos& m, unsigned char valor = 1) {
  std::string s;
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (m.le(x, y) == valor) s += (s.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return s;
}

// One "name args | numbers | text..." line of a data file.
struct Linha {
  std::string nome;
  std::vector<int> a, b;
  std::string resto;
};
Linha divide(const std::string& texto) {
  Linha l;
  std::istringstream campos(texto);
  if (!std::isdigit(static_cast<unsigned char>(texto[0])) && texto[0] != '-') campos >> l.nome;
  for (auto* v : {&l.a, &l.b}) {
    for (int n; campos >> n;) v->push_back(n);
    campos.clear();
    campos.ignore(1 << 20, '|');
  }
  std::getline(campos >> std::ws, l.resto);
  return l;
}

void leCasos(const char* nome, const std::function<void(const Linha&)>& caso) {
  std::ifstream arq(std::string(LUMAREL_DIR_TESTES "/dados/") + nome);
  ASSERT_TRUE(arq) << nome;
  for (std::string texto; std::getline(arq, texto);) {
    if (texto.empty() || texto[0] == '#') continue;
    SCOPED_TRACE(texto);
    caso(divide(texto));
  }
}

class TelaVirtual : public ::testing::Test {
 protected:
  ImagemVetor imagem;
  void SetUp() override {
    reiniciaEstadoDesenho();
    imagemTela = &imagem;
    corPonto = 1;
  }
  // Every mark (2 by 3 pixels at the top left of the dot's 4 by 4 block)
  // shows the canvas; nothing else is black.
  void confereImagem() {
    EXPECT_FALSE(imagem.fora);
    int erradas = 0;
    for (int y = 0; y < ImagemVetor::lado; ++y)
      for (int x = 0; x < ImagemVetor::lado; ++x)
        erradas += imagem.preto(x, y) != (x % 4 < 2 && y % 4 < 3 && tela.le(x / 4, y / 4) != 0);
    EXPECT_EQ(erradas, 0) << "pixels that do not show the canvas";
  }
};

}  // namespace

// Each figure changes exactly the recorded dots and paints their marks; with
// the eraser value the canvas starts full and the dots listed are cleared.
TEST_F(TelaVirtual, FigurasMudamOsPontosGuardados) {
  leCasos("figuras.txt", [&](const Linha& l) {
    const auto& a = l.a;
    espessura = l.b[0], padronagem = l.b[1], corPonto = static_cast<unsigned char>(l.b[2]);
    tela.pontos.fill(corPonto == 0);
    imagem.limpa();
    redesenhaTela();
    imagem.pinturas = 0;
    if (l.nome == "plota") plotaPonto(a[0], a[1], static_cast<unsigned char>(a[2]));
    else if (l.nome == "reta") tracaReta(a[0], a[1], a[2], a[3]);
    else if (l.nome == "retangulo") tracaRetangulo(a[0], a[1], a[2], a[3]);
    else if (l.nome == "area") preencheArea(a[0], a[1], a[2], a[3]);
    else if (l.nome == "circ" || l.nome == "disco") tracaCircunferencia(a[0], a[1], a[2], l.nome == "disco");
    else if (l.nome.starts_with("elipse")) tracaElipse(a[0], a[1], a[2], a[3], l.nome == "elipsecheia");
    else if (l.nome == "curva") {
      numPontosCurva = static_cast<int>(a.size() / 2);
      for (int i = 1; i <= numPontosCurva; ++i) pontosCurva[i] = {a[2 * i - 2], a[2 * i - 1]};
      tracaCurva();
    } else {
      ADD_FAILURE() << "unknown figure";
    }
    EXPECT_EQ(pontosDe(tela, corPonto), l.resto);
    if (l.nome == "plota") {
      EXPECT_EQ(imagem.pinturas, static_cast<int>(std::count(l.resto.begin(), l.resto.end(), ',')));
    }
    confereImagem();
  });
}

// dados/deslocamentos.txt: selection | dx dy | dots before | dots after.
TEST_F(TelaVirtual, DeslocaSelecaoSoNaTela) {
  leCasos("deslocamentos.txt", [&](const Linha& l) {
    const auto divisa = l.resto.find('|');
    std::istringstream antes(l.resto.substr(0, divisa));
    tela.limpa();
    for (int x, y; antes >> x && antes.ignore() && antes >> y;) tela.poe(x, y, 1);
    imagem.limpa();
    redesenhaTela();
    selecao = {l.a[0], l.a[1], l.a[2], l.a[3]};
    deslocaSelecao(l.b[0], l.b[1]);
    std::string depois = l.resto.substr(divisa + 1);
    depois.erase(0, depois.find_first_not_of(' '));
    EXPECT_EQ(pontosDe(tela), depois);
    confereImagem();
  });
}

// Arguments far outside the canvas end at once and draw only what lies on it.
TEST_F(TelaVirtual, ArgumentosEnormesSoDesenhamATela) {
  constexpr int M = 2147483647;
  struct Caso { const char* nome; std::function<void()> figura; int pontos; };
  const Caso casos[] = {
      {"disc: one sample row", [] { tracaCircunferencia(150, 150, M, true); }, 301},
      {"circle", [] { tracaCircunferencia(150, 150, M, false); }, 0},
      {"ellipse: one sample row", [] { tracaElipse(-M, -M, M, M, true); }, 301},
      {"row", [] { tracaReta(-M, 10, M, 10); }, 301},
      {"diagonal", [] { tracaReta(-M, -M, M, M); }, 301},
      {"slanted", [] { tracaReta(-M, 0, M, 150); }, 301},
      {"area", [] { preencheArea(M, -M, -M, M); }, 301 * 301},
      {"area from column -1", [] { preencheArea(-1, -M, -M, M); }, 301},
      {"wild curve, count past 100", [] { numPontosCurva = maxPontosCurva + 1; tracaCurva(); }, -1},
  };
  for (int i = 1; i <= maxPontosCurva; ++i) pontosCurva[i] = {(i * 373) % 1204, (i * 911) % 1204};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    tela.limpa();
    imagem.limpa();
    c.figura();
    if (c.pontos >= 0) {
      EXPECT_EQ(std::count(tela.pontos.begin(), tela.pontos.end(), 1), c.pontos);
    }
    confereImagem();
  }
}

TEST_F(TelaVirtual, InterpolaNevillePeloPolinomio) {
  struct Caso { std::vector<double> valores; int n; double t, esperado; };
  const Caso casos[] = {
      {{7, 100}, 0, 0.7, 7}, {{0, 10}, 1, 0.5, 5}, {{0, 1, 4}, 2, 1.5, 2.25},
      {{0, 1, 4}, 2, 2, 4},  {{1, 2, 9, 28}, 3, 2.5, 1 + 2.5 * 2.5 * 2.5},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.n << " " << c.t);
    TValoresCurva valores{}, parametros{};
    for (size_t i = 0; i < c.valores.size(); ++i) valores[i] = c.valores[i], parametros[i] = static_cast<double>(i);
    EXPECT_DOUBLE_EQ(interpolaNeville(valores, parametros, c.n, c.t), c.esperado);
  }
}

TEST_F(TelaVirtual, ServicosDaTelaEDaImagem) {
  EXPECT_FALSE(telaTemPontos());
  plotaPonto(300, 300, 1);
  EXPECT_TRUE(imagem.preto(1200, 1202) && imagem.preto(1201, 1200) && !imagem.preto(1202, 1200));
  guardaDesfazer();
  plotaPonto(300, 300, 0);
  EXPECT_FALSE(telaTemPontos()) << "drawn and erased";
  EXPECT_EQ(pontosDe(telaDesfazer), "300,300");
  plotaPonto(7, 8, 1);
  limpaTela();
  EXPECT_FALSE(telaTemPontos());
  EXPECT_TRUE(imagem.preto(28, 32)) << "clearing the canvas leaves the screen alone";
  redesenhaTela();
  EXPECT_TRUE(imagem.preto(28, 32)) << "a cleared dot is not painted";
  limpaBitmapTela();
  EXPECT_FALSE(imagem.preto(28, 32));
}
