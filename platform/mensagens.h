// The one seam through which the programs ask the user anything: message
// boxes, input queries, file names, font and printer choice. The windows
// install the Qt implementation; tests install ServicoMensagensGravador, which
// logs every request and answers from a script. All texts are Windows-1252.
#pragma once

#include <deque>
#include <functional>
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

// ---------------------------------------------------------------------------
// Recording service for tests.

struct RegistroMensagem {
  enum class Tipo { mensagem, pergunta, abrir, salvar, fonte, impressora } pedido;
  TipoMensagem tipo = TipoMensagem::simples;
  std::string titulo;
  std::string texto;
  std::vector<Botao> botoes;
};

class ServicoMensagensGravador : public ServicoMensagens {
 public:
  // What the next request of each kind answers, in order.
  std::deque<Botao> respostasBotao;
  std::deque<std::optional<std::string>> respostasTexto;  // queries and file names
  std::deque<std::optional<EscolhaFonte>> respostasFonte;
  std::deque<std::optional<EscolhaImpressora>> respostasImpressora;

  // Every request, in order.
  std::vector<RegistroMensagem> registro;
  // Requests that found no scripted answer; tests expect none.
  std::vector<std::string> inesperadas;
  // Called for each unexpected request (tests make it a failure).
  std::function<void(const std::string&)> aoInesperado;

  Botao mensagem(TipoMensagem tipo, const std::string& titulo, const std::string& texto,
                 const std::vector<Botao>& botoes) override;
  std::optional<std::string> pergunta(const std::string& titulo, const std::string& rotulo,
                                      const std::string& valorInicial) override;
  std::optional<std::string> nomeArquivoAbrir(const std::string& titulo, const std::string& pasta,
                                              const std::string& filtro) override;
  std::optional<std::string> nomeArquivoSalvar(const std::string& titulo,
                                               const std::string& nomeInicial,
                                               const std::string& filtro) override;
  std::optional<EscolhaFonte> escolheFonte(const EscolhaFonte& atual) override;
  std::optional<EscolhaImpressora> escolheImpressora() override;

  // The texts of the message boxes shown, in order.
  std::vector<std::string> textos() const;
  void limpa();

 private:
  void inesperada(const std::string& descricao);
  std::optional<std::string> respostaTexto(RegistroMensagem::Tipo pedido, const std::string& titulo,
                                           const std::string& texto);
};

}  // namespace plataforma
