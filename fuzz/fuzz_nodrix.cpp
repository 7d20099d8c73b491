// libFuzzer target of the drawing program's Braille dot table reader: any
// bytes load without a crash; a bad line leaves the whole table clear and is
// a line the text has; a good table holds six-dot masks only, each for a code
// some line names.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "brcodigo.h"
#include "linhas.h"
#include "ovbraille.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);
  orvento::TTabelaBraille tabela;
  tabela.fill(0xFF);
  const std::size_t erro = orvento::leTabelaBraille(conteudo, tabela);

  std::size_t linhas = 0;
  std::array<bool, 256> nomeado{};
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal)) {
    linhas = l.numero;
    const std::string_view t = l.texto;
    if (t.size() >= 2 && ehDigitoHex(t[0]) && ehDigitoHex(t[1]))
      nomeado[hexParaByte(t[0], t[1])] = true;
  }
  if (erro > linhas) std::abort();
  for (std::size_t i = 0; i < tabela.size(); ++i) {
    if (erro != 0 && tabela[i] != 0) std::abort();
    if (tabela[i] > 63) std::abort();
    if (tabela[i] != 0 && !nomeado[i]) std::abort();
  }
  return 0;
}
