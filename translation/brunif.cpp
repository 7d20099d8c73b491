#include "brunif.h"

#include <array>
#include <functional>

#include "brvars.h"

namespace {

// Character classes as one table, so that the hot loops test a byte with a
// single load.
enum : unsigned char { kMinuscula = 1, kMaiuscula = 2, kDigito = 4, kMaiusculaPalavra = 8 };

constexpr std::array<unsigned char, 256> criaClasses() {
  std::array<unsigned char, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = kMinuscula;
  for (int c = 224; c <= 255; ++c) t[c] = kMinuscula;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = kMaiuscula | kMaiusculaPalavra;
  for (int c = 192; c <= 223; ++c) t[c] = kMaiuscula | kMaiusculaPalavra;
  // "×" and "ß" are capitals only by their byte value: lowered by 32 they
  // would become "÷" and "ÿ", so they never join a word in capitals.
  t[215] = kMaiuscula;
  t[223] = kMaiuscula;
  for (int c = '0'; c <= '9'; ++c) t[c] = kDigito;
  return t;
}
constexpr std::array<unsigned char, 256> classes = criaClasses();

inline bool ehMinuscula(unsigned char c) { return classes[c] & kMinuscula; }
inline bool ehDigito(unsigned char c) { return classes[c] & kDigito; }
inline bool ehMaiusculaPalavra(unsigned char c) { return classes[c] & kMaiusculaPalavra; }
inline unsigned char byte(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Cells of the sign escaped by a backtick, or false when the character may
// not follow a backtick.
bool sinalEscapado(unsigned char c, std::string_view& saida) {
  switch (c) {
    case '"': saida = "\xFC\xFC"; return true;
    case '%': saida = "_}}"; return true;
    case '\'': saida = "\xFC"; return true;
    case '(': saida = "\xEA"; return true;
    case ')': saida = "\xE3"; return true;
    case '*': case 'X': case 'x': saida = "\xD7"; return true;
    case '+': saida = "+"; return true;
    case '-': saida = "-"; return true;
    case '.': saida = "."; return true;
    case '/': case ':': saida = "\xF7"; return true;
    case '=': saida = "="; return true;
    case 'E': case 'e': saida = "\x80" "e"; return true;
    case 'O': case 'o': saida = "\xB0"; return true;
    case '[': saida = "\xE1"; return true;
    case ']': saida = "\xFA"; return true;
    case '^': saida = "\xE5"; return true;
    case '_': case 247: saida = "~\xF7"; return true;
    case '{': saida = "~l"; return true;
    case '}': saida = "_,"; return true;
    case '`': saida = {}; return true;
    default: return false;
  }
}

// Cells of a character no other rule took. Brackets change the bracket
// state here; every character the table does not know is copied.
void simbolo(unsigned char c, bool ingles, bool& parentesesAberto, std::string& r) {
  switch (c) {
    case '%': r += "_}"; break;
    case '(':
      r += ingles ? "=" : "(.";
      parentesesAberto = true;
      break;
    case ')':
      r += ingles ? "=" : "\\)";
      parentesesAberto = false;
      break;
    case '*': r += ingles ? '{' : '*'; break;
    case '/': r += ingles ? "\xEC" : "\\,"; break;
    case '?': r += ingles ? '"' : '?'; break;
    case '[': r += "[."; break;
    case '\\': r += "~."; break;
    case ']': r += "\\]"; break;
    case '_': r += ingles ? ']' : '_'; break;
    case 128: r += "\x80" "e"; break;
    case 133: r += "..."; break;
    case 137: r += "_}}"; break;
    case 145: case 146: r += "$\""; break;
    case 149: r += "\xF5" "o"; break;
    case 150: case 151: r += "--"; break;
    // The soft hyphen only marks where a word may break: it has no cell.
    case 173: break;
    case 156: r += "oe"; break;
    case 167: r += "ss"; break;
    case 171: case 187: r += "\\\""; break;
    case 178: r += "\xE5#b"; break;
    case 179: r += "\xE5#c"; break;
    case 185: r += "\xE5#a"; break;
    case 188: r += "#,d"; break;
    case 189: r += "#,b"; break;
    case 190: r += "#:d"; break;
    case 223: r += "\xAC" "b"; break;
    default: r += static_cast<char>(c); break;
  }
}

// What distinguishes the editor's converter from the drawing program's.
struct OpcoesConversor {
  bool variantesInglesas;        // English text changes signs and quotes
  unsigned char ultimaLetraSinal;  // letters "a".. this one after a number get "~"
};

struct EstadoConversor {
  bool ingles;
  bool abreAspasIngles;
  bool parentesesAberto;
};

// Position of the first closer after an opening bracket. The cursor only
// moves forward, so each closer is searched once from where the last search
// stopped: a text full of brackets costs one pass, not one pass per bracket.
class ProximoFecho {
 public:
  explicit ProximoFecho(char fecho) : fecho_(fecho) {}
  std::size_t aPartirDe(std::string_view s, std::size_t inicio) {
    if (!valido_ || posicao_ < inicio) {
      const std::size_t k = s.find(fecho_, inicio);
      posicao_ = k == std::string_view::npos ? s.size() : k;
      valido_ = true;
    }
    return posicao_;
  }

 private:
  char fecho_;
  bool valido_ = false;
  std::size_t posicao_ = 0;
};

// The look-ahead of an opening bracket before a number reaches this far.
constexpr std::size_t alcanceFecho = 999;

template <OpcoesConversor O>
void converte(std::string_view s, std::string& r, EstadoConversor& e) {
  const bool ingles = O.variantesInglesas && e.ingles;
  const std::size_t n = s.size();
  ProximoFecho fechaParenteses(')');
  ProximoFecho fechaColchete(']');
  std::size_t p = 0;
  while (p < n) {
    const unsigned char c = byte(s, p);
    const unsigned char classe = classes[c];

    if (classe & kMinuscula) {
      copiaMinusculas(s, p, r);
    } else if (classe & kMaiusculaPalavra) {
      traduzMaiusculas(s, p, r, ingles ? "\\" : "{", ingles ? "\\\\" : "{{", true);
    } else if (classe & kDigito) {
      r += '#';
      if (traduzOrdinal(s, p, r, digitosRebaixadosUnificado, false)) continue;
      while (p < n) {
        const unsigned char d = byte(s, p);
        if (d == '$' || d == ',' || ehDigito(d)) {
          r += static_cast<char>(d);
        } else if (d == '.') {
          // Groups of fewer than three digits on both sides (dates, times)
          // each get their own number sign; "1.000" keeps one.
          bool novoNumero = false;
          if (p + 1 < n && ehDigito(byte(s, p + 1))) {
            int antes = 0;
            for (std::size_t i = p; i > 0 && antes < 3 && ehDigito(byte(s, i - 1)); --i) ++antes;
            int depois = 0;
            for (std::size_t i = p + 1; i < n && depois < 3 && ehDigito(byte(s, i)); ++i) ++depois;
            novoNumero = antes < 3 && depois < 3;
          }
          r += novoNumero ? ".#" : ".";
        } else {
          // A letter that could be read as a digit needs the letter sign.
          if (d >= 'a' && d <= O.ultimaLetraSinal) r += '~';
          break;
        }
        ++p;
      }
    } else if ((c == '(' || c == '[') && p + 1 < n && ehDigito(byte(s, p + 1))) {
      e.parentesesAberto = false;
      ProximoFecho& busca = c == '(' ? fechaParenteses : fechaColchete;
      const std::size_t k = busca.aPartirDe(s, p + 1);
      if (k < n && k - p <= alcanceFecho && ehDigito(byte(s, k - 1))) {
        r += c == '(' ? '\xEA' : '\xE1';
      } else {
        e.parentesesAberto = true;
        simbolo(c, ingles, e.parentesesAberto, r);
      }
      ++p;
    } else if (!e.parentesesAberto && p > 0 && (c == ')' || c == ']') && ehDigito(byte(s, p - 1))) {
      r += c == ')' ? '\xE3' : '\xFA';
      e.parentesesAberto = false;
      ++p;
    } else if (c == '`' && p + 1 < n && ehDigito(byte(s, p + 1))) {
      traduzNumeroEscapado(s, p, r, digitosRebaixadosUnificado);
    } else if (std::string_view sinal; c == '`' && p + 1 < n && sinalEscapado(byte(s, p + 1), sinal)) {
      r += sinal;
      p += 2;
    } else if (c == '.') {
      r += ingles ? '/' : '.';
      ++p;
    } else if (c == '"' || c == 147 || c == 148) {
      if (!ingles) {
        r += '"';
      } else {
        if (c == 147) e.abreAspasIngles = true;
        if (c == 148) e.abreAspasIngles = false;
        r += e.abreAspasIngles ? '"' : '}';
        e.abreAspasIngles = !e.abreAspasIngles;
      }
      ++p;
    } else {
      simbolo(c, ingles, e.parentesesAberto, r);
      ++p;
    }
  }
}

constexpr OpcoesConversor opcoesEditor{true, 'j'};
constexpr OpcoesConversor opcoesDesenho{false, 'e'};

// True when the text lies in the result's buffer, which is cleared before
// the translation writes into it.
bool sobrepoe(std::string_view texto, const std::string& resultado) {
  if (texto.empty() || resultado.capacity() == 0) return false;
  const std::less<const char*> menor;
  const char* inicio = resultado.data();
  return !menor(texto.data(), inicio) && menor(texto.data(), inicio + resultado.capacity());
}

// Room for the usual growth: most characters give one cell, capitals and
// numbers add a sign.
void preparaResultado(std::string_view texto, std::string& resultado) {
  resultado.clear();
  resultado.reserve(texto.size() + texto.size() / 4 + 16);
}

}  // namespace

bool maiusculaDePalavra(unsigned char c) { return ehMaiusculaPalavra(c); }

void traduzMaiusculas(std::string_view s, std::size_t& p, std::string& r,
                      std::string_view sinalLetra, std::string_view sinalPalavra,
                      bool marcaMinusculas) {
  const std::size_t n = s.size();
  if (p + 1 < n && ehMaiusculaPalavra(byte(s, p + 1))) {
    r += sinalPalavra;
    do {
      r += static_cast<char>(byte(s, p) + 32);
      ++p;
    } while (p < n && ehMaiusculaPalavra(byte(s, p)));
    if (marcaMinusculas && p < n && ehMinuscula(byte(s, p))) r += '~';
  } else {
    r += sinalLetra;
    r += static_cast<char>(byte(s, p) + 32);
    ++p;
  }
}

void copiaMinusculas(std::string_view s, std::size_t& p, std::string& r) {
  const std::size_t inicio = p;
  ++p;
  while (p < s.size() && (ehMinuscula(byte(s, p)) || s[p] == '-')) ++p;
  r.append(s.data() + inicio, p - inicio);
}

bool traduzOrdinal(std::string_view s, std::size_t& p, std::string& r,
                   std::string_view digitosRebaixados, bool grauComoO) {
  const std::size_t n = s.size();
  std::size_t q = p;
  while (q < n && ehDigito(byte(s, q))) ++q;
  if (q >= n) return false;

  const unsigned char c = byte(s, q);
  std::string_view sufixo;
  std::size_t consumidos = 0;
  if (c == 170) {
    sufixo = "a", consumidos = 1;
  } else if (c == 186 || (grauComoO && c == 176)) {
    sufixo = "o", consumidos = 1;
  } else if ((c == 'a' || c == 'o') && q + 1 < n && s[q + 1] == '.') {
    sufixo = c == 'a' ? "a" : "o", consumidos = 2;
  } else if ((c == 'a' || c == 'o') && q + 2 < n && s[q + 1] == 's' && s[q + 2] == '.') {
    sufixo = c == 'a' ? "as" : "os", consumidos = 3;
  } else {
    return false;
  }
  for (std::size_t i = p; i < q; ++i) r += digitosRebaixados[byte(s, i) - '0'];
  r += sufixo;
  p = q + consumidos;
  return true;
}

void traduzNumeroEscapado(std::string_view s, std::size_t& p, std::string& r,
                          std::string_view digitosRebaixados) {
  const std::size_t n = s.size();
  r += '#';
  ++p;  // the backtick
  while (p < n && ehDigito(byte(s, p))) r += digitosRebaixados[byte(s, p++) - '0'];
  if (p < n && s[p] == '/') {
    ++p;
    while (p < n && ehDigito(byte(s, p))) r += s[p++];
  }
}

void traduzUnificado(std::string_view texto, std::string& resultado) {
  if (sobrepoe(texto, resultado)) {
    const std::string copia(texto);
    traduzUnificado(copia, resultado);
    return;
  }
  EstadoConversor e{textoEstrangeiro, abreAspasIngles, parentesesAberto};
  preparaResultado(texto, resultado);
  converte<opcoesEditor>(texto, resultado, e);
  abreAspasIngles = e.abreAspasIngles;
  parentesesAberto = e.parentesesAberto;
}

std::string traduzUnificado(std::string_view texto) {
  std::string resultado;
  traduzUnificado(texto, resultado);
  return resultado;
}

void traduzUnificadoDesenho(std::string_view texto, std::string& resultado) {
  if (sobrepoe(texto, resultado)) {
    const std::string copia(texto);
    traduzUnificadoDesenho(copia, resultado);
    return;
  }
  // One blank before the text is dropped; two or more are the user's own
  // layout and stay, and a text that is only a blank stays a blank.
  if (texto.size() >= 2 && texto[0] == ' ' && texto[1] != ' ') texto.remove_prefix(1);
  EstadoConversor e{false, true, false};
  preparaResultado(texto, resultado);
  converte<opcoesDesenho>(texto, resultado, e);
}

std::string traduzUnificadoDesenho(std::string_view texto) {
  std::string resultado;
  traduzUnificadoDesenho(texto, resultado);
  return resultado;
}
