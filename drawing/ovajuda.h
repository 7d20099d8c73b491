// The drawing program's about window, shown by "&Sobre este programa"
// without waiting for it.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* pai = nullptr);

  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;

  // Each time the window is shown.
  void FormActivate();
  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TAboutBox* AboutBox;
