// The editor as the tools that write lines see it: its lines, the selection
// as lines and columns, and the few ways to change it. The main window
// adapts its widget to this; tests and benchmarks use LinhasMemoria. A tool
// never reads or writes outside the document: a line at or past the end
// reads as an empty line and is appended only when text is written to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brcursor.h"

class LinhasEditor {
 public:
  virtual ~LinhasEditor() = default;

  virtual int numeroLinhas() const = 0;
  // Line i (from 0); "" below 0 and at or past the end.
  virtual std::string linha(int i) const = 0;
  // Line i becomes `texto`; at or past the end `texto` is appended as the
  // last line; below 0 nothing happens.
  virtual void defineLinha(int i, const std::string& texto) = 0;
  // `texto` goes in as line i, the lines from i on (and a caret on them)
  // moving down; at or past the end it is appended (below 0: as line 0).
  virtual void insereLinha(int i, const std::string& texto) = 0;
  // Line i goes; nothing outside the document.
  virtual void removeLinha(int i) = 0;

  // The selection, lines and columns from 0 as the caret services give them
  // (start and end equal when nothing is selected).
  virtual LinhaColuna inicioSelecao() const = 0;
  virtual LinhaColuna fimSelecao() const = 0;
  // The selection replaced by `texto`, in which CR LF, a lone LF or a lone
  // CR each start a new line; the caret after it, nothing selected.
  virtual void substituiSelecao(const std::string& texto) = 0;
  // The caret to a line and column, nothing selected.
  virtual void posicionaCursor(LinhaColuna p) = 0;

  // What lies between the two is one edit: one repaint, one undo step.
  virtual void iniciaEdicao() {}
  virtual void terminaEdicao() {}
};

// One edit for the scope of a command.
class EdicaoUnica {
 public:
  explicit EdicaoUnica(LinhasEditor& e) : e_(e) { e_.iniciaEdicao(); }
  ~EdicaoUnica() { e_.terminaEdicao(); }
  EdicaoUnica(const EdicaoUnica&) = delete;
  EdicaoUnica& operator=(const EdicaoUnica&) = delete;

 private:
  LinhasEditor& e_;
};

// Lines held in memory, with a selection: the tools' tests and benchmarks.
class LinhasMemoria : public LinhasEditor {
 public:
  LinhasMemoria() = default;
  explicit LinhasMemoria(std::vector<std::string> l) : linhas(std::move(l)) {}

  std::vector<std::string> linhas;
  LinhaColuna inicio;
  LinhaColuna fim;

  // Selects from (l1, c1) to (l2, c2).
  void seleciona(int l1, int c1, int l2, int c2) {
    inicio = {l1, c1};
    fim = {l2, c2};
  }

  int numeroLinhas() const override { return static_cast<int>(linhas.size()); }
  std::string linha(int i) const override;
  void defineLinha(int i, const std::string& texto) override;
  void insereLinha(int i, const std::string& texto) override;
  void removeLinha(int i) override;
  LinhaColuna inicioSelecao() const override { return inicio; }
  LinhaColuna fimSelecao() const override { return fim; }
  void substituiSelecao(const std::string& texto) override;
  void posicionaCursor(LinhaColuna p) override { inicio = fim = p; }
};

// The lines of a text in which CR LF, a lone LF or a lone CR end a line; a
// final line end adds no empty line (but "" is one empty line).
std::vector<std::string> linhasDoTexto(std::string_view texto);
