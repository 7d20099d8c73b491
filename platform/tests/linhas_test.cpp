#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linhas.h"

using namespace plataforma;

TEST(LeitorLinhas, EachRuleAtTheCorners) {
  using Linhas = std::vector<std::string>;
  constexpr auto lf = RegraFimLinha::lf;
  constexpr auto lfCr = RegraFimLinha::lfCrFinal;
  constexpr auto todas = RegraFimLinha::crLfLfOuCr;
  struct Caso {
    const char* nome;
    std::string buffer;
    RegraFimLinha regra;
    Linhas linhas;
    bool ultimaTerminada;
  } casos[] = {
      {"vazio", "", todas, {}, false},
      {"fim crlf sob lf", "ab\r\ncd\r\n", lf, {"ab", "cd"}, true},
      {"linhas vazias todas", "\r\n\n\r", todas, {"", "", ""}, true},
      // A CR LF cut by the end of the buffer: only lfCrFinal drops the CR.
      {"cr final lf", "ab\r", lf, {"ab\r"}, false},
      {"cr final lfCrFinal", "ab\r", lfCr, {"ab"}, false},
      {"cr final todas", "ab\r", todas, {"ab"}, true},
      {"so cr lfCrFinal", "\r", lfCr, {""}, false},
      {"dois cr finais lfCrFinal", "a\r\r", lfCr, {"a\r"}, false},
      // A lone CR is text under lf and a line end under todas.
      {"cr no meio lf", "a\rb\nc", lf, {"a\rb", "c"}, false},
      {"cr no meio todas", "a\rb\nc", todas, {"a", "b", "c"}, false},
      {"lf cr sob todas", "a\n\rb", todas, {"a", "", "b"}, false},
      {"cr cr lf sob lf", "\r\r\n", lf, {"\r"}, true},
      {"bytes altos e nulo", std::string("\xE7\0\x85\n\xFF", 5), lf,
       {std::string("\xE7\0\x85", 3), "\xFF"}, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    Linhas lidas;
    bool terminada = false;
    std::size_t proxima = 0;
    for (const LinhaLida& l : LeitorLinhas(c.buffer, c.regra)) {
      lidas.emplace_back(l.texto);
      EXPECT_EQ(l.numero, lidas.size());
      // Each line starts where the one before said the next one would.
      EXPECT_EQ(l.inicio, proxima);
      EXPECT_EQ(c.buffer.substr(proxima, l.texto.size()), l.texto);
      proxima = l.proxima;
      terminada = l.terminada;
    }
    EXPECT_EQ(lidas, c.linhas);
    EXPECT_EQ(proxima, c.buffer.size());
    EXPECT_EQ(terminada, c.ultimaTerminada);
  }
}
