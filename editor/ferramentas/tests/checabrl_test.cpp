#include "checabrl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using namespace std::string_literals;

// Identity table, unified code: the cells come back as themselves.
TEST(ReverteBraille, MaiusculasENumeros) {
  for (const auto& [linha, texto] : std::vector<std::pair<std::string, std::string>>{
           {"{{ana", "ANA"}, {"{ana", "Ana"}, {"#abc", "123"}, {"#j,e", "0,5"}, {"# ", "# "},
           {"{{ ", "{{ "}, {"", ""}, {"{", "{"}, {"{{", "{{"}, {"#", "#"}, {"a{{b", "aB"},
           {"x {{ana casa", "x ANA casa"}, {"{{a{b", "AB"}, {"{{{a", "{A"}, {"{a{{b", "AB"},
           {"{{aço"_cp, "AÇO"_cp}, {"{ção"_cp, "Ção"_cp}, {"{{ab-c", "AB-c"}, {"#a#b", "12"},
           {"#a'bcd,e f", "1.234,5 f"}, {"#k", "#k"}, {"a#{b", "a#B"}, {"#{{a", "#A"},
           {"{#a", "{1"}, {"a'b", "a.b"}, {"xAy", "x\0y"s}}) {
    SCOPED_TRACE(linha);
    EXPECT_EQ(reverteBraille(linha, tabelaIdentidade(), false), texto);
  }
}

// Each printer byte goes back to the last cell of the code that the table
// sends to it; printer byte 39 is always the full stop.
TEST(ReverteBraille, TabelaInversa) {
  struct Caso { bool antigo; std::vector<std::pair<unsigned char, unsigned char>> trocas; std::string linha, texto; };
  for (const Caso& c : std::vector<Caso>{
           {false, {}, "]a\xAC", "\0a\xAC"s}, {true, {}, "]a\xAC", "]a\0"s}, {true, {}, "{ana", "Ana"},
           {false, {{'b', 'a'}}, "ab", "b\0"s}, {false, {{'a', 'b'}}, "ab", "\0b"s},
           {false, {{'k', 39}, {39, 'k'}}, "'k", ".'"}, {true, {{'a', 'A'}}, "{A", "A"}}) {
    SCOPED_TRACE(c.linha + (c.antigo ? " old" : " unified"));
    TTabelaImpressora tabela = tabelaIdentidade();
    for (const auto& [interno, impresso] : c.trocas) tabela[interno] = impresso;
    EXPECT_EQ(reverteBraille(c.linha, tabela, c.antigo), c.texto);
  }
}

// A sign at the end of a line has nothing to act on, whatever comes before it
// (under ASan: nothing is read past either end).
TEST(ReverteBraille, SinaisNoFimDaLinha) {
  for (int b = 0; b < 256; ++b)
    for (const std::string sinal : {"{", "{{", "#", "{{{", "#{"}) {
      SCOPED_TRACE(std::to_string(b) + " " + sinal);
      EXPECT_TRUE(reverteBraille(static_cast<char>(b) + sinal, tabelaIdentidade(), b % 2).ends_with(sinal));
      EXPECT_TRUE(reverteBraille(sinal + static_cast<char>(b) + sinal, tabelaIdentidade(), b % 2).ends_with(sinal));
    }
}

// Translated and mapped through the shipped table, a line comes back.
TEST(ReverteBraille, VoltaDaTraducao) {
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  TTabelaImpressora tabela{};
  ASSERT_TRUE(carregaArquivoAmbCode(std::string(dados ? dados : ".") + "/ambcode2.cfg", tabela));
  reiniciaVariaveis();  // the unified code
  reiniciaTraducaoTexto();
  for (const std::string texto : {"Casa 12 ABC", "O ANO de 1.999 e 3,5 kg", "Uma Casa"}) {
    SCOPED_TRACE(texto);
    reiniciaEstadoConversores();
    std::string interno;
    traduzTexto(texto, interno);
    EXPECT_EQ(reverteBraille(mapeiaImpressora(interno, tabela), tabela, false), texto);
  }
  reiniciaVariaveis();
  reiniciaTraducaoTexto();
}

}  // namespace
