// The draft generator: the whole document, markup and all, becomes the draft
// file of Braille pages (with the line map that ties document lines to draft
// lines), and one document line becomes its Braille line.
//
// The document is the editor's lines, each a Windows-1252 text without its
// line end. A document line beginning with "<" is markup: "<P>" page break,
// "<T->"/"<T+>" headers off/on, "<T+n>"/"<T*n>" next page numbered n (digits
// or roman), "<T" title ">", "<F->"/"<F+>"/"<F*>" paragraphs off/on/raw,
// "<S->"/"<S+>" hyphenation, "<R+>"/"<R->" continuation indent, "<I+>"/"<I->"
// foreign text, "<G" kind [position] file ">" tactile graphic, "<M" prefix ">"
// margin, "<" n ">" original page number; other "<" lines are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Running state of the pass beside the shared one (brvars.h, brrascunho.h,
// brpaginas.h); every pass sets it from the settings first.
extern bool juntando;          // lines are joined into paragraphs
extern bool hifenizando;       // lines may be cut between syllables
extern bool recuoContinuacao;  // continuation lines begin with two blanks

// A translation pass (geraRascunho or traduzLinha) is running. The passes
// share the page, paragraph and converter state, so a pass started while
// another runs (from a box shown mid-pass, whose event loop may run a key,
// a timer or a menu command) is refused: it does nothing and returns false.
// Callers that report a failed pass ask this first to stay quiet.
bool traducaoEmCurso();

// Translates the whole document into the draft file. linhaCursor is a
// document line (or any value that names none); linhaRascunho gets the number
// of draft lines handed out before that line began (0 when the pass never got
// there; untouched when the file cannot be created). Only the pages
// paginaInicial..paginaFinal are written, numbered from numPagInicial; the
// printer code table must be loaded. preview: the draft is for the preview.
// Fills mapaLinhas. True when the whole draft reached the disk; otherwise the
// disk-error box was shown, or another pass runs (nothing was touched, no box).
bool geraRascunho(const std::vector<std::string>& linhas, int linhaCursor, int& linhaRascunho,
                  bool preview);

// The first Braille line of one document line, in printer code, through a
// single-line pass over the draft file (the line is taken as text, markup and
// all; 254 cells at most, no header). Sets the page range to 1..9999 and the
// usable width to 254. False, with saida unchanged, when the draft file could
// not be written or read back (the disk-error box was shown), or when another
// pass runs (nothing was touched, no box).
bool traduzLinha(std::string_view linha, std::string& saida);
// The same for line `indice` of the document; an index outside the document
// is an empty line.
bool traduzLinha(const std::vector<std::string>& linhas, int indice, std::string& saida);

// ---------------------------------------------------------------------------
// Steps of the pass, for the single-line pass and the tests.

// Sets the whole pass state from the settings (see the pass's start).
void iniciaPasso(bool preview);

// Trailing blanks off; while paragraphs are joined, leading blanks off down
// to at most two (a paragraph indent).
void limpaBrancos(std::string& linha);

// Obeys one markup line (index from 0, for messages). False when the line is
// to be translated as text after all.
bool interpretaComando(int indice, const std::string& linha);

// Translates a prepared text line into the paragraph and lays out what is
// ready of it.
void acrescentaTexto(std::string linha);

// Lays the paragraph out into Braille lines; final: also its last, short line.
void emiteParagrafo(bool final);

// Places the queued full-page graphics, each on a page of its own.
void emiteGraficos();

// Nothing is written on the current page yet and it is a front page.
bool noTopoPaginaFrente();

// The text of the plain message box of a malformed graphic or margin markup
// on document line indice.
std::string mensagemComandoGrafico(int indice);
