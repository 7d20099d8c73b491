// "Dicionário está sendo carregado": shown while the first check loads the
// dictionary. No components; centred on the desktop.
#pragma once

#include <QDialog>

class TformEspere : public QDialog {
 public:
  explicit TformEspere(QWidget* pai = nullptr);

  // Shows the window and lets it paint before the load blocks the program.
  void mostra();
};

extern TformEspere* formEspere;
