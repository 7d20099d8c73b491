// The drawing program's notice window and its message service: a box whose
// message is its title and that has no text of its own (what exibeAviso
// asks for) is shown in the small window Form2; every other box as the
// system's others are.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "servicoqt.h"

class TForm2 : public QDialog {
 public:
  explicit TForm2(QWidget* pai = nullptr);
  QPushButton* Button1;
  void Button1Click();
  // Shows the message as the window's title and waits for "OK" or the close
  // box; QDialog::Accepted for "OK".
  int mostra(const QString& mensagem);

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TForm2* Form2;

class ServicoMensagensOrvento : public ServicoMensagensQt {
 public:
  plataforma::Botao mensagem(plataforma::TipoMensagem tipo, const std::string& titulo,
                             const std::string& texto,
                             const std::vector<plataforma::Botao>& botoes) override;
};
