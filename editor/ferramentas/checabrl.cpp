#include "checabrl.h"

#include <array>
#include <cstddef>

namespace {

// The byte at 1-based position p, or 0 past either end: the scans below look
// one or two places ahead of lines their own deletions keep shortening.
unsigned char em(const std::string& s, std::ptrdiff_t p) {
  return p >= 1 && p <= static_cast<std::ptrdiff_t>(s.size()) ? static_cast<unsigned char>(s[p - 1]) : 0;
}

std::ptrdiff_t tamanho(const std::string& s) { return static_cast<std::ptrdiff_t>(s.size()); }

bool letraNumero(unsigned char c) { return c >= 'a' && c <= 'j'; }

void maiuscula(std::string& s, std::ptrdiff_t p) { s[p - 1] = static_cast<char>(em(s, p) - 32); }

}  // namespace

std::string reverteBraille(std::string_view linha, const TTabelaImpressora& tabela, bool brailleAntigo) {
  const auto& celulas = brailleAntigo ? pontosParaBrailleAntigo : pontosParaBrailleUnificado;
  std::array<unsigned char, 256> inversa{};
  for (unsigned char c : celulas) inversa[tabela[c]] = c;
  // Printer byte 39 is dot 3 in the shipped tables: the full stop and the
  // point in numbers, whichever internal byte the translator wrote for it.
  inversa[39] = '.';

  std::string s(linha);
  for (char& c : s) c = static_cast<char>(inversa[static_cast<unsigned char>(c)]);

  // The scans run right to left so that a deletion never moves what is still
  // to be looked at; positions are 1-based.
  for (std::ptrdiff_t q = tamanho(s) - 2; q >= 1; --q) {
    if (em(s, q) != '{' || em(s, q + 1) != '{' || !letrasMinusculas(em(s, q + 2))) continue;
    s.erase(static_cast<std::size_t>(q - 1), 2);
    for (std::ptrdiff_t i = q; i <= tamanho(s) && letrasMinusculas(em(s, i)); ++i) maiuscula(s, i);
  }
  for (std::ptrdiff_t p = tamanho(s) - 1; p >= 1; --p) {
    if (em(s, p) != '{' || !letrasMinusculas(em(s, p + 1))) continue;
    s.erase(static_cast<std::size_t>(p - 1), 1);
    maiuscula(s, p);
  }
  for (std::ptrdiff_t r = tamanho(s) - 1; r >= 1; --r) {
    if (em(s, r) != '#' || !letraNumero(em(s, r + 1))) continue;
    s.erase(static_cast<std::size_t>(r - 1), 1);
    for (std::ptrdiff_t i = r; i <= tamanho(s); ++i) {
      const unsigned char c = em(s, i);
      if (letraNumero(c)) {
        s[i - 1] = c == 'j' ? '0' : static_cast<char>(c - 'a' + '1');
      } else if (c != ',' && c != '.') {
        break;
      }
    }
  }
  return s;
}
