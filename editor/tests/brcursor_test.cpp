#include "brcursor.h"

#include <gtest/gtest.h>

namespace {

struct CasoPosicao {
  std::vector<int> comprimentos;
  int offset;
  LinhaColuna esperado;
};

class PosicaoLinhaColuna : public ::testing::TestWithParam<CasoPosicao> {};

TEST_P(PosicaoLinhaColuna, contaCadaQuebraComoDois) {
  const auto& c = GetParam();
  EXPECT_EQ(posicaoLinhaColuna(c.offset, c.comprimentos), c.esperado) << "offset " << c.offset;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PosicaoLinhaColuna,
    ::testing::Values(
        // "ab" / "cd": text, CR, LF, next line, past the end.
        CasoPosicao{{2, 2}, 0, {0, 0}}, CasoPosicao{{2, 2}, 2, {0, 2}},
        CasoPosicao{{2, 2}, 3, {0, 3}}, CasoPosicao{{2, 2}, 4, {1, 0}},
        CasoPosicao{{2, 2}, 6, {1, 2}}, CasoPosicao{{2, 2}, 8, {2, 0}},
        CasoPosicao{{2, 2}, 11, {2, 3}},
        // Empty lines take only their break.
        CasoPosicao{{0, 0, 3}, 2, {1, 0}}, CasoPosicao{{0, 0, 3}, 4, {2, 0}},
        CasoPosicao{{0, 0, 3}, 7, {2, 3}},
        // An empty editor: line 0, the offset as the column.
        CasoPosicao{{}, 0, {0, 0}}, CasoPosicao{{}, 5, {0, 5}}));

TEST(OffsetLinhaColuna, somaAsLinhasAnterioresMaisAColuna) {
  const std::vector<int> linhas{2, 2};
  EXPECT_EQ(offsetLinhaColuna(1, 1, linhas), 5);
  EXPECT_EQ(offsetLinhaColuna(0, 0, linhas), 0);
  EXPECT_EQ(offsetLinhaColuna(-3, 1, linhas), 1);  // no line before
  EXPECT_EQ(offsetLinhaColuna(0, 9, linhas), 9);   // a column past the line
  EXPECT_EQ(offsetLinhaColuna(4, 0, linhas), 12);  // lines past the last are empty
}

TEST(OffsetLinhaColuna, idaEVoltaParaCadaOffsetDoTexto) {
  const std::vector<int> linhas{3, 0, 5, 1, 0};
  int total = 0;
  for (int l : linhas) total += l + 2;
  for (int offset = 0; offset <= total; ++offset) {
    const LinhaColuna p = posicaoLinhaColuna(offset, linhas);
    EXPECT_EQ(offsetLinhaColuna(p.linha, p.coluna, linhas), offset);
  }
}

TEST(OffsetLinhaColuna, andaSoAteALinhaPedida) {
  int lidas = 0;
  auto comprimento = [&](int) {
    ++lidas;
    return 10;
  };
  posicaoLinhaColuna(25, 1000000, comprimento);
  EXPECT_LE(lidas, 3);
  lidas = 0;
  offsetLinhaColuna(2, 0, 1000000, comprimento);
  EXPECT_EQ(lidas, 2);
}

TEST(OffsetLinhaColuna, valoresExtremosNaoTransbordam) {
  const std::vector<int> linhas{2};
  EXPECT_EQ(offsetLinhaColuna(0, INT32_MAX, linhas), INT32_MAX);
  EXPECT_EQ(offsetLinhaColuna(1, INT32_MAX, linhas), INT32_MAX);
}

TEST(PosicaoWidget, converteEntreAsDuasContagens) {
  // Widget text "ab\ncd\n": blocks at 0 and 3, end of text at 6.
  const std::vector<int> linhas{2, 2};
  auto comprimento = [&](int i) { return linhas[static_cast<std::size_t>(i)]; };
  auto inicio = [](int i) { return i * 3; };
  struct Caso {
    int offset;
    int widget;
  } casos[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {7, 5}, {8, 6}, {20, 6}, {-4, 0}};
  for (const auto& c : casos)
    EXPECT_EQ(posicaoWidget(c.offset, 2, comprimento, inicio, 6), c.widget) << c.offset;
  // And back: widget position p in block b is offset p + b.
  EXPECT_EQ(offsetDoWidget(4, 1), 5);
  EXPECT_EQ(offsetDoWidget(6, 2), 8);
}

}  // namespace
