#include "brarquivo.h"

#include <sys/stat.h>

#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"
#include "perfil.h"

using plataforma::Botao;
using plataforma::TipoMensagem;

std::vector<std::string> arquivosRecentes(5);
std::string arquivoReabrir;

namespace {
bool falhaIniAvisada = false;
}  // namespace

void reiniciaArquivos() {
  arquivosRecentes.assign(5, std::string());
  arquivoReabrir.clear();
  falhaIniAvisada = false;
}

namespace {

const std::string textoAbandonar = "Quer mesmo abandonar sem gravar ?";
const std::string textoExecuteSalvar = "Por favor, execute \"Arquivo/Salvar\"";
const std::string textoNaoAchado = "Arquivo não foi achado"_cp;
const std::string textoRegravar = "Cuidado! Vou regravar arquivo existente ";
const std::string textoErroSalvar = "Erro ao salvar o arquivo";
const std::string textoFechando = "Fechando o programa, tudo foi salvo ?";
const std::string filtroAbrir = "Arquivos de texto|*.TXT|Todos os arquivos|*.*";
const std::string filtroSalvar = "Arquivo de texto|*.txt|Todos os arquivos|*.*";
const std::string extensaoPadrao = ".txt";

// The name the save dialog gave, with the default extension when the last
// component has none.
std::string comExtensaoPadrao(const std::string& nome) { return plataforma::comExtensao(nome, extensaoPadrao); }

bool existe(const std::string& nome) {
  struct stat st {};
  return ::stat(plataforma::caminhoSistema(nome).c_str(), &st) == 0;
}

bool ehPasta(const std::string& nome) {
  struct stat st {};
  return ::stat(plataforma::caminhoSistema(nome).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

// ---------------------------------------------------------------------------

std::vector<std::string> separaLinhas(std::string_view conteudo) {
  std::vector<std::string> linhas;
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::crLfLfOuCr))
    linhas.emplace_back(l.texto);
  return linhas;
}

std::string juntaLinhas(const std::vector<std::string>& linhas) {
  std::size_t total = 0;
  for (const auto& l : linhas) total += l.size() + 2;
  std::string r;
  r.reserve(total);
  for (const auto& l : linhas) {
    r += l;
    r += "\r\n";
  }
  return r;
}

ResultadoLeitura leDocumento(std::string_view nome, std::vector<std::string>& linhas) {
  const std::string sistema = plataforma::caminhoSistema(nome);
  struct stat st {};
  if (sistema.empty() || ::stat(sistema.c_str(), &st) != 0) return ResultadoLeitura::naoExiste;
  if (S_ISDIR(st.st_mode)) return ResultadoLeitura::ehPasta;
  std::string conteudo;
  if (!plataforma::leArquivo(nome, conteudo)) return ResultadoLeitura::erroLeitura;
  linhas = separaLinhas(conteudo);
  return ResultadoLeitura::ok;
}

std::string nomeBackup(std::string_view nome) { return std::string(nome) + ".bak"; }

plataforma::ResultadoGravacao gravaDocumento(std::string_view nome,
                                             const std::vector<std::string>& linhas) {
  plataforma::OpcoesGravacao opcoes;
  opcoes.backup = nomeBackup(nome);
  // A writable document in a folder the user may not add files to must
  // still be saved.
  opcoes.noLugar = true;
  return plataforma::gravaArquivo(nome, juntaLinhas(linhas), opcoes);
}

std::string pastaDocumento(std::string_view nome) {
  const std::size_t barra = nome.find_last_of('/');
  if (barra == std::string_view::npos) return {};
  if (barra == 0) return "/";
  return std::string(nome.substr(0, barra));
}

std::string tituloJanela(std::string_view nome) {
  if (nome.empty()) return "Lumarel";
  return "Lumarel - " + std::string(nome);
}

bool atualizaListaRecentes(std::vector<std::string>& recentes, const std::string& nome) {
  recentes.resize(5);
  // An item equal to the name is taken out and the rest moves up; the scan
  // goes on with the next place.
  for (std::size_t i = 0; i < 5; ++i) {
    if (recentes[i] != nome) continue;
    for (std::size_t j = i; j + 1 < 5; ++j) recentes[j] = recentes[j + 1];
    recentes[4].clear();
  }
  if (nome.empty() || nome == recentes[0]) return false;
  for (std::size_t j = 4; j > 0; --j) recentes[j] = recentes[j - 1];
  recentes[0] = nome;
  return true;
}

// ---------------------------------------------------------------------------

bool guardaAlteracoes(const EditorDocumento& editor) {
  if (!editor.modificado()) return true;
  const Botao b = plataforma::servicoMensagens().mensagem(
      TipoMensagem::informacao, {}, textoAbandonar, {Botao::nao, Botao::ok, Botao::cancelar});
  if (b == Botao::ok) return true;
  if (b == Botao::nao) plataforma::mostraAviso(textoExecuteSalvar);
  return false;
}

void avisaGravacaoIni(bool ok) {
  // A settings file that cannot be written usually stays so (a read-only
  // folder): one box a session says it, and the program goes on.
  if (ok || falhaIniAvisada) return;
  falhaIniAvisada = true;
  plataforma::mostraErro("Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni));
}

void atualizaTituloRecentes(EditorDocumento& editor) {
  editor.defineTitulo(tituloJanela(nomeDocumento));
  // A recent list that cannot reach the INI file still serves this session.
  if (atualizaListaRecentes(arquivosRecentes, nomeDocumento))
    avisaGravacaoIni(gravaArquivosRecentes(arquivosRecentes));
}

bool carregaArquivo(EditorDocumento& editor, const std::string& nome) {
  std::vector<std::string> linhas;
  if (leDocumento(nome, linhas) != ResultadoLeitura::ok) {
    plataforma::mostraErro(textoNaoAchado);
    return false;
  }
  editor.carregaLinhas(linhas);
  return true;
}

void novoDocumento(EditorDocumento& editor) {
  if (!guardaAlteracoes(editor)) return;
  editor.carregaLinhas({});
  nomeDocumento.clear();
  atualizaTituloRecentes(editor);
}

void abreDocumento(EditorDocumento& editor) {
  if (!guardaAlteracoes(editor)) return;
  if (!arquivoReabrir.empty()) {
    const std::string nome = std::move(arquivoReabrir);
    arquivoReabrir.clear();
    if (carregaArquivo(editor, nome)) nomeDocumento = nome;
  } else {
    const auto nome = plataforma::servicoMensagens().nomeArquivoAbrir(
        {}, pastaDocumento(nomeDocumento), filtroAbrir);
    if (nome && !nome->empty() && carregaArquivo(editor, *nome)) nomeDocumento = *nome;
  }
  atualizaTituloRecentes(editor);
}

void abreRecente(EditorDocumento& editor, int k) {
  if (k < 0 || k >= static_cast<int>(arquivosRecentes.size())) return;
  arquivoReabrir = arquivosRecentes[static_cast<std::size_t>(k)];
  abreDocumento(editor);
}

void abreArquivoSolto(EditorDocumento& editor, const std::string& nome) {
  if (nome.empty() || ehPasta(nome)) {
    plataforma::mostraErro(textoNaoAchado);
    return;
  }
  if (!guardaAlteracoes(editor)) return;
  if (!carregaArquivo(editor, nome)) return;
  nomeDocumento = nome;
  atualizaTituloRecentes(editor);
}

namespace {

// Save with the dialog starting in `pasta` for an untitled document.
bool salvaDocumentoEm(EditorDocumento& editor, const std::string& pasta) {
  if (nomeDocumento.empty()) {
    const auto escolhido = plataforma::servicoMensagens().nomeArquivoSalvar({}, pasta, filtroSalvar);
    if (!escolhido || escolhido->empty()) return false;
    const std::string nome = comExtensaoPadrao(*escolhido);
    // The name is taken only when the user lets an existing file be
    // replaced: a declined name must not be written by the next save.
    if (existe(nome)) {
      const Botao b = plataforma::servicoMensagens().mensagem(
          TipoMensagem::simples, {}, textoRegravar + nome, {Botao::ok, Botao::cancelar});
      if (b != Botao::ok) return false;
    }
    nomeDocumento = nome;
  }
  const auto resultado = gravaDocumento(nomeDocumento, editor.linhasDocumento());
  const bool ok = resultado.ok;
  if (ok)
    editor.defineModificado(false);
  else
    plataforma::mostraInformacao(textoErroSalvar + "\n" + nomeDocumento + ": " +
                                 plataforma::motivoFalha(resultado));
  atualizaTituloRecentes(editor);
  return ok;
}

// The folder a save dialog starts in: the document's, else the one the last
// session closed in.
std::string pastaInicialSalvar(const std::string& documento) {
  const std::string pasta = pastaDocumento(documento);
  return pasta.empty() ? leUltimoDir() : pasta;
}

}  // namespace

bool salvaDocumento(EditorDocumento& editor) {
  return salvaDocumentoEm(editor, pastaInicialSalvar(nomeDocumento));
}

void salvaDocumentoComo(EditorDocumento& editor) {
  const std::string guardado = nomeDocumento;
  nomeDocumento.clear();
  salvaDocumentoEm(editor, pastaInicialSalvar(guardado));
  if (nomeDocumento.empty()) nomeDocumento = guardado;
  atualizaTituloRecentes(editor);
}

void saiPrograma(EditorDocumento& editor) {
  if (editor.modificado()) {
    const Botao b = plataforma::servicoMensagens().mensagem(
        TipoMensagem::informacao, {}, textoAbandonar, {Botao::nao, Botao::ok, Botao::cancelar});
    if (b != Botao::ok) return;
  }
  editor.fechaJanela();
}

bool podeFechar(const EditorDocumento& editor) {
  bool pode = true;
  if (editor.modificado()) {
    const Botao b = plataforma::servicoMensagens().mensagem(
        TipoMensagem::confirmacao, {}, textoFechando, {Botao::ok, Botao::cancelar});
    pode = b == Botao::ok;
  }
  avisaGravacaoIni(gravaUltimoDir(pastaDocumento(nomeDocumento)));
  return pode;
}

std::string localizaAjuda(std::string_view diretorioPrograma) {
  const std::string candidatos[] = {plataforma::juntaCaminho(diretorioPrograma, "lumarel.chm"),
                                    "/lumarel/lumarel.chm", "/lumarel/help/lumarel/lumarel.hlp"};
  for (const auto& c : candidatos) {
    struct stat st {};
    if (::stat(plataforma::caminhoSistema(c).c_str(), &st) == 0 && S_ISREG(st.st_mode)) return c;
  }
  return {};
}
