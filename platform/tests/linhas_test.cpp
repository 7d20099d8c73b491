#include "linhas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plataforma;

TEST(LeitorLinhas, EachRuleAtTheCorners) {
  using Linhas = std::vector<std::string>;
  using enum RegraFimLinha;
  const struct Caso {
    std::string buffer;
    RegraFimLinha regra;
    Linhas linhas;
    bool ultimaTerminada;
  } casos[] = {
      {"ab\r\ncd\r\n", lf, {"ab", "cd"}, true},
      // A CR at the end: text under lf, dropped under lfCrFinal, a line end under crLfLfOuCr.
      {"ab\r", lf, {"ab\r"}, false},
      {"ab\r", lfCrFinal, {"ab"}, false},
      {"ab\r", crLfLfOuCr, {"ab"}, true},
      {"a\rb\nc", lf, {"a\rb", "c"}, false},
      {"a\rb\nc", crLfLfOuCr, {"a", "b", "c"}, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(&c - casos);
    Linhas lidas;
    bool terminada = false;
    std::size_t proxima = 0;
    for (const LinhaLida& l : LeitorLinhas(c.buffer, c.regra)) {
      lidas.emplace_back(l.texto);
      EXPECT_EQ(l.inicio, proxima);
      proxima = l.proxima;
      terminada = l.terminada;
    }
    EXPECT_EQ(lidas, c.linhas);
    EXPECT_EQ(proxima, c.buffer.size());
    EXPECT_EQ(terminada, c.ultimaTerminada);
  }
}
