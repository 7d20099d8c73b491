// The one seam through which the programs ask the user anything: message
// boxes, input queries, file names, font and printer choice. The programs
// install the Qt implementation; tests install a recording one, which logs
// every request and answers from a script. All texts are Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plataforma {

enum class TipoMensagem { informacao, aviso, erro, confirmacao, simples };

enum class Botao { nenhum, ok, cancelar, sim, nao };

struct EscolhaFonte {
  std::string nome;
  int tamanho = 0;
  bool negrito = false;
  bool italico = false;
};

struct EscolhaImpressora {
  std::string nome;     // device name
  std::string driver;   // driver name, where the system has one
  std::string porta;    // port or device URI
};

class ServicoMensagens {
 public:
  virtual ~ServicoMensagens() = default;

  // A message box with the buttons the caller names; the button chosen
  // (Botao::nenhum when the box was closed without one). An empty title means
  // the program's title.
  virtual Botao mensagem(TipoMensagem tipo, const std::string& titulo, const std::string& texto,
                         const std::vector<Botao>& botoes) = 0;
  // The same with a text in UTF-8, for what Windows-1252 cannot hold (a file
  // name as the user wrote it). A service that shows only Windows-1252 gets
  // the text with "?" for each character the code page lacks.
  virtual Botao mensagemUtf8(TipoMensagem tipo, const std::string& titulo,
                             const std::string& textoUtf8, const std::vector<Botao>& botoes);

  // An input query: the text typed, or nothing when cancelled.
  virtual std::optional<std::string> pergunta(const std::string& titulo, const std::string& rotulo,
                                              const std::string& valorInicial) = 0;

  // File names for opening and saving; filtro is "Description|*.ext|..." as
  // the old dialogs took it. Nothing when cancelled.
  virtual std::optional<std::string> nomeArquivoAbrir(const std::string& titulo,
                                                      const std::string& pasta,
                                                      const std::string& filtro) = 0;
  virtual std::optional<std::string> nomeArquivoSalvar(const std::string& titulo,
                                                       const std::string& nomeInicial,
                                                       const std::string& filtro) = 0;

  virtual std::optional<EscolhaFonte> escolheFonte(const EscolhaFonte& atual) = 0;
  virtual std::optional<EscolhaImpressora> escolheImpressora() = 0;
};

// The service in force. Until one is installed, every request is answered as
// if the user closed it (nenhum / nothing), so nothing hangs.
ServicoMensagens& servicoMensagens();
// Installs a service (not owned; nullptr restores the silent default).
void instalaServicoMensagens(ServicoMensagens* servico);

// Shorthands for the common boxes with an OK button.
void mostraErro(const std::string& texto, const std::string& titulo = {});
void mostraInformacao(const std::string& texto, const std::string& titulo = {});
void mostraAviso(const std::string& texto, const std::string& titulo = {});
void mostraMensagem(const std::string& texto, const std::string& titulo = {});

// The error box of a file name that the programs cannot hold (a character
// outside Windows-1252): "Nome de arquivo que o programa não aceita: " and the
// name as the user wrote it (UTF-8). Such a name is never opened, written or
// listed under another name.
void mostraNomeRecusado(const std::string& nomeUtf8);

}  // namespace plataforma
