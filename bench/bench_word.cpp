// "Braille no Word" on a 300-page document: the RTF document built from its
// draft (28 lines of 40 cells a page, page separators between), which must
// leave the editor well inside a second.
#include <benchmark/benchmark.h>

#include <string>

#include "brmsword.h"

namespace {

std::string rascunhoDePaginas(int paginas) {
  std::string r;
  unsigned v = 12345;
  for (int p = 0; p < paginas; ++p) {
    for (int l = 0; l < 28; ++l) {
      for (int c = 0; c < 40; ++c) {
        v = v * 1103515245u + 12345u;
        // Printer-code bytes: letters and signs, some above 127.
        r += static_cast<char>(32 + (v >> 16) % 96 + ((v >> 8) % 7 == 0 ? 128 : 0));
      }
      r += "\r\n";
    }
    r += std::string(50, '-') + "\r\n";
  }
  return r;
}

void BM_DocumentoRtf300Paginas(benchmark::State& estado) {
  const std::string rascunho = rascunhoDePaginas(300);
  for (auto _ : estado) benchmark::DoNotOptimize(documentoRtf(rascunho));
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(rascunho.size()));
}
BENCHMARK(BM_DocumentoRtf300Paginas)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
