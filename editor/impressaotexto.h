// Ink printing of the document in the editor's font, on the printer (or PDF
// file) the user chose. An editor line is a whole paragraph, so it is wrapped
// onto as many printed lines as it needs; the wrapping has no Qt in it.
#pragma once

#include <QFont>
#include <QPrinter>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Columns between tab stops on paper: about the editor's own stops in its
// 16-pixel fixed font, so a table typed with tabs prints as it shows.
inline constexpr int colunasTabulacao = 8;

// The width of a piece of Windows-1252 text, in the units of the page width.
using MedeTexto = std::function<int(std::string_view)>;

// One printed line: the bytes [inicio, fim) of the (tab-expanded) line.
struct TrechoImpresso {
  std::size_t inicio = 0;
  std::size_t fim = 0;
  bool operator==(const TrechoImpresso&) const = default;
};

// The line with every tab turned into blanks up to the next stop (a stop every
// "colunas" columns from the start of the line; fewer than 1 counts as 1).
std::string expandeTabulacoes(std::string_view linha, int colunas = colunasTabulacao);

// Cuts a line without tabs into printed lines no wider than "largura": at the
// last blank that lets the piece fit, past its indent (the blanks at a break
// end no piece and start none), else inside the word where it stops fitting.
// Every piece holds at least one character, whatever the width; an empty line
// is one empty piece. Only blanks lie between one piece and the next.
std::vector<TrechoImpresso> quebraLinhaImpressa(std::string_view texto, int largura, const MedeTexto& mede);

// The printed lines of the document, page by page ("linhasPorPagina" of them,
// at least 1, on each): tabs expanded, long lines wrapped. No lines, no pages.
std::vector<std::vector<std::string>> paginasImpressas(const std::vector<std::string>& linhas, int largura,
                                                       int linhasPorPagina, const MedeTexto& mede);

// The pages "imprimeTexto" draws on this printer with this editor font.
std::vector<std::vector<std::string>> paginasDoTexto(QPrinter& impressora, const QFont& fonte,
                                                     const std::vector<std::string>& linhas);

// Draws the document on the printer, wrapped and paged as "paginasDoTexto"
// lays it out. False when the printer could not be opened or a page not begun.
bool imprimeTexto(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas);

// Asks for the printer through the message service and prints; a failure is
// reported ("Erro ao imprimir o texto"); a cancelled choice does nothing.
void imprimeTextoEscolhendo(const QFont& fonte, const std::vector<std::string>& linhas);
