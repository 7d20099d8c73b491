#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "arquivos.h"

namespace apoio {

// Every file and folder under a folder, with its bytes.
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

// f() run while creating a temporary file (in `pasta` only, when given) fails
// with erro and, for bytes > 0, writing past that many bytes fails.
template <class F>
auto comFalhas(int erro, rlim_t bytes, F f, std::string_view pasta = {}) {
  struct Desfaz {
    struct rlimit antes {};
    void (*sinal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ~Desfaz() {
      plataforma::simulaFalhaCriacao(0);
      ::setrlimit(RLIMIT_FSIZE, &antes);
      std::signal(SIGXFSZ, sinal);
    }
  } desfaz;
  EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &desfaz.antes), 0);
  struct rlimit limite = desfaz.antes;
  if (bytes != 0) limite.rlim_cur = bytes;
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  plataforma::simulaFalhaCriacao(erro, pasta);
  return f();
}

}  // namespace apoio
