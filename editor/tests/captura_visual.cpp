// A look at the preview without a person at the screen: the document named
// on the command line is translated for the preview with the caret on its
// fourth line, the preview is shown, and after a moment the window is saved
// as the PNG that LUMAREL_CAPTURA names.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "arquivos.h"
#include "brarquivo.h"
#include "brvars.h"
#include "brvisual.h"
#include "formvisual.h"
#include "servicoqt.h"
#include "textoqt.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumarel"));
  ServicoMensagensQt servico;
  plataforma::instalaServicoMensagens(&servico);
  const QStringList argumentos = QApplication::arguments();
  const QString captura = qEnvironmentVariable("LUMAREL_CAPTURA");
  if (argumentos.size() < 2 || captura.isEmpty()) {
    std::fprintf(stderr, "usage: LUMAREL_CAPTURA=file.png captura_visual document.txt\n");
    return 2;
  }
  leConfigPrograma();
  leConfigImpressora();
  leConfigDiretorios(plataforma::diretorioAtual());
  std::vector<std::string> documento;
  if (leDocumento(textoqt::deQString(argumentos[1]), documento) != ResultadoLeitura::ok) return 1;
  if (!geraVisualizacao(documento, 3)) return 1;

  FormVisual = new TFormVisual;
  FormVisual->numeroLinhasDocumento = [&documento] { return static_cast<int>(documento.size()); };
  FormVisual->mostraVisualizacao();
  QTimer::singleShot(700, FormVisual, [captura] {
    FormVisual->atualizaPagLin();
    QApplication::exit(FormVisual->grab().save(captura, "PNG") ? 0 : 1);
  });
  const int r = QApplication::exec();
  delete FormVisual;
  plataforma::instalaServicoMensagens(nullptr);
  return r;
}
