// The editor's lines as the spell-check commands see them: the caret is the
// start of the selection, and a word put back into a line is one edit.
#pragma once

#include <string>

#include "brortog.h"
#include "linhaseditor.h"

class DocumentoLinhasEditor : public DocumentoOrtografia {
 public:
  explicit DocumentoLinhasEditor(LinhasEditor& linhas) : linhas_(linhas) {}

  int numeroLinhas() const override { return linhas_.numeroLinhas(); }
  std::string linha(int i) const override { return linhas_.linha(i); }
  void defineLinha(int i, const std::string& texto) override {
    const EdicaoUnica edicao(linhas_);
    linhas_.defineLinha(i, texto);
  }
  void posicaoCursor(int& linha, int& coluna) const override {
    const LinhaColuna p = linhas_.inicioSelecao();
    linha = p.linha;
    coluna = p.coluna;
  }
  void irParaLinhaColuna(int linha, int coluna) override { linhas_.posicionaCursor({linha, coluna}); }

 private:
  LinhasEditor& linhas_;
};
