#include "impressaotexto.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <cctype>
#include <stdexcept>

#include "apoio_testes.h"
#include "cp1252.h"
#include "textoqt.h"

using Linhas = std::vector<std::string>;

TEST(ImpressaoTexto, paginas) {
  const struct { const char* nome; Linhas linhas; int largura; std::vector<Linhas> esperado; } casos[] = {
      {"último branco que cabe", {"ab cd ef gh"}, 7, {{"ab cd", "ef gh"}}},
      {"sem branco corta a palavra", {"abcdefghij"}, 4, {{"abcd", "efgh", "ij"}}},
      {"menor que uma letra", {"a bc"}, 0, {{"a", "b", "c"}}},
      {"linha vazia", {""}, 10, {{""}}},
      {"paradas de tabulação", {"\tx", "a\t\tb"}, 99, {{"        x", "a               b"}}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    int medidas = 0;  // a loop that never ends fails instead of hanging the run
    const MedeTexto mede = [&](std::string_view s) {
      return ++medidas > 10000 ? throw std::runtime_error("sem fim") : static_cast<int>(s.size());
    };
    EXPECT_EQ(paginasImpressas(c.linhas, c.largura, 9, mede), c.esperado);
  }
}

// A document printed to PDF and read back: every letter is on paper.
TEST(ImpressaoTexto, documentoImpressoInteiro) {
  std::string paragrafo;
  while (paragrafo.size() < 500) paragrafo += "ação “citação” órgão pêssego Conceição saúde é "_cp.str();
  Linhas documento = {"Título"_cp, paragrafo, std::string(150, 'x'), "código\tdescrição\tpreço"_cp};
  while (documento.size() < 100) documento.push_back("linha " + std::to_string(documento.size()));
  apoio::PastaTemporaria pasta;
  const QString pdf = textoqt::paraQString(pasta.arquivo("texto.pdf"));
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFileName(pdf);
  QFont fonte(QStringLiteral("DejaVu Sans Mono"));
  fonte.setPixelSize(16);
  ASSERT_TRUE(imprimeTexto(impressora, fonte, documento));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000));
  std::string lido = pdftotext.readAllStandardOutput().toStdString(), esperado;
  for (const auto& l : documento) esperado += cp1252::paraUtf8(l);
  for (std::string* s : {&lido, &esperado}) std::erase_if(*s, [](unsigned char c) { return std::isspace(c); });
  EXPECT_EQ(lido, esperado);
}
