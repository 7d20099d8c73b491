#include "brdevice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "arquivos.h"
#include "brcom.h"
#include "brgeometria.h"
#include "brtiger.h"
#include "brvars.h"
#include "cp1252.h"

std::string portaSaida;
int hImpressora = -1;

namespace {

// ---------------------------------------------------------------------------
// The channel.

enum class Canal { nenhum, serial, paralela, arquivo, filaRede, tiger, spooler };

Canal canal = Canal::nenhum;
// The embosser model as it was when the channel opened: the worker sends
// through the channel while a settings window may change the live setting.
std::string marcaCanal;
int descritorArquivo = -1;  // the file channel
int hFilaRede = -1;         // the network queue channel

}  // namespace

// ---------------------------------------------------------------------------

std::string resolveNomeSaida(std::string_view nome, std::string_view documento) {
  const std::string maiusculo = cp1252::maiusculas(nome);
  std::string servidor, fila;
  if (nome.empty() || nome.front() == '/' || ehPortaSerial(maiusculo) ||
      ehPortaParalela(maiusculo) || maiusculo == "PRN" || separaNomeRede(nome, servidor, fila))
    return std::string(nome);
  const std::size_t barra = documento.rfind('/');
  if (barra == std::string_view::npos) return std::string(nome);
  return plataforma::juntaCaminho(documento.substr(0, barra + 1), nome);
}

bool abreDispositivo(std::string_view nome) {
  if (canal != Canal::nenhum) fechaDispositivo();
  portaSaida = cp1252::maiusculas(nome);
  marcaCanal = configuracao.Marca;
  atualizaModoTiger();
  if (ehPortaSerial(portaSaida)) {
    if (!abreCom(portaSaida)) return false;
    canal = Canal::serial;
    return true;
  }
  if (ehPortaParalela(portaSaida)) {
    if (!abrePorta(portaSaida)) return false;
    canal = Canal::paralela;
    return true;
  }
  if (portaSaida != "PRN") {
    portaSaida = std::string(nome);
    std::string servidor, fila;
    if (separaNomeRede(nome, servidor, fila)) {
      hFilaRede = abreFilaRedeRaw(nome, nomeDocumento);
      if (hFilaRede < 0) return false;
      canal = Canal::filaRede;
      return true;
    }
    descritorArquivo = abreArquivoSaida(nome);
    if (descritorArquivo < 0) return false;
    canal = Canal::arquivo;
    return true;
  }
  if (ehTiger(marcaCanal)) {
    if (!abreTiger()) return false;
    canal = Canal::tiger;
    return true;
  }
  hImpressora = abreImpressoraRaw(nomeImpressora, portaImpressora, nomeDocumento);
  if (hImpressora < 0) return false;
  iniciaPaginaRaw(hImpressora);
  canal = Canal::spooler;
  return true;
}

bool enviaDispositivo(std::string_view texto) {
  switch (canal) {
    case Canal::serial: return enviaCom(texto);
    case Canal::paralela: return enviaPorta(texto);
    case Canal::arquivo:
    case Canal::filaRede: {
      // The Puma 7 is fed from a file by hand: its page end is a visible line.
      if (marcaCanal == "Puma 7" && texto == "\f") texto = linhaSeparadoraPuma;
      if (canal == Canal::arquivo) return escreveDescritor(descritorArquivo, texto);
      return texto.empty() || escreveImpressoraRaw(hFilaRede, texto) == texto.size();
    }
    case Canal::tiger:
    case Canal::spooler: return enviaImpressora(texto);
    case Canal::nenhum: return false;
  }
  return false;
}

bool enviaImpressora(std::string_view texto) {
  if (canal == Canal::tiger) return escreveTiger(texto);
  if (canal != Canal::spooler) return false;
  // Only leading form feeds end job pages; any other is data.
  while (!texto.empty() && texto.front() == '\f') {
    if (escreveImpressoraRaw(hImpressora, "\f") != 1) return false;
    terminaPaginaRaw(hImpressora);
    texto.remove_prefix(1);
    iniciaPaginaRaw(hImpressora);
  }
  if (texto.empty()) return true;
  return escreveImpressoraRaw(hImpressora, texto) == texto.size();
}

bool fechaDispositivo() {
  bool ok = true;
  switch (canal) {
    case Canal::serial: fechaCom(); break;
    case Canal::paralela: fechaPorta(); break;
    case Canal::arquivo:
      ok = ::close(descritorArquivo) == 0;
      descritorArquivo = -1;
      break;
    case Canal::filaRede:
      terminaPaginaRaw(hFilaRede);
      ok = fechaImpressoraRaw(hFilaRede);
      hFilaRede = -1;
      break;
    case Canal::tiger: fechaTiger(); break;
    case Canal::spooler:
      terminaPaginaRaw(hImpressora);
      ok = fechaImpressoraRaw(hImpressora);
      hImpressora = -1;
      break;
    case Canal::nenhum: break;
  }
  canal = Canal::nenhum;
  return ok;
}
