// What the tests of file writers share: how often a file was written, what a
// folder holds, a refused temporary file, a file-size limit.
#pragma once

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>

#include "arquivos.h"

namespace apoio {

// Watches a folder and counts how often a file in it is written: a safe write
// puts a new file in place once, an in-place write closes the file once.
class ObservaPasta {
 public:
  explicit ObservaPasta(const std::string& pasta) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0) ::inotify_add_watch(fd_, pasta.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
  }
  ~ObservaPasta() {
    if (fd_ >= 0) ::close(fd_);
  }
  ObservaPasta(const ObservaPasta&) = delete;
  ObservaPasta& operator=(const ObservaPasta&) = delete;

  // The writes of nome since the last call (-1 when the folder cannot be watched).
  int gravacoes(const std::string& nome) {
    if (fd_ < 0) return -1;
    int n = 0;
    alignas(inotify_event) char buf[8192];
    for (;;) {
      const ssize_t lidos = ::read(fd_, buf, sizeof buf);
      if (lidos <= 0) break;
      for (ssize_t i = 0; i < lidos;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buf + i);
        if (e->len > 0 && nome == e->name) ++n;
        i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
      }
    }
    return n;
  }

 private:
  int fd_ = -1;
};

// Every file and folder under a folder with its bytes: what a failed write
// must leave exactly as it was, with no temporary file added.
inline std::map<std::string, std::string> retratoPasta(const std::string& pasta) {
  std::map<std::string, std::string> r;
  for (const auto& e : std::filesystem::recursive_directory_iterator(pasta)) {
    const std::string nome = e.path().string().substr(pasta.size());
    if (e.is_directory())
      r[nome] = "<pasta>";
    else
      plataforma::leArquivo(e.path().string(), r[nome]);
  }
  return r;
}

// The temporary file of every write fails with erro while this lives.
struct FalhaSimulada {
  explicit FalhaSimulada(int erro) { plataforma::simulaFalhaCriacao(erro); }
  ~FalhaSimulada() { plataforma::simulaFalhaCriacao(0); }
  FalhaSimulada(const FalhaSimulada&) = delete;
  FalhaSimulada& operator=(const FalhaSimulada&) = delete;
};

// A file-size limit makes writes past it fail, as a full disk does.
class LimiteTamanho {
 public:
  explicit LimiteTamanho(rlim_t bytes) : ativo_(bytes != 0) {
    if (!ativo_) return;
    sinal_ = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &antes_), 0);
    struct rlimit pequeno = antes_;
    pequeno.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &pequeno), 0);
  }
  ~LimiteTamanho() {
    if (!ativo_) return;
    ::setrlimit(RLIMIT_FSIZE, &antes_);
    std::signal(SIGXFSZ, sinal_);
  }
  LimiteTamanho(const LimiteTamanho&) = delete;
  LimiteTamanho& operator=(const LimiteTamanho&) = delete;

 private:
  bool ativo_;
  struct rlimit antes_ {};
  void (*sinal_)(int) = SIG_DFL;
};

}  // namespace apoio
