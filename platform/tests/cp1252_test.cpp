#include <gtest/gtest.h>

#include "cp1252.h"

using namespace cp1252;

TEST(Cp1252, LiteralGivesWindows1252Bytes) {
  const std::string s = "Não"_cp;
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(static_cast<unsigned char>(s[1]), 0xE3);
  EXPECT_EQ(std::string("€“”–—…"_cp), std::string("\x80\x93\x94\x96\x97\x85"));
  EXPECT_EQ("a"_cp + std::string("b"), "ab");
  EXPECT_EQ(std::string("\xC7" "a"), "Ça"_cp);
  EXPECT_EQ(std::string(""_cp), "");
}

TEST(Cp1252, Utf8RoundTripKeepsEveryByte) {
  std::string todos;
  for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
  const std::string utf8 = paraUtf8(todos);
  EXPECT_EQ(deUtf8(utf8), todos);
  // The undefined bytes travel as C1 controls.
  EXPECT_EQ(paraUtf8(std::string("\x81", 1)), "\xC2\x81");
  EXPECT_EQ(paraUtf8(std::string("\x80", 1)), "\xE2\x82\xAC");
}

TEST(Cp1252, Utf8ThatCannotBeMappedBecomesQuestionMark) {
  EXPECT_EQ(deUtf8("a\xE2\x86\x92" "b"), "a?b");       // arrow: not in the code page
  EXPECT_EQ(deUtf8("a\xC3"), "a?");                   // cut sequence
  EXPECT_EQ(deUtf8("\xFF" "x"), "?x");                // not UTF-8 at all
  EXPECT_EQ(deUtf8("\xF0\x9F\x98\x80"), "?");         // outside the BMP
  EXPECT_EQ(deUtf8("\xC3\xA7\xC3\xA3o"), "ção"_cp.str());
}

TEST(Cp1252, CaseTables) {
  EXPECT_EQ(maiusculas("ação çé ÿ š œ ž"_cp), "AÇÃO ÇÉ Ÿ Š Œ Ž"_cp.str());
  EXPECT_EQ(minusculas("AÇÃO Ÿ Š"_cp), "ação ÿ š"_cp.str());
  // No other case: ß, µ, × and ÷ stay.
  EXPECT_EQ(maiuscula(0xDF), 0xDF);
  EXPECT_EQ(maiuscula(0xB5), 0xB5);
  EXPECT_EQ(maiuscula(0xF7), 0xF7);
  EXPECT_EQ(minuscula(0xD7), 0xD7);
  for (int c = 0; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    if (maiuscula(b) != b) {
      EXPECT_EQ(minuscula(maiuscula(b)), b) << c;
    }
  }
}

TEST(Cp1252, OemCodePage850) {
  // Portuguese letters have the same characters in both code pages.
  const std::string texto = "ÁÉÍÓÚÂÊÔÃÕÇáéíóúâêôãõçàüº"_cp;
  EXPECT_EQ(deOem(paraOem(texto)), texto);
  EXPECT_EQ(paraOem(0xE7), 0x87);  // ç
  EXPECT_EQ(paraOem(0xC7), 0x80);  // Ç
  EXPECT_EQ(deOem(0x87), 0xE7);
  EXPECT_EQ(paraOem("“x”"_cp), "\"x\"");
  EXPECT_EQ(deOem(std::string("\xB3\xC4\xDA", 3)), "|-+");
  EXPECT_EQ(paraOem("abc"), "abc");
}
