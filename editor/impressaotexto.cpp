#include "impressaotexto.h"

#include <QFontMetrics>
#include <QPainter>

#include "mensagens.h"
#include "textoqt.h"

bool imprimeTexto(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas) {
  QPainter pintor;
  if (!pintor.begin(&impressora)) return false;
  // The editor's font at the size it has on the screen: a size in screen
  // pixels becomes points, or it would print a few dots high.
  QFont f(fonte);
  if (f.pixelSize() > 0) f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
  f = QFont(f, &impressora);
  pintor.setFont(f);
  const QFontMetrics medida(f, &impressora);
  const int alturaLinha = std::max(1, medida.lineSpacing());
  const QRect pagina = impressora.pageLayout().paintRectPixels(impressora.resolution());
  const int alturaPagina = std::max(alturaLinha, pagina.height());
  const int larguraPagina = std::max(1, pagina.width());

  int y = 0;
  bool ok = true;
  for (const auto& linha : linhas) {
    if (y + alturaLinha > alturaPagina) {
      if (!impressora.newPage()) {
        ok = false;
        break;
      }
      y = 0;
    }
    pintor.drawText(QRect(0, y, larguraPagina, alturaLinha),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextSingleLine,
                    textoqt::paraQString(linha));
    y += alturaLinha;
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
