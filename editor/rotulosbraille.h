// The Braille rows under the editor on Qt labels: the texts of the line view
// (brlinhasbraille.h) drawn as Braille cells, the caret row aqua and the
// others money green.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "brlinhasbraille.h"

// The caret row's and the other rows' background.
inline const QColor corLinhaCursorBraille(0, 255, 255);
inline const QColor corOutrasLinhasBraille(192, 220, 192);

class RotulosBrailleQt : public SaidaLinhasBraille {
 public:
  // Label1 (lowest) .. Label5 (highest); each gets plain text (an "&" is a
  // character, never an accelerator), the Braille font and a filled background.
  explicit RotulosBrailleQt(const std::array<QLabel*, 5>& rotulos);
  ~RotulosBrailleQt() override;
  RotulosBrailleQt(const RotulosBrailleQt&) = delete;
  RotulosBrailleQt& operator=(const RotulosBrailleQt&) = delete;

  void textoRotulo(int rotulo, const std::string& codigoImpressora) override;
  void corRotulo(int rotulo, bool linhaCursor) override;
  void rotuloVisivel(int rotulo, bool visivel) override;
  // The label's width over the advance of one cell of its font.
  int larguraCelulas(int rotulo) const override;

  // Called when the rows' width changes (the caret row's screen of cells
  // with it).
  std::function<void()> aoMudarLargura;

  QLabel* rotulo(int k) const { return rotulos_[static_cast<std::size_t>(k - 1)]; }

 private:
  std::array<QLabel*, 5> rotulos_;
  QPointer<QObject> filtroLargura_;  // lives on Label1, which may outlive this
};

// Clicks on the rows: a click (left button released over row k) calls
// clique(k), a double click on any row duploClique().
void ligaCliquesRotulos(const std::array<QLabel*, 5>& rotulos, std::function<void(int)> clique,
                        std::function<void()> duploClique);
