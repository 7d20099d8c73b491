// The base of tests that run translation passes: every shared value of the
// passes back to its start before and after each test, the draft file in a
// fresh folder, and the recording message service.
#pragma once

#include <gtest/gtest.h>

#include <functional>
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

// Does `acao` while the next, unscripted box is up, as the event loop of a box
// shown in the middle of a pass could; any later unscripted box fails.
inline void naProximaCaixa(Mensagens& m, std::function<void()> acao) {
  m.servico.aoInesperado = [acao = std::move(acao)](const std::string& d) mutable {
    if (acao)
      std::exchange(acao, nullptr)();
    else
      ADD_FAILURE() << "unexpected " << d;
  };
}

}  // namespace apoio
