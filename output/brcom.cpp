#include "brcom.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "arquivos.h"
#include "brvars.h"

std::atomic<bool> encerrandoPrograma{false};

namespace {

int descritorCom = -1;
int descritorPorta = -1;

std::mutex mutexGanchos;
LeituraModem leituraModem;
AvisoEspera avisoEspera;

std::optional<int> leModemSistema(int descritor) {
  int bits = 0;
  if (::ioctl(descritor, TIOCMGET, &bits) != 0) return std::nullopt;
  return bits;
}

// Called under the lock, so that a window that removes its hook while it is
// destroyed is never called afterwards; the hook only posts the text.
void avisa(const std::string& texto) {
  std::lock_guard trava(mutexGanchos);
  if (avisoEspera) avisoEspera(texto);
}

// Sleeps for `duracao`, in short steps so that a cancel is seen at once.
// False when the wait was interrupted.
bool dorme(std::chrono::milliseconds duracao) {
  using namespace std::chrono;
  const auto fim = steady_clock::now() + duracao;
  while (!esperaInterrompida()) {
    const auto agora = steady_clock::now();
    if (agora >= fim) return true;
    std::this_thread::sleep_for(std::min<steady_clock::duration>(fim - agora, milliseconds(20)));
  }
  return false;
}

std::string variavelOuPadrao(const std::string& variavel, const std::string& padrao) {
  const char* valor = std::getenv(variavel.c_str());
  return valor && *valor ? std::string(valor) : padrao;
}

bool existe(const std::string& caminho) {
  struct stat st{};
  return ::stat(plataforma::caminhoSistema(caminho).c_str(), &st) == 0;
}

// While it lives, a write to a pipe or FIFO whose reader is gone fails with
// EPIPE instead of killing the program with SIGPIPE.
class SemSigpipe {
 public:
  SemSigpipe() {
    sigset_t s;
    sigemptyset(&s);
    sigaddset(&s, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &s, &antes_);
    sigset_t pendentes;
    sigpending(&pendentes);
    pendenteAntes_ = sigismember(&pendentes, SIGPIPE) == 1;
  }
  ~SemSigpipe() {
    sigset_t pendentes;
    sigpending(&pendentes);
    if (!pendenteAntes_ && sigismember(&pendentes, SIGPIPE) == 1) {
      sigset_t s;
      sigemptyset(&s);
      sigaddset(&s, SIGPIPE);
      const timespec agora{};
      sigtimedwait(&s, nullptr, &agora);  // consume the one our write raised
    }
    pthread_sigmask(SIG_SETMASK, &antes_, nullptr);
  }
  SemSigpipe(const SemSigpipe&) = delete;
  SemSigpipe& operator=(const SemSigpipe&) = delete;

 private:
  sigset_t antes_;
  bool pendenteAntes_ = false;
};

void fecha(int& descritor) {
  if (descritor >= 0) ::close(descritor);
  descritor = -1;
}

}  // namespace

bool ehPortaSerial(std::string_view nome) { return nome == "COM1" || nome == "COM2"; }
bool ehPortaParalela(std::string_view nome) { return nome == "LPT1" || nome == "LPT2" || nome == "LPT3"; }

std::string caminhoPorta(std::string_view nome) {
  const std::string n(nome);
  if (ehPortaSerial(n))
    return variavelOuPadrao("LUMAREL_" + n, "/dev/ttyS" + std::string(1, static_cast<char>(n[3] - 1)));
  if (ehPortaParalela(n)) {
    const std::string indice(1, static_cast<char>(n[3] - 1));
    const std::string lp = "/dev/lp" + indice;
    return variavelOuPadrao("LUMAREL_" + n, existe(lp) ? lp : "/dev/usb/lp" + indice);
  }
  return n;
}

bool esperaInterrompida() { return cancelaImpressao.load() || encerrandoPrograma.load(); }

bool escreveDescritor(int descritor, std::string_view dados) {
  if (descritor < 0) return false;
  const SemSigpipe semSigpipe;
  std::size_t feito = 0;
  bool esperouAntes = false;
  while (feito < dados.size()) {
    const ssize_t n = ::write(descritor, dados.data() + feito, dados.size() - feito);
    if (n > 0) {
      feito += static_cast<std::size_t>(n);
      esperouAntes = false;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {
      // The device takes no more for now (flow control, a full buffer, a
      // printer out of paper): wait for it without spinning, and let go when
      // the job is cancelled.
      if (esperaInterrompida()) return false;
      pollfd p{descritor, POLLOUT, 0};
      const int r = ::poll(&p, 1, 100);
      if (r < 0 && errno != EINTR) return false;
      if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) return false;
      // Some printer drivers report "writable" at every poll: pace them.
      if (r > 0 && esperouAntes) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      esperouAntes = true;
      continue;
    }
    return false;  // EIO, ENODEV, ENOSPC...: the device or disk failed
  }
  return true;
}

void tornaCru(termios& t) {
  // Raw bytes: no CR LF translation, no echo, no line editing. The flow
  // control the line had stays as it was.
  const tcflag_t fluxoEntrada = t.c_iflag & (IXON | IXOFF | IXANY);
  const tcflag_t fluxoLinha = t.c_cflag & (CRTSCTS | CLOCAL);
  ::cfmakeraw(&t);
  t.c_iflag |= fluxoEntrada;
  t.c_cflag = (t.c_cflag & ~(CRTSCTS | CLOCAL)) | fluxoLinha;
}

bool poeTerminalCru(int descritor) {
  termios t{};
  if (::tcgetattr(descritor, &t) != 0) return false;
  tornaCru(t);
  return ::tcsetattr(descritor, TCSANOW, &t) == 0;
}

// ---------------------------------------------------------------------------

void instalaLeituraModem(LeituraModem leitura) {
  std::lock_guard trava(mutexGanchos);
  leituraModem = std::move(leitura);
}

void instalaAvisoEspera(AvisoEspera aviso) {
  std::lock_guard trava(mutexGanchos);
  avisoEspera = std::move(aviso);
}

bool abreCom(std::string_view nome) {
  fechaCom();
  // Non-blocking, so that neither the open (waiting for carrier) nor a write
  // (waiting for flow control) can hold the worker beyond a cancel.
  const std::string caminho = plataforma::caminhoSistema(caminhoPorta(nome));
  const int d = ::open(caminho.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (d < 0) return false;
  termios t{};
  if (::tcgetattr(d, &t) != 0) {  // not a serial line
    ::close(d);
    return false;
  }
  tornaCru(t);
  t.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
  t.c_cflag |= CS8 | CREAD;
  ::cfsetispeed(&t, B9600);
  ::cfsetospeed(&t, B9600);
  ::tcsetattr(d, TCSANOW, &t);
  descritorCom = d;
  return true;
}

bool comBloqueada() {
  if (descritorCom < 0) return true;
  LeituraModem leitura;
  {
    std::lock_guard trava(mutexGanchos);
    leitura = leituraModem;
  }
  const std::optional<int> bits = leitura ? leitura(descritorCom) : leModemSistema(descritorCom);
  if (!bits) return false;  // no modem lines: nothing tells us to wait
  return (*bits & TIOCM_CTS) == 0 || (*bits & TIOCM_DSR) == 0;
}

bool enviaCom(std::string_view texto) {
  if (descritorCom < 0) return false;
  while (comBloqueada()) {
    if (!dorme(intervaloEsperaCom)) {
      avisa({});
      return false;
    }
    avisa(comBloqueada() ? std::string(avisoImpressoraBloqueada) : std::string());
  }
  return escreveDescritor(descritorCom, texto);
}

void fechaCom() { fecha(descritorCom); }

// ---------------------------------------------------------------------------

bool abrePorta(std::string_view nome) {
  fechaPorta();
  const std::string caminho = plataforma::caminhoSistema(caminhoPorta(nome));
  // No O_CREAT: a port that is not there must not become a file.
  const int d = ::open(caminho.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (d < 0) return false;
  struct stat st{};
  if (::fstat(d, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(d);
    return false;
  }
  descritorPorta = d;
  return true;
}

bool enviaPorta(std::string_view texto) { return escreveDescritor(descritorPorta, texto); }

void fechaPorta() { fecha(descritorPorta); }

int abreArquivoSaida(std::string_view nome) {
  const std::string caminho = plataforma::caminhoSistema(nome);
  if (caminho.empty()) return -1;
  const int d =
      ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
  if (d < 0) return -1;
  struct stat st{};
  bool ok = ::fstat(d, &st) == 0 && !S_ISDIR(st.st_mode);
  if (ok && S_ISREG(st.st_mode)) ok = ::ftruncate(d, 0) == 0;
  if (ok && ::isatty(d)) ok = poeTerminalCru(d);
  if (!ok) {
    ::close(d);
    return -1;
  }
  return d;
}
