// The drawing surface of an embosser that prints through its system printer
// driver: a page image of text and short pen strokes. Positions and sizes are
// device units of the printer. The programs install a surface on QPrinter
// with their other services at start; tests install one that records every
// call.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class SuperficieDesenho {
 public:
  virtual ~SuperficieDesenho() = default;

  // Connects to the printer (device name, driver, port); false when it cannot.
  virtual bool abre(const std::string& impressora, const std::string& driver,
                    const std::string& porta) = 0;
  // Vertical resolution in device units per inch.
  virtual int resolucaoVertical() = 0;
  // Creates and selects the font of that face with a character height in
  // device units; false when it cannot.
  virtual bool criaFonte(const std::string& face, int altura) = 0;
  // Extent of a text in the selected font; false when it cannot be measured.
  virtual bool medeTexto(std::string_view texto, int& largura, int& altura) = 0;
  // Starts the print document; false when it cannot.
  virtual bool iniciaDocumento(const std::string& nome) = 0;
  // Creates and selects a solid black pen, or a solid brush of a colour.
  virtual bool criaCaneta(int largura) = 0;
  virtual bool criaPincel(int vermelho, int verde, int azul) = 0;
  virtual bool iniciaPagina() = 0;
  virtual bool terminaPagina() = 0;
  // Draws text in the selected font with its top left corner at (x, y),
  // over a transparent background.
  virtual bool escreveTexto(int x, int y, std::string_view texto) = 0;
  // A stroke of the selected pen from (x0, y0) to (x1, y1).
  virtual bool traco(int x0, int y0, int x1, int y1) = 0;
  virtual bool terminaDocumento() = 0;
  // Releases what was created; each is harmless when there is nothing.
  virtual void liberaFonte() = 0;
  virtual void liberaCaneta() = 0;
  virtual void liberaPincel() = 0;
  // Releases the connection to the printer.
  virtual void fecha() = 0;
};

using FabricaSuperficie = std::function<std::unique_ptr<SuperficieDesenho>()>;

// Installs the maker of surfaces that the printer-driver channel uses (an
// empty one restores the default, which has no printer, so every open fails).
// Installed before any print job starts.
void instalaFabricaSuperficie(FabricaSuperficie fabrica);
// A new surface from the installed maker; nothing when none is installed.
std::unique_ptr<SuperficieDesenho> criaSuperficie();
