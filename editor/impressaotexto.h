// Ink printing of the document: every line of the editor one printed line,
// in the editor's font, on the printer (or PDF file) the user chose.
#pragma once

#include <QFont>
#include <QPrinter>
#include <string>
#include <vector>

// Draws the lines on the printer, a new page whenever the page is full; tabs
// expanded. False when the printer could not be opened or a page not begun.
bool imprimeTexto(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas);

// Asks for the printer through the message service and prints; a failure is
// reported ("Erro ao imprimir o texto"); a cancelled choice does nothing.
void imprimeTextoEscolhendo(const QFont& fonte, const std::vector<std::string>& linhas);
