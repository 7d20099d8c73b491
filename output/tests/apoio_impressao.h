// Helpers of the print tests: a channel that records every send, and a
// message service that holds one box open until the test lets it go.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "arquivos.h"
#include "brimprpagina.h"
#include "brprint.h"
#include "gravador_mensagens.h"

namespace apoio {

// Records each send as one entry; can be told to fail from a given send on,
// or to run something after a given send (a cancel in the middle of a job).
class CanalGravador : public CanalImpressao {
 public:
  struct Desenho {
    int x0, y0, colunas, linhas;
    std::vector<std::pair<int, int>> pontos;  // raised dots inside the rectangle
  };

  std::vector<std::string> envios;
  std::vector<Desenho> desenhos;
  int falhaAPartirDe = -1;  // index of the first send that fails
  bool desenhoFalha = false;
  bool fechaFalha = false;
  int fechamentos = 0;
  int recusados = 0;
  std::function<void(std::size_t)> aposEnvio;

  bool envia(std::string_view bytes) override {
    if (falhaAPartirDe >= 0 && static_cast<int>(envios.size()) >= falhaAPartirDe) {
      ++recusados;
      return false;
    }
    envios.emplace_back(bytes);
    if (aposEnvio) aposEnvio(envios.size());
    return true;
  }
  bool desenhaGrafico(const TMatrizPontos& m, int x0, int y0, int colunas, int linhas) override {
    Desenho d{x0, y0, colunas, linhas, {}};
    for (int y = y0; y < y0 + linhas; ++y)
      for (int x = x0; x < x0 + colunas; ++x)
        if (m.le(x, y)) d.pontos.emplace_back(x, y);
    desenhos.push_back(std::move(d));
    return !desenhoFalha;
  }
  bool fecha() override {
    ++fechamentos;
    return !fechaFalha;
  }
  std::string bytes() const {
    std::string r;
    for (const auto& e : envios) r += e;
    return r;
  }
};

// The folder of the print tests' files.
inline std::string pastaTestesImpressao() { return LUMAREL_DIR_TESTES; }
inline std::string pastaDados() {
  const char* d = std::getenv("LUMAREL_DATA_DIR");
  return d && *d ? d : ".";
}

// Lines of a text split at CR LF (a last line without one counts).
inline std::vector<std::string> divideCrLf(const std::string& texto) {
  std::vector<std::string> linhas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    std::size_t fim = texto.find("\r\n", inicio);
    if (fim == std::string::npos) fim = texto.size();
    linhas.push_back(texto.substr(inicio, fim - inicio));
    inicio = fim + 2;
  }
  return linhas;
}

// Waits until no print job runs (the worker gave the guard back), running
// `entreEsperas` between looks (the window tests process events there).
inline bool esperaFimDoTrabalho(const std::function<void()>& entreEsperas = {},
                                std::chrono::milliseconds prazo = std::chrono::seconds(20)) {
  const auto fim = std::chrono::steady_clock::now() + prazo;
  while (trabalhoImpressaoAtivo()) {
    if (std::chrono::steady_clock::now() > fim) return false;
    if (entreEsperas) entreEsperas();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  aguardaFimImpressao();
  return true;
}

// The recording service, thread-safe, holding the box whose text is
// `textoRetido` open (from the worker's thread) until libera().
class MensagensRetidas : public plataforma::ServicoMensagensGravador {
 public:
  explicit MensagensRetidas(std::string textoRetido) : retido_(std::move(textoRetido)) {
    aoInesperado = [](const std::string& d) { ADD_FAILURE() << "unexpected " << d; };
    plataforma::instalaServicoMensagens(this);
  }
  ~MensagensRetidas() override {
    libera();
    plataforma::instalaServicoMensagens(nullptr);
  }
  plataforma::Botao mensagem(plataforma::TipoMensagem tipo, const std::string& titulo,
                             const std::string& texto,
                             const std::vector<plataforma::Botao>& botoes) override {
    if (texto == retido_) {
      std::unique_lock t(mutex_);
      retendo_ = true;
      cv_.notify_all();
      cv_.wait(t, [this] { return liberado_; });
    }
    std::lock_guard t(mutexRegistro_);
    return ServicoMensagensGravador::mensagem(tipo, titulo, texto, botoes);
  }
  // Waits until the held box is shown.
  bool esperaRetencao(std::chrono::milliseconds prazo = std::chrono::seconds(20)) {
    std::unique_lock t(mutex_);
    return cv_.wait_for(t, prazo, [this] { return retendo_; });
  }
  void libera() {
    std::lock_guard t(mutex_);
    liberado_ = true;
    cv_.notify_all();
  }
  std::vector<std::string> textosSeguros() const {
    std::lock_guard t(mutexRegistro_);
    return textos();
  }

 private:
  std::string retido_;
  std::mutex mutex_;
  mutable std::mutex mutexRegistro_;
  std::condition_variable cv_;
  bool retendo_ = false;
  bool liberado_ = false;
};

}  // namespace apoio
