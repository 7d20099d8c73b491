// The start of the editor program: the program folder, the title, and every
// window created in its order, hidden but the main one, each reading its
// part of LUMAREL.INI as it is created.
#pragma once

#include <QStringList>
#include <memory>

class ServicosPrograma;
class TformPrincipal;

// Records the folder the program starts in (dirPrograma); before any window.
void iniciaModuloPrincipal();

// Sets the title and creates the windows; the main window keeps the command
// line for its first showing. Returns the main window (not yet shown).
TformPrincipal* criaJanelas(const QStringList& argumentos);

// What the program does before its event loop, once the QApplication
// exists: every service installed, then the windows created. The program
// holds it until the end; its end takes the services back out (the windows
// stay until destroiJanelas).
class InicioPrograma {
 public:
  explicit InicioPrograma(const QStringList& argumentos);
  ~InicioPrograma();
  TformPrincipal* principal() const { return principal_; }

 private:
  std::unique_ptr<ServicosPrograma> servicos_;
  TformPrincipal* principal_ = nullptr;
};

// Destroys the windows criaJanelas made (for tests; the program keeps them
// until it ends).
void destroiJanelas();
