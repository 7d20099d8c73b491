// Macro expansion over 10 000 selected lines of generated text with a table
// of 1000 macros: codes spread over the alphabet, and the worst case for the
// lookup, every code after the same letter with the text's codes at the end
// of the table or in none.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gerador_texto.h"
#include "macros.h"

namespace {

constexpr int linhasSelecionadas = 10000;

// Code k: a grave accent and five letters, the first chosen by `primeira`
// (0: spread over the alphabet). Codes of one length are never a prefix of
// each other.
std::string codigo(int k, char primeira) {
  std::string c = "`";
  c += primeira ? primeira : static_cast<char>('a' + k % 26);
  for (int i = 0, n = k; i < 4; ++i, n /= 26) c += static_cast<char>('a' + n % 26);
  return c;
}

std::string arquivoMacros(char primeira) {
  std::string r = "; generated\r\n";
  for (int k = 0; k < maxMacros; ++k) r += codigo(k, primeira) + " <X" + std::to_string(k) + ">\r\n";
  return r;
}

// 10 000 lines of text with a code after every fifth word: known codes from
// the end of the table and, one in four, a code the table lacks.
std::vector<std::string> documento(char primeira) {
  const std::vector<std::string> texto = linhasEditor(geraTextoPortugues(std::size_t{1} << 20));
  std::vector<std::string> r;
  int palavras = 0, k = 0;
  for (std::size_t i = 0; r.size() < linhasSelecionadas; ++i) {
    std::string l;
    for (const char ch : texto[i % texto.size()]) {
      l += ch;
      if (ch != ' ' || ++palavras % 5) continue;
      ++k;
      l += k % 4 ? codigo(maxMacros - 1 - k % 100, primeira) : std::string(primeira ? "`mzzzz" : "`qzzzz");
      l += ' ';
    }
    r.push_back(std::move(l));
  }
  return r;
}

void expande(benchmark::State& estado, char primeira) {
  TabelaMacros tabela;
  if (!carregaMacros(arquivoMacros(primeira), tabela)) estado.SkipWithError("macros not read");
  const std::vector<std::string> linhas = documento(primeira);
  std::size_t bytes = 0;
  for (const auto& l : linhas) bytes += l.size();
  for (auto _ : estado) {
    estado.PauseTiming();
    LinhasMemoria editor(linhas);
    editor.seleciona(0, 0, linhasSelecionadas - 1, 1);
    estado.ResumeTiming();
    aplicaMacros(tabela, editor);
    benchmark::DoNotOptimize(editor.linhas.data());
  }
  estado.counters["linhas"] = linhasSelecionadas;
  estado.counters["macros"] = tabela.numMacros();
  estado.counters["bytes"] = static_cast<double>(bytes);
}

void BM_aplicaMacros(benchmark::State& estado) { expande(estado, 0); }
void BM_aplicaMacrosMesmaLetra(benchmark::State& estado) { expande(estado, 'm'); }

void BM_carregaMacros(benchmark::State& estado) {
  const std::string arquivo = arquivoMacros(0);
  TabelaMacros tabela;
  for (auto _ : estado) benchmark::DoNotOptimize(carregaMacros(arquivo, tabela));
}

BENCHMARK(BM_aplicaMacros)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_aplicaMacrosMesmaLetra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_carregaMacros)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
