// Every service a program of this system relies on from the desktop,
// installed in one place at start: the message boxes and dialogs on Qt, Qt's
// own texts in Brazilian Portuguese (buttons, file and print dialogs), and
// the drawing surface of the printer-driver embossers. A service installed
// anywhere else (in a test only, say) would be missing in the real program.
#pragma once

#include <QTranslator>

#include "braillequt.h"
#include "servicoqt.h"

class ServicosPrograma {
 public:
  // Installs the services (after the QApplication exists). `pontosImpressora`
  // draws Braille cells where the embosser's printer font is missing; it must
  // outlive the services.
  explicit ServicosPrograma(const braillequt::TabelaPontos& pontosImpressora);
  // Takes them back out: boxes are answered as closed, and the printer-driver
  // channel no longer opens.
  ~ServicosPrograma();

  ServicosPrograma(const ServicosPrograma&) = delete;
  ServicosPrograma& operator=(const ServicosPrograma&) = delete;

 private:
  ServicoMensagensQt mensagens_;
  QTranslator traducaoQt_;
  bool traduzido_ = false;
};
