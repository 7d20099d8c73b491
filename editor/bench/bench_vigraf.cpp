// The page-as-dots view: a full preview page (30 lines of 36 cells, every
// cell with all six dots) and two graphics of 60 x 60 dots, one centred and
// one at the right, drawn into the view's raster.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "arquivos.h"
#include "brvigraf.h"

namespace {

std::string graficoCheio() {
  std::string g;
  for (int r = 0; r < 60; ++r) g += std::string(60, '*') + "\r\n";
  return g;
}

void BM_paginaEmPontos(benchmark::State& estado) {
  const std::string pasta = plataforma::pastaTemporaria();
  const std::string a = pasta + "bench_vigraf_a.grb", b = pasta + "bench_vigraf_b.grb";
  if (!plataforma::gravaArquivoSeguro(a, graficoCheio()) || !plataforma::gravaArquivoSeguro(b, graficoCheio()))
    estado.SkipWithError("no graphic files");
  EstadoPassoVisual e;
  e.visualizando = true;
  e.larguraLinha = 36;
  e.nomeDocumento = pasta + "doc.txt";
  // "=" is the full cell in printer code; each line ends as the preview writes it.
  std::vector<std::string> linhas = {"\x0F\x0F\x0F\x0F C bench_vigraf_a.grb      ",
                                     "\x0F\x0F\x0F\x0F D bench_vigraf_b.grb      "};
  for (int i = 0; i < 30; ++i) linhas.push_back(std::string(36, '=') + "      ");
  ImagemPontos im;
  for (auto _ : estado) {
    desenhaPagina(im, linhas, 5, e);
    benchmark::DoNotOptimize(im.pixels.data());
  }
  std::remove(a.c_str());
  std::remove(b.c_str());
}
BENCHMARK(BM_paginaEmPontos)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
