// The annotation line: a reviewer's comment kept in the document as a line
// of its own, which the draft generator drops. The main window and the
// Braille preview both write it through here; it is header only because the
// two live in libraries that do not link each other.
#pragma once

#include <string>
#include <string_view>

// What makes a line an annotation: these four characters first, no blank
// before them.
inline constexpr std::string_view aberturaAnotacao = "<***";

inline bool ehLinhaAnotacao(std::string_view linha) { return linha.starts_with(aberturaAnotacao); }

// "<*** " + texto + " ***>". A line break in the text becomes a blank: as a
// break it would split the line, and what followed it would no longer be an
// annotation but text to transcribe. Marks inside the text stay as typed;
// the list cuts only a final closing mark.
inline std::string linhaDeAnotacao(std::string_view texto) {
  std::string r = "<*** ";
  for (const char c : texto) r += c == '\r' || c == '\n' ? ' ' : c;
  r += " ***>";
  return r;
}
