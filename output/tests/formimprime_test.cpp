#include "formimprime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brdevice.h"
#include "brprint.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconta.h"
#include "textoqt.h"

namespace {

using Textos = std::vector<std::string>;

void processaEventos() { QCoreApplication::processEvents(); }

class DialogoImprime : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    configuracao.ambCode2 = apoio::pastaDados() + "/ambcode2.cfg";
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
    configuracao.NomeArq = pasta.arquivo("saida.brl");
    FormConta = &conta;
    FormImprime = &janela;
    janela.linhasDocumento = [] { return std::vector<std::string>{"Um texto.", "<P>", "Outro."}; };
  }
  void TearDown() override {
    EXPECT_TRUE(apoio::esperaFimDoTrabalho(processaEventos));
    processaEventos();
    janela.hide();
    conta.hide();
    FormImprime = nullptr;
    FormConta = nullptr;
    fechaDispositivo();
    reiniciaVariaveis();
    cancelaImpressao = false;
  }
  std::string texto(QLineEdit* e) const { return textoqt::deQString(e->text()); }

  apoio::PastaTemporaria pasta;
  apoio::WindowsTemporario windows;
  TFormConta conta;
  TFormImprime janela;
};

TEST_F(DialogoImprime, ComponentesEValoresIniciais) {
  EXPECT_EQ(textoqt::deQString(janela.windowTitle()), "Detalhes da Impressão"_cp);
  EXPECT_EQ(texto(janela.E_paginic), "1");
  EXPECT_EQ(texto(janela.E_pagfinal), "9999");
  EXPECT_EQ(texto(janela.E_numCopias), "1");
  EXPECT_EQ(texto(janela.E_NumPag1), "1");
  EXPECT_EQ(janela.b_imprime->text(), QStringLiteral("Imprima !"));
  EXPECT_EQ(janela.b_config_br->text(), QStringLiteral("Configure"));
  EXPECT_EQ(janela.selArqBtn->toolTip(), QStringLiteral("Escolher arquivo"));
  EXPECT_FALSE(janela.isVisible());
  // Each show takes the output name from the settings.
  configuracao.NomeArq = "COM2";
  janela.show();
  EXPECT_EQ(texto(janela.E_nomeArqPrt), "COM2");
  janela.hide();
  configuracao.NomeArq = "LPT1";
  janela.show();
  EXPECT_EQ(texto(janela.E_nomeArqPrt), "LPT1");
}

TEST_F(DialogoImprime, EscolherArquivoSoNaMemoria) {
  apoio::Mensagens mensagens;
  janela.show();
  const std::string escolhido = pasta.arquivo("cópia.brl"_cp);
  mensagens.servico.respostasTexto = {escolhido, std::nullopt};
  janela.selArqBtn->click();
  EXPECT_EQ(configuracao.NomeArq, escolhido);
  EXPECT_EQ(texto(janela.E_nomeArqPrt), escolhido);
  ASSERT_EQ(mensagens.servico.registro.size(), 1u);
  EXPECT_EQ(mensagens.servico.registro[0].pedido, plataforma::RegistroMensagem::Tipo::salvar);
  EXPECT_EQ(mensagens.servico.registro[0].texto, filtroArquivoSaida);
  EXPECT_FALSE(std::filesystem::exists(windows.pasta().arquivo("LUMAREL.INI")));
  // Cancelled: nothing changes.
  janela.FileNameClick();
  EXPECT_EQ(configuracao.NomeArq, escolhido);
}

TEST_F(DialogoImprime, TresManeirasDeImprimir) {
  const char* maneiras[] = {"Imprima !", "Configure", "Enter"};
  for (const char* m : maneiras) {
    SCOPED_TRACE(m);
    apoio::Mensagens mensagens;
    mensagens.esperaOk();
    janela.show();
    janela.E_numCopias->setText(QStringLiteral("2"));
    if (std::string(m) == "Imprima !")
      QTest::mouseClick(janela.b_imprime, Qt::LeftButton);
    else if (std::string(m) == "Configure")
      QTest::mouseClick(janela.b_config_br, Qt::LeftButton);
    else
      QTest::keyClick(janela.E_nomeArqPrt, Qt::Key_Return);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(conta.isVisible() || !trabalhoImpressaoAtivo());
    ASSERT_TRUE(apoio::esperaFimDoTrabalho(processaEventos));
    processaEventos();
    EXPECT_FALSE(conta.isVisible()) << "the worker hid the progress window";
    EXPECT_EQ(mensagens.servico.textos(), Textos{"Arquivo enviado"});
    const std::string saida = pasta.le("saida.brl");
    EXPECT_EQ(std::count(saida.begin(), saida.end(), '\f'), 4) << "two pages, two copies";
    EXPECT_EQ(totalCopias, 2);
  }
}

TEST_F(DialogoImprime, SegundoPedidoComOTrabalhoNoFim) {
  apoio::MensagensRetidas retidas(std::string("Espere o fim da impressão"_cp));
  retidas.respostasBotao = {plataforma::Botao::ok, plataforma::Botao::ok, plataforma::Botao::ok};
  configuracao.Marca = "Impressora de clichê"_cp;
  janela.show();
  janela.b_imprimeClick();
  ASSERT_TRUE(retidas.esperaRetencao());
  janela.show();
  janela.b_imprimeClick();
  EXPECT_TRUE(janela.isVisible()) << "a refused request leaves the dialog open";
  retidas.libera();
  ASSERT_TRUE(apoio::esperaFimDoTrabalho(processaEventos));
  EXPECT_EQ(retidas.textosSeguros(),
            (Textos{"Não é possível imprimir duas listagens simultaneamente"_cp,
                    "Espere o fim da impressão"_cp, "Arquivo enviado"}));
}

TEST_F(DialogoImprime, CancelarNaJanelaDeProgresso) {
  apoio::Mensagens mensagens;
  mensagens.esperaOk();
  janela.show();
  janela.E_numCopias->setText(QStringLiteral("10000"));
  janela.b_imprimeClick();
  conta.Button1->click();
  EXPECT_FALSE(conta.isVisible());
  ASSERT_TRUE(apoio::esperaFimDoTrabalho(processaEventos, std::chrono::seconds(10)));
  EXPECT_LT(copiaAtual, 10000);
  EXPECT_EQ(mensagens.servico.textos(), Textos{"Arquivo enviado"});
}

TEST_F(DialogoImprime, PrnPedeAImpressoraDoSistema) {
  apoio::Mensagens mensagens;
  mensagens.servico.respostasImpressora.push_back(std::nullopt);
  janela.show();
  janela.E_nomeArqPrt->setText(QStringLiteral("prn"));
  janela.b_imprimeClick();
  EXPECT_FALSE(janela.isVisible());
  EXPECT_FALSE(conta.isVisible());
  EXPECT_FALSE(trabalhoImpressaoAtivo());
  ASSERT_EQ(mensagens.servico.registro.size(), 1u);
  EXPECT_EQ(mensagens.servico.registro[0].pedido, plataforma::RegistroMensagem::Tipo::impressora);
  EXPECT_FALSE(std::filesystem::exists(configuracao.arqTrab));
}

}  // namespace
