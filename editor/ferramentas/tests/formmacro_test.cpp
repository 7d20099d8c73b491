#include "formmacro.h"

#include <gtest/gtest.h>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"
#include "textoqt.h"

namespace {

// The box shows the stored name when the window shows and again after each
// of its own messages, and the window stays open until a run.
TEST(FormMacro, NomeGuardadoEExecucao) {
  const apoio::WindowsTemporario windows;
  const apoio::PastaTemporaria pasta;
  pasta.grava("boa.amb", "`a X\r\n");
  ASSERT_TRUE(gravaAmbMacro("guardado.amb"));
  apoio::Mensagens m;
  LinhasMemoria e({"`a"});
  int depois = 0;
  TformMacro f;
  f.editor = [&] { return &e; };
  f.aposComando = [&] { ++depois; };
  f.show();
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Processador de macros"));
  EXPECT_EQ(f.E_arqmacro->text(), QStringLiteral("guardado.amb"));
  struct Passo { QString digitado; std::string mensagem; };
  for (const Passo& p : {Passo{QStringLiteral("falta.amb"), "Arquivo de macros não existe"_cp},
                         {QStringLiteral(" x"), "Arquivo inválido"_cp},
                         {QStringLiteral("\u0109.amb"), "Nome de arquivo que o programa não aceita: "_cp}}) {
    SCOPED_TRACE(p.mensagem);
    m.servico.limpa();
    m.esperaOk();
    f.E_arqmacro->setText(p.digitado);
    f.Button1->click();
    ASSERT_EQ(m.servico.registro.size(), 1u);
    const auto& r = m.servico.registro[0];
    EXPECT_TRUE((r.utf8 ? cp1252::deUtf8(r.texto) : r.texto).starts_with(p.mensagem));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.E_arqmacro->text(), QStringLiteral("guardado.amb"));
  }
  EXPECT_EQ(depois, 0);
  f.E_arqmacro->setText(textoqt::paraQString(pasta.arquivo("boa.amb")));
  f.Button1->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(e.linhas, std::vector<std::string>{"X"});
  EXPECT_EQ(depois, 1);
  f.E_arqmacro->setText(QStringLiteral("digitado"));
  f.show();
  EXPECT_EQ(textoqt::deQString(f.E_arqmacro->text()), pasta.arquivo("boa.amb"));
}

}  // namespace
