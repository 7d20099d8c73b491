#include "ovprint.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

#include "arquivos.h"
#include "brfaixa.h"
#include "brtrabalho.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"
#include "ovlpt.h"
#include "ovvars.h"
#include "perfil.h"

namespace orvento {

namespace {

constexpr std::string_view linhaTeste = "abcdefghijklmnopqrstuvwxyz\r\n";
constexpr std::string_view modoGraficoAlto{"\x1B" "6", 2};
constexpr int limiteDesenho = 300;  // rows and columns 0..299 are embossed

const std::string mensagemSemSaida = "Não consegui abrir a impressora"_cp;
const std::string mensagemFalhaEnvio = "Erro ao acionar a impressora";
const std::string mensagemSaidaDesenho = "A saída da impressão é o próprio desenho: "_cp;
const std::string mensagemDoisDesenhos = "Não é possível imprimir dois desenhos ao mesmo tempo"_cp;

// The guard of "&Imprimir", given back by the worker as its last step, and
// the worker's thread.
TrabalhoSegundoPlano trabalhoDesenho;

// The box of a channel that failed: the message, then the device and why.
std::string textoFalhaSaida(const std::string& mensagem, const std::string& nome) {
  if (nome.empty()) return mensagem;
  return mensagem + "\n" + nome + ": " + motivoFalhaSaida();
}

bool linhaAplicavel(std::string_view linha) {
  return linha.size() >= 5 && linha[2] == '=' && ehDigitoHex(linha[0]) &&
         ehDigitoHex(linha[1]) && ehDigitoHex(linha[3]) && ehDigitoHex(linha[4]);
}

}  // namespace

void aplicaAmbCode(std::string_view conteudo, TTabelaImpressora& tabela) {
  tabela = tabelaIdentidade();
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal)) {
    const std::string_view linha = l.texto;
    // Comments and anything that is not a whole "hh=hh" pass silently: the
    // drawing program must start even with a table it cannot fully use.
    if (linha.empty() || linha[0] == '*' || !linhaAplicavel(linha)) continue;
    tabela[hexParaByte(linha[0], linha[1])] = hexParaByte(linha[3], linha[4]);
  }
}

LeituraAmbCode leArquivoAmbCode(std::string_view caminho, TTabelaImpressora& tabela) {
  tabela = tabelaIdentidade();
  const std::string sistema = plataforma::caminhoSistema(caminho);
  const int d = ::open(sistema.c_str(), O_RDONLY | O_CLOEXEC);
  if (d < 0) return LeituraAmbCode::naoAchada;
  struct stat st{};
  if (::fstat(d, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(d);
    return LeituraAmbCode::naoAchada;
  }
  std::string conteudo;
  char bloco[8192];
  for (;;) {
    const ssize_t n = ::read(d, bloco, sizeof bloco);
    if (n > 0) {
      conteudo.append(bloco, static_cast<std::size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      ::close(d);
      return LeituraAmbCode::erroLeitura;
    }
  }
  ::close(d);
  aplicaAmbCode(conteudo, tabela);
  return LeituraAmbCode::lida;
}

bool carregaAmbCode() {
  // The whole value: a path cut short would name another file.
  const std::string caminho =
      plataforma::lePerfil("LUMAREL", "ambCode2", "ambcode2.cfg", 0, arquivoIni);
  switch (leArquivoAmbCode(caminho, tabAmbCode)) {
    case LeituraAmbCode::lida: return true;
    case LeituraAmbCode::naoAchada:
      plataforma::mostraErro("Arquivo ambcode2.cfg não achado"_cp);
      return true;
    case LeituraAmbCode::erroLeitura:
      plataforma::mostraErro("Erro em ambcode2.cfg");
      return false;
  }
  return true;
}

int faixasDoDesenho(const TMatrizPontos& tela) {
  // Row 0 is never looked at: it lies in the first band, which always goes.
  for (int y = limiteDesenho - 1; y >= 1; --y)
    for (int x = 0; x < limiteDesenho; ++x)
      if (tela.le(x, y) != 0) return y / 3 + 1;
  return 1;
}

void geraFluxoDesenho(const TMatrizPontos& tela, const TTabelaImpressora& tabela,
                      bool altaResolucao, const EnvioBloco& envia) {
  if (!envia(linhaTeste) || !envia(altaResolucao ? modoGraficoAlto : entraModoGrafico)) return;
  const int faixas = faixasDoDesenho(tela);
  for (int i = 0; i < faixas; ++i)
    if (!envia(linhaFaixaGrafica(tela, 3 * i, pontosParaBrailleUnificado, tabela))) return;
  if (envia(saiModoGrafico) && envia(linhaTeste)) envia("\f");
}

std::string enviaDesenho(const TrabalhoDesenho& trabalho) {
  bool ok = true;
  // A failed write does not end the job: the stream goes on to its end, as a
  // device that failed once may take the rest, and the failure is told once.
  geraFluxoDesenho(trabalho.tela, trabalho.tabela, trabalho.altaResolucao, [&](std::string_view bloco) {
    if (cancelaImpressao) return false;
    ok = escreveSaida(bloco) && ok;
    return true;
  });
  ok = fechaSaida() && ok;
  // A cancelled job stopped because the user asked: nothing to tell.
  if (ok || cancelaImpressao) return {};
  return textoFalhaSaida(mensagemFalhaEnvio, trabalho.dispositivo);
}

InicioDesenho imprimeDesenho(const AcoesImprimeDesenho& acoes) {
  // Every way out before the worker starts gives the guard back.
  ReservaTrabalho guarda(trabalhoDesenho);
  if (!guarda) {
    plataforma::mostraMensagem(mensagemDoisDesenhos);
    return InicioDesenho::recusado;
  }

  // The stream written over the drawing's own file would replace the
  // teacher's drawing with printer codes.
  if (saidaEscreveNoArquivo(dispositivo, nomeDesenho)) {
    plataforma::mostraErro(mensagemSaidaDesenho + dispositivo);
    return InicioDesenho::saidaDesenho;
  }
  if (cp1252::maiusculas(dispositivo) == "PRN") {
    const auto escolha = plataforma::servicoMensagens().escolheImpressora();
    if (!escolha) return InicioDesenho::cancelado;
    impDispositivo = escolha->nome;
    impDriver = escolha->driver;
    impPorta = escolha->porta;
  }
  if (!abreSaida(dispositivo)) {
    plataforma::mostraMensagem(textoFalhaSaida(mensagemSemSaida, dispositivo));
    return InicioDesenho::semSaida;
  }

  // Reset before the progress window can be clicked: a cancel made before
  // the worker's first block must not be lost.
  cancelaImpressao = false;
  if (acoes.mostraProgresso) acoes.mostraProgresso();
  auto trabalho =
      std::make_shared<const TrabalhoDesenho>(TrabalhoDesenho{tela, tabAmbCode, altaResolucao, dispositivo});
  trabalhoDesenho.inicia([trabalho, esconde = acoes.escondeProgresso] {
    const std::string falha = enviaDesenho(*trabalho);
    if (esconde) esconde();
    if (!falha.empty()) plataforma::mostraErro(falha);
  });
  guarda.entregue();
  return InicioDesenho::iniciado;
}

bool impressaoDesenhoAtiva() { return trabalhoDesenho.ativo(); }

void aguardaFimImpressaoDesenho() { trabalhoDesenho.aguarda(); }

void encerraImpressaoDesenho(const std::function<void()>& entreEsperas) {
  trabalhoDesenho.encerra(entreEsperas);
}

}  // namespace orvento
