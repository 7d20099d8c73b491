// Pages of the draft: the end of a page, the header line at the top of a new
// one and the page number it shows (digits or roman numerals, in four
// layouts), with interpoint fronts and backs.
#pragma once

#include <string>

// ---------------------------------------------------------------------------
// Page state of the pass, set at the start of every pass by the generator.

// The running header switch: starts as configuracao.comTitulo and is changed
// by the title markup, never written back to the settings.
extern bool comTituloAtual;
// The title the headers show.
extern std::string tituloAtual;
// Page numbers in roman numerals ("<T*n>") instead of digits ("<T+n>").
extern bool numeracaoRomana;
// A graphic was placed on the current page: in interpoint its back stays blank.
extern bool graficoNaPagina;

// ---------------------------------------------------------------------------

// Ends the current page (nothing once past paginaFinal): the empty-line
// marker when nothing was written on it and EnviaVazias is set, then the
// separator, 50 "=" instead of 50 "-" when a graphic lies on an interpoint
// front (its back is counted and left blank). Moves on to the next page.
void fimPagina();

// Writes the header of the current page when headers are on and the page
// has one: translated even in raw mode, without the margin prefix.
void gravaCabecalho();

// The header line of the current page; false when the page has none (a back
// page in interpoint unless tipoCabec is 2). Does not look at comTituloAtual.
bool montaCabecalho(std::string& cabecalho);

// The capital roman numeral of 1 to 3999; empty for any other number.
std::string numeroRomano(long long numero);
