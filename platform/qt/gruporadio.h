// A titled group of radio buttons numbered from 0 in their order, as the
// windows' option groups are.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <string>
#include <string_view>
#include <vector>

class GrupoRadio : public QGroupBox {
 public:
  // Title and items in Windows-1252; item `indice` checked.
  GrupoRadio(std::string_view titulo, const std::vector<std::string>& itens, int indice, QWidget* pai);
  // The checked item, -1 for none.
  int indice() const { return grupo_->checkedId(); }
  // Checks item i; an index outside the items leaves none checked.
  void defineIndice(int i);
  QButtonGroup* grupo() const { return grupo_; }

 private:
  QButtonGroup* grupo_;
};
