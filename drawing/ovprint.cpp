#include "ovprint.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "arquivos.h"
#include "brfaixa.h"
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
  envia(linhaTeste);
  envia(altaResolucao ? modoGraficoAlto : entraModoGrafico);
  const int faixas = faixasDoDesenho(tela);
  for (int i = 0; i < faixas; ++i)
    envia(linhaFaixaGrafica(tela, 3 * i, pontosParaBrailleUnificado, tabela));
  envia(saiModoGrafico);
  envia(linhaTeste);
  envia("\f");
}

void imprimeDesenho() {
  if (cp1252::maiusculas(dispositivo) == "PRN") {
    const auto escolha = plataforma::servicoMensagens().escolheImpressora();
    if (!escolha) return;
    impDispositivo = escolha->nome;
    impDriver = escolha->driver;
    impPorta = escolha->porta;
  }
  if (!abreSaida(dispositivo)) {
    plataforma::mostraMensagem("Não consegui abrir a impressora"_cp);
    return;
  }
  geraFluxoDesenho(tela, tabAmbCode, altaResolucao, escreveSaida);
  fechaSaida();
}

}  // namespace orvento
