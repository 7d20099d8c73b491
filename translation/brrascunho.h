// The draft file: the Braille pages of the last translation pass, line by
// line, in the bytes the embosser prints, with page ends and tactile graphics
// as control lines. Its one writer, the tests that tell the line kinds apart,
// and the line map that ties document lines to draft lines.
//
// A pass opens the file with abreRascunho, hands every line to gravaLinha and
// ends with fechaRascunho, whose result says whether the whole file reached
// the disk. Lines are ended by CR LF; one byte per cell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------
// Control lines.

// 50 "-": the end of a page.
inline constexpr std::string_view separadorPagina = "--------------------------------------------------";
// 50 "=": the end of a page whose back (an interpoint sheet holding a
// graphic) stays blank and counts as a second page.
inline constexpr std::string_view separadorDuplo = "==================================================";
// The four bytes 15 that open a graphic directive.
inline constexpr std::string_view prefixoDiretivaGrafico = "\x0F\x0F\x0F\x0F";

// A graphic directive: the four bytes 15 and a blank, then the file name, or
// the position word (a column in decimal, "C", "D" or "E"), a blank and the
// name. A position of only blanks counts as none.
std::string diretivaGrafico(std::string_view posicao, std::string_view nomeArquivo);

// The empty-line marker: "-->" while the draft is written for the preview
// (visualizando), else one blank.
std::string_view marcaLinhaVazia();

// The error box of a draft file that cannot be created or written.
inline constexpr const char* mensagemErroRascunho = "Erro em disco ao gerar arquivo de rascunho";

// ---------------------------------------------------------------------------
// The four line tests, each on one line of the file as read.

// The line, blanks and control bytes (32 or less) trimmed from both ends, is
// exactly 50 "-" or exactly 50 "=".
bool ehLinhaSeparadora(std::string_view linha);
// The line so trimmed is exactly 50 "=".
bool ehLinhaIgual(std::string_view linha);
// The line begins with the four bytes 15.
bool ehDiretivaGrafico(std::string_view linha);
// The line holds a byte 11 anywhere.
bool ehLinhaReservaGrafico(std::string_view linha);

// ---------------------------------------------------------------------------
// State of a pass the writer shares with the draft generator.

// One entry per document line: the number of lines handed to the writer
// before that line began. Resized and filled by each full pass.
extern std::vector<int> mapaLinhas;
// Lines handed to gravaLinha in this pass, written or not.
extern int contadorLinhasRascunho;
// The physical page being filled, from 1 (odd pages are fronts).
extern int paginaAtual;
// Nothing has been written on the current page yet (its header is due).
extern bool cabecalhoPendente;

// Counters to their values at the start of a pass: contadorLinhasRascunho 0,
// paginaAtual 1, linhaNaPagina 1, cabecalhoPendente true.
void iniciaContagemRascunho();

// ---------------------------------------------------------------------------
// The file.

// The draft file's name (Windows-1252): arqTrab, which is first set to the
// temporary folder + "rascunho.txt" when it is empty.
std::string nomeArquivoRascunho();

// Creates the draft file anew (emptying an old one) and clears the failure
// flag. False when it cannot be created; nothing is open then. Shows no box:
// the pass shows mensagemErroRascunho.
bool abreRascunho();

// Hands one line to the draft. Counts it (contadorLinhasRascunho and
// linhaNaPagina + 1); lines of pages outside paginaInicial..paginaFinal end
// there, unwritten, with cabecalhoPendente cleared. Otherwise a mapped line
// (mapear: headers, text and markers) gets prefixoMargem in front and, when
// it is empty and EnviaVazias is set, is preceded by the empty-line marker;
// control lines (mapear false: separators, directives, reserve lines) go
// bare, so their readers always recognise them. In a preview pass every line
// gets six blanks; a mapped line then goes through tabelaImpressora unless
// semTraducao (raw mode) is set. Then CR LF; cabecalhoPendente is cleared.
// A write that fails is recorded (falhaRascunho) and stops further writes.
void gravaLinha(std::string_view texto, bool mapear);

// Closes the draft file. True only when it was created, every line reached it
// and the close succeeded; a call with no open file returns false.
bool fechaRascunho();

// The file is open for writing.
bool rascunhoAberto();
// A write to the draft failed since the last abreRascunho (or a line came
// with no file open).
bool falhaRascunho();

// Reads the draft file back, one text per line without its CR LF (a last
// line without CR LF counts too). False when it cannot be read.
bool leRascunho(std::vector<std::string>& linhas);
