#include "impressaotexto.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>

#include "apoio_testes.h"
#include "cp1252.h"
#include "textoqt.h"

using Linhas = std::vector<std::string>;

namespace {

// Wrapping, tab stops and paging; a W is as wide as three other letters.
TEST(ImpressaoTexto, paginas) {
  const struct {
    const char* nome;
    Linhas linhas;
    int largura, porPagina;
    std::vector<Linhas> esperado;
  } casos[] = {
      {"cabe justo", {"abcde"}, 5, 9, {{"abcde"}}},
      {"branco logo depois do trecho", {"ab cd ef gh"}, 8, 9, {{"ab cd ef", "gh"}}},
      {"último branco que cabe", {"ab cd ef gh"}, 7, 9, {{"ab cd", "ef gh"}}},
      {"vários brancos na quebra", {"ab   cd ef"}, 4, 9, {{"ab", "cd", "ef"}}},
      {"sem branco corta a palavra", {"abcdefghij"}, 4, 9, {{"abcd", "efgh", "ij"}}},
      {"largura de cada letra", {"Wab"}, 4, 9, {{"Wa", "b"}}},
      {"espaço fixo não quebra", {"ab\xA0" "cd ef"}, 4, 9, {{"ab\xA0" "c", "d ef"}}},
      {"recuo mantido", {"   abc def"}, 7, 9, {{"   abc", "def"}}},
      {"brancos no fim", {"abc   "}, 3, 9, {{"abc"}}},
      {"menor que uma letra", {"a Wc"}, 0, 9, {{"a", "W", "c"}}},
      {"linha vazia", {""}, 10, 9, {{""}}},
      {"paradas de tabulação", {"\tx", "abcdefgh\ti", "a\t\tb"}, 99, 9,
       {{"        x", "abcdefgh        i", "a               b"}}},
      {"tabulação antes de medir", {"\tab"}, 9, 9, {{"        a", "b"}}},
      {"quebra no meio da página", {"x", "ab cd"}, 2, 2, {{"x", "ab"}, {"cd"}}},
      {"uma por página no mínimo", {"a", "b"}, 5, 0, {{"a"}, {"b"}}},
      {"sem linhas", {}, 5, 5, {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    int medidas = 0;
    const MedeTexto mede = [&](std::string_view s) {
      // A loop that never ends fails here instead of hanging the run.
      if (++medidas > 10000) throw std::runtime_error("sem fim");
      return static_cast<int>(s.size() + 2 * std::ranges::count(s, 'W'));
    };
    EXPECT_EQ(paginasImpressas(c.linhas, c.largura, c.porPagina, mede), c.esperado);
  }
  EXPECT_EQ(expandeTabulacoes("a\tb", 0), "a b");  // a stop every column, not a division by zero
}

// A document printed to PDF and read back: every letter on paper, on as many
// pages as the layout gave, and the lines reach the printable width without
// passing it.
TEST(ImpressaoTexto, documentoImpressoInteiro) {
  std::string paragrafo, longa;
  while (paragrafo.size() < 500) paragrafo += "ação “citação” órgão pêssego Conceição saúde é "_cp.str();
  while (longa.size() < 150) longa += "anticonstitucionalíssimamente"_cp.str();
  Linhas documento = {"Título"_cp, paragrafo, longa, "código\tdescrição\tpreço"_cp};
  while (documento.size() < 100) documento.push_back("linha " + std::to_string(documento.size()));

  apoio::PastaTemporaria pasta;
  const QString pdf = textoqt::paraQString(pasta.arquivo("texto.pdf"));
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFileName(pdf);
  QFont fonte(QStringLiteral("DejaVu Sans Mono"));
  fonte.setPixelSize(16);
  const auto paginas = paginasDoTexto(impressora, fonte, documento);
  ASSERT_GE(paginas.size(), 2u);
  ASSERT_TRUE(imprimeTexto(impressora, fonte, documento));

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000));
  const QString caixas = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_EQ(static_cast<std::size_t>(caixas.count(QStringLiteral("<page "))), paginas.size());
  static const QRegularExpression palavra(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<)re"));
  double menorX = 1e9, maiorX = 0;
  std::string lido, esperado;
  for (auto it = palavra.globalMatch(caixas); it.hasNext();) {
    const auto m = it.next();
    menorX = std::min(menorX, m.captured(1).toDouble());
    maiorX = std::max(maiorX, m.captured(2).toDouble());
    lido += m.captured(3).toStdString();
  }
  for (const auto& l : documento) esperado += cp1252::paraUtf8(l);
  std::erase_if(esperado, [](char c) { return c == ' ' || c == '\t'; });
  EXPECT_EQ(lido, esperado);
  const QRectF area = impressora.pageLayout().paintRect(QPageLayout::Point);
  EXPECT_GE(menorX, area.left() - 1);
  EXPECT_LE(maiorX, area.right() + 1);
  EXPECT_GE(maiorX, area.right() - 15);  // the long word: within two letters of 12 points
}

}  // namespace
