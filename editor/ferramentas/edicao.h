// The editing commands as text work, with no widget: find and replace over the
// editor's text, splitting lines at the margin (the command and the break
// while typing), plain text through a temporary file, and the Braille of
// lines as clipboard text. The main window reads its lines and selection,
// calls these and puts the result back as one edit.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------
// Find and replace. The text is the editor's: lines joined by '\n', Windows-
// 1252; positions are indices into it. A search covers the 99999 characters
// after its start, a line break counting two, and a match lies wholly inside.

inline constexpr int janelaBusca = 99999;

struct OpcoesBusca {
  bool maiusculas = false;      // match case; else equal after the code page's case tables
  bool palavraInteira = false;  // no letter or digit of the code page just before or after
};

// The position of the first match of `alvo` in texto[inicio...] within the
// window, or nothing. An empty `alvo` finds nothing. `antes` is the character
// taken as the one before texto[inicio] (-1: none); by default the text's own.
std::optional<std::size_t> localizaTexto(std::string_view texto, std::size_t inicio,
                                         std::string_view alvo, OpcoesBusca opcoes,
                                         std::optional<int> antes = std::nullopt);

// Replace all: the search runs from `inicio`, each following search starting
// after the replacement before it, until one finds nothing. The result is the
// changed stretch of the text, [inicio, fim) of the old text to be replaced by
// `trecho`, and the number of replacements (0: nothing changes).
struct SubstituicaoTotal {
  std::size_t inicio = 0;
  std::size_t fim = 0;
  std::string trecho;
  int quantidade = 0;
};
SubstituicaoTotal substituiTodas(std::string_view texto, std::size_t inicio, std::string_view alvo,
                                 std::string_view novo, OpcoesBusca opcoes);

// ---------------------------------------------------------------------------
// Lines at the margin. A blank is character 32 only.

// The blanks at the end of s off.
void tiraBrancosFinais(std::string& s);
// Blanks and control characters (0 to 32) off both ends.
std::string_view apara(std::string_view s);

// Where a line too long for the margin is cut: the first `fica` characters of
// the line without its end blanks stay (they end with the blank of the cut),
// the rest, trimmed, becomes the next line. Nothing when the line stays.
// A line is cut when its first word passes the margin, else at the last blank
// within margin + 1 when the line (for the command) or the caret column
// `coluna`, counted from 1 (for the break while typing), passes the margin.
struct CorteMargem {
  std::size_t fica = 0;
  std::string resto;
};
std::optional<CorteMargem> corteMargem(std::string_view linha, int maxCol,
                                       std::optional<int> coluna = std::nullopt);

// "&Dividir linhas grandes": every line cut at the margin, the lines it makes
// cut again in their turn.
std::vector<std::string> divideLinhasGrandes(const std::vector<std::string>& linhas, int maxCol);

// The break while typing on one line, the caret at `coluna` (from 1): the line
// cut as the command cuts it, but the end blanks and other characters between
// the cut and the caret kept at the end of the moved part, so nothing typed is
// lost. The caret stays on the character it was on: on the kept line when it
// was before the cut, else in the new line (at its start when that character
// was a blank dropped at the cut).
struct QuebraDigitada {
  std::string linha;       // what stays on the caret's line
  std::string nova;        // the new line after it
  bool cursorNaNova = false;
  int colunaCursor = 0;    // the caret's column from 0 in its line
};
std::optional<QuebraDigitada> quebraDigitada(std::string_view linha, int coluna, int maxCol);

// ---------------------------------------------------------------------------
// "Eliminar &Formatações": the tabs of every line expanded (kept also when
// what follows fails), then the lines written to a fresh temporary file of our
// own, read back and the file deleted. False after the error box that names
// the file, the lines then holding the expanded text.
bool eliminaFormatacoes(std::vector<std::string>& linhas);

// ---------------------------------------------------------------------------
// "Copiar em Meta-&Braille".

inline constexpr std::size_t limiteMetaBraille = 65199;

// Translates one document line (index into the document) into Braille bytes;
// false when the translation failed (it told the user itself).
using TraduzLinhaDocumento = std::function<bool(int, std::string&)>;

// The clipboard text of lines primeira..ultima (from 0; lines past the last
// document line are left out): each line's Braille followed by CR LF, every
// digit made the letter of its cell ("1".."9" -> "a".."i", "0" -> "j"); a line
// is added only while the text so far holds at most 65199 bytes. Nothing when
// a translation failed.
std::optional<std::string> textoMetaBraille(int primeira, int ultima, int numeroLinhas,
                                            const TraduzLinhaDocumento& traduz);

// The command: the printer code table made the identity (it stays so until a
// command loads the table again, as the Braille rows show), then the text of
// the lines of `linhas` through the single-line translation.
std::optional<std::string> copiaMetaBraille(const std::vector<std::string>& linhas, int primeira,
                                            int ultima);
