// Braille on screen: refreshing the five Braille rows under the editor after
// a keystroke on a document of about 300 Braille pages (the rows' logic, no
// widgets), and opening the preview of that document (translation, the draft
// taken, the window filled; offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "arquivos.h"
#include "brcodigo.h"
#include "brlinhasbraille.h"
#include "brrascunho.h"
#include "brvars.h"
#include "brvisual.h"
#include "formvisual.h"
#include "gerador_texto.h"

namespace {

// The editor's lines: indented paragraphs cut at about 70 characters.
std::vector<std::string> documento() {
  return linhasEditor(geraTextoPortugues(std::size_t{190} << 10));
}

const std::vector<std::string>& documentoGrande() {
  static const std::vector<std::string> d = documento();
  return d;
}

void prepara() {
  reiniciaVariaveis();
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  leConfigDiretorios(dados ? dados : ".");
  configuracao.arqTrab = plataforma::pastaTemporaria() + "bench_visual.txt";
  configuracao.titulo = "Livro de teste";
}

// A caret line (from 1) in the middle of the document whose line and both
// neighbours are full lines of text.
int linhaCheia(const std::vector<std::string>& doc) {
  for (std::size_t i = doc.size() / 2; i + 1 < doc.size(); ++i)
    if (doc[i - 1].size() >= 60 && doc[i].size() >= 60 && doc[i + 1].size() >= 60) return static_cast<int>(i) + 1;
  return static_cast<int>(doc.size() / 2);
}

int paginas(const std::vector<std::string>& rascunho) {
  int p = 1;
  for (const auto& l : rascunho)
    if (ehLinhaSeparadora(l)) p += ehLinhaIgual(l) ? 2 : 1;
  return p;
}

struct RotulosNulos : SaidaLinhasBraille {
  std::size_t celulas = 0;
  void textoRotulo(int, const std::string& t) override { celulas += t.size(); }
  void corRotulo(int, bool) override {}
  void rotuloVisivel(int, bool) override {}
};

// A keystroke on the caret's line: only the caret row is translated again.
void BM_linhasBrailleDigitando(benchmark::State& estado) {
  prepara();
  if (!carregaTabelaImpressora()) estado.SkipWithError("no printer table");
  const auto& doc = documentoGrande();
  RotulosNulos saida;
  TLinhasBraille vista(saida);
  vista.linhasBrailleVisiveis = 5;
  const int meio = linhaCheia(doc);
  const LeitorLinha leitor = [&doc](int i) { return doc[static_cast<std::size_t>(i)]; };
  vista.atualizaLinhasBraille(meio, static_cast<int>(doc.size()), leitor);
  saida.celulas = 0;
  for (auto _ : estado) vista.atualizaLinhasBraille(meio, static_cast<int>(doc.size()), leitor);
  benchmark::DoNotOptimize(saida.celulas);
  estado.counters["linhas"] = static_cast<double>(doc.size());
  estado.counters["celulas"] = benchmark::Counter(static_cast<double>(saida.celulas), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_linhasBrailleDigitando)->Unit(benchmark::kMicrosecond);

// The caret moves to another line: all five rows are translated.
void BM_linhasBrailleMudandoDeLinha(benchmark::State& estado) {
  prepara();
  if (!carregaTabelaImpressora()) estado.SkipWithError("no printer table");
  const auto& doc = documentoGrande();
  RotulosNulos saida;
  TLinhasBraille vista(saida);
  vista.linhasBrailleVisiveis = 5;
  vista.rotuloBrailleAtual = 3;
  const LeitorLinha leitor = [&doc](int i) { return doc[static_cast<std::size_t>(i)]; };
  const int meio = linhaCheia(doc);
  int linha = meio;
  for (auto _ : estado) {
    vista.atualizaLinhasBraille(linha, static_cast<int>(doc.size()), leitor);
    linha = linha == meio ? meio + 1 : meio;
  }
  benchmark::DoNotOptimize(saida.celulas);
  estado.counters["celulas"] = benchmark::Counter(static_cast<double>(saida.celulas), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_linhasBrailleMudandoDeLinha)->Unit(benchmark::kMicrosecond);

// "&Visualizar" without the window: translation for the preview and the
// preview's own copy of the draft and line map.
void BM_visualizacaoLogica(benchmark::State& estado) {
  prepara();
  const auto& doc = documentoGrande();
  const int cursor = static_cast<int>(doc.size() / 2);
  TVisualizacao v;
  for (auto _ : estado) {
    if (!geraVisualizacao(doc, cursor) || !v.carregaRascunho()) estado.SkipWithError("no draft");
    v.atualizaPagLin(v.selecaoInicial());
  }
  estado.counters["paginas"] = static_cast<double>(paginas(v.linhas));
  estado.counters["linhasRascunho"] = static_cast<double>(v.linhas.size());
  std::remove(configuracao.arqTrab.c_str());
}
BENCHMARK(BM_visualizacaoLogica)->Unit(benchmark::kMillisecond);

// The same with the window filled and shown (offscreen) and its indicator
// brought up to date.
void BM_visualizacaoJanela(benchmark::State& estado) {
  prepara();
  const auto& doc = documentoGrande();
  const int cursor = static_cast<int>(doc.size() / 2);
  TFormVisual janela;
  for (auto _ : estado) {
    if (!geraVisualizacao(doc, cursor)) estado.SkipWithError("no draft");
    janela.mostraVisualizacao();
    janela.Timer1Timer();
    QApplication::processEvents();
  }
  estado.counters["paginas"] = static_cast<double>(paginas(janela.visual.linhas));
  std::remove(configuracao.arqTrab.c_str());
}
BENCHMARK(BM_visualizacaoJanela)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
