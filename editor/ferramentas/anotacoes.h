// Annotations and reviewer mode without their windows: writing an annotation
// before the caret's line, the items of the annotation list and the line each
// leads to, and what turning reviewer mode on or off shows and sounds.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "linhaanotacao.h"
#include "linhaseditor.h"

// "Criar &Anotação": asks for the comment (box "Anotar", "Incluir comentário")
// and puts its annotation line before the line of the selection start, as one
// edit. False, with nothing written, when the box is cancelled or left empty.
// Reviewer mode does not stop it: a reviewer annotates a read-only text.
bool criaAnotacao(LinhasEditor& e);

// The text the list shows for an annotation line: the line without its first
// four characters, trimmed, without a final "***>" (the blank before that
// mark then stays).
std::string textoDaAnotacao(std::string_view linha);

struct ListaAnotacoes {
  std::vector<std::string> itens;  // line number from 1 + " - " + text
  int selecionado = -1;            // the first on or after the caret's line; -1: none
};
ListaAnotacoes listaAnotacoes(const LinhasEditor& e);

// The document line (from 0) an item leads to: the whole number before its
// first blank, less one; nothing when that is not a line number.
std::optional<int> linhaDoItem(std::string_view item);

// "Buscar": the caret to the start of the item's line, nothing selected.
// False, moving nothing, when the item leads to no line.
bool vaiParaAnotacao(LinhasEditor& e, std::string_view item);

// Reviewer mode is the editor's read-only flag; this is how it looks.
struct AspectoRevisor {
  bool somenteLeitura = false;  // also the check mark of "Modo &Revisor"
  std::string painel;           // the status bar's second panel
  int vermelho = 255, verde = 255, azul = 255;  // the editor's background
  bool operator==(const AspectoRevisor&) const = default;
};

// "Modo &Revisor": the look after toggling the flag that is `somenteLeitura`
// now. Turning on beeps twice with a pause of 300 ms between; turning off
// beeps once.
AspectoRevisor alternaModoRevisor(bool somenteLeitura, const std::function<void()>& bipe,
                                  const std::function<void(int ms)>& pausa);
