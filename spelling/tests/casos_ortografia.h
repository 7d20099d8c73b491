// The case files of dados/: UTF-8 text made Windows-1252, one case a line,
// "#" starts a comment line, fields split by "|" and trimmed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arquivos.h"
#include "cp1252.h"

namespace casos {

inline std::string pastaDados() { return LUMAREL_DIR_TESTES "/dados"; }

inline std::vector<std::vector<std::string>> le(const std::string& nome) {
  std::string texto;
  EXPECT_TRUE(plataforma::leArquivo(pastaDados() + "/" + nome, texto)) << nome;
  texto = cp1252::deUtf8(texto);
  std::vector<std::vector<std::string>> r;
  std::size_t i = 0;
  while (i < texto.size()) {
    std::size_t fim = texto.find('\n', i);
    if (fim == std::string::npos) fim = texto.size();
    const std::string linha = texto.substr(i, fim - i);
    i = fim + 1;
    if (linha.empty() || linha[0] == '#') continue;
    std::vector<std::string> campos;
    for (std::size_t a = 0;;) {
      const std::size_t b = linha.find('|', a);
      std::string c = linha.substr(a, b == std::string::npos ? std::string::npos : b - a);
      c.erase(0, c.find_first_not_of(' '));
      c.erase(c.find_last_not_of(' ') + 1);
      campos.push_back(c);
      if (b == std::string::npos) break;
      a = b + 1;
    }
    r.push_back(campos);
  }
  EXPECT_FALSE(r.empty()) << nome;
  return r;
}

// The words of a field split at blanks.
inline std::vector<std::string> palavras(const std::string& campo) {
  std::vector<std::string> r;
  for (std::size_t a = 0; a < campo.size();) {
    std::size_t b = campo.find(' ', a);
    if (b == std::string::npos) b = campo.size();
    if (b > a) r.push_back(campo.substr(a, b - a));
    a = b + 1;
  }
  return r;
}

}  // namespace casos
