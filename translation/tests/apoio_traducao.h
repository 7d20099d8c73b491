// The base of tests that run translation passes: every shared value of the
// passes back to its start before and after each test, the draft file in a
// fresh folder, and the recording message service.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "apoio_testes.h"
#include "brcodigo.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"

namespace apoio {

class TesteTraducao : public ::testing::Test {
 protected:
  void SetUp() override {
    reinicia();
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  }
  void TearDown() override {
    if (rascunhoAberto()) fechaRascunho();
    reinicia();
  }
  static void reinicia() {
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
    iniciaContagemRascunho();
    tabelaImpressora = tabelaIdentidade();
  }

  PastaTemporaria pasta;
  Mensagens mensagens;
};

// Leaves the next box unscripted and does `acao` while it is up (the
// recording service calls aoInesperado from inside the box): what a key, a
// timer or a menu command could do from the event loop of a box shown in
// the middle of a pass. The box is answered with its first button; any
// later unscripted box fails the test as usual.
inline void naProximaCaixa(Mensagens& m, std::function<void()> acao) {
  auto pendente = std::make_shared<std::function<void()>>(std::move(acao));
  m.servico.aoInesperado = [pendente](const std::string& d) {
    if (*pendente)
      std::exchange(*pendente, nullptr)();
    else
      ADD_FAILURE() << "unexpected " << d;
  };
}

}  // namespace apoio
