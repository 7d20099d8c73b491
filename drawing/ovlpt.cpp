#include "ovlpt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "arquivos.h"
#include "brcom.h"
#include "brimpraw.h"
#include "cp1252.h"
#include "ovvars.h"

namespace orvento {

std::string nomeSaida;
int hImpressora = -1;

namespace {

enum class Canal { nenhum, spooler, serial, paralela, filaRede, arquivo };

Canal canal = Canal::nenhum;
int hFilaRede = -1;

Canal abreCanal(std::string_view nome) {
  const std::string porta = cp1252::maiusculas(nome);
  if (porta == "PRN") {
    hImpressora = abreImpressoraRaw(impDispositivo, impPorta, nomeDesenho);
    if (hImpressora < 0) return Canal::nenhum;
    iniciaPaginaRaw(hImpressora);
    return Canal::spooler;
  }
  if (porta == "COM1" || porta == "COM2") return abreCom(porta) ? Canal::serial : Canal::nenhum;
  if (porta == "LPT1" || porta == "LPT2" || porta == "LPT3")
    return abrePorta(porta) ? Canal::paralela : Canal::nenhum;
  std::string servidor, fila;
  if (separaNomeRede(nome, servidor, fila)) {
    hFilaRede = abreFilaRedeRaw(nome, nomeDesenho);
    return hFilaRede >= 0 ? Canal::filaRede : Canal::nenhum;
  }
  hSaida = abreArquivoSaida(nome);
  return hSaida >= 0 ? Canal::arquivo : Canal::nenhum;
}

}  // namespace

bool abreSaida(std::string_view nome) {
  fechaSaida();
  nomeSaida = std::string(nome);
  canal = abreCanal(nome);
  return canal != Canal::nenhum;
}

bool escreveSaida(std::string_view bloco) {
  switch (canal) {
    case Canal::spooler: return escreveSpooler(bloco);
    case Canal::serial: return enviaCom(bloco);
    case Canal::paralela: return enviaPorta(bloco);
    case Canal::filaRede:
      return bloco.empty() || escreveImpressoraRaw(hFilaRede, bloco) == bloco.size();
    case Canal::arquivo: return escreveDescritor(hSaida, bloco);
    case Canal::nenhum: return false;
  }
  return false;
}

bool escreveSpooler(std::string_view bloco) {
  if (canal != Canal::spooler) return false;
  if (bloco.empty()) return true;
  if (bloco.front() == '\f') {
    // The page ends here; what follows a form feed is never sent (the stream
    // sends it alone).
    escreveImpressoraRaw(hImpressora, "\f");
    terminaPaginaRaw(hImpressora);
    iniciaPaginaRaw(hImpressora);
    return true;
  }
  return escreveImpressoraRaw(hImpressora, bloco) == bloco.size();
}

void fechaSaida() {
  switch (canal) {
    case Canal::spooler:
      terminaPaginaRaw(hImpressora);
      fechaImpressoraRaw(hImpressora);
      hImpressora = -1;
      break;
    case Canal::serial: fechaCom(); break;
    case Canal::paralela: fechaPorta(); break;
    case Canal::filaRede:
      terminaPaginaRaw(hFilaRede);
      fechaImpressoraRaw(hFilaRede);
      hFilaRede = -1;
      break;
    case Canal::arquivo:
      ::close(hSaida);
      hSaida = -1;
      break;
    case Canal::nenhum: break;
  }
  canal = Canal::nenhum;
}

}  // namespace orvento
