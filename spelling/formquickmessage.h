// "Informação": a notice that shows for two seconds and goes by itself. No
// border icons; centred on the desktop.
#pragma once

#include <QDialog>
#include <QLabel>
#include <string>

class TformQuickMessage : public QDialog {
 public:
  explicit TformQuickMessage(QWidget* pai = nullptr);

  QLabel* Label1;
  // How long the notice shows, in milliseconds (tests make it shorter).
  int duracao = 2000;

  // Shows `texto`, lets it paint, waits, hides. The program waits with it.
  void mostraMensagem(const std::string& texto);
};

extern TformQuickMessage* formQuickMessage;
