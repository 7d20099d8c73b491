#include "gruporadio.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "textoqt.h"

GrupoRadio::GrupoRadio(std::string_view titulo, const std::vector<std::string>& itens, int indice, QWidget* pai)
    : QGroupBox(textoqt::paraQString(titulo), pai), grupo_(new QButtonGroup(this)) {
  auto* coluna = new QVBoxLayout(this);
  for (std::size_t i = 0; i < itens.size(); ++i) {
    auto* r = new QRadioButton(textoqt::paraQString(itens[i]), this);
    grupo_->addButton(r, static_cast<int>(i));
    coluna->addWidget(r);
  }
  defineIndice(indice);
}

void GrupoRadio::defineIndice(int i) {
  if (QAbstractButton* b = grupo_->button(i)) {
    b->setChecked(true);
    return;
  }
  // An exclusive group always keeps one button checked: no item is shown by
  // lifting the rule for a moment.
  grupo_->setExclusive(false);
  for (QAbstractButton* b : grupo_->buttons()) b->setChecked(false);
  grupo_->setExclusive(true);
}
