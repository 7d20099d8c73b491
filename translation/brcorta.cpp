// Line breaking and Portuguese syllable division of translated paragraphs.
#include "brcorta.h"

#include <algorithm>

#include "brcodigo.h"

namespace {

constexpr unsigned char branco = ' ';

// Only cuts at position 11 or later are searched: a shorter line would waste
// too much of the row, so below that the line is cut hard at the width.
constexpr int menorCorteProcurado = 11;

bool umDe(unsigned char c, std::string_view conjunto) {
  return conjunto.find(static_cast<char>(minuscula(c))) != std::string_view::npos;
}

// The line is texto[1..i-1] (1-based); a line ending at a blank loses its
// trailing blanks and gets no hyphen, a line ending inside a word gets "-".
void cortaEm(std::string& texto, std::string& linha, int i) {
  linha.assign(texto, 0, static_cast<std::size_t>(i - 1));
  if (static_cast<unsigned char>(texto[static_cast<std::size_t>(i - 2)]) == branco) {
    const std::size_t fim = linha.find_last_not_of(static_cast<char>(branco));
    linha.resize(fim == std::string::npos ? 0 : fim + 1);
  } else {
    linha += '-';
  }
  texto.erase(0, static_cast<std::size_t>(i - 1));
}

}  // namespace

bool ehVogalCorte(unsigned char c) {
  switch (c) {
    case 'A': case 'E': case 'I': case 'O': case 'U':
    case 'a': case 'e': case 'i': case 'o': case 'u':
    case 192: case 193: case 194: case 195: case 201: case 202: case 205:
    case 211: case 212: case 213: case 218:
    case 224: case 225: case 226: case 227: case 233: case 234: case 237:
    case 243: case 244: case 245: case 250:
      return true;
    default:
      return false;
  }
}

bool ehConsoanteCorte(unsigned char c) {
  if (c == 199 || c == 231) return true;  // Ç, ç
  return umDe(c, "bcdfgjlmnpqrstvxz");
}

bool podeSepararSilabas(unsigned char a, unsigned char b, unsigned char c) {
  // ca-sa
  if (ehVogalCorte(a) && ehConsoanteCorte(b) && ehVogalCorte(c)) return true;
  // car-ta, pas-ta, an-tes
  if (umDe(a, "nrs") && ehConsoanteCorte(b) && ehVogalCorte(c)) return true;
  // al-to
  if (umDe(a, "l") && ehConsoanteCorte(b) && !umDe(b, "l") && ehVogalCorte(c)) return true;
  // en-tre, mos-tra
  if (umDe(a, "nrs") && umDe(b, "cdfgtv") && umDe(c, "lr")) return true;
  // som-bra, com-pra
  if (umDe(a, "m") && umDe(b, "bp") && umDe(c, "lr")) return true;
  // ma-cho, ma-lha, ni-nho
  if (ehVogalCorte(a) && umDe(b, "cln") && umDe(c, "h")) return true;
  return false;
}

void cortaLinha(std::string& texto, std::string& linha, int largura, bool hifenizando) {
  // A width below 1 still has to move the text on: one cell is the least a
  // line can take.
  const int w = std::max(largura, 1);
  if (texto.size() <= static_cast<std::size_t>(w)) {
    linha = texto;
    texto.clear();
    return;
  }
  // 1-based, as the rules are stated; every position used below is at most
  // w + 1, which exists because the text is longer than w.
  auto t = [&texto](int p) { return static_cast<unsigned char>(texto[static_cast<std::size_t>(p - 1)]); };

  if (t(w + 1) == branco) {
    int k = w;
    while (k > 10 && t(k) == branco) --k;
    linha.assign(texto, 0, static_cast<std::size_t>(k));
    const std::size_t inicio = texto.find_first_not_of(static_cast<char>(branco), static_cast<std::size_t>(w + 1));
    if (inicio == std::string::npos)
      texto.clear();
    else
      texto.erase(0, inicio);
    return;
  }
  if (t(w) == branco) {
    cortaEm(texto, linha, w + 1);
    return;
  }
  for (int i = w; i >= menorCorteProcurado; --i) {
    if (t(i - 1) == branco) {
      cortaEm(texto, linha, i);
      return;
    }
    // A single letter is never left alone before a hyphen at a word start.
    if (hifenizando && t(i - 2) != branco && podeSepararSilabas(t(i - 1), t(i), t(i + 1))) {
      cortaEm(texto, linha, i);
      return;
    }
  }
  if (w < 2) {
    // A hyphen would fill the whole line and take nothing off the text.
    linha.assign(texto, 0, 1);
    texto.erase(0, 1);
    return;
  }
  cortaEm(texto, linha, w);
}

bool aplicaRecuoContinuacao(std::string& resto, std::size_t comprimentoAntes) {
  if (resto.empty() || resto.size() + 2 >= comprimentoAntes) return false;
  resto.insert(0, 2, ' ');
  return true;
}
