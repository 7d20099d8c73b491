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
      {"vazio lf", "", lf, {}, false},
      {"vazio crlf", "", todas, {}, false},
      {"sem fim lf", "ab", lf, {"ab"}, false},
      {"sem fim crlf", "ab", todas, {"ab"}, false},
      {"fim lf", "ab\n", lf, {"ab"}, true},
      {"fim crlf sob lf", "ab\r\ncd\r\n", lf, {"ab", "cd"}, true},
      {"fim crlf sob todas", "ab\r\ncd\r\n", todas, {"ab", "cd"}, true},
      {"linhas vazias lf", "\n\n", lf, {"", ""}, true},
      {"linhas vazias todas", "\r\n\n\r", todas, {"", "", ""}, true},
      // A CR LF cut by the end of the buffer: only lfCrFinal drops the CR.
      {"cr final lf", "ab\r", lf, {"ab\r"}, false},
      {"cr final lfCrFinal", "ab\r", lfCr, {"ab"}, false},
      {"cr final todas", "ab\r", todas, {"ab"}, true},
      {"so cr lfCrFinal", "\r", lfCr, {""}, false},
      {"dois cr finais lfCrFinal", "a\r\r", lfCr, {"a\r"}, false},
      {"dois cr finais todas", "a\r\r", todas, {"a", ""}, true},
      // A lone CR is text under lf and a line end under todas.
      {"cr no meio lf", "a\rb\nc", lf, {"a\rb", "c"}, false},
      {"cr no meio todas", "a\rb\nc", todas, {"a", "b", "c"}, false},
      {"lf cr sob todas", "a\n\rb", todas, {"a", "", "b"}, false},
      {"cr cr lf sob lf", "\r\r\n", lf, {"\r"}, true},
      {"cr cr lf sob todas", "\r\r\n", todas, {"", ""}, true},
      {"crlf crlf", "x\r\n\r\n", todas, {"x", ""}, true},
      {"bytes altos e nulo", std::string("\xE7\0\x85\n\xFF", 5), lf,
       {std::string("\xE7\0\x85", 3), "\xFF"}, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    Linhas lidas;
    std::size_t esperado = 0;
    bool terminada = false;
    std::string remontado;
    for (const LinhaLida& l : LeitorLinhas(c.buffer, c.regra)) {
      lidas.emplace_back(l.texto);
      EXPECT_EQ(l.numero, ++esperado);
      // The line lies where it says and the lines with their ends cover the
      // buffer exactly, in order.
      EXPECT_EQ(l.inicio, remontado.size());
      EXPECT_EQ(c.buffer.substr(l.inicio, l.texto.size()), l.texto);
      ASSERT_LE(l.proxima, c.buffer.size());
      remontado += c.buffer.substr(l.inicio, l.proxima - l.inicio);
      terminada = l.terminada;
    }
    EXPECT_EQ(lidas, c.linhas);
    EXPECT_EQ(remontado, c.buffer);
    EXPECT_EQ(terminada, c.ultimaTerminada);
  }
}
