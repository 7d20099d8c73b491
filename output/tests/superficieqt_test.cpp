#include "superficieqt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brcodigo.h"
#include "brgeometria.h"
#include "brprint.h"
#include "brrascunho.h"
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
  instalaFabricaSuperficie([arquivo] { return std::make_unique<SuperficieQt>(codigoImpressoraParaPontos, arquivo); });

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
  SuperficieQt s(codigoImpressoraParaPontos, QString::fromStdString(pasta.arquivo("m.pdf")));
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
  SuperficieQt s(codigoImpressoraParaPontos, QString::fromStdString(pasta.arquivo("u.pdf")));
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
  SuperficieQt s(codigoImpressoraParaPontos);
  EXPECT_FALSE(s.abre("nenhuma-impressora-com-este-nome", "", ""));
  s.fecha();
}

// A whole job for a printer-driver embosser, from the print button to the end
// message: the worker draws while the painter stays on this (the GUI) thread,
// which serves the worker's calls as the program's event loop would.
TEST_F(SuperficieQtTest, TrabalhoInteiroDoDriverEmPdf) {
  const QString arquivo = QString::fromStdString(pasta.arquivo("trabalho.pdf"));
  instalaFabricaSuperficie(
      [arquivo] { return std::make_unique<SuperficieQt>(codigoImpressoraParaPontos, arquivo); });
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  configuracao.ambCode2 = plataforma::juntaCaminho(apoio::pastaDados(), "ambcode2.cfg");
  nomeDocumento = plataforma::juntaCaminho(apoio::pastaDados(), "exemplo.txt");
  std::string texto;
  ASSERT_TRUE(plataforma::leArquivo(nomeDocumento, texto));

  apoio::Mensagens mensagens;
  mensagens.servico.respostasImpressora.push_back(plataforma::EscolhaImpressora{"Tiger", "", ""});
  mensagens.esperaOk();
  PedidoImpressao pedido;
  pedido.dispositivo = "PRN";
  ASSERT_EQ(iniciaImpressao(pedido, apoio::divideCrLf(texto), {}), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho([] { QCoreApplication::processEvents(); }));
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{mensagemEnviado});

  // Every page of the draft is a page of the PDF: a separator ends a page, and
  // lines after the last one make a page of their own.
  const std::vector<std::string> linhas = linhasDoRascunho(pasta.le("rascunho.txt"));
  ASSERT_FALSE(linhas.empty());
  const auto paginas =
      std::ranges::count_if(linhas, ehLinhaSeparadora) + (ehLinhaSeparadora(linhas.back()) ? 0 : 1);
  EXPECT_EQ(contaPaginas(QByteArray::fromStdString(pasta.le("trabalho.pdf"))), paginas);

  // The first page carries the draft's first line, cell for cell (the draft
  // already holds printer code).
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), arquivo,
                                                QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(20000));
  const QString pagina1 = QString::fromUtf8(pdftotext.readAllStandardOutput());
  for (const QString& palavra : textoqt::paraQString(linhas.front()).split(u' ', Qt::SkipEmptyParts))
    EXPECT_TRUE(pagina1.contains(
        braillequt::brailleParaTela(textoqt::deQString(palavra), codigoImpressoraParaPontos)));
}

}  // namespace
