// The editing commands on a generated document of about 1 MB: replace all
// with some 10 000 matches, splitting the lines at a margin of 40, a search
// that finds nothing in its whole window, the code-page commands over the
// text, and the break while typing on one line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cp1252.h"
#include "edicao.h"
#include "gerador_texto.h"

namespace {

const std::vector<std::string>& linhas() {
  static const std::vector<std::string> l = linhasEditor(geraTextoPortugues(std::size_t{1} << 20));
  return l;
}

std::string junta(const std::vector<std::string>& l) {
  std::string r;
  for (const auto& s : l) {
    if (!r.empty()) r += '\n';
    r += s;
  }
  return r;
}

const std::string& texto() {
  static const std::string t = junta(linhas());
  return t;
}

// The text with a word of its own after a blank every 100 bytes or so.
const std::string marca = "marcador";
const std::string& textoMarcado() {
  static const std::string t = [] {
    const std::string& base = texto();
    std::string r;
    r.reserve(base.size() + base.size() / 10);
    std::size_t ultima = 0;
    for (const char c : base) {
      r += c;
      if (c == ' ' && r.size() - ultima >= 100) {
        r += marca + ' ';
        ultima = r.size();
      }
    }
    return r;
  }();
  return t;
}

void substitui(benchmark::State& estado, OpcoesBusca opcoes) {
  const std::string& t = textoMarcado();
  int quantidade = 0;
  for (auto _ : estado) {
    const SubstituicaoTotal r = substituiTodas(t, 0, marca, "MARCA", opcoes);
    quantidade = r.quantidade;
    benchmark::DoNotOptimize(r.trecho.data());
  }
  estado.counters["trocas"] = quantidade;
  estado.counters["bytes"] = static_cast<double>(t.size());
}

void BM_substituiTodas(benchmark::State& estado) { substitui(estado, {}); }
void BM_substituiTodasMaiusculas(benchmark::State& estado) { substitui(estado, {true, false}); }
void BM_substituiTodasPalavra(benchmark::State& estado) { substitui(estado, {false, true}); }

void BM_divideLinhasGrandes(benchmark::State& estado) {
  const auto& l = linhas();
  std::size_t saida = 0;
  for (auto _ : estado) {
    const auto r = divideLinhasGrandes(l, 40);
    saida = r.size();
    benchmark::DoNotOptimize(r.data());
  }
  estado.counters["linhas"] = static_cast<double>(l.size());
  estado.counters["saida"] = static_cast<double>(saida);
}

// Nothing found: the whole window of 99999 characters is looked at.
void localizaAusente(benchmark::State& estado, OpcoesBusca opcoes) {
  const std::string& t = texto();
  const std::size_t inicio = t.size() / 2;
  for (auto _ : estado) benchmark::DoNotOptimize(localizaTexto(t, inicio, "inexistente", opcoes));
}
void BM_localizaAusente(benchmark::State& estado) { localizaAusente(estado, {}); }
void BM_localizaAusenteMaiusculas(benchmark::State& estado) { localizaAusente(estado, {true, false}); }
void BM_localizaAusentePalavra(benchmark::State& estado) { localizaAusente(estado, {false, true}); }

void BM_paraOem(benchmark::State& estado) {
  for (auto _ : estado) benchmark::DoNotOptimize(cp1252::paraOem(texto()).data());
}
void BM_deOem(benchmark::State& estado) {
  static const std::string oem = cp1252::paraOem(texto());
  for (auto _ : estado) benchmark::DoNotOptimize(cp1252::deOem(oem).data());
}
void BM_maiusculas(benchmark::State& estado) {
  for (auto _ : estado) benchmark::DoNotOptimize(cp1252::maiusculas(texto()).data());
}

// A word typed past the margin of a 75-character line.
void BM_quebraDigitada(benchmark::State& estado) {
  std::string linha;
  while (linha.size() < 70) linha += "palavra ";
  linha.resize(75, 'x');
  for (auto _ : estado) benchmark::DoNotOptimize(quebraDigitada(linha, 76, 70));
}

}  // namespace

BENCHMARK(BM_substituiTodas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_substituiTodasMaiusculas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_substituiTodasPalavra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_divideLinhasGrandes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_localizaAusente)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_localizaAusenteMaiusculas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_localizaAusentePalavra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paraOem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_deOem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_maiusculas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_quebraDigitada)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
