// Every service a program of this system relies on from the desktop,
// installed in one place at start: the message boxes and dialogs on Qt, Qt's
// own texts in Brazilian Portuguese (buttons, file and print dialogs), and
// the drawing surface of the printer-driver embossers. A service installed
// anywhere else (in a test only, say) would be missing in the real program.
#pragma once

#include <QLocale>
#include <QTranslator>

#include "braillequt.h"
#include "servicoqt.h"

#include <QWidget>
#include <functional>

// LUMAREL_CAPTURA=file.png: 700 ms after start, `preparar` runs, the window is
// saved as a picture and the program ends (a look at the window without a
// person at the screen). Nothing happens without the variable.
void agendaCapturaDeTela(QWidget& janela, const std::function<void()>& preparar = {});

// Qt's own Portuguese texts. The system's translation files may come from
// an older Qt, which kept the kinds of entry of the file dialogs ("Folder",
// "Drive") under the file dialog's name: they are looked for there too.
class TraducaoQt : public QTranslator {
 public:
  QString translate(const char* contexto, const char* texto, const char* desambiguacao = nullptr,
                    int n = -1) const override;
};

class ServicosPrograma {
 public:
  // Installs the services (after the QApplication exists). `pontosImpressora`
  // draws Braille cells where the embosser's printer font is missing; it must
  // outlive the services.
  explicit ServicosPrograma(const braillequt::TabelaPontos& pontosImpressora);
  // A program without printer-driver embossers: its own message service (a
  // subclass showing some boxes its way; it must outlive the services) and no
  // drawing surface.
  explicit ServicosPrograma(ServicoMensagensQt& mensagens);
  // Takes them back out: boxes are answered as closed, and the printer-driver
  // channel no longer opens.
  ~ServicosPrograma();

  ServicosPrograma(const ServicosPrograma&) = delete;
  ServicosPrograma& operator=(const ServicosPrograma&) = delete;

 private:
  void instalaTraducao();

  ServicoMensagensQt mensagens_;
  TraducaoQt traducaoQt_;
  bool traduzido_ = false;
  QLocale localeAnterior_;
};
