#include "rotulosbraille.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QResizeEvent>

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

// The rows share one width: the lowest row's resizes stand for all of them.
class FiltroLarguraRotulo : public QObject {
 public:
  FiltroLarguraRotulo(QLabel* rotulo, std::function<void()> aviso) : QObject(rotulo), aviso_(std::move(aviso)) {}

  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Resize) {
      const auto* r = static_cast<QResizeEvent*>(e);
      if (r->size().width() != r->oldSize().width()) aviso_();
    }
    return false;
  }

 private:
  std::function<void()> aviso_;
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
  filtroLargura_ = new FiltroLarguraRotulo(rotulos_[0], [this] {
    if (aoMudarLargura) aoMudarLargura();
  });
  rotulos_[0]->installEventFilter(filtroLargura_);
}

RotulosBrailleQt::~RotulosBrailleQt() { delete filtroLargura_.data(); }

void RotulosBrailleQt::textoRotulo(int k, const std::string& codigoImpressora) {
  if (k < 1 || k > 5) return;
  rotulo(k)->setText(braillequt::brailleParaTela(codigoImpressora, codigoImpressoraParaPontos));
}

int RotulosBrailleQt::larguraCelulas(int k) const {
  if (k < 1 || k > 5) return 0;
  const QLabel* r = rotulo(k);
  // Every Braille pattern has the advance of the empty cell.
  const int passo = QFontMetrics(r->font()).horizontalAdvance(QString(QChar(0x2800)));
  return passo > 0 ? r->contentsRect().width() / passo : 0;
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
