#include "ovlpt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// The first failure since the open: its errno, or 0 for a print service that
// gave none.
bool falhou = false;
int erroFalha = 0;
bool falhaEmPorta = false;

bool ehPorta(std::string_view nome) {
  const std::string porta = cp1252::maiusculas(nome);
  return ehPortaSerial(porta) || ehPortaParalela(porta);
}

// The name is opened as a device or file (not a port, "PRN" or a network
// queue).
bool saidaEhArquivo(std::string_view nome) {
  std::string servidor, fila;
  return !nome.empty() && !ehPorta(nome) && cp1252::maiusculas(nome) != "PRN" &&
         !separaNomeRede(nome, servidor, fila);
}

// Remembers the first failure; errno is read at once, before anything can
// change it. Gives `ok` back.
bool anota(bool ok, bool comErrno) {
  if (!ok && !falhou) {
    falhou = true;
    erroFalha = comErrno ? errno : 0;
  }
  return ok;
}

Canal abreCanal(std::string_view nome) {
  const std::string porta = cp1252::maiusculas(nome);
  if (porta == "PRN") {
    hImpressora = abreImpressoraRaw(impDispositivo, impPorta, nomeDesenho);
    if (hImpressora < 0) return Canal::nenhum;
    iniciaPaginaRaw(hImpressora);
    return Canal::spooler;
  }
  if (ehPortaSerial(porta)) return abreCom(porta) ? Canal::serial : Canal::nenhum;
  if (ehPortaParalela(porta))
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
  falhou = false;
  erroFalha = 0;
  falhaEmPorta = ehPorta(nome);
  errno = 0;
  canal = abreCanal(nome);
  // The print service's failures leave no errno of their own.
  return anota(canal != Canal::nenhum, falhaEmPorta || saidaEhArquivo(nome));
}

bool saidaEscreveNoArquivo(std::string_view nome, std::string_view arquivo) {
  if (ehPorta(nome)) return plataforma::mesmoArquivo(caminhoPorta(cp1252::maiusculas(nome)), arquivo);
  return saidaEhArquivo(nome) && plataforma::mesmoArquivo(nome, arquivo);
}

std::string motivoFalhaSaida() {
  if (!falhou) return {};
  switch (erroFalha) {
    case 0: return "o serviço de impressão recusou o trabalho"_cp.str();
    // A port opens only an existing device: there is no folder to miss.
    case ENOENT: return falhaEmPorta ? "dispositivo não encontrado"_cp.str() : plataforma::motivoErro(ENOENT);
    case ENXIO: return "dispositivo desligado ou sem leitor";
    // A write that waited for a device and then saw it fail (a reader that
    // went away, a printer that failed) is left with the errno of the wait.
    case EAGAIN:
    case EPIPE: return "o dispositivo deixou de receber os dados";
    default: return plataforma::motivoErro(erroFalha);
  }
}

bool escreveSaida(std::string_view bloco) {
  errno = 0;
  switch (canal) {
    case Canal::spooler: return anota(escreveSpooler(bloco), false);
    case Canal::serial: return anota(enviaCom(bloco), true);
    case Canal::paralela: return anota(enviaPorta(bloco), true);
    case Canal::filaRede:
      return anota(bloco.empty() || escreveImpressoraRaw(hFilaRede, bloco) == bloco.size(), false);
    case Canal::arquivo: return anota(escreveDescritor(hSaida, bloco), true);
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

bool fechaSaida() {
  bool ok = true;
  errno = 0;
  switch (canal) {
    case Canal::spooler:
      terminaPaginaRaw(hImpressora);
      ok = anota(fechaImpressoraRaw(hImpressora), false);
      hImpressora = -1;
      break;
    case Canal::serial: fechaCom(); break;
    case Canal::paralela: fechaPorta(); break;
    case Canal::filaRede:
      terminaPaginaRaw(hFilaRede);
      ok = anota(fechaImpressoraRaw(hFilaRede), false);
      hFilaRede = -1;
      break;
    case Canal::arquivo:
      // A file system may tell of a full disk only here.
      ok = anota(::close(hSaida) == 0 || errno == EINTR, true);
      hSaida = -1;
      break;
    case Canal::nenhum: break;
  }
  canal = Canal::nenhum;
  return ok;
}

}  // namespace orvento
