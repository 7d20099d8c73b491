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

bool abreArquivo(std::string_view nome) {
  const std::string caminho = plataforma::caminhoSistema(nome);
  if (caminho.empty()) return false;
  // Non-blocking: a FIFO nobody reads fails at once instead of hanging.
  const int d =
      ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
  if (d < 0) return false;
  struct stat st{};
  bool ok = ::fstat(d, &st) == 0 && !S_ISDIR(st.st_mode);
  // An old, longer drawing must not show through the end of a new one; a
  // device is written as it is.
  if (ok && S_ISREG(st.st_mode)) ok = ::ftruncate(d, 0) == 0;
  // A terminal gets the bytes raw: CR LF must not become CR CR LF.
  if (ok && ::isatty(d)) ok = poeTerminalCru(d);
  if (!ok) {
    ::close(d);
    return false;
  }
  hSaida = d;
  return true;
}

bool abreFilaRede(std::string_view nome) {
  std::string servidor, fila;
  if (!separaNomeRede(nome, servidor, fila)) return false;
  hFilaRede = abreImpressoraRawServidor(servidor, fila, nomeDesenho);
  if (hFilaRede < 0) return false;
  iniciaPaginaRaw(hFilaRede);
  return true;
}

Canal abreCanal(std::string_view nome) {
  const std::string porta = cp1252::maiusculas(nome);
  std::string servidor, fila;
  if (porta == "PRN") {
    hImpressora = abreImpressoraRaw(impDispositivo, impPorta, nomeDesenho);
    if (hImpressora < 0) return Canal::nenhum;
    iniciaPaginaRaw(hImpressora);
    return Canal::spooler;
  }
  if (porta == "COM1" || porta == "COM2") return abreCom(porta) ? Canal::serial : Canal::nenhum;
  if (porta == "LPT1" || porta == "LPT2" || porta == "LPT3")
    return abrePorta(porta) ? Canal::paralela : Canal::nenhum;
  if (separaNomeRede(nome, servidor, fila))
    return abreFilaRede(nome) ? Canal::filaRede : Canal::nenhum;
  return abreArquivo(nome) ? Canal::arquivo : Canal::nenhum;
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
