// The spelling dictionary: its five files (word stems, suffix classes, words
// never accepted, names accepted as written, rewrites for suggestions), the
// structures they load into and the loading itself. One object holds the
// whole dictionary; the globals below are views of the program's instance.
// All text is Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------
// Comparisons. "Without regard to case" means equal after the Windows-1252
// case tables; every sorted list ignoring case uses the order of the texts
// folded to lower case, so that its order and its equality agree.

// <0, 0 or >0 as a comes before, equals or follows b, without regard to case.
int comparaTexto(std::string_view a, std::string_view b);
// The same byte for byte.
int comparaTextoExato(std::string_view a, std::string_view b);
// The text folded to lower case with the Windows-1252 tables.
std::string dobraTexto(std::string_view texto);
// The same into destino (reusing its memory).
void dobraTexto(std::string_view texto, std::string& destino);

// Hashing for maps keyed by std::string and looked up by std::string_view.
struct HashTexto {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// ---------------------------------------------------------------------------
// The structures.

// One line of the word file: a stem and the class names after it ("=" is the
// stem itself as a word).
struct TDicio {
  TDicio(std::string palavra, std::string classes)
      : palavra(std::move(palavra)), classes(std::move(classes)) {}
  std::string palavra;
  std::string classes;
};

// The word file's entries sorted by stem without regard to case; entries of
// one stem keep their file order.
class TDicList {
 public:
  TDicList() = default;
  // The index points into the list's own keys: no copies.
  TDicList(const TDicList&) = delete;
  TDicList& operator=(const TDicList&) = delete;

  void adiciona(TDicio entrada);
  // Sorts the entries and indexes them; call after the last adiciona.
  void ordena();
  void limpa();

  // Binary search: true when an entry with that stem (any case) exists; indice
  // is the first such entry, or where the stem would be inserted.
  bool procuraPalavra(std::string_view palavra, int& indice) const;
  // The entries [primeiro, fim) whose stem, folded, is `dobrada` (empty range
  // when none): the fast lookup of the checks.
  std::pair<std::size_t, std::size_t> entradas(std::string_view dobrada) const;

  std::size_t size() const { return itens_.size(); }
  const TDicio& operator[](std::size_t i) const { return itens_[i]; }
  // The length of the longest stem.
  std::size_t maior() const { return maior_; }

 private:
  std::vector<TDicio> itens_;
  std::vector<std::string> chaves_;  // folded stems, same order as itens_
  std::unordered_map<std::string_view, std::pair<std::uint32_t, std::uint32_t>, HashTexto,
                     std::equal_to<>>
      indice_;
  std::size_t maior_ = 0;
};

// One suffix class: its name and suffixes as written, in file order.
struct TClasseSufixos {
  std::string nome;
  std::vector<std::string> sufixos;
  std::unordered_set<std::string, HashTexto, std::equal_to<>> dobrados;  // folded, for checks
};

// The suffix classes sorted by name without regard to case; of two classes of
// one name, the first in the file is the one found.
class TListaSufixos {
 public:
  // Opens a new class and returns it (valid until the next call).
  TClasseSufixos& novaClasse(std::string nome);
  void ordena();
  void limpa();

  // The class of that name (any case), or nullptr.
  const TClasseSufixos* procura(std::string_view nome) const;
  // The same for a name already folded.
  const TClasseSufixos* procuraDobrado(std::string_view dobrado) const;

  std::size_t size() const { return itens_.size(); }
  const TClasseSufixos& operator[](std::size_t i) const { return itens_[i]; }
  // The length of the longest suffix of any class.
  std::size_t maiorSufixo() const { return maiorSufixo_; }

 private:
  std::vector<TClasseSufixos> itens_;
  std::size_t maiorSufixo_ = 0;
  std::unordered_map<std::string, std::size_t, HashTexto, std::equal_to<>> indice_;
};

// A sorted word list, with or without regard to case.
class TListaTexto {
 public:
  explicit TListaTexto(bool sensivelMaiusculas = false) : sensivel_(sensivelMaiusculas) {}
  void adiciona(std::string palavra);
  void ordena();
  void limpa(bool sensivelMaiusculas);

  // The list holds the word (with regard to case when it was made so).
  bool contem(std::string_view palavra) const;

  bool sensivel() const { return sensivel_; }
  std::size_t size() const { return itens_.size(); }
  const std::string& operator[](std::size_t i) const { return itens_[i]; }
  std::size_t maior() const { return maior_; }

 private:
  bool sensivel_;
  std::vector<std::string> itens_;
  std::size_t maior_ = 0;
};

// ---------------------------------------------------------------------------
// The dictionary.

class TDicionario {
 public:
  TListaSufixos listaSufixos;
  TDicList listaPalavras;
  TListaTexto listaExcecoes{false};
  TListaTexto listaNomes{true};
  std::vector<std::string> listaErrado;  // suggestion pairs: left sides,
  std::vector<std::string> listaCerto;   // right sides, same index

  // Each reads one file, named as configured (see localizaArquivoDicionario),
  // into a new structure; false when it cannot be opened or, for the
  // suggestions, at the first bad line ("Linha errada no arquivo " + arquivo
  // + ": " + the line, shown as a plain message; the pairs before it stay).
  bool carregaSufixos(std::string_view arquivo);
  bool carregaPalavras(std::string_view arquivo);
  bool carregaLista(TListaTexto& lista, std::string_view arquivo, bool sensivelMaiusculas);
  bool carregaSugestoes(std::string_view arquivo);

  // Loads the five files in the order suffixes, words, rejects, names,
  // suggestions, stopping at the first failure: 0, or 2, 1, 3, 4, 5 for the
  // file that failed. Whatever was loaded before is dropped first.
  int monta(std::string_view arqDic, std::string_view arqSufixos, std::string_view arqExcecoes,
            std::string_view arqNomes, std::string_view arqSugestoes);
  // Frees every structure.
  void desmonta();

  // Word validity and suggestions (see brpalavra.h).
  bool palavraValida(std::string_view palavra);
  std::vector<std::string> expandeVerbete(const TDicio& verbete);
  void sugestoes(std::string_view palavra, std::vector<std::string>& lista);

 private:
  // True when the entry makes stem + ending, `fimDobrado` being the folded
  // ending (empty for the stem itself). Unknown classes are reported.
  bool entradaProduz(const TDicio& entrada, std::string_view fimDobrado);
  // Shows "problemas no dicionário: sufixo " + classe once per class per load.
  void avisaSufixo(std::string_view classe);
  // The length past which no word can be valid.
  std::size_t maiorValida() const;

  std::unordered_set<std::string, HashTexto, std::equal_to<>> sufixosAvisados_;
  std::string fichaDobrada_;  // buffer of the checks
};

// The program's dictionary and the views of it under their usual names.
extern TDicionario dicionario;
extern TListaSufixos& listaSufixos;
extern TDicList& listaPalavras;
extern TListaTexto& listaExcecoes;
extern TListaTexto& listaNomes;
extern std::vector<std::string>& listaErrado;
extern std::vector<std::string>& listaCerto;

// The readers and the load, on `dicionario`.
bool carregaSufixos(std::string_view arquivo);
bool carregaPalavras(std::string_view arquivo);
bool carregaLista(TListaTexto& lista, std::string_view arquivo, bool sensivelMaiusculas);
bool carregaSugestoes(std::string_view arquivo);
int montaDicionario(std::string_view arqDic, std::string_view arqSufixos,
                    std::string_view arqExcecoes, std::string_view arqNomes,
                    std::string_view arqSugestoes);
// montaDicionario with the five names of the settings (section DICIONARIO).
int montaDicionarioConfigurado();
void desmontaDicionario();

// ---------------------------------------------------------------------------
// Where the files are.

// The file a configured dictionary name reads: an absolute name as it is; a
// relative one in the Windows directory when it is there, else in
// dirPrograma.
std::string localizaArquivoDicionario(std::string_view nome);

// The contents of a dictionary file as Windows-1252: a file that is all valid
// UTF-8 with some character beyond ASCII (edited by hand) is converted, a
// leading byte-order mark dropped. False when it cannot be read.
bool leArquivoDicionario(std::string_view nome, std::string& conteudo);

// The copy of a names or reject list that the user edits.
struct CopiaEditavel {
  bool ok = false;
  std::string caminho;  // the file to open and write
  std::string motivo;   // why the copy could not be made (Windows-1252)
};
// For a relative name, the file of that name in the Windows directory, made
// on first use from the one in dirPrograma (empty when there is none), so the
// shipped files are never edited and the loader finds the copy first. An
// absolute name is the user's own file and is used as it is.
CopiaEditavel arquivoEditavel(std::string_view nome);
// The same for the configured names list (ARQNOMES) and reject list (ARQINEXIST).
CopiaEditavel arquivoNomesEditavel();
CopiaEditavel arquivoExcecoesEditavel();
