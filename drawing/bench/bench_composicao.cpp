// Composing the drawing window's picture: the model picture, the dots and the
// overlay combined by AND, and the rubber band inverted, over the whole
// 1204 by 1204 canvas (the most a repaint asks for). The window must compose
// a frame in well under 10 ms.
#include <benchmark/benchmark.h>

#include "ovtelaqt.h"
#include "ovtelavirt.h"

using namespace orvento;

namespace {

struct Cena {
  QImage modelo = imagemBranca(), desenho = imagemBranca(), grade = imagemBranca(), destino = imagemBranca();
  CamadaInversao elastico;
  BitmapDesenho bitmap{desenho};

  Cena() {
    reiniciaEstadoDesenho();
    imagemTela = &bitmap;
    // A busy drawing: discs, lines and a filled area all over the canvas.
    for (int i = 0; i < 30; ++i) {
      tracaCircunferencia(10 * i, 150, 5 + i, i % 2 == 0);
      tracaReta(0, 10 * i, 300, 300 - 10 * i);
    }
    preencheArea(200, 200, 290, 290);
    selecao = {20, 20, 120, 90};
    desenhaGrade(grade, 0);
    for (int y = 0; y < modelo.height(); ++y)
      for (int x = 0; x < modelo.width(); ++x)
        if ((x / 7 + y / 11) % 3 == 0) modelo.setPixel(x, y, 0xFF808080);
    elastico.inverte({QLine(30, 40, 900, 40), QLine(900, 40, 900, 700), QLine(900, 700, 30, 700),
                      QLine(30, 700, 30, 40)});
  }
  ~Cena() { imagemTela = nullptr; }
};

void BM_ComposicaoCompleta(benchmark::State& estado) {
  Cena c;
  const bool comModelo = estado.range(0) != 0;
  for (auto _ : estado) {
    compoeJanela(c.destino, comModelo ? &c.modelo : nullptr, QPoint(13, -7), c.desenho, c.grade, c.elastico,
                 c.destino.rect());
    benchmark::DoNotOptimize(c.destino.constBits());
  }
  estado.SetLabel(comModelo ? "with model picture" : "model hidden");
}
BENCHMARK(BM_ComposicaoCompleta)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A move of the rubber rectangle: the old band drawn again (removing it) and
// the new one, then the frame composed.
void BM_ElasticoMaisQuadro(benchmark::State& estado) {
  Cena c;
  int d = 0;
  for (auto _ : estado) {
    const auto retangulo = [](int x2, int y2) {
      return std::vector<QLine>{QLine(40, 40, x2, 40), QLine(x2, 40, x2, y2), QLine(x2, y2, 40, y2),
                                QLine(40, y2, 40, 40)};
    };
    c.elastico.inverte(retangulo(600 + d, 600 + d));
    d = (d + 4) % 400;
    c.elastico.inverte(retangulo(600 + d, 600 + d));
    compoeJanela(c.destino, &c.modelo, QPoint(0, 0), c.desenho, c.grade, c.elastico, c.destino.rect());
    benchmark::DoNotOptimize(c.destino.constBits());
  }
}
BENCHMARK(BM_ElasticoMaisQuadro)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
