#include "checabrl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "brtraduz.h"
#include "brvars.h"
#include "casos.h"

namespace {

// The cases are in dados/.
TEST(ReverteBraille, MaiusculasENumeros) {
  for (const auto& c : casos::le("reverteBraille.tsv")) {
    SCOPED_TRACE(c);
    EXPECT_EQ(reverteBraille(c[1], tabelaIdentidade(), false), c[2]);
  }
}

// Each printer byte goes back to the last cell of the code that the table
// sends to it; printer byte 39 is always the full stop.
TEST(ReverteBraille, TabelaInversa) {
  for (const auto& c : casos::le("reverteTabela.tsv")) {
    SCOPED_TRACE(c);
    TTabelaImpressora tabela = tabelaIdentidade();
    for (std::size_t i = 0; i + 1 < c[2].size(); i += 3) tabela[static_cast<unsigned char>(c[2][i])] = c[2][i + 1];
    EXPECT_EQ(reverteBraille(c[3], tabela, c[1] == "old"), c[4]);
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
