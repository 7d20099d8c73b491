#include "brtraduz.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "brcodigo.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

class TraduzTexto : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
  }
  void TearDown() override {
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
  }
};

TEST_F(TraduzTexto, EscolheOConversorDoCodigoEmUso) {
  struct Caso {
    bool antigo;
    bool cru;
    std::string entrada;
    std::string esperado;
  };
  const std::vector<Caso> casos = {
      {false, false, "Ana", "{ana"},
      {true, false, "Ana", "]ana"},
      {false, false, "ANAs", "{{ana~s"},
      {true, false, "ANAs", "]]anas"},
      {true, false, "1.000", "#1'000"},
      {false, false, "1.000", "#1.000"},
      // A no-break space is a blank, wherever it stands.
      {false, false, "\u00A0Ana\u00A0Rui\u00A0"_cp, " {ana {rui "},
      {true, false, "\u00A0Ana\u00A0Rui\u00A0"_cp, " ]ana ]rui "},
      // Raw mode: nothing is translated, markup characters and all.
      {false, true, "<t>Ana `( 1.000 \"x\"", "<t>Ana `( 1.000 \"x\""},
      {true, true, "Não\t§"_cp, "Não\t§"_cp},
      {false, true, "a\u00A0b"_cp, "a\u00A0b"_cp},
      {false, true, "", ""},
  };
  for (const auto& c : casos) {
    reiniciaEstadoConversores();
    configuracao.brailleAntigo = c.antigo;
    semTraducao = c.cru;
    std::string r = "lixo";
    traduzTexto(c.entrada, r);
    EXPECT_EQ(r, c.esperado) << cp1252::paraUtf8(c.entrada) << " antigo=" << c.antigo << " cru=" << c.cru;
  }
}

TEST_F(TraduzTexto, ResultadoPodeSerOProprioTexto) {
  for (const bool cru : {false, true}) {
    semTraducao = cru;
    configuracao.brailleAntigo = true;
    std::string s = "Bom";
    traduzTexto(s, s);
    EXPECT_EQ(s, cru ? "Bom" : "]bom");
    std::string t = "ab cd";
    traduzTexto(std::string_view(t).substr(3), t);
    EXPECT_EQ(t, "cd");
  }
}

// Outside a pass nothing resets the converters: the Braille line view goes
// on from the state the previous line left.
TEST_F(TraduzTexto, EstadoPassaDeUmaChamadaAOutra) {
  reiniciaEstadoConversores();
  configuracao.brailleAntigo = true;
  std::string r;
  traduzTexto("\"a", r);
  EXPECT_EQ(r, "{a");
  traduzTexto("b\"", r);
  EXPECT_EQ(r, "b}");

  configuracao.brailleAntigo = false;
  traduzTexto("(ver", r);
  EXPECT_EQ(r, "(.ver");
  EXPECT_TRUE(parentesesAberto);
  // The bracket is still open, so ")" after the digit closes text.
  traduzTexto("2)", r);
  EXPECT_EQ(r, "#2\\)");
  EXPECT_FALSE(parentesesAberto);
  traduzTexto("2)", r);
  EXPECT_EQ(r, "#2\xE3");

  // Raw mode leaves the state alone.
  parentesesAberto = true;
  abreAspasAntigo = false;
  semTraducao = true;
  traduzTexto("\"(2)\"", r);
  EXPECT_TRUE(parentesesAberto);
  EXPECT_FALSE(abreAspasAntigo);
}

// Outside a number "º" and "ª" are copied and the shipped tables emboss "o", "a".
TEST_F(TraduzTexto, SinaisDeOrdinalChegamAoPapel) {
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"nº"_cp, "NO"}, {"Nª"_cp, ".NA"}, {"º ª"_cp, "O A"}, {"1º"_cp, "#1O"}, {"2ª"_cp, "#2A"}};
  for (const std::string arquivo : {"ambcode.cfg", "ambcode2.cfg"}) {
    TTabelaImpressora tabela{};
    ASSERT_TRUE(carregaArquivoAmbCode(std::string(dados ? dados : ".") + "/" + arquivo, tabela));
    configuracao.brailleAntigo = arquivo == "ambcode.cfg";
    for (const auto& [texto, impresso] : casos) {
      SCOPED_TRACE(arquivo + ": " + cp1252::paraUtf8(texto));
      reiniciaEstadoConversores();
      std::string interno;
      traduzTexto(texto, interno);
      EXPECT_EQ(mapeiaImpressora(interno, tabela), impresso);
    }
  }
}

TEST_F(TraduzTexto, LarguraLinhaDaUltimaPassagem) {
  EXPECT_EQ(larguraLinha(), 36);
  larguraUtil = 254;
  EXPECT_EQ(larguraLinha(), 254);
  larguraUtil = 0;
  EXPECT_EQ(larguraLinha(), 0);
}

TEST_F(TraduzTexto, ExpandeTabs) {
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"", ""},
      {"ab", "ab"},
      {"a\tb", "a  b"},
      {"\t", "  "},
      {"\t\t", "    "},
      {"\tx\t", "  x  "},
      {"não\té"_cp, "não  é"_cp},
      {std::string("\0\t", 2), std::string("\0  ", 3)},
  };
  for (const auto& [entrada, esperado] : casos) {
    std::string s = entrada;
    expandeTabs(s);
    EXPECT_EQ(s, esperado) << cp1252::paraUtf8(entrada);
  }
}

}  // namespace
