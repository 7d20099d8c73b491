// The start of the editor program: the program folder, the title, and every
// window created in its order, hidden but the main one, each reading its
// part of LUMAREL.INI as it is created.
#pragma once

#include <QStringList>

// Records the folder the program starts in (dirPrograma); before any window.
void iniciaModuloPrincipal();

// Sets the title and creates the windows; the main window keeps the command
// line for its first showing. Returns the main window (not yet shown).
class TformPrincipal;
TformPrincipal* criaJanelas(const QStringList& argumentos);

// Destroys the windows criaJanelas made (for tests; the program keeps them
// until it ends).
void destroiJanelas();
