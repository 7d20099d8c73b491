#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brunif.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

struct Caso {
  std::string entrada;
  std::string esperado;
};

class Unificado : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override { reiniciaVariaveis(); }

  // Each case starts from the state a translation pass sets.
  void confere(const std::vector<Caso>& casos, bool ingles) {
    for (const Caso& c : casos) {
      reiniciaEstadoConversores();
      textoEstrangeiro = ingles;
      EXPECT_EQ(traduzUnificado(c.entrada), c.esperado) << "entrada: " << c.entrada;
    }
  }
};

TEST_F(Unificado, PortugueseText) {
  confere(
      {
          {"", ""},
          {"Em 1º de Maio, ANA comprou 3,5 kg (12.05.99)."_cp,
           "{em #,o de {maio, {{ana comprou #3,5 kg ê#12.#05.#99ã."_cp},
          // Capitals and words in capitals.
          {"Ana", "{ana"},
          {"ANA", "{{ana"},
          {"ANAs", "{{ana~s"},
          {"ANA-b", "{{ana-b"},
          {"ÁGUA é"_cp, "{{água é"_cp},
          {"A", "{a"},
          {"Éa"_cp, "{éa"_cp},
          {"bem-vindo", "bem-vindo"},
          {"àÿ÷"_cp, "àÿ÷"_cp},
          // "×" and "ß" never join a word in capitals.
          {"A×B"_cp, "{a×{b"_cp},
          {"AB×"_cp, "{{ab×"_cp},
          {"×AB"_cp, "×{{ab"_cp},
          {"AßB"_cp, "{a¬b{b"_cp},
          {"ABßc"_cp, "{{ab¬bc"_cp},
          // Numbers, the letter sign, points and ordinals.
          {"1º"_cp, "#,o"},
          {"2ª"_cp, "#;a"},
          {"2as.", "#;as"},
          {"10os.", "#,}os"},
          {"1o.", "#,o"},
          {"3a.b", "#:ab"},
          {"3as", "#3~as"},
          {"1A.", "#1{a."},
          {"3a", "#3~a"},
          {"3f", "#3~f"},
          {"3j", "#3~j"},
          {"3k", "#3k"},
          {"1°"_cp, "#1°"_cp},
          {"3,14", "#3,14"},
          {"1.000", "#1.000"},
          {"12.05.99", "#12.#05.#99"},
          {"10.30", "#10.#30"},
          {"1234.5", "#1234.5"},
          {"12.345", "#12.345"},
          {"10.", "#10."},
          {"10.a", "#10.~a"},
          {"5$00", "#5$00"},
          {"12", "#12"},
          {"9 9", "#9 #9"},
          // Brackets around numbers and as text.
          {"(2)", "ê#2ã"_cp},
          {"[2]", "á#2ú"_cp},
          {"(ver 2)", "(.ver #2\\)"},
          {"(2 e)", "(.#2 e\\)"},
          {"2)", "#2ã"_cp},
          {"2]", "#2ú"_cp},
          {")", "\\)"},
          {"[2 pessoas] 3)", "[.#2 pessoas\\] #3\\)"},
          {"(2 a) 3)", "(.#2 a\\) #3ã"_cp},
          {"(x)", "(.x\\)"},
          {"(2", "(.#2"},
          // Escapes.
          {"`1/2", "#,2"},
          {"`2", "#;"},
          {"`12/", "#,;"},
          {"`*", "×"_cp},
          {"``", ""},
          {"`", "`"},
          {"`\\", "`~."},
          {"`a", "`a"},
          {"`\"", "üü"_cp},
          {"`%", "_}}"},
          {"`'", "ü"_cp},
          {"`(", "ê"_cp},
          {"`)", "ã"_cp},
          {"`x`X", "××"_cp},
          {"`/`:", "÷÷"_cp},
          {"`e`E", "€e€e"_cp},
          {"`o", "°"_cp},
          {"`[`]", "áú"_cp},
          {"`^", "å"_cp},
          {"`_`÷"_cp, "~÷~÷"_cp},
          {"`{`}", "~l_,"},
          {"`+`-`.`=", "+-.="},
          // Punctuation, quotes and the symbol table.
          {"Fim.", "{fim."},
          {"\"a\" “b” c"_cp, "\"a\" \"b\" c"},
          {"50%", "#50_}"},
          {"a*b/c?", "a*b\\,c?"},
          {"a\\b_c", "a~.b_c"},
          {"€"_cp, "€e"_cp},
          {"…"_cp, "..."},
          {"‰"_cp, "_}}"},
          {"‘a’"_cp, "$\"a$\""},
          {"•"_cp, "õo"_cp},
          {"a–b—c"_cp, "a--b--c"},
          {"œ§"_cp, "oess"_cp},
          {"«a»"_cp, "\\\"a\\\""},
          {"x²y³z¹"_cp, "xå#byå#czå#a"_cp},
          {"¼½¾"_cp, "#,d#,b#:d"},
          {"×"_cp, "×"_cp},
          {"ß"_cp, "¬b"_cp},
          {"æ"_cp, "æ"_cp},
          {"ª º"_cp, "ª º"_cp},
          {"# { , ; : ! ' $", "# { , ; : ! ' $"},
          // The soft hyphen only marks a break; it has no cell.
          {"pa\xAD" "la", "pala"},
      },
      false);
}

TEST_F(Unificado, EnglishText) {
  confere(
      {
          {"Hi.", "\\hi/"},
          {"HI", "\\\\hi"},
          {"\"\"\"", "\"}\""},
          {"“"_cp, "\""},
          {"”"_cp, "}"},
          {"”“"_cp, "}\""},
          {"(a)", "=a="},
          {"a*b/c?", "a{bìc\""_cp},
          {"a_b", "a]b"},
          {"(2)", "ê#2ã"_cp},
          {"3.5", "#3.#5"},
          {"[a]", "[.a\\]"},
      },
      true);
}

TEST_F(Unificado, StateCarriesFromOneCallToTheNext) {
  EXPECT_EQ(traduzUnificado("(ver"), "(.ver");
  EXPECT_TRUE(parentesesAberto);
  // An open text bracket makes the next ")" after a digit text as well.
  EXPECT_EQ(traduzUnificado("2)"), "#2\\)");
  EXPECT_FALSE(parentesesAberto);
  EXPECT_EQ(traduzUnificado("2)"), "#2ã"_cp.str());

  // "[" in text leaves the state alone; an opening bracket before a number
  // clears it first.
  parentesesAberto = true;
  EXPECT_EQ(traduzUnificado("[a"), "[.a");
  EXPECT_TRUE(parentesesAberto);
  EXPECT_EQ(traduzUnificado("(2)"), "ê#2ã"_cp.str());
  EXPECT_FALSE(parentesesAberto);

  textoEstrangeiro = true;
  EXPECT_EQ(traduzUnificado("\""), "\"");
  EXPECT_FALSE(abreAspasIngles);
  EXPECT_EQ(traduzUnificado("\""), "}");
  EXPECT_TRUE(abreAspasIngles);
  // Portuguese text never touches the English quotation state.
  textoEstrangeiro = false;
  abreAspasIngles = false;
  EXPECT_EQ(traduzUnificado("\"“”"_cp), "\"\"\"");
  EXPECT_FALSE(abreAspasIngles);
}

TEST_F(Unificado, BracketLookAheadReaches999Characters) {
  // The closer of "(1" + k letters + "1)" lies k + 3 characters after "(".
  for (const auto& [k, abre] : std::vector<std::pair<std::size_t, std::string>>{
           {996, "ê"_cp}, {997, "(."}}) {
    reiniciaEstadoConversores();
    const std::string texto = "(1" + std::string(k, 'x') + "1)";
    const std::string r = traduzUnificado(texto);
    EXPECT_EQ(r.substr(0, abre.size()), abre) << k;
  }
  // Only the first closer counts, even when a later one follows a digit.
  reiniciaEstadoConversores();
  EXPECT_EQ(traduzUnificado("(1 a) (2)"), "(.#1 a\\) ê#2ã"_cp.str());
  // The search starts after the bracket itself and never before it.
  reiniciaEstadoConversores();
  EXPECT_EQ(traduzUnificado("1) (2"), "#1ã (.#2"_cp.str());
}

TEST_F(Unificado, ResultMayHoldTheText) {
  std::string s = "ANA tem 2 (dois) gatos.";
  traduzUnificado(s, s);
  EXPECT_EQ(s, "{{ana tem #2 (.dois\\) gatos.");
  std::string longo(5000, 'A');
  traduzUnificado(std::string_view(longo).substr(10, 3), longo);
  EXPECT_EQ(longo, "{{aaa");
  std::string desenho = " A1";
  traduzUnificadoDesenho(desenho, desenho);
  EXPECT_EQ(desenho, "{a#1");
}

TEST_F(Unificado, AnyBytesInAnyOrder) {
  std::string r;
  for (int a = 0; a < 256; ++a) {
    const std::string um(1, static_cast<char>(a));
    traduzUnificado(um, r);
    // Every byte gives a cell except the soft hyphen; a lone backtick is
    // copied.
    EXPECT_EQ(r.empty(), a == 173) << a;
    for (int b = 0; b < 256; ++b) {
      const char par[2] = {static_cast<char>(a), static_cast<char>(b)};
      traduzUnificado(std::string_view(par, 2), r);
      traduzUnificadoDesenho(std::string_view(par, 2), r);
    }
  }
}

TEST_F(Unificado, LongUnbalancedTexts) {
  std::string abertos;
  for (int i = 0; i < 50000; ++i) abertos += "(1";
  std::string esperado;
  for (int i = 0; i < 50000; ++i) esperado += "(.#1";
  EXPECT_EQ(traduzUnificado(abertos), esperado);
  EXPECT_TRUE(parentesesAberto);

  // Every closer after a digit while no text bracket is open.
  reiniciaEstadoConversores();
  std::string fechados;
  for (int i = 0; i < 50000; ++i) fechados += "1)";
  EXPECT_EQ(traduzUnificado(fechados).size(), 50000u * 3);

  textoEstrangeiro = true;
  const std::string aspas(100000, '"');
  const std::string r = traduzUnificado(aspas);
  ASSERT_EQ(r.size(), aspas.size());
  EXPECT_EQ(r.substr(0, 4), "\"}\"}");
  EXPECT_TRUE(abreAspasIngles);

  textoEstrangeiro = false;
  std::string misto;
  for (int i = 0; i < 20000; ++i) misto += "[2 \"`";
  EXPECT_FALSE(traduzUnificado(misto).empty());
  EXPECT_EQ(traduzUnificado(std::string(100000, '1')).size(), 100001u);
}

class UnificadoDesenho : public Unificado {};

TEST_F(UnificadoDesenho, DiffersFromTheEditorsBuild) {
  const std::vector<Caso> casos = {
      {"", ""},
      {" ", " "},
      {" a", "a"},
      {"  a", "  a"},
      {" A", "{a"},
      {"a ", "a "},
      {"3a", "#3~a"},
      {"3e", "#3~e"},
      {"3f", "#3f"},
      {"3j", "#3j"},
      {"3,5e", "#3,5~e"},
      {"HI.", "{{hi."},
      {"\"\"", "\"\""},
      {"a*b/c?_", "a*b\\,c?_"},
      {"(2)", "ê#2ã"_cp},
      {"A×B"_cp, "{a×{b"_cp},
      {"pa\xAD" "la", "pala"},
  };
  // English text and the editor's bracket state change nothing here, and
  // the editor's state is left as it was.
  textoEstrangeiro = true;
  parentesesAberto = true;
  abreAspasIngles = false;
  for (const Caso& c : casos)
    EXPECT_EQ(traduzUnificadoDesenho(c.entrada), c.esperado) << "entrada: " << c.entrada;
  EXPECT_TRUE(parentesesAberto);
  EXPECT_FALSE(abreAspasIngles);

  // No bracket state carries from one call to the next.
  EXPECT_EQ(traduzUnificadoDesenho("(ver"), "(.ver");
  EXPECT_EQ(traduzUnificadoDesenho("2)"), "#2ã"_cp.str());
}

TEST(PartesComuns, OrdinalLeavesEverythingAloneWhenItDoesNotApply) {
  std::string r = "x";
  for (const std::string texto : {"12", "12a", "12as", "12ab.", "12A."}) {
    std::size_t p = 0;
    EXPECT_FALSE(traduzOrdinal(texto, p, r, digitosRebaixadosUnificado, false)) << texto;
    EXPECT_EQ(p, 0u);
  }
  EXPECT_EQ(r, "x");

  const std::string grau = "x47°y"_cp;
  std::size_t p = 1;
  EXPECT_FALSE(traduzOrdinal(grau, p, r, digitosRebaixadosUnificado, false));
  ASSERT_TRUE(traduzOrdinal(grau, p, r, "0123456789", true));
  EXPECT_EQ(r, "x47o");
  EXPECT_EQ(p, 4u);
}

TEST(PartesComuns, EscapedNumberStopsAtTheTextEnd) {
  for (const auto& [texto, esperado] : std::vector<std::pair<std::string, std::string>>{
           {"`1/", "#,"}, {"`10/25x", "#,}25"}, {"`3//4", "#:"}}) {
    std::string r;
    std::size_t p = 0;
    traduzNumeroEscapado(texto, p, r, digitosRebaixadosUnificado);
    EXPECT_EQ(r, esperado) << texto;
  }
}

}  // namespace
