#include "superficieqt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <memory>

#include "apoio_testes.h"
#include "brgeometria.h"
#include "brtiger.h"
#include "brvars.h"
#include "textoqt.h"

namespace {

class SuperficieQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    configuracao.Marca = "Tiger";
    atualizaModoTiger();
    nomeDocumento = "/docs/livro.txt";
  }
  void TearDown() override {
    fechaTiger();
    instalaFabricaSuperficie(nullptr);
    reiniciaVariaveis();
    atualizaModoTiger();
  }
  apoio::PastaTemporaria pasta;
};

int contaPaginas(const QByteArray& pdf) {
  static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf).count(pagina));
}

// A real page through QPrinter: text lines, a form feed and a graphic.
TEST_F(SuperficieQtTest, ImprimeEmPdf) {
  const QString arquivo = QString::fromStdString(pasta.arquivo("tiger.pdf"));
  instalaFabricaSuperficie([arquivo] { return std::make_unique<SuperficieQt>(arquivo); });

  TMatrizPontos m;
  for (int x = 0; x < 20; ++x) m.poe(x, x, 1);
  ASSERT_TRUE(abreTiger());
  EXPECT_TRUE(escreveTiger("abc\r\n"));
  EXPECT_TRUE(desenhaGraficoDispositivo(m, 0, 0, 39, 20));
  EXPECT_TRUE(escreveTiger("\f" "def"));
  EXPECT_TRUE(escreveTiger("\r\n"));
  fechaTiger();

  QFile f(arquivo);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(contaPaginas(pdf), 2);
}

// Calls out of order fail instead of drawing on nothing.
TEST_F(SuperficieQtTest, MedidasEmUnidadesDoDriver) {
  SuperficieQt s(QString::fromStdString(pasta.arquivo("m.pdf")));
  ASSERT_TRUE(s.abre("", "", ""));
  EXPECT_EQ(s.resolucaoVertical(), SuperficieQt::resolucaoDriver);
  int cx = 0, cy = 0, cx2 = 0;
  EXPECT_FALSE(s.medeTexto("x", cx, cy));  // no font yet
  EXPECT_FALSE(s.escreveTexto(0, 0, "a"));
  ASSERT_TRUE(s.criaFonte("Braille29", 40));
  ASSERT_TRUE(s.medeTexto("x", cx, cy));
  ASSERT_TRUE(s.medeTexto("xx", cx2, cy));
  EXPECT_GT(cx, 0);
  EXPECT_NEAR(cx2, 2 * cx, 1);  // cells are all equally wide
  EXPECT_FALSE(s.iniciaPagina());  // no document
  ASSERT_TRUE(s.iniciaDocumento("doc"));
  ASSERT_TRUE(s.iniciaPagina());
  EXPECT_FALSE(s.traco(0, 0, 1, 0));  // no pen
  ASSERT_TRUE(s.criaCaneta(4));
  EXPECT_TRUE(s.traco(0, 0, 1, 0));
  EXPECT_TRUE(s.terminaPagina());
  EXPECT_FALSE(s.traco(0, 0, 1, 0));  // no page
  EXPECT_TRUE(s.terminaDocumento());
  s.fecha();
}

TEST_F(SuperficieQtTest, SemFonteBrailleDesenhaCelulasUnicode) {
  SuperficieQt s(QString::fromStdString(pasta.arquivo("u.pdf")));
  ASSERT_TRUE(s.abre("", "", ""));
  ASSERT_TRUE(s.criaFonte("Braille29", 40));
  if (s.fonteBrailleInstalada()) GTEST_SKIP() << "the Braille font is installed";
  // Six-dot cells only: the bits of dots 7 and 8 (capitals, bytes from 128)
  // must not come out as extra dots on the paper.
  struct Caso {
    unsigned char byte;
    char16_t celula;
  } casos[] = {
      {'a', 0x2801}, {'A', 0x2801}, {' ', 0x2800}, {'=', 0x283F},
      {0xE9, 0x2823}, {0x80, 0x2808}, {0x00, 0x2808},
  };
  for (const auto& c : casos) {
    const QString t = s.textoDaFonte(std::string(1, static_cast<char>(c.byte)));
    ASSERT_EQ(t.size(), 1);
    EXPECT_EQ(t[0].unicode(), c.celula) << int(c.byte);
  }
  EXPECT_EQ(s.textoDaFonte("a b").size(), 3);  // a blank is an empty cell, as wide as the others
}

TEST_F(SuperficieQtTest, ImpressoraInexistenteNaoAbre) {
  SuperficieQt s;
  EXPECT_FALSE(s.abre("nenhuma-impressora-com-este-nome", "", ""));
  s.fecha();
}

}  // namespace
