#include "ovtelavirt.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dados.h"

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
using dados::pontosDe;

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

// Each figure, and each move of the selection, changes exactly the recorded
// dots and paints their marks; with the eraser value the canvas starts full and
// the dots listed are cleared. A fourth field lists the dots drawn before.
TEST_F(TelaVirtual, FigurasMudamOsPontosGuardados) {
  for (const auto& c : dados::casos("figuras.txt")) {
    SCOPED_TRACE(c.texto);
    const auto a = c.n(0), b = c.n(1);
    espessura = b[0], padronagem = b[1], corPonto = static_cast<unsigned char>(b[2]);
    tela.pontos.fill(corPonto == 0);
    std::istringstream antes(c.campos.size() > 3 ? c.campos[3] : "");
    for (int x, y; antes >> x && antes.ignore() && antes >> y;) tela.poe(x, y, 1);
    imagem.limpa();
    redesenhaTela();
    imagem.pinturas = 0;
    if (c.nome == "plota") plotaPonto(a[0], a[1], static_cast<unsigned char>(a[2]));
    else if (c.nome == "reta") tracaReta(a[0], a[1], a[2], a[3]);
    else if (c.nome == "retangulo") tracaRetangulo(a[0], a[1], a[2], a[3]);
    else if (c.nome == "area") preencheArea(a[0], a[1], a[2], a[3]);
    else if (c.nome == "circ" || c.nome == "disco")
      tracaCircunferencia(a[0], a[1], a[2], c.nome == "disco");
    else if (c.nome.starts_with("elipse"))
      tracaElipse(a[0], a[1], a[2], a[3], c.nome == "elipsecheia");
    else if (c.nome == "desloca") selecao = {a[0], a[1], a[2], a[3]}, deslocaSelecao(a[4], a[5]);
    else if (c.nome == "curva") {
      numPontosCurva = static_cast<int>(a.size() / 2);
      for (int i = 1; i <= std::min(numPontosCurva, maxPontosCurva); ++i)
        pontosCurva[i] = {a[2 * i - 2], a[2 * i - 1]};
      tracaCurva();
    } else {
      ADD_FAILURE() << "unknown figure";
    }
    // "=N" counts the dots drawn, "*" leaves them unchecked.
    const std::string& p = c.campos[2];
    const auto n = std::count(tela.pontos.begin(), tela.pontos.end(), corPonto);
    if (p != "*") {
      EXPECT_EQ(p.starts_with('=') ? "=" + std::to_string(n) : pontosDe(tela, corPonto), p);
    }
    if (c.nome == "plota") {
      EXPECT_EQ(imagem.pinturas, std::count(p.begin(), p.end(), ','));
    }
    confereImagem();
  }
}

TEST_F(TelaVirtual, InterpolaNevillePeloPolinomio) {
  for (const auto& c : dados::casos("neville.txt")) {
    SCOPED_TRACE(c.texto);
    const auto grauT = c.n<double>(0), y = c.n<double>(2);
    TValoresCurva valores{}, parametros{};
    for (size_t i = 0; i < y.size(); ++i) valores[i] = y[i], parametros[i] = static_cast<double>(i);
    EXPECT_DOUBLE_EQ(interpolaNeville(valores, parametros, static_cast<int>(grauT[0]), grauT[1]),
                     c.n<double>(1)[0]);
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
