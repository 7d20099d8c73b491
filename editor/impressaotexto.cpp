#include "impressaotexto.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "mensagens.h"
#include "textoqt.h"

std::string expandeTabulacoes(std::string_view linha, int colunas) {
  const std::size_t passo = static_cast<std::size_t>(std::max(1, colunas));
  std::string saida;
  saida.reserve(linha.size());
  for (const char c : linha) {
    if (c == '\t')
      saida.append(passo - saida.size() % passo, ' ');
    else
      saida.push_back(c);
  }
  return saida;
}

std::vector<TrechoImpresso> quebraLinhaImpressa(std::string_view texto, int largura, const MedeTexto& mede) {
  const std::size_t n = texto.size();
  if (n == 0) return {TrechoImpresso{}};
  const auto cabe = [&](std::size_t inicio, std::size_t fim) {
    return mede(texto.substr(inicio, fim - inicio)) <= largura;
  };

  std::vector<TrechoImpresso> trechos;
  std::size_t inicio = 0;
  while (inicio < n) {
    // One character always goes, or a page narrower than a letter would never
    // end.
    if (inicio + 1 == n || cabe(inicio, n)) {
      trechos.push_back({inicio, n});
      break;
    }
    // The longest piece that fits, by halving: a paragraph has hundreds of
    // characters and each measure lays the piece out again.
    std::size_t fim = inicio + 1;
    std::size_t teto = n - 1;
    while (fim < teto) {
      const std::size_t meio = fim + (teto - fim + 1) / 2;
      if (cabe(inicio, meio))
        fim = meio;
      else
        teto = meio - 1;
    }
    // The last blank up to the first character that does not fit: one just
    // past the piece is as good a break as one inside it. Blanks that indent
    // the piece are no break, or the indent would print as a line of its own.
    const std::size_t primeiraLetra = texto.find_first_not_of(' ', inicio);
    std::size_t corte = fim;
    while (corte > inicio && texto[corte] != ' ') --corte;
    if (primeiraLetra != std::string_view::npos && corte > primeiraLetra) {
      fim = corte;
      while (texto[fim - 1] == ' ') --fim;
    }
    trechos.push_back({inicio, fim});
    // The blanks at a break belong to neither printed line: they would only
    // push the next one in, and blanks that end the line would make an empty
    // printed line.
    inicio = fim;
    while (inicio < n && texto[inicio] == ' ') ++inicio;
  }
  return trechos;
}

std::vector<std::vector<std::string>> paginasImpressas(const std::vector<std::string>& linhas, int largura,
                                                       int linhasPorPagina, const MedeTexto& mede) {
  const std::size_t porPagina = static_cast<std::size_t>(std::max(1, linhasPorPagina));
  std::vector<std::vector<std::string>> paginas;
  for (const auto& linha : linhas) {
    const std::string texto = expandeTabulacoes(linha);
    for (const auto& trecho : quebraLinhaImpressa(texto, largura, mede)) {
      if (paginas.empty() || paginas.back().size() >= porPagina) paginas.emplace_back();
      paginas.back().push_back(texto.substr(trecho.inicio, trecho.fim - trecho.inicio));
    }
  }
  return paginas;
}

namespace {

struct GeometriaImpressao {
  QFont fonte;
  int alturaLinha = 1;
  int ascendente = 0;
  int largura = 1;
  int linhasPorPagina = 1;
};

GeometriaImpressao geometriaImpressao(QPrinter& impressora, const QFont& fonte) {
  GeometriaImpressao g;
  // The editor's font at the size it has on the screen: a size in screen
  // pixels becomes points, or it would print a few dots high.
  QFont f(fonte);
  if (f.pixelSize() > 0) f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
  g.fonte = QFont(f, &impressora);
  const QFontMetrics medida(g.fonte, &impressora);
  g.alturaLinha = std::max(1, medida.lineSpacing());
  g.ascendente = medida.ascent();
  const QRect pagina = impressora.pageLayout().paintRectPixels(impressora.resolution());
  g.largura = std::max(1, pagina.width());
  g.linhasPorPagina = std::max(1, pagina.height() / g.alturaLinha);
  return g;
}

std::vector<std::vector<std::string>> paginasNaGeometria(QPrinter& impressora, const GeometriaImpressao& g,
                                                         const std::vector<std::string>& linhas) {
  const QFontMetrics medida(g.fonte, &impressora);
  return paginasImpressas(linhas, g.largura, g.linhasPorPagina, [&medida](std::string_view trecho) {
    return medida.horizontalAdvance(textoqt::paraQString(trecho));
  });
}

}  // namespace

std::vector<std::vector<std::string>> paginasDoTexto(QPrinter& impressora, const QFont& fonte,
                                                     const std::vector<std::string>& linhas) {
  return paginasNaGeometria(impressora, geometriaImpressao(impressora, fonte), linhas);
}

bool imprimeTexto(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas) {
  QPainter pintor;
  if (!pintor.begin(&impressora)) return false;
  const GeometriaImpressao g = geometriaImpressao(impressora, fonte);
  pintor.setFont(g.fonte);
  const auto paginas = paginasNaGeometria(impressora, g, linhas);

  bool ok = true;
  for (std::size_t p = 0; p < paginas.size(); ++p) {
    if (p > 0 && !impressora.newPage()) {
      ok = false;
      break;
    }
    int y = 0;
    for (const auto& linha : paginas[p]) {
      // Drawn at its baseline, unclipped: the piece was measured to fit, and a
      // rounding pixel past the edge must not cost a letter.
      pintor.drawText(QPoint(0, y + g.ascendente), textoqt::paraQString(linha));
      y += g.alturaLinha;
    }
  }
  return pintor.end() && ok;
}

void imprimeTextoEscolhendo(const QFont& fonte, const std::vector<std::string>& linhas) {
  const auto escolha = plataforma::servicoMensagens().escolheImpressora();
  if (!escolha) return;
  QPrinter impressora(QPrinter::HighResolution);
  if (!escolha->porta.empty()) {
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(textoqt::paraQString(escolha->porta));
  } else {
    impressora.setPrinterName(textoqt::paraQString(escolha->nome));
  }
  if (!imprimeTexto(impressora, fonte, linhas)) plataforma::mostraErro("Erro ao imprimir o texto");
}
