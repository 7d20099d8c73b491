#include "formconfigbrl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brdevice.h"
#include "brprint.h"
#include "brprograma.h"
#include "cp1252.h"
#include "servicoqt.h"
#include "textoqt.h"

namespace {

using Textos = std::vector<std::string>;

class JanelaImpressora : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override {
    fechaDispositivo();
    reiniciaVariaveis();
  }
  static std::string texto(const QString& t) { return textoqt::deQString(t); }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens m;
};

// Created, the window loads the section: a plate printer sends empty lines
// while its box stays clear, and "&OK" writes the box's value; the hidden
// page-format values go back as they were read.
TEST_F(JanelaImpressora, CriacaoCarregaEOkGravaASecao) {
  windows.gravaIni("[IMPBRAILLE]\r\nMarca="_cp + modeloCliche + "\r\nPolegsForm=12\r\nLinhas=abc\r\n"
                   "Colunas=40\r\nInterponto=S\r\nEnviaVazias=" + "NÃO"_cp + "\r\n");
  TFormConfigBrl f;
  EXPECT_EQ(texto(f.windowTitle()), "Configuração da Impressora Braille"_cp);
  EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(f.CB_ModeloImp->count(), 18);
  EXPECT_EQ(texto(f.CB_ModeloImp->currentText()), modeloCliche.str());
  EXPECT_EQ(texto(f.E_nomeArq->text()), "PRN");
  EXPECT_TRUE(f.botaoRadioPRN->isChecked());
  EXPECT_FALSE(f.c_enviaLinhasVazias->isChecked());
  EXPECT_TRUE(configuracao.EnviaVazias);
  for (QWidget* w : std::initializer_list<QWidget*>{f.E_Altura, f.E_linhasImp, f.E_ColunasImp, f.C_interponto,
                                                     f.BotPrograme, f.Avixo})
    EXPECT_FALSE(w->isVisibleTo(&f) || w->isEnabled());
  // "Juliet" clears the (hidden) interpoint check; "Everest V4" keeps it.
  for (const auto& [modelo, marcada] : {std::pair("Everest V4", true), std::pair("Juliet", false)}) {
    f.C_interponto->setChecked(true);
    f.CB_ModeloImp->setEditText(QString::fromLatin1(modelo));
    EXPECT_EQ(f.C_interponto->isChecked(), marcada) << modelo;
  }
  f.CB_ModeloImp->setEditText(textoqt::paraQString(modeloCliche));
  f.show();
  f.BotOK->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(configuracao.EnviaVazias);
  EXPECT_EQ(windows.ini(), "[IMPBRAILLE]\r\nMarca="_cp + modeloCliche + "\r\nPolegsForm=12\r\nLinhas=28\r\n"
                           "Colunas=40\r\nInterponto=S\r\nEnviaVazias=" + "NÃO"_cp + "\r\nNomeArq=PRN\r\n");
  EXPECT_TRUE(m.servico.registro.empty());
}

// Each output control puts its name into the box: ports their captions,
// "Rede" a queue of this computer after its four-line advice, "Arquivo" the
// stored name, the file button a chosen file (kept at once).
TEST_F(JanelaImpressora, ControlesDeSaida) {
  TFormConfigBrl f;
  configuracao.NomeArq = "/guardado.brl";
  for (QRadioButton* r : {f.botaoRadioLPT2, f.botaoRadioCOM1, f.botaoRadioPRN, f.botaoRadioArquivo}) {
    r->click();
    EXPECT_EQ(f.E_nomeArq->text(), r == f.botaoRadioArquivo ? QStringLiteral("/guardado.brl") : r->text());
  }
  m.esperaOk();
  f.botaoRadioRede->click();
  ASSERT_EQ(m.servico.registro.size(), 1u);
  EXPECT_EQ(m.servico.registro[0].tipo, plataforma::TipoMensagem::simples);
  EXPECT_EQ(m.servico.registro[0].texto, avisoImpressoraRede.str());
  std::string servidor, fila;
  ASSERT_TRUE(separaNomeRede(texto(f.E_nomeArq->text()), servidor, fila));
  EXPECT_EQ(servidor + " " + fila, "127.0.0.1 Nome_da_Impressora");
  EXPECT_TRUE(servicoqt::filtroParaQt(filtroArquivoImpressora).contains(QStringLiteral("*.brl")));

  m.servico.respostasTexto = {std::nullopt, pasta.arquivo("escolhido.brl")};
  f.selArqBtnClick();
  EXPECT_EQ(configuracao.NomeArq, "/guardado.brl");
  f.selArqBtnClick();
  EXPECT_TRUE(f.botaoRadioArquivo->isChecked());
  EXPECT_EQ(configuracao.NomeArq, pasta.arquivo("escolhido.brl"));
  EXPECT_EQ(texto(f.E_nomeArq->text()), pasta.arquivo("escolhido.brl"));
}

// An output name the code page cannot hold is refused: nothing taken or
// written, the window stays open. A file that cannot be written is said, and
// the values hold for the session.
TEST_F(JanelaImpressora, NomeRecusadoEFalhaDeGravacao) {
  TFormConfigBrl f;
  f.show();
  f.E_nomeArq->setText(QStringLiteral("sa\u0109da.brl"));
  m.esperaOk();
  f.BotOKClick();
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(configuracao.NomeArq, "PRN");
  EXPECT_EQ(windows.ini(), "");

  f.E_nomeArq->setText(QStringLiteral("COM2"));
  f.CB_ModeloImp->setEditText(QStringLiteral("Juliet"));
  pasta.grava("arquivo", "");
  ::setenv("LUMAREL_WINDIR", pasta.arquivo("arquivo").c_str(), 1);
  m.esperaOk();
  f.BotOKClick();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(configuracao.NomeArq, "COM2");
  EXPECT_EQ(configuracao.Marca, "Juliet");
  ASSERT_EQ(m.servico.textos().size(), 2u);
  const plataforma::RegistroMensagem& recusa = m.servico.registro[0];
  EXPECT_TRUE(recusa.utf8 && cp1252::deUtf8(recusa.texto).starts_with("Nome de arquivo que o programa não aceita: "_cp));
  EXPECT_TRUE(recusa.texto.ends_with("sa\xC4\x89" "da.brl"));
  EXPECT_EQ(m.servico.textos()[1], "Erro ao gravar " + pasta.arquivo("arquivo/LUMAREL.INI"));
}

// "&Programe !" takes the controls, writes the section and sends the model's
// sequence to the output: the bytes are the builder's.
TEST_F(JanelaImpressora, ProgramacaoEnviaASequenciaDoModelo) {
  windows.gravaIni("[IMPBRAILLE]\r\nPolegsForm=12\r\nLinhas=27\r\nColunas=34\r\nInterponto=S\r\n");
  TFormConfigBrl f;
  f.show();
  f.CB_ModeloImp->setEditText(QStringLiteral("Beta X3"));
  f.E_nomeArq->setText(textoqt::paraQString(pasta.arquivo("beta.brl")));
  m.esperaOk();
  f.BotProgrameClick();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(m.servico.textos(), Textos{mensagemReprogramada.str()});
  const SequenciaProgramacao s = sequenciaBeta(formatoPagina(configuracao));
  ASSERT_EQ(s.envios.size(), 1u);
  EXPECT_EQ(pasta.le("beta.brl"), s.envios[0]);
  EXPECT_EQ(s.envios[0], std::string("\x1B#\x1B.<\x1B" "1K\x1B" "0R\x1Bi0"));
  EXPECT_NE(windows.ini().find("Marca=Beta X3\r\n"), std::string::npos);
}

// While a print job runs (a plate printer waiting here), "&Programe !" says
// so and neither writes the section nor sends anything.
TEST_F(JanelaImpressora, ProgramacaoRecusadaDuranteImpressao) {
  TFormConfigBrl f;
  f.show();
  plataforma::instalaServicoMensagens(nullptr);
  apoio::MensagensRetidas retidas(mensagemEspere.str());
  retidas.respostasBotao = {plataforma::Botao::ok, plataforma::Botao::ok, plataforma::Botao::ok};
  configuracao.ambCode2 = apoio::pastaDados() + "/ambcode2.cfg";
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  configuracao.Marca = modeloCliche;
  PedidoImpressao pedido;
  pedido.dispositivo = pasta.arquivo("saida.brl");
  ASSERT_EQ(iniciaImpressao(pedido, {"texto"}, {}), InicioImpressao::iniciado);
  ASSERT_TRUE(retidas.esperaRetencao());
  f.CB_ModeloImp->setEditText(QStringLiteral("Beta X3"));
  f.E_nomeArq->setText(textoqt::paraQString(pasta.arquivo("beta.brl")));
  f.BotProgrameClick();
  EXPECT_TRUE(f.isVisible());
  retidas.libera();
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(retidas.textosSeguros(), (Textos{mensagemDuasListagens.str(), mensagemEspere.str(), mensagemEnviado.str()}));
  EXPECT_FALSE(std::filesystem::exists(pasta.arquivo("beta.brl")));
  EXPECT_EQ(windows.ini(), "");
}

}  // namespace
