#include "brortog.h"

#include <algorithm>
#include <utility>

#include "brdic.h"
#include "brpalavra.h"
#include "brvars.h"
#include "cp1252.h"
#include "mensagens.h"
#include "perfil.h"

std::string palavraOriginal;
std::string palavraEscolhida;

namespace {

// A command leaves the caret just after the word it stopped at. When that
// word ends its line the place lies past the line's end, which the editor
// cannot hold: the caret stops at the end of the line, right after the word,
// where the next command would find the same word again. The line as the
// command left it is remembered, so that the next command starting from
// the end of that same line goes on after the word.
struct Retomada {
  bool ativa = false;
  int linha = 0;
  std::string texto;
};
Retomada retomada;

// The lines of the document, one read at a time: a scan reads each line
// once, however many words it holds.
class LeitorLinhas {
 public:
  explicit LeitorLinhas(const DocumentoOrtografia& d) : d_(d), numero_(d.numeroLinhas()) {}
  int numero() const { return numero_; }
  const std::string& linha(int i) {
    if (i != atual_) {
      texto_ = d_.linha(i);
      atual_ = i;
    }
    return texto_;
  }

 private:
  const DocumentoOrtografia& d_;
  int numero_;
  int atual_ = -1;
  std::string texto_;
};

bool letra(const std::string& s, int coluna) {
  return letraPalavra(static_cast<unsigned char>(s[static_cast<std::size_t>(coluna - 1)]));
}

bool proxima(LeitorLinhas& leitor, int& linha, int& coluna, std::string& palavra) {
  palavra.clear();
  if (linha < 0) linha = 0;
  if (linha >= leitor.numero()) return false;
  const std::string* s = &leitor.linha(linha);
  for (;;) {
    const int n = static_cast<int>(s->size());
    if (coluna <= 0) coluna = 1;
    if (coluna <= n && letra(*s, coluna)) {
      // Back to the word's first letter; the test of the column comes first,
      // so nothing before the line is read.
      while (coluna > 0 && letra(*s, coluna)) --coluna;
      ++coluna;
    } else {
      while (coluna <= n && !letra(*s, coluna)) ++coluna;
    }
    if (coluna > n) {
      coluna = 0;
      ++linha;
      if (linha >= leitor.numero()) return false;
      s = &leitor.linha(linha);
      continue;
    }
    const int inicio = coluna;
    while (coluna <= n && letra(*s, coluna)) ++coluna;
    palavra.assign(*s, static_cast<std::size_t>(inicio - 1), static_cast<std::size_t>(coluna - inicio));
    return true;
  }
}

void aviso(const JanelasOrtografia& janelas, const std::string& texto) {
  if (janelas.aviso) janelas.aviso(texto);
}

// Where a command starts: the caret, or just past the word a command before
// left the caret after at the end of its line.
void posicaoInicial(const DocumentoOrtografia& documento, int& linha, int& coluna) {
  documento.posicaoCursor(linha, coluna);
  const Retomada r = std::move(retomada);
  retomada = Retomada{};
  if (!r.ativa || linha != r.linha || linha < 0 || linha >= documento.numeroLinhas()) return;
  const std::string texto = documento.linha(linha);
  if (texto == r.texto && coluna == static_cast<int>(texto.size()))
    coluna = static_cast<int>(texto.size()) + 1;
}

void fimDoTexto(DocumentoOrtografia& documento, int numeroLinhas) {
  plataforma::mostraMensagem("Fim do Texto");
  documento.irParaLinhaColuna(numeroLinhas, 0);
}

// The word found ends just before 1-based `coluna` of `linha`: the window
// offers replacements, the choice goes into the line and the caret after it.
void substituiPalavra(DocumentoOrtografia& documento, const JanelasOrtografia& janelas, int linha, int coluna,
                      const std::string& palavra, const std::optional<std::string>& frase) {
  documento.irParaLinhaColuna(linha, coluna - 1);
  palavraOriginal = palavra;
  palavraEscolhida = palavraOriginal;
  if (janelas.substituicao) janelas.substituicao(frase);
  const int inicio = coluna - static_cast<int>(palavra.size());
  std::string texto = documento.linha(linha);
  if (palavraEscolhida != palavraOriginal) {
    texto.replace(static_cast<std::size_t>(inicio - 1), palavra.size(), palavraEscolhida);
    documento.defineLinha(linha, texto);
  }
  const int destino = inicio + static_cast<int>(palavraEscolhida.size());
  if (destino > static_cast<int>(texto.size())) retomada = Retomada{true, linha, texto};
  documento.irParaLinhaColuna(linha, destino);
}

}  // namespace

bool garanteDicionario(const JanelasOrtografia& janelas) {
  if (dicionarioCarregado) return true;
  if (janelas.mostraEspera) janelas.mostraEspera();
  dicionarioCarregado = montaDicionarioConfigurado() == 0;
  if (janelas.escondeEspera) janelas.escondeEspera();
  if (dicionarioCarregado) return true;
  plataforma::mostraMensagem("Erro ao carregar o Dicionário"_cp);
  return false;
}

void carregaDicionario(const JanelasOrtografia& janelas) {
  if (dicionarioCarregado) desmontaDicionario();
  dicionarioCarregado = montaDicionarioConfigurado() == 0;
  if (dicionarioCarregado)
    aviso(janelas, "Dicionário carregado"_cp);
  else
    plataforma::mostraMensagem("Erro ao carregar o Dicionário"_cp);
}

void liberaDicionario(const JanelasOrtografia& janelas) {
  if (dicionarioCarregado) {
    desmontaDicionario();
    aviso(janelas, "Dicionário removido da memória"_cp);
  } else {
    plataforma::mostraMensagem("Dicionário não estava carregado"_cp);
  }
  dicionarioCarregado = false;
}

bool proximaPalavra(const DocumentoOrtografia& documento, int& linha, int& coluna, std::string& palavra) {
  LeitorLinhas leitor(documento);
  return proxima(leitor, linha, coluna, palavra);
}

std::string fraseContexto(std::string_view linha, int inicio) {
  const int desde = std::max(1, inicio - 15);
  const int tamanho = std::max(0, inicio + 15);
  std::string_view contexto;
  if (static_cast<std::size_t>(desde - 1) < linha.size())
    contexto = linha.substr(static_cast<std::size_t>(desde - 1), static_cast<std::size_t>(tamanho));
  return "..." + std::string(contexto) + "...";
}

void verificaErro(DocumentoOrtografia& documento, const JanelasOrtografia& janelas) {
  if (!garanteDicionario(janelas)) return;
  LeitorLinhas leitor(documento);
  const int n = leitor.numero();
  int linha = 0;
  int coluna = 0;
  posicaoInicial(documento, linha, coluna);
  std::string palavra;
  for (;;) {
    if (!proxima(leitor, linha, coluna, palavra)) {
      fimDoTexto(documento, n);
      return;
    }
    if (!palavraValida(palavra)) break;
    ++coluna;
  }
  const std::string frase = fraseContexto(leitor.linha(linha), coluna - static_cast<int>(palavra.size()));
  substituiPalavra(documento, janelas, linha, coluna, palavra, frase);
}

void outrasAlternativas(DocumentoOrtografia& documento, const JanelasOrtografia& janelas) {
  // A failed load has said so once; the scan does not try again.
  if (!garanteDicionario(janelas)) return;
  LeitorLinhas leitor(documento);
  int linha = 0;
  int coluna = 0;
  posicaoInicial(documento, linha, coluna);
  std::string palavra;
  if (!proxima(leitor, linha, coluna, palavra)) {
    fimDoTexto(documento, leitor.numero());
    return;
  }
  substituiPalavra(documento, janelas, linha, coluna, palavra, std::nullopt);
}

bool tornaPadraoDicionario() {
  if (gravaConfigDicionario()) return true;
  plataforma::mostraErro("Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni));
  return false;
}

void reiniciaOrtografia() {
  palavraOriginal.clear();
  palavraEscolhida.clear();
  retomada = Retomada{};
}
