// libFuzzer target of the drawing-command replay: any bytes as a .gbr file
// replay without a crash, the canvas holds only 0 and 1, and a replay that
// stops names a line of the file (or the one a curve's missing point line
// would have been).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "linhas.h"
#include "ovbraille.h"
#include "ovcomandos.h"
#include "ovtexto.h"
#include "ovvars.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  using namespace orvento;
  const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);
  reiniciaEstadoDesenho();
  reiniciaComandos();
  corPonto = 1;
  desenhaTextoComando = [](std::string_view t, int x, int y, int d) {
    return desenhaTexto(t, x, y, d);
  };
  desenhaBrailleComando = [](std::string_view t, int x, int y, int d, int tam) {
    return desenhaBraille(t, x, y, d, tam);
  };

  const std::size_t erro = executaComandos(conteudo);

  std::size_t linhas = 0;
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lf)) {
    (void)l;
    ++linhas;
  }
  if (erro > linhas + 1) std::abort();
  for (unsigned char p : tela.pontos)
    if (p > 1) std::abort();
  if (escalaX == 0 || escalaY == 0) std::abort();
  return 0;
}
