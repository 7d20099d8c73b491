// The drawing program: dot pictures for Braille pages, drawn with the mouse
// and the keys and embossed.
#include <QApplication>
#include <QCursor>
#include <utility>

#include "formconta.h"
#include "ovajuda.h"
#include "ovdialogos.h"
#include "ovmain.h"
#include "ovmensagemqt.h"
#include "ovprint.h"
#include "servicosprograma.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvento"));
  ServicoMensagensOrvento mensagens;
  ServicosPrograma servicos(mensagens);

  TForm1 form1;
  TAboutBox sobre(&form1);
  AboutBox = &sobre;
  TformBrailizar brailizar(&form1);
  formBrailizar = &brailizar;
  TformTexto texto(&form1);
  formTexto = &texto;
  TformBraille braille(&form1);
  formBraille = &braille;
  TForm2 aviso(&form1);
  Form2 = &aviso;
  TFormConta conta(&form1);
  FormConta = &conta;
  form1.show();
  // LUMAREL_CAPTURA: the window with a few figures drawn from the keyboard.
  agendaCapturaDeTela(form1, [&form1] {
    const std::pair<int, Qt::Key> figuras[] = {{3, Qt::Key_Right}, {8, Qt::Key_Down}, {6, Qt::Key_Right}};
    // The pointer on the drawing area: the keys draw only from there.
    QCursor::setPos(form1.PaintBox2->mapToGlobal(QPoint(80, 80)));
    form1.PaintBox2MouseMove(80, 80);
    for (const auto& [modo, tecla] : figuras) {
      form1.escolheFerramenta(modo);
      form1.FormKeyDown(Qt::Key_Insert, Qt::NoModifier);
      for (int i = 0; i < 3; ++i) form1.FormKeyDown(tecla, Qt::ControlModifier);
      form1.FormKeyDown(Qt::Key_Down, Qt::ControlModifier);
      form1.FormKeyDown(Qt::Key_Return, Qt::NoModifier);
    }
    form1.PaintBox2->repaint();
  });
  const int r = QApplication::exec();

  // A drawing still embossing is cancelled and allowed to end: its worker
  // may be waiting for a box that only this thread shows.
  orvento::encerraImpressaoDesenho([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); });
  FormConta = nullptr;
  Form2 = nullptr;
  formBraille = nullptr;
  formTexto = nullptr;
  formBrailizar = nullptr;
  AboutBox = nullptr;
  return r;
}
