// The drawing surface on a QPrinter: the system printer chosen in the print
// dialog, or a PDF file (to look at a page, and for tests).
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

#include "superficie.h"

class SuperficieQt : public SuperficieDesenho {
 public:
  // Device units of the embosser drivers: one graphic dot is 10 units, a
  // Braille line 40, i.e. 100 units to the inch.
  static constexpr int resolucaoDriver = 100;

  // An empty arquivoPdf prints to the system printer named at abre.
  explicit SuperficieQt(QString arquivoPdf = {});
  ~SuperficieQt() override;

  bool abre(const std::string& impressora, const std::string& driver,
            const std::string& porta) override;
  int resolucaoVertical() override;
  bool criaFonte(const std::string& face, int altura) override;
  bool medeTexto(std::string_view texto, int& largura, int& altura) override;
  bool iniciaDocumento(const std::string& nome) override;
  bool criaCaneta(int largura) override;
  bool criaPincel(int vermelho, int verde, int azul) override;
  bool iniciaPagina() override;
  bool terminaPagina() override;
  bool escreveTexto(int x, int y, std::string_view texto) override;
  bool traco(int x0, int y0, int x1, int y1) override;
  bool terminaDocumento() override;
  void liberaFonte() override;
  void liberaCaneta() override;
  void liberaPincel() override;
  void fecha() override;

  // The text as the font draws it: the printer bytes themselves when the
  // Braille font is installed, else each byte's six-dot cell as a Unicode
  // Braille pattern, which common fonts draw.
  QString textoDaFonte(std::string_view texto) const;
  bool fonteBrailleInstalada() const { return fonteBraille_; }

 private:
  QString arquivoPdf_;
  std::unique_ptr<QPrinter> impressora_;
  std::unique_ptr<QPainter> pintor_;
  std::unique_ptr<QFont> fonte_;
  bool fonteBraille_ = false;
  bool caneta_ = false;
  bool pincel_ = false;
  bool paginaAberta_ = false;
  bool primeiraPagina_ = true;
};

// Makes abreTiger print on the system printers.
void instalaSuperficieQt();
