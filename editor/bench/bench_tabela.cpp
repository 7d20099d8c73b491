// The text-to-table wizard over 2 000 selected lines of short Portuguese
// entries, as a table's cells are: every line goes once through the
// single-line translation, whose draft file dominates. Under one second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "arquivos.h"
#include "brcodigo.h"
#include "brvars.h"
#include "gerador_texto.h"
#include "tabela.h"

namespace {

constexpr int linhasSelecionadas = 2000;

const std::vector<std::string>& entradas() {
  static const std::vector<std::string> l = [] {
    std::vector<std::string> r = linhasEditor(geraTextoPortugues(std::size_t{1} << 17), 24);
    r.resize(linhasSelecionadas);
    return r;
  }();
  return l;
}

void BM_insereTabela(benchmark::State& estado) {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  configuracao.arqTrab = plataforma::pastaTemporaria() + "bench_tabela.txt";
  // Thirty columns of entries are wider than any Braille line: the table is
  // laid out, not refused.
  configuracao.maxCarac = std::numeric_limits<int>::max();
  const OpcoesTabela opcoes{static_cast<int>(estado.range(0)), EstiloMoldura::dupla,
                            EstiloSeparador::verticaisHorizontais};
  std::size_t linhas = 0;
  for (auto _ : estado) {
    estado.PauseTiming();
    LinhasMemoria documento(entradas());
    documento.seleciona(0, 0, linhasSelecionadas, 0);
    estado.ResumeTiming();
    if (!insereTabela(documento, opcoes)) estado.SkipWithError("draft not written");
    linhas = documento.linhas.size();
  }
  estado.counters["linhas"] = static_cast<double>(linhas);
  std::remove(configuracao.arqTrab.c_str());
}
BENCHMARK(BM_insereTabela)->Arg(2)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
