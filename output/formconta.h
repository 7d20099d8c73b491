// The progress window of a print job: the copy and page counters, the serial
// port's waiting notice and the only way to stop the job ("Cancelar !").
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class TFormConta : public QWidget {
 public:
  explicit TFormConta(QWidget* pai = nullptr);
  ~TFormConta() override;

  QLabel* Label1;       // progress text, written by the timer
  QLabel* Label2;       // "Impressora bloqueada" while the serial embosser waits
  QPushButton* Button1; // "Cancelar !"
  QTimer* Timer1;       // 500 ms, runs exactly while the window is visible

  void FormShow();
  void FormHide();
  void Timer1Timer();
  void Button1Click();

  // Shows or hides the window from any thread (the print worker): the request
  // is carried out by the GUI thread; the caller does not wait.
  void mostraDeQualquerThread();
  void escondeDeQualquerThread();
  // Sets Label2 from any thread, the same way.
  void avisoDeQualquerThread(const std::string& texto);

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
};

extern TFormConta* FormConta;
