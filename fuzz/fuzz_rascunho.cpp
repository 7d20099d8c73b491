// Random documents through the draft generator. The first bytes choose the
// settings (widths and page lengths down to negative values, headers,
// interpoint, markers, raw and preview passes); the rest, split at line
// feeds, is the document. Beyond the sanitizers' checks: the pass must
// finish and report the draft written, must fill the line map for every
// line, and a second pass over the same document must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "arquivos.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brrascunho.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

void confere(bool condicao) {
  if (!condicao) std::abort();
}

std::string nomeRascunho() {
  return plataforma::pastaTemporaria() + "fuzz_rascunho_" + std::to_string(::getpid()) + ".txt";
}

void configura(const std::uint8_t* b) {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  configuracao.arqTrab = nomeRascunho();
  configuracao.maxCarac = static_cast<int>(b[0] % 48) - 4;
  configuracao.maxLin = static_cast<int>(b[1] % 14) - 2;
  configuracao.estiloNumPag = b[2] % 5;
  configuracao.tipoCabec = (b[2] >> 3) % 3;
  configuracao.comTitulo = b[3] & 1;
  configuracao.frenteVerso = b[3] & 2;
  configuracao.EnviaVazias = b[3] & 4;
  configuracao.autoJunta = b[3] & 8;
  configuracao.separaSilabas = b[3] & 16;
  configuracao.afastaCabPar = b[3] & 32;
  configuracao.numeraOrig = b[3] & 64;
  configuracao.tiraBrancasInicioPag = b[3] & 128;
  configuracao.tipoTratGrafico = b[4] & 1;
  configuracao.brailleAntigo = b[4] & 2;
  configuracao.textoIngles = b[4] & 4;
  configuracao.cabecIngles = b[4] & 8;
  numPagInicial = static_cast<int>(b[5] % 8) - 2;
  paginaInicial = 1 + b[6] % 4;
  paginaFinal = (b[6] & 0x80) ? 9999 : paginaInicial + b[6] % 5;
  configuracao.titulo = "Título"_cp;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  constexpr std::size_t cabecalho = 8;
  if (tamanho < cabecalho) return 0;
  configura(dados);
  const bool preview = dados[7] & 1;

  std::vector<std::string> documento;
  std::string_view resto(reinterpret_cast<const char*>(dados + cabecalho), tamanho - cabecalho);
  while (!resto.empty()) {
    const std::size_t fim = resto.find('\n');
    documento.emplace_back(resto.substr(0, fim));
    if (fim == std::string_view::npos) break;
    resto.remove_prefix(fim + 1);
  }

  int linha = -1;
  confere(geraRascunho(documento, static_cast<int>(documento.size() / 2), linha, preview));
  confere(mapaLinhas.size() == documento.size());
  confere(linha >= 0);
  std::string primeiro;
  confere(plataforma::leArquivo(configuracao.arqTrab, primeiro));

  int outra = -1;
  confere(geraRascunho(documento, static_cast<int>(documento.size() / 2), outra, preview));
  std::string segundo;
  confere(plataforma::leArquivo(configuracao.arqTrab, segundo));
  confere(primeiro == segundo && linha == outra);

  if (!documento.empty()) {
    std::string saida;
    confere(traduzLinha(documento, 0, saida));
    confere(saida.size() <= 254);
  }
  return 0;
}
