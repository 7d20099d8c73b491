// Speed of the draft generator over a generated document of more than 1 MB
// (indented paragraphs of several editor lines joined again, titles,
// original page numbers, page breaks, no-reformat blocks), and of the
// single-line translation of a typical line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "arquivos.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brvars.h"
#include "cp1252.h"
#include "gerador_texto.h"

namespace {

std::vector<std::string> documentoGrande(std::size_t& bytes) {
  const TextoGerado texto = geraTextoPortugues(std::size_t{1} << 20);
  std::vector<std::string> linhas;
  bytes = 0;
  int capitulo = 0;
  for (std::size_t i = 0; i < texto.linhas.size(); ++i) {
    if (i % 40 == 0) {
      ++capitulo;
      linhas.push_back("<P>");
      linhas.push_back("<TCapítulo "_cp + std::to_string(capitulo) + ">");
    }
    if (i % 7 == 0) linhas.push_back("<" + std::to_string(i / 7 + 1) + ">");
    if (i % 25 == 3) {
      linhas.push_back("<F->");
      linhas.push_back("  Verso de poema sem reformatação,"_cp);
      linhas.push_back("  e outro verso logo abaixo.");
      linhas.push_back("<F+>");
    }
    // The editor's lines are short: a paragraph arrives as several lines,
    // which the generator joins again; the indent starts the next one.
    acrescentaLinhasEditor(texto.linhas[i], linhas);
  }
  for (const auto& l : linhas) bytes += l.size() + 2;
  return linhas;
}

void prepara() {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  configuracao.arqTrab = plataforma::pastaTemporaria() + "bench_rascunho.txt";
  configuracao.titulo = "Livro de teste";
}

void BM_geraRascunho(benchmark::State& estado) {
  prepara();
  std::size_t bytes = 0;
  const std::vector<std::string> documento = documentoGrande(bytes);
  for (auto _ : estado) {
    int linha = 0;
    if (!geraRascunho(documento, 0, linha, false)) estado.SkipWithError("draft not written");
    benchmark::DoNotOptimize(linha);
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * static_cast<std::int64_t>(bytes));
  estado.counters["linhas"] = static_cast<double>(documento.size());
  std::remove(configuracao.arqTrab.c_str());
}
BENCHMARK(BM_geraRascunho)->Unit(benchmark::kMillisecond);

void BM_traduzLinha(benchmark::State& estado) {
  prepara();
  const std::string linha =
      "Em 12 de março de 2024, a \"Associação\" recebeu 1.500 livros em Braille para as escolas."_cp;
  std::string saida;
  for (auto _ : estado) {
    if (!traduzLinha(linha, saida)) estado.SkipWithError("draft not written");
    benchmark::DoNotOptimize(saida);
  }
  std::remove(configuracao.arqTrab.c_str());
}
BENCHMARK(BM_traduzLinha)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
