// The editor program: Braille documents written, translated and embossed.
#include <QApplication>
#include <QTimer>

#include <QThread>

#include "brcom.h"
#include "brprint.h"
#include "brvars.h"
#include "formprincipal.h"
#include "inicio.h"
#include "servicosprograma.h"

int main(int argc, char** argv) {
  iniciaModuloPrincipal();
  QApplication app(argc, argv);
  InicioPrograma inicio(QApplication::arguments());
  TformPrincipal* principal = inicio.principal();
  principal->show();

  // LUMAREL_CAPTURA: the window, with the caret on the first text line of
  // the document, or where LUMAREL_CAPTURA_CURSOR="line,column" (from 0)
  // puts it.
  const QStringList cursor = qEnvironmentVariable("LUMAREL_CAPTURA_CURSOR", QStringLiteral("3,0")).split(u',');
  agendaCapturaDeTela(*principal, [principal, linha = cursor.value(0).toInt(), coluna = cursor.value(1).toInt()] {
    principal->irParaLinhaColuna(linha, coluna);
  });
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
