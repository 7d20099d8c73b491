// The old-code converter. One pass from left to right: at each position the
// first rule that fits appends the cells of one or more characters and moves
// on, so every byte is consumed exactly once and the time is linear. Every
// look-ahead stays inside the text.

#include "brantigo.h"

#include <functional>

#include "brcodigo.h"
#include "brunif.h"
#include "brvars.h"

namespace {

constexpr unsigned char crase = 96;         // the backtick that escapes a sign
constexpr unsigned char aspasAbre = 147;    // "“"
constexpr unsigned char aspasFecha = 148;   // "”"
constexpr unsigned char paragrafo = 167;    // "§"
constexpr unsigned char hifenOculto = 173;  // soft hyphen

bool digito(unsigned char c) { return c >= '0' && c <= '9'; }

class Conversor {
 public:
  Conversor(std::string_view texto, std::string& saida)
      : s_(texto), n_(texto.size()), r_(saida), ingles_(textoEstrangeiro) {}

  void executa() {
    while (p_ < n_) {
      const unsigned char c = at(p_);
      if (letrasMinusculas(c)) {
        copiaMinusculas(s_, p_, r_);
      } else if (maiusculaDePalavra(c)) {
        maiusculas();
      } else if (digito(c)) {
        numero();
      } else if (c == crase && p_ + 1 < n_ && digito(at(p_ + 1))) {
        traduzNumeroEscapado(s_, p_, r_, digitosRebaixadosAntigo);
      } else if (c == crase && p_ + 1 < n_ && sinalEscapado(at(p_ + 1))) {
        // done: both characters consumed
      } else if (c == '.') {
        ponto();
      } else if (c == '"' || c == aspasAbre || c == aspasFecha) {
        aspas(c);
      } else {
        simbolo(c);
      }
    }
  }

 private:
  unsigned char at(std::size_t i) const { return static_cast<unsigned char>(s_[i]); }

  std::size_t fimDosDigitos(std::size_t i) const {
    while (i < n_ && digito(at(i))) ++i;
    return i;
  }

  // A word in capitals takes the double sign and nothing closes it, also
  // when small letters follow; a single capital takes the single sign.
  void maiusculas() {
    if (ingles_)
      traduzMaiusculas(s_, p_, r_, "&", "&&", false);
    else
      traduzMaiusculas(s_, p_, r_, "]", "]]", false);
  }

  void numero() {
    r_.push_back('#');
    if (regraData() || regraHora() || traduzOrdinal(s_, p_, r_, digitosRebaixadosAntigo, true)) return;
    while (p_ < n_) {
      const unsigned char c = at(p_);
      if (c == ',' || digito(c))
        r_.push_back(static_cast<char>(c));
      else if (c == '.')
        // A point with a digit after it separates groups of digits.
        r_.push_back(p_ + 1 < n_ && digito(at(p_ + 1)) ? '\'' : '.');
      else
        break;
      ++p_;
    }
  }

  // Digits and exactly two "/", ending on a digit: a date, written with "-".
  // The scan gives up at a third "/", so a long run of fractions costs a
  // bounded look-ahead per number and not the rest of the run.
  bool regraData() {
    std::size_t q = p_;
    int barras = 0;
    while (q < n_ && (digito(at(q)) || at(q) == '/')) {
      if (at(q) == '/' && ++barras > 2) break;
      ++q;
    }
    if (barras != 2 || !digito(at(q - 1))) return false;
    for (; p_ < q; ++p_) r_.push_back(at(p_) == '/' ? '-' : static_cast<char>(at(p_)));
    return true;
  }

  // Digits, ":", then any digits and colons: a time, copied as it stands.
  bool regraHora() {
    std::size_t q = fimDosDigitos(p_);
    if (q >= n_ || at(q) != ':') return false;
    while (q < n_ && (digito(at(q)) || at(q) == ':')) ++q;
    r_.append(s_.data() + p_, q - p_);
    p_ = q;
    return true;
  }

  // The seven signs a backtick escapes. Appends the cells of the sign after
  // the backtick, consumes both and returns true; returns false and touches
  // nothing for any other sign.
  bool sinalEscapado(unsigned char c) {
    const char* cel = nullptr;
    switch (c) {
      case '(': cel = "\xEA"; break;  // ê
      case ')': cel = "\xE3"; break;  // ã
      case '*': cel = "{"; break;
      case '[': cel = "\xE1"; break;  // á
      case ']': cel = "\xFA"; break;  // ú
      case '{': cel = "~l"; break;
      case '}': cel = "_,"; break;
      default: return false;
    }
    r_.append(cel);
    p_ += 2;
    return true;
  }

  // An ellipsis becomes three cells of dots 3; any other point stays.
  void ponto() {
    if (p_ + 2 < n_ && at(p_ + 1) == '.' && at(p_ + 2) == '.') {
      r_.append("'''");
      p_ += 3;
    } else {
      r_.push_back('.');
      ++p_;
    }
  }

  // Plain quotes alternate between opening and closing; the typographic ones
  // always give their own kind and set the state accordingly.
  void aspas(unsigned char c) {
    if (c == aspasAbre) abreAspasAntigo = true;
    if (c == aspasFecha) abreAspasAntigo = false;
    r_.push_back(abreAspasAntigo ? '{' : '}');
    abreAspasAntigo = !abreAspasAntigo;
    ++p_;
  }

  void simbolo(unsigned char c) {
    switch (c) {
      case '%': r_.append("_}"); break;
      case '_': r_.push_back(ingles_ ? ']' : '_'); break;
      case paragrafo: r_.append("ss"); break;
      // An invisible break point of the word processor: no cell.
      case hifenOculto: break;
      default: r_.push_back(static_cast<char>(c));
    }
    ++p_;
  }

  std::string_view s_;
  std::size_t n_;
  std::size_t p_ = 0;
  std::string& r_;
  const bool ingles_;
};

}  // namespace

void traduzAntigo(std::string_view texto, std::string& resultado) {
  const std::less<const char*> antes;
  const char* inicio = resultado.data();
  const bool sobrepostos = !texto.empty() && !antes(texto.data(), inicio) &&
                           antes(texto.data(), inicio + resultado.size());
  if (sobrepostos) {
    // The text lives in the result: translate from it before clearing.
    std::string r;
    r.reserve(texto.size() + texto.size() / 4 + 8);
    Conversor(texto, r).executa();
    resultado = std::move(r);
    return;
  }
  resultado.clear();
  resultado.reserve(texto.size() + texto.size() / 4 + 8);
  Conversor(texto, resultado).executa();
}

std::string traduzAntigo(std::string_view texto) {
  std::string r;
  traduzAntigo(texto, r);
  return r;
}
