#include "ovbrailizar.h"

#include <algorithm>

#include "ovvars.h"

namespace orvento {

TErrosDifusao errosDifusao{};

namespace {

constexpr int ultimoPonto = tamanhoMatriz - 1;  // 300
constexpr int brancoTotal = 100;

// Division rounding toward minus infinity (an offset may be negative).
long long divideAbaixo(long long a, long long b) {
  const long long q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

long long divideAcima(long long a, long long b) { return -divideAbaixo(-a, b); }

// On one axis: dot d samples the screen pixels 4d + primeiro .. 4d + ultimo;
// the picture covers inicio .. inicio + tamanho - 1. The first and the last
// dot with a sample on the picture (de > ate when none).
void faixaTocada(long long inicio, long long tamanho, int primeiro, int ultimo, long long& de,
                 long long& ate) {
  de = divideAcima(inicio - ultimo, tamPonto);
  ate = divideAbaixo(inicio + tamanho - 1 - primeiro, tamPonto);
}

// The picture with its offset; a pixel outside it reads as white.
class AmostraModelo {
 public:
  AmostraModelo(const FontePixels& modelo, int deslocX, int deslocY)
      : modelo_(modelo), largura_(modelo.largura()), altura_(modelo.altura()),
        deslocX_(deslocX), deslocY_(deslocY) {}

  // The sum of the grey of the three columns ending at screen column 4j and
  // the three rows starting at screen row 4i, divided by 9.
  int media(int j, int i) const {
    int soma = 0;
    for (int k = 0; k <= 2; ++k)
      for (int l = 0; l <= 2; ++l)
        soma += cinza(static_cast<long long>(tamPonto) * j - deslocX_ - k,
                      static_cast<long long>(tamPonto) * i + l - deslocY_);
    return soma / 9;
  }

 private:
  int cinza(long long px, long long py) const {
    if (px < 0 || py < 0 || px >= largura_ || py >= altura_) return brancoTotal;
    return cinzaDe(modelo_.cor(static_cast<int>(px), static_cast<int>(py)));
  }
  const FontePixels& modelo_;
  long long largura_, altura_, deslocX_, deslocY_;
};

}  // namespace

int cinzaDe(CorRGB c) {
  // In extended precision, constants included: white must come out as 100.
  const long double v = (0.35L * c.r + 0.45L * c.g + 0.2L * c.b) * 100 / 255;
  return static_cast<int>(v);
}

bool difundeErro(int x, int y, int v, int limiar) {
  const int r = y % 2, proxima = (y + 1) % 2;
  // Column c lives at index c + 1, so column -1 is index 0.
  auto erro = [](int coluna, int slot) -> int& { return errosDifusao[coluna + 1][slot]; };
  const int s = v + erro(x, r);
  const bool levanta = s < limiar;
  const int e = levanta ? s : s - brancoTotal;
  erro(x, r) = 0;
  // Integer products divided toward zero; column 301 lies off the canvas.
  if (x + 1 <= ultimoPonto) erro(x + 1, r) += 7 * e / 16;
  erro(x - 1, proxima) += 3 * e / 16;
  erro(x, proxima) += 5 * e / 16;
  if (x + 1 <= ultimoPonto) erro(x + 1, proxima) += e / 16;
  return levanta;
}

AreaBrailizacao areaBrailizacao(const FontePixels& modelo, int deslocX, int deslocY) {
  const long long largura = modelo.largura(), altura = modelo.altura();
  if (largura <= 0 || altura <= 0) return {};
  long long colDe = 0, colAte = 0, linDe = 0, linAte = 0;
  // A dot samples the three columns ending at 4j and the three rows from 4i.
  faixaTocada(deslocX, largura, -2, 0, colDe, colAte);
  faixaTocada(deslocY, altura, 0, 2, linDe, linAte);
  const auto naTela = [](long long de, long long ate) {
    return de <= ate && ate >= 0 && de <= ultimoPonto;
  };
  if (!naTela(colDe, colAte) || !naTela(linDe, linAte)) return {};
  return {static_cast<int>(std::min<long long>(colAte, ultimoPonto)),
          static_cast<int>(std::min<long long>(linAte, ultimoPonto))};
}

bool brailizaModelo(char modo, const FontePixels& modelo, int limiar, bool sobrepor) {
  if (modo != 'A' && modo != 'U' && modo != 'N') return false;
  const AreaBrailizacao area = areaBrailizacao(modelo, modeloX, modeloY);
  if (area.vazia()) return false;
  limiar = std::clamp(limiar, 0, brancoTotal);
  if (modo == 'N') errosDifusao = TErrosDifusao{};
  const AmostraModelo amostra(modelo, modeloX, modeloY);
  for (int i = 0; i <= area.ultimaLinha; ++i) {
    for (int j = 0; j <= area.ultimaColuna; ++j) {
      int v = amostra.media(j, i);
      bool levanta = false;
      switch (modo) {
        case 'A':
          levanta = v < limiar;
          break;
        case 'U':
          v = v * 4 / 100;
          levanta = v < limiaresUniforme[i % 2][j % 2];
          break;
        default:
          levanta = difundeErro(j, i, v, limiar);
          break;
      }
      if (levanta || sobrepor) tela.poe(j, i, levanta ? 1 : 0);
    }
  }
  return true;
}

}  // namespace orvento
