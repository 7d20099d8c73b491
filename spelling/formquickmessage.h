// "Informação": a notice that shows for two seconds and goes by itself. No
// border icons; centred on the desktop. The program goes on while it shows:
// the notice takes neither the focus nor a key.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <string>

class TformQuickMessage : public QDialog {
 public:
  explicit TformQuickMessage(QWidget* pai = nullptr);

  QLabel* Label1;
  // How long the notice shows, in milliseconds (tests make it shorter).
  int duracao = 2000;

  // Shows `texto` and returns at once; the notice hides when its time is
  // up (a new notice starts the time again).
  void mostraMensagem(const std::string& texto);

 private:
  QTimer fim_;
};

extern TformQuickMessage* formQuickMessage;
