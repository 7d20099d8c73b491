// Real devices for the output channel tests: a pseudo-terminal standing for a
// serial line, and a reader thread that collects what arrives on a descriptor.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

namespace apoio {

// Collects every byte readable on a descriptor, on its own thread, until end
// of file, a read error or its destruction.
class Leitor {
 public:
  explicit Leitor(int descritor) : descritor_(descritor), thread_([this] { laco(); }) {}
  ~Leitor() {
    parar_ = true;
    thread_.join();
  }
  Leitor(const Leitor&) = delete;
  Leitor& operator=(const Leitor&) = delete;

  // Waits until n bytes arrived (or the input ended, or the time ran out) and
  // returns what arrived.
  std::string espera(std::size_t n, std::chrono::milliseconds prazo = std::chrono::seconds(10)) {
    const auto fim = std::chrono::steady_clock::now() + prazo;
    while (std::chrono::steady_clock::now() < fim) {
      {
        std::lock_guard t(mutex_);
        if (dados_.size() >= n || terminou_) break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return agora();
  }
  // Waits until the input ends.
  std::string esperaFim(std::chrono::milliseconds prazo = std::chrono::seconds(10)) {
    const auto fim = std::chrono::steady_clock::now() + prazo;
    while (std::chrono::steady_clock::now() < fim && !terminou_)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return agora();
  }
  std::string agora() {
    std::lock_guard t(mutex_);
    return dados_;
  }
  bool terminou() const { return terminou_; }

 private:
  void laco() {
    char buffer[4096];
    while (!parar_) {
      pollfd p{descritor_, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) continue;
      const ssize_t n = ::read(descritor_, buffer, sizeof buffer);
      if (n > 0) {
        std::lock_guard t(mutex_);
        dados_.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        terminou_ = true;
        return;
      }
    }
  }

  int descritor_;
  std::mutex mutex_;
  std::string dados_;
  std::atomic<bool> parar_{false};
  std::atomic<bool> terminou_{false};
  std::thread thread_;
};

// A pseudo-terminal: the program writes on the slave side, the test reads on
// the master side. The slave stays open in the test so the line never hangs
// up while the program reopens it.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    if (::openpty(&mestre, &escravo, nullptr, nullptr, nullptr) != 0)
      throw std::runtime_error("openpty failed");
    nome = ::ttyname(escravo);
    ::fcntl(mestre, F_SETFL, ::fcntl(mestre, F_GETFL) | O_NONBLOCK);
  }
  ~PseudoTerminal() {
    fechaMestre();
    if (escravo >= 0) ::close(escravo);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;
  void fechaMestre() {
    if (mestre >= 0) ::close(mestre);
    mestre = -1;
  }

  int mestre = -1;
  int escravo = -1;
  std::string nome;
};

// Sets an environment variable for one test.
class Variavel {
 public:
  Variavel(const char* nome, const std::string& valor) : nome_(nome) {
    if (const char* v = std::getenv(nome)) antes_ = v;
    ::setenv(nome, valor.c_str(), 1);
  }
  ~Variavel() {
    if (antes_)
      ::setenv(nome_, antes_->c_str(), 1);
    else
      ::unsetenv(nome_);
  }
  Variavel(const Variavel&) = delete;
  Variavel& operator=(const Variavel&) = delete;

 private:
  const char* nome_;
  std::optional<std::string> antes_;
};

// Every byte value once, 0 to 255: ESC, form feed, 0 and 255 included.
inline std::string todosOsBytes() {
  std::string s;
  for (int i = 0; i < 256; ++i) s.push_back(static_cast<char>(i));
  return s;
}

}  // namespace apoio
