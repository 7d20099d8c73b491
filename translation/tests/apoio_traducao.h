// The base of tests that run translation passes: every shared value of the
// passes back to its start before and after each test, the draft file in a
// fresh folder, and the recording message service.
#pragma once

#include <gtest/gtest.h>

#include <string>

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

}  // namespace apoio
