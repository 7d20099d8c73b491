// Windows-1252, the one text encoding inside both programs: documents, the INI
// file, data files and the draft file all hold it, one byte per character.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cp1252 {

// Unicode of bytes 0x80..0x9F. The five bytes Windows leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so that
// they survive every round trip unchanged.
inline constexpr std::array<char16_t, 32> faixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Unicode code point of one Windows-1252 byte.
constexpr char32_t paraUnicode(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return faixa80[b - 0x80];
  return b;
}

// The Windows-1252 byte of a code point, or -1 when the code page lacks it.
constexpr int deUnicode(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < faixa80.size(); ++i)
    if (faixa80[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

// Windows-1252 text -> UTF-8 (file-system names, Qt strings).
std::string paraUtf8(std::string_view texto);
// UTF-8 -> Windows-1252; a character the code page lacks, or a broken
// sequence, becomes "?".
std::string deUtf8(std::string_view texto);

// Case of one byte with the Windows-1252 tables (Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and the
// accented Latin-1 letters; ß, µ, × and ÷ have no other case).
unsigned char maiuscula(unsigned char c);
unsigned char minuscula(unsigned char c);
std::string maiusculas(std::string_view texto);
std::string minusculas(std::string_view texto);

// Code page 850 (the OEM code page of the code-page commands). A character
// that has no equal in the other code page becomes its nearest look-alike.
unsigned char paraOem(unsigned char c);
unsigned char deOem(unsigned char c);
std::string paraOem(std::string_view texto);
std::string deOem(std::string_view texto);

// ---------------------------------------------------------------------------
// Compile-time literal: "Não"_cp is the Windows-1252 bytes of the UTF-8 source
// text; a character outside Windows-1252 stops the build.

template <std::size_t N>
struct LiteralUtf8 {
  char bytes[N]{};
  consteval LiteralUtf8(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
  static constexpr std::size_t tamanho = N - 1;  // without the final zero
};

// Not constexpr on purpose: reaching it in a constant evaluation is the
// compile error for a character Windows-1252 does not have.
void caractereForaDoCp1252();

template <std::size_t N>
consteval std::size_t converteLiteral(const LiteralUtf8<N>& s, unsigned char* saida) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < LiteralUtf8<N>::tamanho;) {
    const auto b0 = static_cast<unsigned char>(s.bytes[i]);
    char32_t c = 0;
    std::size_t extra = 0;
    if (b0 < 0x80) {
      c = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      c = b0 & 0x1F;
      extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
      c = b0 & 0x0F;
      extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
      c = b0 & 0x07;
      extra = 3;
    } else {
      caractereForaDoCp1252();
    }
    if (i + extra >= LiteralUtf8<N>::tamanho) caractereForaDoCp1252();
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(s.bytes[i + k]);
      if ((b & 0xC0) != 0x80) caractereForaDoCp1252();
      c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    const int byte = deUnicode(c);
    if (byte < 0) caractereForaDoCp1252();
    if (saida) saida[n] = static_cast<unsigned char>(byte);
    ++n;
  }
  return n;
}

template <std::size_t N>
struct TextoCp {
  unsigned char bytes[N == 0 ? 1 : N]{};
  constexpr std::size_t size() const { return N; }
  std::string_view vista() const { return {reinterpret_cast<const char*>(bytes), N}; }
  std::string str() const { return std::string(vista()); }
  operator std::string() const { return str(); }
  operator std::string_view() const { return vista(); }
  char operator[](std::size_t i) const { return static_cast<char>(bytes[i]); }
};

template <std::size_t N>
std::string operator+(const TextoCp<N>& a, const std::string& b) { return a.str() + b; }
template <std::size_t N>
std::string operator+(const std::string& a, const TextoCp<N>& b) { return a + b.str(); }
template <std::size_t N>
std::string operator+(const TextoCp<N>& a, const char* b) { return a.str() + b; }
template <std::size_t N>
std::string operator+(const char* a, const TextoCp<N>& b) { return a + b.str(); }
template <std::size_t N, std::size_t M>
std::string operator+(const TextoCp<N>& a, const TextoCp<M>& b) { return a.str() + b.str(); }
template <std::size_t N>
bool operator==(const std::string& a, const TextoCp<N>& b) { return std::string_view(a) == b.vista(); }
template <std::size_t N>
bool operator==(std::string_view a, const TextoCp<N>& b) { return a == b.vista(); }

}  // namespace cp1252

template <cp1252::LiteralUtf8 S>
consteval auto operator""_cp() {
  constexpr std::size_t n = cp1252::converteLiteral(S, nullptr);
  cp1252::TextoCp<n> r{};
  cp1252::converteLiteral(S, r.bytes);
  return r;
}
