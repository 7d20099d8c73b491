#include "textoqt.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "cp1252.h"

namespace {

using textoqt::deQString;
using textoqt::paraQString;

TEST(TextoQt, TodosOsBytesVoltamIguais) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
  const QString q = paraQString(todos);
  ASSERT_EQ(q.size(), 256);
  EXPECT_EQ(deQString(q), todos);
}

TEST(TextoQt, FaixaOitentaNaoELatin1) {
  struct Caso {
    unsigned char byte;
    char16_t unicode;
  };
  for (const Caso c : {Caso{0x80, u'€'}, Caso{0x84, u'„'}, Caso{0x85, u'…'}, Caso{0x8A, u'Š'},
                       Caso{0x93, u'“'}, Caso{0x94, u'”'}, Caso{0x96, u'–'}, Caso{0x97, u'—'},
                       Caso{0x9F, u'Ÿ'}, Caso{0x81, 0x81}, Caso{0x8D, 0x8D}, Caso{0x8F, 0x8F},
                       Caso{0x90, 0x90}, Caso{0x9D, 0x9D}, Caso{0xE3, u'ã'}, Caso{0xA0, 0xA0}}) {
    const QString q = paraQString(std::string(1, static_cast<char>(c.byte)));
    ASSERT_EQ(q.size(), 1);
    EXPECT_EQ(q[0].unicode(), c.unicode) << int(c.byte);
  }
  EXPECT_EQ(paraQString("Não é “só” isso – €5"_cp), QStringLiteral(u"Não é “só” isso – €5"));
  EXPECT_EQ(deQString(QStringLiteral(u"Ação “já” — €")), "Ação “já” — €"_cp.str());
}

TEST(TextoQt, ForaDoCodigoViraInterrogacao) {
  EXPECT_EQ(deQString(QStringLiteral(u"a\u0100b")), "a?b");
  EXPECT_EQ(deQString(QStringLiteral(u"\u4E2D")), "?");
  EXPECT_EQ(deQString(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y");  // one character, one "?"
  EXPECT_EQ(deQString(QStringLiteral(u"\u2800")), "?");
  EXPECT_EQ(deQString(QString()), "");
  const std::string comZero("a\0b", 3);
  EXPECT_EQ(deQString(paraQString(comZero)), comZero);
}

// Desktop text either fits the code page exactly or shows "?" per character.
TEST(TextoQt, EntradaForaDoCodigo) {
  const std::pair<QString, QString> casos[] = {
      {QStringLiteral(u"Ação “já” — €5\u0081"), QStringLiteral(u"Ação “já” — €5\u0081")},
      {QStringLiteral(u"Ωmega łódź a→b"), QStringLiteral(u"?mega ?ód? a?b")},
      {QString::fromUtf8("x\xF0\x9F\x98\x80y"), QStringLiteral(u"x?y")},
  };
  for (const auto& [texto, so1252] : casos) {
    SCOPED_TRACE(texto.toStdString());
    const bool cabe = texto == so1252;
    EXPECT_EQ(textoqt::cabeEm1252(texto), cabe);
    EXPECT_EQ(textoqt::so1252(texto), so1252);
    EXPECT_EQ(textoqt::deQStringExato(texto), cabe ? std::optional(deQString(texto)) : std::nullopt);
  }
}

}  // namespace
