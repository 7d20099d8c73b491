// Speed of embossing: the pages of a 300-page draft rendered to a channel
// that drops the bytes, as text pages, as mixed pages with a graphic each and
// wholly in graphic mode (pages per second); and the time from the print
// button to the first byte for a generated document of about 300 pages
// (translation, snapshot, first page).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "arquivos.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brimprpagina.h"
#include "brprint.h"
#include "brrascunho.h"
#include "brvars.h"
#include "cp1252.h"
#include "gerador_texto.h"

namespace {

class CanalNulo : public CanalImpressao {
 public:
  std::size_t bytes = 0;
  std::size_t envios = 0;
  bool envia(std::string_view b) override {
    bytes += b.size();
    ++envios;
    return true;
  }
  bool desenhaGrafico(const TMatrizPontos&, int, int, int, int) override { return true; }
  bool fecha() override { return true; }
};

constexpr int paginas = 300;

const std::string& pastaBench() {
  static const std::string p = plataforma::pastaTemporaria();
  return p;
}

// A draft of `paginas` pages of 28 lines of 36 cells; with graphics, each
// page holds a centred graphic of 60 by 30 dots under its fourth line.
std::vector<std::string> rascunho(bool comGraficos) {
  static bool gravado = false;
  if (!gravado) {
    std::string grb;
    for (int y = 0; y < 30; ++y) grb += (y % 2 ? std::string(60, '*') : "*" + std::string(58, ' ') + "*") + "\r\n";
    plataforma::gravaArquivoSeguro(pastaBench() + "bench_fig.grb", grb);
    gravado = true;
  }
  std::vector<std::string> linhas;
  const std::string texto = ",A TEXT ;E BRAILLE #ABC ,PAGE4 ;E";
  for (int p = 0; p < paginas; ++p) {
    for (int l = 0; l < 28; ++l) {
      if (comGraficos && l == 3) {
        linhas.push_back(std::string(prefixoDiretivaGrafico) + " C bench_fig.grb");
        for (int r = 0; r < 8; ++r, ++l) linhas.push_back(std::string(marcaReservaGrafico));
      }
      linhas.push_back(texto.substr(0, 36));
    }
    linhas.push_back(std::string(separadorPagina));
  }
  return linhas;
}

void renderiza(benchmark::State& estado, int modo, bool comGraficos) {
  reiniciaVariaveis();
  TrabalhoImpressao t;
  t.ambiente.tabela = tabelaIdentidade();
  t.ambiente.tipoTratGrafico = modo;
  t.ambiente.nomeDocumento = pastaBench() + "livro.txt";
  t.linhas = rascunho(comGraficos);
  CanalNulo canal;
  for (auto _ : estado) {
    executaTrabalho(t, canal);
    benchmark::DoNotOptimize(canal.bytes);
  }
  estado.SetItemsProcessed(estado.iterations() * paginas);
  estado.counters["paginas/s"] =
      benchmark::Counter(static_cast<double>(estado.iterations() * paginas), benchmark::Counter::kIsRate);
  estado.counters["bytes/pagina"] = static_cast<double>(canal.bytes) / static_cast<double>(estado.iterations() * paginas);
}

void BM_PaginasTexto(benchmark::State& s) { renderiza(s, 1, false); }
void BM_PaginasMistas(benchmark::State& s) { renderiza(s, 0, true); }
void BM_PaginasModoGrafico(benchmark::State& s) { renderiza(s, 3, true); }

// From the print button to the first page: the draft of a document of about
// 300 pages is written, read back as the job's snapshot, and its first page
// goes out.
void BM_PrimeiraPagina(benchmark::State& estado) {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  configuracao.arqTrab = pastaBench() + "bench_impressao_rascunho.txt";
  const std::vector<std::string> documento = linhasEditor(geraTextoPortugues(300 * 28 * 36));
  int paginasGeradas = 0;
  for (auto _ : estado) {
    int linha = 0;
    const bool ok = geraRascunho(documento, 0, linha, false);
    TrabalhoImpressao t = capturaTrabalho(ok);
    TrabalhoImpressao primeira = t;
    std::size_t fim = 0;
    while (fim < t.linhas.size() && !ehLinhaSeparadora(t.linhas[fim])) ++fim;
    primeira.linhas.assign(t.linhas.begin(), t.linhas.begin() + static_cast<std::ptrdiff_t>(fim));
    CanalNulo canal;
    executaTrabalho(primeira, canal);
    paginasGeradas = 0;
    for (const auto& l : t.linhas) paginasGeradas += ehLinhaSeparadora(l);
    benchmark::DoNotOptimize(canal.bytes);
  }
  estado.counters["paginas do documento"] = paginasGeradas;
}

}  // namespace

BENCHMARK(BM_PaginasTexto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginasMistas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginasModoGrafico)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrimeiraPagina)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
