// The editor program: Braille documents written, translated and embossed.
#include <QApplication>
#include <QTimer>

#include <QThread>

#include "brcom.h"
#include "brprint.h"
#include "brvars.h"
#include "formprincipal.h"
#include "inicio.h"

int main(int argc, char** argv) {
  iniciaModuloPrincipal();
  QApplication app(argc, argv);
  InicioPrograma inicio(QApplication::arguments());
  TformPrincipal* principal = inicio.principal();
  principal->show();

  // LUMAREL_CAPTURA=file.png: the window, with the caret on the first text
  // line of the document, is saved as a picture and the program ends (for a
  // look at the window without a person at the screen).
  // LUMAREL_CAPTURA_CURSOR="line,column" (from 0) puts the caret elsewhere.
  const QString captura = qEnvironmentVariable("LUMAREL_CAPTURA");
  if (!captura.isEmpty()) {
    const QStringList cursor = qEnvironmentVariable("LUMAREL_CAPTURA_CURSOR", QStringLiteral("3,0")).split(u',');
    const int linha = cursor.value(0).toInt();
    const int coluna = cursor.value(1).toInt();
    QTimer::singleShot(700, principal, [principal, captura, linha, coluna] {
      principal->irParaLinhaColuna(linha, coluna);
      QApplication::exit(principal->grab().save(captura, "PNG") ? 0 : 1);
    });
  }
  const int r = QApplication::exec();

  // A job still embossing is cancelled and allowed to end: its worker may be
  // waiting for a box or a page drawing that only this thread carries out, so
  // keep serving events.
  encerrandoPrograma = true;
  if (trabalhoImpressaoAtivo()) {
    cancelaImpressao = true;
    while (trabalhoImpressaoAtivo()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(10);
    }
  }
  return r;
}
