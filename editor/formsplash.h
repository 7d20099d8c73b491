// The picture window of the editor: shown for three seconds after start and
// by "&Sobre o programa"; a click on the picture hides it.
#pragma once

#include <QLabel>
#include <QWidget>

class TFormSplash : public QWidget {
 public:
  explicit TFormSplash(QWidget* pai = nullptr);

  QLabel* Image1;
  QLabel* Lab_Versao;
  QLabel* l_beta;

  void FormActivate();
  void Image1Click();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;
};

extern TFormSplash* FormSplash;

// The picture of the window, drawn by the program (298 by 260 pixels).
QPixmap imagemSplash();
