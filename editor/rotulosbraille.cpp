#include "rotulosbraille.h"

#include <QEvent>
#include <QMouseEvent>

#include "braillequt.h"
#include "brcodigo.h"

namespace {

class FiltroCliqueRotulo : public QObject {
 public:
  FiltroCliqueRotulo(QLabel* rotulo, int k, std::function<void(int)> clique, std::function<void()> duplo)
      : QObject(rotulo), rotulo_(rotulo), k_(k), clique_(std::move(clique)), duplo_(std::move(duplo)) {}

  bool eventFilter(QObject* alvo, QEvent* e) override {
    if (alvo != rotulo_) return false;
    if (e->type() == QEvent::MouseButtonRelease) {
      const auto* m = static_cast<QMouseEvent*>(e);
      if (m->button() == Qt::LeftButton && rotulo_->rect().contains(m->position().toPoint()) && clique_) clique_(k_);
    } else if (e->type() == QEvent::MouseButtonDblClick) {
      if (duplo_) duplo_();
      return true;
    }
    return false;
  }

 private:
  QLabel* rotulo_;
  int k_;
  std::function<void(int)> clique_;
  std::function<void()> duplo_;
};

}  // namespace

void ligaCliquesRotulos(const std::array<QLabel*, 5>& rotulos, std::function<void(int)> clique,
                        std::function<void()> duploClique) {
  for (int k = 1; k <= 5; ++k) {
    QLabel* r = rotulos[static_cast<std::size_t>(k - 1)];
    r->installEventFilter(new FiltroCliqueRotulo(r, k, clique, duploClique));
  }
}

RotulosBrailleQt::RotulosBrailleQt(const std::array<QLabel*, 5>& rotulos) : rotulos_(rotulos) {
  for (QLabel* r : rotulos_) {
    r->setTextFormat(Qt::PlainText);
    r->setAutoFillBackground(true);
    r->setFont(braillequt::fonteBraillePixels(19, true));
  }
}

void RotulosBrailleQt::textoRotulo(int k, const std::string& codigoImpressora) {
  if (k < 1 || k > 5) return;
  rotulo(k)->setText(braillequt::brailleParaTela(codigoImpressora, codigoImpressoraParaPontos));
}

void RotulosBrailleQt::corRotulo(int k, bool linhaCursor) {
  if (k < 1 || k > 5) return;
  QLabel* r = rotulo(k);
  QPalette p = r->palette();
  p.setColor(QPalette::Window, linhaCursor ? corLinhaCursorBraille : corOutrasLinhasBraille);
  p.setColor(QPalette::WindowText, Qt::black);
  r->setPalette(p);
}

void RotulosBrailleQt::rotuloVisivel(int k, bool visivel) {
  if (k < 1 || k > 5) return;
  rotulo(k)->setVisible(visivel);
}
