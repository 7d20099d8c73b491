// Both converters, and the drawing program's build of the unified one, on
// any bytes. The first byte chooses the state a call starts from; the rest
// is the text. Beyond the sanitizers' checks, each call must give the same
// cells whether or not the result string holds the text, and no byte may
// give more than three cells.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "brantigo.h"
#include "brunif.h"
#include "brvars.h"

namespace {

void estadoInicial(std::uint8_t bits) {
  textoEstrangeiro = bits & 1;
  abreAspasIngles = bits & 2;
  parentesesAberto = bits & 4;
  abreAspasAntigo = bits & 8;
}

void confere(bool condicao) {
  if (!condicao) std::abort();
}

template <class Conversor>
void verifica(std::uint8_t bits, std::string_view texto, Conversor conversor) {
  estadoInicial(bits);
  std::string resultado = "lixo de uma chamada anterior";
  conversor(texto, resultado);
  const bool aspasIngles = abreAspasIngles, parenteses = parentesesAberto, aspasAntigo = abreAspasAntigo;
  confere(resultado.size() <= 3 * texto.size());

  estadoInicial(bits);
  std::string mesmo(texto);
  conversor(mesmo, mesmo);
  confere(mesmo == resultado);
  confere(aspasIngles == abreAspasIngles && parenteses == parentesesAberto &&
          aspasAntigo == abreAspasAntigo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho == 0) return 0;
  const std::uint8_t bits = dados[0];
  const std::string_view texto(reinterpret_cast<const char*>(dados + 1), tamanho - 1);

  verifica(bits, texto, [](std::string_view t, std::string& r) { traduzUnificado(t, r); });
  verifica(bits, texto, [](std::string_view t, std::string& r) { traduzAntigo(t, r); });

  // The drawing build neither reads nor changes the editor's state.
  estadoInicial(bits);
  std::string desenho;
  traduzUnificadoDesenho(texto, desenho);
  confere(desenho.size() <= 3 * texto.size());
  confere(textoEstrangeiro == static_cast<bool>(bits & 1) &&
          abreAspasIngles == static_cast<bool>(bits & 2) &&
          parentesesAberto == static_cast<bool>(bits & 4));
  return 0;
}
