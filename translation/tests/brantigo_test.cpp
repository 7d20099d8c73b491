#include "brantigo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "brvars.h"
#include "cp1252.h"

namespace {

struct Caso {
  std::string entrada;
  std::string esperado;
};

class TraduzAntigo : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override { reiniciaVariaveis(); }

  // Each case starts from the state a translation pass sets.
  static void confere(const std::vector<Caso>& casos) {
    for (const auto& c : casos) {
      reiniciaEstadoConversores();
      EXPECT_EQ(traduzAntigo(c.entrada), c.esperado) << "entrada: " << cp1252::paraUtf8(c.entrada);
    }
  }
};

TEST_F(TraduzAntigo, LetrasEMaiusculas) {
  confere({
      {"", ""},
      {"a", "a"},
      {"Ana", "]ana"},
      {"ANA", "]]ana"},
      {"ANAs", "]]anas"},
      {"ANA-b", "]]ana-b"},
      {"bem-vindo", "bem-vindo"},
      {"A", "]a"},
      {"A B", "]a ]b"},
      {"AÇÃO"_cp, "]]ação"_cp},
      {"Édipo"_cp, "]édipo"_cp},
      {"ÿ"_cp, "ÿ"_cp},
      // "×" and "ß" neither start nor join a run of capitals.
      {"×"_cp, "×"_cp},
      {"ß"_cp, "ß"_cp},
      {"A×B"_cp, "]a×]b"_cp},
      {"AB×CD"_cp, "]]ab×]]cd"_cp},
      {"Aß"_cp, "]aß"_cp},
      {"ABß"_cp, "]]abß"_cp},
  });
}

TEST_F(TraduzAntigo, Numeros) {
  confere({
      {"1", "#1"},
      {"1.000", "#1'000"},
      {"1.000.000", "#1'000'000"},
      {"3,5", "#3,5"},
      {"3,", "#3,"},
      {"10.", "#10."},
      {"10...", "#10..."},
      {"5a", "#5a"},
      {"3k", "#3k"},
      {"3$", "#3$"},
      {"2 3", "#2 #3"},
      {"(2)", "(#2)"},
      {"[2]", "[#2]"},
      {"x2", "x#2"},
  });
}

TEST_F(TraduzAntigo, DatasEHoras) {
  confere({
      {"12/05/2000", "#12-05-2000"},
      {"1/2", "#1/#2"},
      {"1/2/", "#1/#2/"},
      {"1//2", "#1--2"},
      // Three slashes: no date from the first number, a date from the second.
      {"1/2/3/4", "#1/#2-3-4"},
      {"12/05/2000x", "#12-05-2000x"},
      {"10:30", "#10:30"},
      {"8:05:10", "#8:05:10"},
      {"10:", "#10:"},
      {"10::3", "#10::3"},
      {"10:30h", "#10:30h"},
  });
}

TEST_F(TraduzAntigo, Ordinais) {
  confere({
      {"1º"_cp, "#,o"},
      {"1°"_cp, "#,o"},
      {"2º"_cp, "#;o"},
      {"2°"_cp, "#;o"},
      {"1ª"_cp, "#,a"},
      {"2a.", "#;a"},
      {"1o.", "#,o"},
      {"2as.", "#;as"},
      {"10os.", "#,}os"},
      {"4º 7º 8º"_cp, "#.o #)o #{o"},
      {"2a", "#2a"},
      {"2as", "#2as"},
      {"2A.", "#2]a."},
  });
}

TEST_F(TraduzAntigo, PontosEscapesESimbolos) {
  confere({
      {".", "."},
      {"fim.", "fim."},
      {"fim..", "fim.."},
      {"fim...", "fim'''"},
      {"....", "'''."},
      {"`(", "ê"_cp},
      {"`)", "ã"_cp},
      {"`*", "{"},
      {"`[", "á"_cp},
      {"`]", "ú"_cp},
      {"`{", "~l"},
      {"`}", "_,"},
      {"`%", "`_}"},
      {"`", "`"},
      {"``", "``"},
      {"`a", "`a"},
      {"`1/2", "#,2"},
      {"`4", "#."},
      {"`78", "#){"},
      {"`3/", "#:"},
      {"%", "_}"},
      {"_", "_"},
      {"§"_cp, "ss"},
      {"a\u00ADb"_cp, "ab"},  // soft hyphen: no cell
      {"–—…«»€"_cp, "–—…«»€"_cp},
      {"(ver)", "(ver)"},
      {"#{}\\", "#{}\\"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  });
}

TEST_F(TraduzAntigo, FraseCompleta) {
  confere({
      {"Em 1º de Maio, ANA comprou 3,5 kg às 10:30 (12/05/1999)."_cp,
       "]em #,o de ]maio, ]]ana comprou #3,5 kg às #10:30 (#12-05-1999)."_cp},
  });
}

TEST_F(TraduzAntigo, TextoIngles) {
  configuracao.textoIngles = true;
  confere({
      {"Ana", "&ana"},
      {"ANA", "&&ana"},
      {"a_b", "a]b"},
      {"fim...", "fim'''"},
      {"%", "_}"},
      {"\"a\"", "{a}"},
  });
}

TEST_F(TraduzAntigo, AspasAlternamEntreChamadas) {
  struct Passo {
    std::string entrada;
    std::string esperado;
    bool abreDepois;
  };
  const std::vector<std::vector<Passo>> sequencias = {
      {{"\"\"", "{}", true}},
      {{"\"", "{", false}, {"\"", "}", true}, {"\"", "{", false}},
      {{"”"_cp, "}", true}, {"”"_cp, "}", true}},
      {{"“"_cp, "{", false}, {"“"_cp, "{", false}},
      {{"“\""_cp, "{}", true}},
      {{"”\""_cp, "}{", false}},
      {{"\"a", "{a", false}, {"b\"", "b}", true}},
  };
  for (const auto& seq : sequencias) {
    reiniciaEstadoConversores();
    for (const auto& p : seq) {
      EXPECT_EQ(traduzAntigo(p.entrada), p.esperado) << cp1252::paraUtf8(p.entrada);
      EXPECT_EQ(abreAspasAntigo, p.abreDepois) << cp1252::paraUtf8(p.entrada);
    }
  }
}

TEST_F(TraduzAntigo, NaoTocaOEstadoDosColchetes) {
  parentesesAberto = true;
  abreAspasIngles = false;
  EXPECT_EQ(traduzAntigo("(2) \"x\""), "(#2) {x}");
  EXPECT_TRUE(parentesesAberto);
  EXPECT_FALSE(abreAspasIngles);
}

TEST_F(TraduzAntigo, ResultadoLimpoEPodeSerOProprioTexto) {
  std::string r = "resto antigo";
  traduzAntigo("Ana", r);
  EXPECT_EQ(r, "]ana");

  std::string s = "ANA 1.000";
  traduzAntigo(s, s);
  EXPECT_EQ(s, "]]ana #1'000");

  std::string t = "xx Bom";
  traduzAntigo(std::string_view(t).substr(3), t);
  EXPECT_EQ(t, "]bom");

  traduzAntigo("", r);
  EXPECT_EQ(r, "");
}

// Texts in buffers of exactly their size, so that the sanitizer build stops
// at any read past the end: every byte alone, every pair of bytes, and every
// text of up to four characters that the rules look ahead for.
std::string traduzSemFolga(const std::vector<unsigned char>& bytes) {
  const auto buffer = std::make_unique<char[]>(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) buffer[i] = static_cast<char>(bytes[i]);
  reiniciaEstadoConversores();
  return traduzAntigo(std::string_view(buffer.get(), bytes.size()));
}

TEST_F(TraduzAntigo, QualquerByteEmQualquerOrdem) {
  for (int a = 0; a < 256; ++a) {
    const auto ca = static_cast<unsigned char>(a);
    EXPECT_EQ(traduzSemFolga({ca}).empty(), a == 173) << a;
    for (int b = 0; b < 256; ++b) ASSERT_LE(traduzSemFolga({ca, static_cast<unsigned char>(b)}).size(), 4u);
  }
  const std::string alfabeto = ".`1/:aosA\"(*{}"_cp + "×ßº°ª"_cp;
  const std::size_t k = alfabeto.size();
  for (std::size_t i = 0; i < k * k * k * k; ++i) {
    const std::vector<unsigned char> t = {
        static_cast<unsigned char>(alfabeto[i % k]), static_cast<unsigned char>(alfabeto[i / k % k]),
        static_cast<unsigned char>(alfabeto[i / k / k % k]), static_cast<unsigned char>(alfabeto[i / k / k / k])};
    for (std::size_t n = 3; n <= 4; ++n)
      ASSERT_LE(traduzSemFolga({t.begin(), t.begin() + static_cast<std::ptrdiff_t>(n)}).size(), 4 * n);
  }
}

// Long texts that open and never close, and runs that a careless look-ahead
// would rescan from every position.
TEST_F(TraduzAntigo, TextosLongosEmTempoLinear) {
  constexpr std::size_t vezes = 200'000;
  auto repete = [](std::string_view padrao) {
    std::string s;
    for (std::size_t i = 0; i < vezes; ++i) s.append(padrao);
    return s;
  };
  const std::vector<Caso> longos = {
      {repete("1/"), repete("#1/")},  // no date: every number sees a third "/"
      {repete("(["), repete("([")},
      {repete("\"\""), repete("{}")},
      {repete("``"), repete("``")},
      {repete("1"), "#" + repete("1")},
      {repete("1:"), "#" + repete("1:")},
      {repete("A"), "]]" + repete("a")},
  };
  const auto inicio = std::chrono::steady_clock::now();
  for (const auto& l : longos) {
    reiniciaEstadoConversores();
    EXPECT_TRUE(traduzAntigo(l.entrada) == l.esperado) << l.entrada.substr(0, 4);
  }
  const auto segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  // Linear work takes well under a second even with sanitizers; a rescan per
  // number would take half a minute or more.
  EXPECT_LT(segundos, 8.0);
}

}  // namespace
