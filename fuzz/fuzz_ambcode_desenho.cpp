// libFuzzer target of the drawing program's code-table reader: any bytes load
// without a crash, and only bytes that some line names as "hh=" leave the
// identity.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "brcodigo.h"
#include "linhas.h"
#include "ovprint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);
  TTabelaImpressora tabela{};
  orvento::aplicaAmbCode(conteudo, tabela);

  std::array<bool, 256> nomeado{};
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal)) {
    const std::string_view t = l.texto;
    if (t.size() >= 3 && t[2] == '=' && ehDigitoHex(t[0]) && ehDigitoHex(t[1]))
      nomeado[hexParaByte(t[0], t[1])] = true;
  }
  for (std::size_t i = 0; i < tabela.size(); ++i)
    if (!nomeado[i] && tabela[i] != i) std::abort();
  return 0;
}
