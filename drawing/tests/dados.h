// The files of dados/: golden bytes, and cases one a line with fields split by
// "|" ("#" starts a comment line).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "brgrafpr.h"

namespace dados {

// The dots of a matrix holding `valor`, as "x,y" in row order.
inline std::string pontosDe(const TMatrizPontos& m, unsigned char valor = 1) {
  std::string s;
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (m.le(x, y) == valor) s += (s.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return s;
}

inline std::string arquivo(const std::string& nome) {
  std::ifstream in(std::string(LUMAREL_DIR_TESTES "/dados/") + nome, std::ios::binary);
  EXPECT_TRUE(in) << nome;
  return {std::istreambuf_iterator<char>(in), {}};
}

struct Caso {
  std::string texto, nome;          // the line; its leading word, if any
  std::vector<std::string> campos;  // blanks around each cut, the word left out
  template <class T = int>
  std::vector<T> n(size_t i) const {
    std::istringstream in(campos.at(i));
    std::vector<T> r;
    for (T v; in >> v;) r.push_back(v);
    return r;
  }
};

inline std::vector<Caso> casos(const std::string& nome) {
  std::istringstream in(arquivo(nome));
  std::vector<Caso> r;
  for (std::string linha; std::getline(in, linha);) {
    if (linha.empty() || linha[0] == '#') continue;
    Caso c{linha, "", {}};
    size_t i = 0;
    if (std::isalpha(static_cast<unsigned char>(linha[0])))
      i = linha.find(' '), c.nome = linha.substr(0, i);
    for (size_t fim = i; fim != std::string::npos; i = fim + 1) {
      fim = linha.find('|', i);
      const std::string s = linha.substr(i, fim - i);
      const auto a = std::min(s.find_first_not_of(' '), s.size());
      c.campos.push_back(s.substr(a, s.find_last_not_of(' ') + 1 - a));
    }
    r.push_back(c);
  }
  EXPECT_FALSE(r.empty()) << nome;
  return r;
}

}  // namespace dados
