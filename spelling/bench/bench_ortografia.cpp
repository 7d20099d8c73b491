// The spelling checker on the shipped dictionary: loading the five files, a
// scan of every word of a 300-page document with no unknown word (as the
// check command walks it, without windows), and the suggestions for one word.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "brdic.h"
#include "brpalavra.h"
#include "brvars.h"
#include "cp1252.h"
#include "gerador_texto.h"

namespace {

// The shipped files lie beside the program.
void preparaDicionario() {
  static bool pronto = false;
  if (pronto) return;
  char caminho[PATH_MAX] = {};
  const ssize_t n = ::readlink("/proc/self/exe", caminho, sizeof caminho - 1);
  std::string pasta = n > 0 ? std::string(caminho, static_cast<std::size_t>(n)) : "./x";
  dirPrograma = pasta.substr(0, pasta.rfind('/'));
  ::setenv("LUMAREL_WINDIR", "/nonexistent-lumarel-bench", 1);
  if (montaDicionarioConfigurado() != 0) std::abort();
  pronto = true;
}

// A 300-page document (60 lines of about 60 characters a page) of valid
// words: the generator's text without its unknown words, mixed with forms of
// random dictionary entries so that the vocabulary is wide.
const std::vector<std::string>& documento() {
  static std::vector<std::string> linhas;
  if (!linhas.empty()) return linhas;
  preparaDicionario();
  const TextoGerado texto = geraTextoPortugues(400000);
  std::vector<std::string> palavras;
  for (const auto& l : texto.linhas) {
    std::string p;
    for (const char c : l + " ") {
      if (letraPalavra(static_cast<unsigned char>(c))) {
        p += c;
      } else if (!p.empty()) {
        if (palavraValida(p)) palavras.push_back(p);
        p.clear();
      }
    }
  }
  std::mt19937 sorteio(7);
  std::string linha;
  for (std::size_t i = 0; linhas.size() < 300 * 60; ++i) {
    std::string p;
    if (i % 2 == 0) {
      p = palavras[i / 2 % palavras.size()];
    } else {
      const auto formas = expandeVerbete(listaPalavras[sorteio() % listaPalavras.size()]);
      if (formas.empty()) continue;
      p = formas[sorteio() % formas.size()];
    }
    linha += p;
    linha += i % 9 == 0 ? ", " : " ";
    if (linha.size() >= 60) linhas.push_back(std::move(linha)), linha.clear();
  }
  return linhas;
}

void BM_CarregaDicionario(benchmark::State& estado) {
  preparaDicionario();
  for (auto _ : estado) {
    if (montaDicionarioConfigurado() != 0) estado.SkipWithError("load failed");
  }
  estado.counters["radicais"] = static_cast<double>(listaPalavras.size());
}
BENCHMARK(BM_CarregaDicionario)->Unit(benchmark::kMillisecond);

void BM_VerificaDocumento300Paginas(benchmark::State& estado) {
  const auto& linhas = documento();
  std::size_t palavras = 0;
  for (auto _ : estado) {
    palavras = 0;
    for (const auto& l : linhas) {
      std::size_t i = 0;
      while (i < l.size()) {
        while (i < l.size() && !letraPalavra(static_cast<unsigned char>(l[i]))) ++i;
        const std::size_t inicio = i;
        while (i < l.size() && letraPalavra(static_cast<unsigned char>(l[i]))) ++i;
        if (i == inicio) continue;
        ++palavras;
        if (!palavraValida(std::string_view(l).substr(inicio, i - inicio))) {
          estado.SkipWithError("unknown word in the document");
          return;
        }
      }
    }
  }
  estado.counters["palavras"] = static_cast<double>(palavras);
}
BENCHMARK(BM_VerificaDocumento300Paginas)->Unit(benchmark::kMillisecond);

void BM_Sugestoes(benchmark::State& estado) {
  preparaDicionario();
  const std::vector<std::string> erradas = {
      "excessão"_cp, "omem", "concerteza", "amanha", "cassa", "pobrema", "derrepente", "caza",
      "mecher", "inconstitucionalissimamente", "paralizar", "reinvindicação"_cp};
  std::vector<std::string> lista;
  std::size_t total = 0;
  for (auto _ : estado) {
    for (const auto& p : erradas) {
      sugestoes(p, lista);
      total += lista.size();
    }
  }
  benchmark::DoNotOptimize(total);
  estado.SetItemsProcessed(static_cast<int64_t>(estado.iterations() * erradas.size()));
}
BENCHMARK(BM_Sugestoes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
