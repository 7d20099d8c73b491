// Helpers the tests of every folder share.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "arquivos.h"
#include "gravador_mensagens.h"

namespace apoio {

// Polls for up to five seconds what another process does.
template <class F>
bool ate(F condicao) {
  for (int i = 0; i < 500 && !condicao(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condicao();
}

// A fresh folder under the system's temporary folder, removed at the end.
class PastaTemporaria {
 public:
  PastaTemporaria() {
    std::string modelo = (std::filesystem::temp_directory_path() / "lumarel-teste-XXXXXX").string();
    if (::mkdtemp(modelo.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    caminho_ = modelo;
  }
  ~PastaTemporaria() {
    std::error_code ec;
    std::filesystem::remove_all(caminho_, ec);
  }
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::string& caminho() const { return caminho_; }
  std::string arquivo(const std::string& nome) const { return caminho_ + "/" + nome; }

  void grava(const std::string& nome, const std::string& conteudo) const {
    std::FILE* f = std::fopen(arquivo(nome).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(conteudo.data(), 1, conteudo.size(), f);
    std::fclose(f);
  }
  std::string le(const std::string& nome) const {
    std::string s;
    plataforma::leArquivo(arquivo(nome), s);
    return s;
  }

 private:
  std::string caminho_;
};

// Points the Windows directory (where LUMAREL.INI lies) at a fresh folder.
class WindowsTemporario {
 public:
  WindowsTemporario() {
    const char* antes = std::getenv("LUMAREL_WINDIR");
    if (antes) antigo_ = antes, tinha_ = true;
    ::setenv("LUMAREL_WINDIR", pasta_.caminho().c_str(), 1);
  }
  ~WindowsTemporario() {
    if (tinha_)
      ::setenv("LUMAREL_WINDIR", antigo_.c_str(), 1);
    else
      ::unsetenv("LUMAREL_WINDIR");
  }
  const PastaTemporaria& pasta() const { return pasta_; }
  std::string ini() const { return pasta_.le("LUMAREL.INI"); }
  void gravaIni(const std::string& conteudo) const { pasta_.grava("LUMAREL.INI", conteudo); }

 private:
  PastaTemporaria pasta_;
  std::string antigo_;
  bool tinha_ = false;
};

// Installs the recording message service for one test; a box the test did
// not script an answer for fails the test.
class Mensagens {
 public:
  Mensagens() {
    servico.aoInesperado = [](const std::string& d) { ADD_FAILURE() << "unexpected " << d; };
    plataforma::instalaServicoMensagens(&servico);
  }
  ~Mensagens() { plataforma::instalaServicoMensagens(nullptr); }
  Mensagens(const Mensagens&) = delete;
  Mensagens& operator=(const Mensagens&) = delete;

  // Scripts n answers of OK.
  void esperaOk(int n = 1) {
    for (int i = 0; i < n; ++i) servico.respostasBotao.push_back(plataforma::Botao::ok);
  }

  plataforma::ServicoMensagensGravador servico;
};

}  // namespace apoio
