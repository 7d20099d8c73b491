// The document and its files: the editor's lines read from and written to
// Windows-1252 text with CR LF, the backup kept at every save, the title bar,
// the five recent files and the guard that protects unsaved changes. The
// commands work on the editor through EditorDocumento, so that they run the
// same in the main window and in tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "arquivos.h"

// The recent files, item 0 the most recent (keys arq1 .. arq5); an item may be
// empty. Read when the main window is created.
extern std::vector<std::string> arquivosRecentes;
// The file chosen in the recent-files submenu, waiting for the next Open.
extern std::string arquivoReabrir;
// Back to the start values (for tests).
void reiniciaArquivos();

// ---------------------------------------------------------------------------
// Text and files.

// A file's bytes as lines: CR LF, a lone LF and a lone CR each end a line;
// a final line end adds no empty line; an empty file has no lines.
std::vector<std::string> separaLinhas(std::string_view conteudo);
// Lines as file bytes: every line followed by CR LF.
std::string juntaLinhas(const std::vector<std::string>& linhas);

enum class ResultadoLeitura { ok, naoExiste, ehPasta, erroLeitura };
// Reads a document's lines; nothing is changed on failure.
ResultadoLeitura leDocumento(std::string_view nome, std::vector<std::string>& linhas);

// The backup of a document: its full name + ".bak".
std::string nomeBackup(std::string_view nome);

// Saves a document so that nothing is ever lost: the new text is written
// whole to a temporary file in the same folder first; only then the old file
// becomes the backup (an old backup is replaced) and the temporary file takes
// the document's name. A failed write changes neither the document nor its
// backup. A missing old file or a backup that cannot be made is not an error.
// A writable document in a folder that takes no new file is written in place
// (the old text is put back if that fails). The result says why it failed.
plataforma::ResultadoGravacao gravaDocumento(std::string_view nome,
                                             const std::vector<std::string>& linhas);

// The folder of a document path (without its last component and without a
// final "/", except the root); empty for an untitled document.
std::string pastaDocumento(std::string_view nome);

// The title bar: "Lumarel - " + name, or "Lumarel" for an untitled document.
std::string tituloJanela(std::string_view nome);

// Brings nome to the front of the recent list: every equal item is taken out
// first, the others move down (item 5 is lost). True when the list changed in
// a way the INI file must keep (a non-empty name that was not first).
bool atualizaListaRecentes(std::vector<std::string>& recentes, const std::string& nome);

// ---------------------------------------------------------------------------
// The commands on the editor.

class EditorDocumento {
 public:
  virtual ~EditorDocumento() = default;
  // The document's lines as the user sees them.
  virtual std::vector<std::string> linhasDocumento() const = 0;
  // Replaces the whole text (a load: no limit, modified flag cleared, undo
  // history emptied).
  virtual void carregaLinhas(const std::vector<std::string>& linhas) = 0;
  virtual bool modificado() const = 0;
  virtual void defineModificado(bool valor) = 0;
  virtual void defineTitulo(const std::string& titulo) = 0;
  // Closes the main window (which asks its own close question).
  virtual void fechaJanela() = 0;
};

// The unsaved-changes guard: true when the command may go on. A modified
// document asks "Quer mesmo abandonar sem gravar ?" (No, OK, Cancel): only OK
// goes on; No also asks the user to save.
bool guardaAlteracoes(const EditorDocumento& editor);

// A failed write of LUMAREL.INI (recent files, ultimoDir) is reported once a
// session: "Erro ao gravar " + the file's path.
void avisaGravacaoIni(bool ok);

// Title bar and recent list from nomeDocumento (the list reaches the INI file
// when a new name comes to its front).
void atualizaTituloRecentes(EditorDocumento& editor);

// Loads a file into the editor. A file that cannot be read shows "Arquivo não
// foi achado" and leaves the text, the name and the modified flag alone.
bool carregaArquivo(EditorDocumento& editor, const std::string& nome);

void novoDocumento(EditorDocumento& editor);
// Open: the waiting recent file, else the open dialog.
void abreDocumento(EditorDocumento& editor);
// Recent item k (0..4) chosen in the submenu.
void abreRecente(EditorDocumento& editor, int k);
// A file dropped on the window (the first of the drop). A folder is refused.
void abreArquivoSolto(EditorDocumento& editor, const std::string& nome);
// Save ("&Salvar", F2): the save dialog for an untitled document, starting in
// the document's folder, else in ultimoDir. True when the file was written.
bool salvaDocumento(EditorDocumento& editor);
void salvaDocumentoComo(EditorDocumento& editor);
// Exit: closes at once when nothing changed; else asks first.
void saiPrograma(EditorDocumento& editor);
// The close question of the main window; writes ultimoDir in every case.
bool podeFechar(const EditorDocumento& editor);

// The help file: dirPrograma + "/lumarel.chm", "/lumarel/lumarel.chm",
// "/lumarel/help/lumarel/lumarel.hlp"; empty when none exists.
std::string localizaAjuda(std::string_view diretorioPrograma);
