// Macros: codes that begin with a grave accent, expanded in the selected
// lines from the table of a macro file. The file holds one macro a line
// ("`code replacement"), comments after ";" and empty lines; the first entry
// whose code matches wins, and a replacement is never scanned again.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "linhaseditor.h"

// The table holds no more macros than this; further macro lines are left out.
inline constexpr int maxMacros = 1000;

class TabelaMacros {
 public:
  // Empties the table.
  void limpa();
  // Adds an entry after the others (false when the table is full).
  bool acrescenta(std::string codigo, std::string substituicao);

  int numMacros() const { return static_cast<int>(codigos_.size()); }
  const std::string& codigo(int k) const { return codigos_[static_cast<std::size_t>(k)]; }
  const std::string& substituicao(int k) const { return substituicoes_[static_cast<std::size_t>(k)]; }

  // The first entry (from 0, in file order) whose code starts the text at
  // `posicao`, or -1.
  int primeiraQueCasa(std::string_view linha, std::size_t posicao) const;

 private:
  std::vector<std::string> codigos_;
  std::vector<std::string> substituicoes_;
  // The entries whose code goes on with a given byte after its grave accent,
  // in file order, so that a lookup compares only those; and the entries that
  // are a grave accent alone, which match every grave accent.
  std::array<std::vector<int>, 256> porSegundoByte_;
  std::vector<int> soCrase_;
};

// Reads the text of a macro file into the table, emptied first. A line of
// neither kind ends the reading with "Codigo inválido na linha " + its number
// and false. Past maxMacros macro lines reading stops with a message naming
// the first line left out, and the result is true.
bool carregaMacros(std::string_view conteudo, TabelaMacros& tabela);

struct ResultadoMacro {
  std::string_view substituicao;  // into the table, or the grave accent itself
  std::size_t consumidos = 1;     // characters of the line the code took
};

// At a grave accent at `posicao` of the line: the replacement of the first
// matching code and that code's length, or the grave accent and 1.
ResultadoMacro buscaMacro(const TabelaMacros& tabela, std::string_view linha, std::size_t posicao);

// The line with every code expanded, left to right.
std::string expandeLinha(const TabelaMacros& tabela, std::string_view linha);

// Expands the selected lines whole, as one edit; a selection that ends at
// column 0 of a later line leaves that line out, and with nothing selected
// the caret's line is expanded.
void aplicaMacros(const TabelaMacros& tabela, LinhasEditor& editor);

// What the window's button does with the file name typed: checks it, reads
// the file, stores the name in the settings, loads the table and expands the
// selection (no editor: nothing to expand). True when the window is to hide,
// false when it stays (a name it cannot take, or no such file).
bool processaMacros(const std::string& nome, TabelaMacros& tabela, LinhasEditor* editor);
