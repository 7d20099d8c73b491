// The drawing surface on a QPrinter: the system printer chosen in the print
// dialog, or a PDF file (to look at a page, and for tests).
//
// The printer, its painter and its fonts live on the GUI thread and are used
// there only: the channel opens the surface on the GUI thread and the print
// worker draws on it, so every call from another thread is carried out by the
// GUI thread while the caller waits. Whoever waits for the worker on the GUI
// thread must keep serving events.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

#include "braillequt.h"
#include "superficie.h"

class SuperficieQt : public SuperficieDesenho {
 public:
  // Device units of the embosser drivers: one graphic dot is 10 units, a
  // Braille line 40, i.e. 100 units to the inch.
  static constexpr int resolucaoDriver = 100;

  // An empty arquivoPdf prints to the system printer named at abre. `pontos`
  // draws the cells when the printer font is missing; it must outlive the
  // surface.
  explicit SuperficieQt(const braillequt::TabelaPontos& pontos, QString arquivoPdf = {});
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
  bool abreNaGui(const std::string& impressora);
  bool criaFonteNaGui(const std::string& face, int altura);
  bool iniciaDocumentoNaGui(const std::string& nome);
  bool escreveTextoNaGui(int x, int y, std::string_view texto);
  void fechaNaGui();

  const braillequt::TabelaPontos& pontos_;
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

// Makes the printer-driver channel print on the system printers.
void instalaSuperficieQt(const braillequt::TabelaPontos& pontos);
