// Test cases read from the tab-separated files in dados/: one case a line,
// "#" starts a comment line. Each field is UTF-8 made Windows-1252, then
// \t \n \r \\ \{ \} and \xHH are one character each, \s is a blank (for one
// that ends a field) and {N*text} is N copies of text. "" is the empty text
// and "-" marks no value.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cp1252.h"

namespace casos {

inline std::string decodifica(const std::string& s, std::size_t& i, bool naChave = false) {
  std::string r;
  while (i < s.size()) {
    const char c = s[i++];
    if (c == '}' && naChave) return r;
    if (c == '{') {
      const std::size_t estrela = s.find('*', i);
      const std::size_t vezes = std::stoul(s.substr(i, estrela - i));
      i = estrela + 1;
      const std::string parte = decodifica(s, i, true);
      for (std::size_t k = 0; k < vezes; ++k) r += parte;
    } else if (c == '\\' && i < s.size()) {
      const char e = s[i++];
      if (e == 'x') r += static_cast<char>(std::stoi(s.substr(i, 2), nullptr, 16)), i += 2;
      else r += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e == 's' ? ' ' : e;
    } else {
      r += c;
    }
  }
  EXPECT_FALSE(naChave) << "no } in " << s;
  return r;
}

struct Caso {
  int linha;  // in the file
  std::vector<std::string> campos;

  const std::string& operator[](std::size_t i) const { return campos.at(i); }
  template <class T = int>
  T n(std::size_t i) const { return static_cast<T>(std::stol(campos.at(i))); }
  template <class T = int>
  std::optional<T> talvez(std::size_t i) const {
    return campos.at(i) == "-" ? std::nullopt : std::optional(n<T>(i));
  }
  // A field of lines split at "\n".
  std::vector<std::string> linhas(std::size_t i) const {
    std::vector<std::string> r{""};
    for (const char c : campos.at(i))
      if (c == '\n') r.emplace_back(); else r.back().push_back(c);
    return r;
  }
  // A field of points "x,y x,y ...".
  std::vector<std::pair<int, int>> pontos(std::size_t i) const {
    std::istringstream in(campos.at(i));
    std::vector<std::pair<int, int>> r;
    char virgula;
    for (int x, y; in >> x >> virgula >> y;) r.emplace_back(x, y);
    EXPECT_TRUE(in.eof()) << "points in " << campos.at(i);
    return r;
  }
};

// The cases of dados/<nome>, beside this file; every case has as many fields
// as the first.
inline std::vector<Caso> le(const std::string& nome) {
  const std::string aqui = __FILE__;
  std::ifstream arquivo(aqui.substr(0, aqui.find_last_of("/\\") + 1) + "dados/" + nome);
  EXPECT_TRUE(arquivo.is_open()) << nome;
  std::vector<Caso> lidos;
  std::string texto;
  for (int linha = 1; std::getline(arquivo, texto); ++linha) {
    if (texto.empty() || texto[0] == '#') continue;
    Caso c{linha, {}};
    texto = cp1252::deUtf8(texto);
    for (std::size_t i = 0, fim = 0; fim != std::string::npos; i = fim + 1) {
      fim = texto.find('\t', i);
      const std::string campo = texto.substr(i, fim - i);
      std::size_t j = 0;
      c.campos.push_back(campo == "\"\"" ? "" : decodifica(campo, j));
    }
    if (!lidos.empty() && c.campos.size() != lidos[0].campos.size())
      ADD_FAILURE() << nome << ":" << linha << ": " << c.campos.size() << " fields";
    else
      lidos.push_back(c);
  }
  EXPECT_FALSE(lidos.empty()) << nome;
  return lidos;
}

// For SCOPED_TRACE: the case's line in the file and its first field, its name.
inline std::ostream& operator<<(std::ostream& o, const Caso& c) {
  return o << "line " << c.linha << ": " << c[0];
}

}  // namespace casos
