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

std::string semBrancos(std::string s) {
  std::erase_if(s,
                [](unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; });
  return s;
}

TEST(ImpressaoTexto, quebraDaLinha) {
  struct Caso {
    const char* nome;
    std::string texto;
    int largura;
    int unidade;  // width of every character
    Linhas esperado;
  };
  const Caso casos[] = {
      {"cabe", "uma frase", 20, 1, {"uma frase"}},
      {"cabe justo", "abcde", 5, 1, {"abcde"}},
      {"branco logo depois do trecho", "ab cd ef gh", 8, 1, {"ab cd ef", "gh"}},
      {"último branco que cabe", "ab cd ef gh", 7, 1, {"ab cd", "ef gh"}},
      {"vários brancos na quebra", "ab   cd ef", 4, 1, {"ab", "cd", "ef"}},
      {"sem branco corta a palavra", "abcdefghij", 4, 1, {"abcd", "efgh", "ij"}},
      {"palavra maior que a largura", "ab cdefghijkl m", 5, 1, {"ab", "cdefg", "hijkl", "m"}},
      {"espaço fixo não quebra", "ab\xA0" "cd ef", 4, 1, {"ab\xA0" "c", "d ef"}},
      {"recuo mantido", "   abc def", 7, 1, {"   abc", "def"}},
      {"menor que um caractere", "abc", 5, 10, {"a", "b", "c"}},
      {"largura zero", "a bc", 0, 1, {"a", "b", "c"}},
      {"largura negativa", "ab", -7, 1, {"a", "b"}},
      {"linha vazia", "", 10, 1, {""}},
      {"linha vazia largura zero", "", 0, 1, {""}},
      {"brancos no fim", "abc   ", 3, 1, {"abc"}},
      {"brancos no fim cabem", "abc  ", 9, 1, {"abc  "}},
      {"só brancos", "      ", 3, 1, {"   "}},
      {"recuo maior que a largura", "          ab", 9, 1, {"         ", "ab"}},
      {"acentos são um caractere", "ação pão"_cp, 4, 1, {"ação"_cp, "pão"_cp}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    int medidas = 0;
    const MedeTexto mede = [&](std::string_view s) {
      // A loop that never ends fails here instead of hanging the run.
      if (++medidas > 10000) throw std::runtime_error("sem fim");
      return static_cast<int>(s.size()) * c.unidade;
    };
    const auto trechos = quebraLinhaImpressa(c.texto, c.largura, mede);
    Linhas pedacos;
    std::size_t fim = 0;
    for (const auto& t : trechos) {
      ASSERT_LE(t.inicio, t.fim);
      ASSERT_LE(t.fim, c.texto.size());
      // Only blanks between pieces: not a letter lost, and no piece begins
      // with the blanks of a break.
      if (&t == &trechos.front())
        EXPECT_EQ(t.inicio, 0u);
      else
        EXPECT_EQ(c.texto.find_first_not_of(' ', fim), t.inicio);
      EXPECT_TRUE(t.fim - t.inicio == 1 || mede(c.texto.substr(t.inicio, t.fim - t.inicio)) <= c.largura);
      pedacos.push_back(c.texto.substr(t.inicio, t.fim - t.inicio));
      fim = t.fim;
    }
    EXPECT_EQ(c.texto.find_first_not_of(' ', fim), std::string::npos);
    EXPECT_EQ(pedacos, c.esperado);
  }
}

TEST(ImpressaoTexto, tabulacoesViramBrancos) {
  const struct {
    const char* nome;
    std::string linha;
    int colunas;
    std::string esperado;
  } casos[] = {
      {"no começo", "\tx", 8, "        x"},
      {"no meio", "abc\td", 8, "abc     d"},
      {"na parada", "abcdefgh\ti", 8, "abcdefgh        i"},
      {"duas seguidas", "a\t\tb", 8, "a               b"},
      {"acento conta uma coluna", "ção\tx"_cp, 4, "ção x"_cp},
      {"parada de 4", "ab\tc", 4, "ab  c"},
      {"parada zero vale 1", "a\tb", 0, "a b"},
      {"sem tabulação", "abc", 8, "abc"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(expandeTabulacoes(c.linha, c.colunas), c.esperado);
  }
}

TEST(ImpressaoTexto, paginas) {
  const MedeTexto mede = [](std::string_view s) { return static_cast<int>(s.size()); };
  const struct {
    const char* nome;
    Linhas linhas;
    int largura, porPagina;
    std::vector<Linhas> esperado;
  } casos[] = {
      {"trecho quebrado passa de página", {"ab cd", "", "x"}, 2, 2, {{"ab", "cd"}, {"", "x"}}},
      {"quebra no meio da página", {"x", "ab cd"}, 2, 2, {{"x", "ab"}, {"cd"}}},
      {"tabulação antes de medir", {"\tab"}, 9, 5, {{"        a", "b"}}},
      {"uma por página no mínimo", {"a", "b"}, 5, 0, {{"a"}, {"b"}}},
      {"sem linhas", {}, 5, 5, {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(paginasImpressas(c.linhas, c.largura, c.porPagina, mede), c.esperado);
  }
}

QString roda(const QString& programa, const QStringList& argumentos) {
  QProcess p;
  p.start(programa, argumentos);
  EXPECT_TRUE(p.waitForFinished(30000)) << programa.toStdString();
  EXPECT_EQ(p.exitCode(), 0) << programa.toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A document printed to PDF and read back: every word on paper, in order, on
// the pages the layout gave, and nothing past the printable width.
TEST(ImpressaoTexto, paragrafoLongoImpressoInteiro) {
  const Linhas palavras = {"ação"_cp,    "coração"_cp,   "órgão"_cp,     "açúcar"_cp,  "árvore"_cp,
                           "êxito"_cp,   "ônibus"_cp,    "útil"_cp,      "à"_cp,       "três"_cp,
                           "lâmpada"_cp, "“citação”"_cp, "impressão"_cp, "pêssego"_cp, "Conceição"_cp,
                           "saúde"_cp,   "é"_cp};
  std::string paragrafo;
  for (std::size_t i = 0; paragrafo.size() < 500; ++i) paragrafo += palavras[(i * 7) % palavras.size()] + " ";
  paragrafo.resize(500);
  std::string longa;
  while (longa.size() < 150) longa += "anticonstitucionalíssimamente"_cp;
  longa.resize(150);

  apoio::PastaTemporaria pasta;
  const QString pdf = textoqt::paraQString(pasta.arquivo("texto.pdf"));
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(pdf);
  QFont fonte(QStringLiteral("DejaVu Sans Mono"));
  fonte.setPixelSize(16);
  const auto preenche = [](Linhas& d, std::size_t ate) {
    while (d.size() < ate) d.push_back("linha " + std::to_string(d.size()) + " da lista de preços"_cp);
  };
  // The paragraph starts three lines before the end of the first page.
  Linhas documento = {"Título"_cp};
  preenche(documento, 200);
  const std::size_t porPagina = paginasDoTexto(impressora, fonte, documento).front().size();
  documento.resize(porPagina - 3);
  documento.insert(documento.end(), {paragrafo, longa, "código\tdescrição\tpreço"_cp, ""});
  while (paginasDoTexto(impressora, fonte, documento).size() < 3) preenche(documento, documento.size() + 1);
  documento.push_back("fim");
  const auto paginas = paginasDoTexto(impressora, fonte, documento);
  ASSERT_EQ(paginas.size(), 3u);
  EXPECT_NE(paragrafo.find(paginas[0].back()), std::string::npos);
  EXPECT_NE(paragrafo.find(paginas[1].front()), std::string::npos);
  std::size_t impressas = 0;
  for (const auto& p : paginas) impressas += p.size();
  EXPECT_GE(impressas, documento.size() + 2 + 2);  // the paragraph and the long word take 3 lines or more
  ASSERT_TRUE(imprimeTexto(impressora, fonte, documento));

  const QStringList texto =
      roda(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
          .split(u'\f', Qt::SkipEmptyParts);
  ASSERT_EQ(texto.size(), 3);
  std::string lido, esperado;
  for (std::size_t p = 0; p < paginas.size(); ++p) {
    SCOPED_TRACE("página " + std::to_string(p + 1));
    std::string naPagina;
    for (const auto& l : paginas[p]) naPagina += l;
    EXPECT_EQ(semBrancos(texto[static_cast<int>(p)].toStdString()), semBrancos(cp1252::paraUtf8(naPagina)));
    lido += texto[static_cast<int>(p)].toStdString();
  }
  for (const auto& l : documento) esperado += l;
  EXPECT_EQ(semBrancos(lido), semBrancos(cp1252::paraUtf8(esperado)));

  // Word boxes in points: inside the margins, and the long word reaches the
  // right edge (a wrap far too early would not).
  const QRectF area = impressora.pageLayout().paintRect(QPageLayout::Point);
  const QString caixas =
      roda(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  static const QRegularExpression palavra(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)")re"));
  double menorX = 1e9, maiorX = 0;
  int contadas = 0;
  for (auto it = palavra.globalMatch(caixas); it.hasNext(); ++contadas) {
    const auto m = it.next();
    menorX = std::min(menorX, m.captured(1).toDouble());
    maiorX = std::max(maiorX, m.captured(2).toDouble());
  }
  EXPECT_GT(contadas, 100);
  EXPECT_GE(menorX, area.left() - 1);
  EXPECT_GT(area.left(), 5);
  EXPECT_LE(maiorX, area.right() + 1);
  EXPECT_GE(maiorX, area.right() - 15);  // within two letters of 12 points
}

}  // namespace
