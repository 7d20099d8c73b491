// The spell-check commands: loading and freeing the dictionary, the next word
// of the document from a position, the check that stops at the next unknown
// word and puts the chosen replacement in its place, and the default names
// of the dictionary files. No widgets: the document and the windows come in
// through the two interfaces below. All text is Windows-1252.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The document as the checker sees it: its lines and the caret.
class DocumentoOrtografia {
 public:
  virtual ~DocumentoOrtografia() = default;
  virtual int numeroLinhas() const = 0;
  // Line i (from 0); "" outside the document.
  virtual std::string linha(int i) const = 0;
  // Line i becomes `texto` (i inside the document).
  virtual void defineLinha(int i, const std::string& texto) = 0;
  // The caret: line and column from 0, as the caret services count them.
  virtual void posicaoCursor(int& linha, int& coluna) const = 0;
  // The caret to a line and column from 0. A column past the line's end stops
  // at the end (the editor has no place there); a line past the last is the
  // end of the text.
  virtual void irParaLinhaColuna(int linha, int coluna) = 0;
};

// What the commands ask of the windows. An empty hook does nothing.
struct JanelasOrtografia {
  // The waiting window, shown while the first use loads the dictionary.
  std::function<void()> mostraEspera;
  std::function<void()> escondeEspera;
  // The two-second notice.
  std::function<void(const std::string& texto)> aviso;
  // The replacement window, modal: it shows palavraOriginal and its
  // suggestions and leaves the user's choice in palavraEscolhida. `frase` is
  // the context line to show; without one the window keeps the last.
  std::function<void(const std::optional<std::string>& frase)> substituicao;
};

// The replacement window's values: the word to replace (set before the
// window opens) and the word to put in its place (set by the window; the
// original when the user leaves it or closes the window).
extern std::string palavraOriginal;
extern std::string palavraEscolhida;

// Makes sure the dictionary is loaded, with the waiting window while it
// loads; on a failure "Erro ao carregar o Dicionário" and false.
bool garanteDicionario(const JanelasOrtografia& janelas);
// "&Carregar dicionário": (re)loads the dictionary; the notice "Dicionário
// carregado", or "Erro ao carregar o Dicionário" and no dictionary.
void carregaDicionario(const JanelasOrtografia& janelas);
// "&Liberar dicionário": frees it with the notice "Dicionário removido da
// memória", or says "Dicionário não estava carregado".
void liberaDicionario(const JanelasOrtografia& janelas);

// The next word from a position: `linha` from 0, `coluna` a 1-based index
// into that line (0 counts as 1). A position inside a word goes back to the
// word's first letter. Found: palavra holds it, linha its line and coluna
// one past its last letter. Not found: linha is the number of lines and
// coluna 0. Never reads outside a line; moves no caret.
bool proximaPalavra(const DocumentoOrtografia& documento, int& linha, int& coluna, std::string& palavra);

// The context shown for a word whose first letter is at 1-based `inicio` of
// `linha`: "..." + the line from 15 characters before the word (from its
// start when there are fewer), inicio + 15 characters long, cut at the
// line's end, + "...".
std::string fraseContexto(std::string_view linha, int inicio);

// "&Procurar palavra errada": from the caret to the next word the dictionary
// does not accept; the replacement window offers suggestions, the choice
// goes into the line and the caret after it. "Fim do Texto" when the text
// ends first, with the caret at the end of the text.
void verificaErro(DocumentoOrtografia& documento, const JanelasOrtografia& janelas);
// "&Outras alternativas": the same for the word at or after the caret,
// valid or not, without a new context line.
void outrasAlternativas(DocumentoOrtografia& documento, const JanelasOrtografia& janelas);

// "Torna padrão" of the dictionary files' window: the five names written to
// section DICIONARIO; a failed write says "Erro ao gravar " + the file.
bool tornaPadraoDicionario();

// Back to the start state: no replacement words, nothing to go on from
// (for tests; the program starts so).
void reiniciaOrtografia();
