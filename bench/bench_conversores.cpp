// Speed of the two converters over generated Portuguese text: paragraph by
// paragraph (as the draft generator and the Braille line view call them) and
// as one long text. The allocation counter shows that the output grows by
// amortised appends, not per character.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>

#include "brantigo.h"
#include "brunif.h"
#include "brvars.h"
#include "gerador_texto.h"

namespace {
std::atomic<long> alocacoes{0};
}  // namespace

// The replaced pair below is malloc and free underneath; GCC sees the free
// inlined where the matching new is not and warns about a mismatch that
// does not exist.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t n) {
  alocacoes.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Conversor = void (*)(std::string_view, std::string&);

const TextoGerado& texto() {
  static const TextoGerado t = geraTextoPortugues(2 * 1024 * 1024);
  return t;
}

const std::string& textoInteiro() {
  static const std::string s = [] {
    std::string r;
    for (const std::string& l : texto().linhas) r += l + ' ';
    return r;
  }();
  return s;
}

void porParagrafo(benchmark::State& estado, Conversor conversor) {
  const TextoGerado& t = texto();
  std::string resultado;
  const long antes = alocacoes.load();
  for (auto _ : estado) {
    reiniciaEstadoConversores();
    for (const std::string& linha : t.linhas) {
      conversor(linha, resultado);
      benchmark::DoNotOptimize(resultado.data());
    }
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * t.bytes));
  estado.counters["alocacoes_por_passada"] =
      static_cast<double>(alocacoes.load() - antes) / static_cast<double>(estado.iterations());
}

void textoLongo(benchmark::State& estado, Conversor conversor) {
  const std::string& s = textoInteiro();
  const long antes = alocacoes.load();
  for (auto _ : estado) {
    reiniciaEstadoConversores();
    std::string resultado;  // fresh each time: the growth itself is measured
    conversor(s, resultado);
    benchmark::DoNotOptimize(resultado.data());
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * s.size()));
  estado.counters["alocacoes_por_passada"] =
      static_cast<double>(alocacoes.load() - antes) / static_cast<double>(estado.iterations());
}

constexpr Conversor unificado = &traduzUnificado;
constexpr Conversor antigo = &traduzAntigo;
constexpr Conversor desenho = &traduzUnificadoDesenho;

}  // namespace

BENCHMARK_CAPTURE(porParagrafo, unificado, unificado)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(porParagrafo, antigo, antigo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(porParagrafo, desenho, desenho)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(textoLongo, unificado, unificado)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(textoLongo, antigo, antigo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
