// The spell-check commands from the main window, with the small dictionary of
// the spelling tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>
#include <filesystem>
#include <tuple>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "brdic.h"
#include "brortog.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconfigdicionario.h"
#include "formespere.h"
#include "formprincipal.h"
#include "formquickmessage.h"
#include "formsubst.h"
#include "inicio.h"
#include "perfil.h"
#include "servicoqt.h"
#include "textoqt.h"

using textoqt::deQString;

namespace {

class OrtografiaPrincipal : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaOrtografia();
    const char* dados = std::getenv("LUMAREL_DATA_DIR");
    windows.gravaIni(
        "[LUMAREL]\r\nambCode2=" + plataforma::juntaCaminho(dados ? dados : ".", "ambcode2.cfg") +
        "\r\n[DICIONARIO]\r\nARQDIC=verbos.dic\r\nARQSUFIXOS=verbos.suf\r\nARQINEXIST=verbos.exc\r\n"
        "ARQNOMES=verbos.nom\r\nARQSUGERE=verbos.sug\r\n");
    dirPrograma = LUMAREL_DIR_TESTES "/dados";
    janela = criaJanelas({QStringLiteral("lumarel")});
    formQuickMessage->duracao = 0;
  }
  void TearDown() override {
    servicoqt::defineMostraModal({});
    destroiJanelas();
    desmontaDicionario();
    reiniciaOrtografia();
    reiniciaVariaveis();
  }
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
  TformPrincipal* janela = nullptr;
};

// The four windows exist hidden from the start; the commands of the menu and
// the tool button are on; loading gives the notice. The dictionary files'
// window shows the names read at start; "OK" takes them for the session,
// "Torna padrão" writes them, and stays open when the file cannot be written.
TEST_F(OrtografiaPrincipal, JanelasEComandos) {
  for (const auto& [w, titulo] :
       std::vector<std::pair<QWidget*, std::string>>{{formConfigDicionario, "Configuração do dicionário"_cp},
                                                     {formSubst, "Substituição de palavra"_cp},
                                                     {formEspere, "Dicionário está sendo carregado"_cp},
                                                     {formQuickMessage, "Informação"_cp}}) {
    ASSERT_NE(w, nullptr) << titulo;
    EXPECT_EQ(std::pair(deQString(w->windowTitle()), w->isVisible()), std::pair(titulo, false));
  }
  for (QObject* o : std::initializer_list<QObject*>{janela->Carregardicionrio1, janela->Liberardicionrio1,
                                                    janela->Verificarerro1, janela->Outrasalternativas1,
                                                    janela->VerificadorOrtogrfico1, janela->dicBtn})
    EXPECT_TRUE(o->property("enabled").toBool()) << o->property("text").toString().toStdString();
  janela->Carregardicionrio1->trigger();
  EXPECT_TRUE(dicionarioCarregado);
  EXPECT_EQ(deQString(formQuickMessage->Label1->text()), "Dicionário carregado"_cp);

  TformConfigDicionario* f = formConfigDicionario;
  auto escolhe = [&](QPushButton* botao, const char* antes) {
    servicoqt::defineMostraModal([=](QDialog&) {
      EXPECT_EQ(deQString(f->e_sug->text()), antes);
      f->show();
      f->e_sug->setText(textoqt::paraQString("outro\xE7.sug"));
      botao->click();
      return 0;
    });
    janela->VerificadorOrtogrfico1->trigger();
    EXPECT_EQ(configuracao.ARQSUGERE, "outro\xE7.sug");
  };
  escolhe(f->b_ok, "verbos.sug");
  EXPECT_EQ(windows.ini().find("outro"), std::string::npos);
  escolhe(f->b_padrao, "outro\xE7.sug");
  EXPECT_NE(windows.ini().find("\nARQSUGERE=outro\xE7.sug\r\n"), std::string::npos);
  EXPECT_FALSE(f->isVisible());
  const std::string ini = plataforma::caminhoPerfil(arquivoIni);
  std::filesystem::remove(ini);
  std::filesystem::create_directory(ini);
  mensagens.esperaOk();
  escolhe(f->b_padrao, "outro\xE7.sug");
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Erro ao gravar " + ini});
}

// F7, the tool button and Ctrl+F7 on the editor's lines: each stops at its
// word with the window filled, the choice goes into the line, and the next
// command goes on after the word, also after a line's last word.
TEST_F(OrtografiaPrincipal, VerificacaoNoEditor) {
  janela->show();
  janela->RichEdit1->setFocus();
  janela->carregaLinhas({"canto cante", "cas, canto."});
  janela->irParaLinhaColuna(0, 0);
  const struct {
    std::function<void()> comando;
    std::string palavra, frase, sugestoes;
    const char* digitado;  // nullptr: "Deixar"; "": the window closed
    std::pair<int, int> cursor;
  } passos[] = {
      {[&] { QTest::keyClick(janela->RichEdit1, Qt::Key_F7); },
       "cante",
       "...canto cante...",
       "",
       nullptr,
       {0, 11}},
      {[&] { janela->dicBtn->click(); }, "cas", "...cas, canto....", "", "casa", {1, 5}},
      {[&] { QTest::keyClick(janela->RichEdit1, Qt::Key_F7, Qt::ControlModifier); },
       "canto",
       "-",
       "canto",
       "",
       {1, 12}},
  };
  for (const auto& p : passos) {
    SCOPED_TRACE(p.palavra);
    int mostras = 0;
    formSubst->l_frase->setText(QStringLiteral("-"));
    servicoqt::defineMostraModal([&](QDialog& d) {
      ++mostras;
      EXPECT_EQ(&d, formSubst);
      EXPECT_EQ(deQString(formSubst->e_original->text()), p.palavra);
      EXPECT_EQ(deQString(formSubst->l_frase->text()), p.frase);
      EXPECT_EQ(deQString(formSubst->ComboBox1->itemText(0)), p.sugestoes);
      EXPECT_FALSE(formEspere->isVisible());
      formSubst->show();
      formSubst->ComboBox1->setCurrentIndex(0);
      if (p.digitado && !*p.digitado) formSubst->close();
      if (p.digitado && *p.digitado) formSubst->ComboBox1->setEditText(QString::fromUtf8(p.digitado));
      if (formSubst->isVisible()) (p.digitado ? formSubst->Button1 : formSubst->Button2)->click();
      return 0;
    });
    // The main window is active again once the modal window has gone.
    QApplication::setActiveWindow(janela);
    p.comando();
    EXPECT_EQ(mostras, 1);
    const QTextCursor c = janela->RichEdit1->textCursor();
    EXPECT_EQ(std::pair(c.blockNumber(), c.positionInBlock()), p.cursor);
  }
  EXPECT_EQ(janela->linhasDocumento(), (std::vector<std::string>{"canto cante", "casa, canto."}));
  EXPECT_EQ(janela->painelStatus1->text(), QStringLiteral("   Lin 2   Col 13"));
  // The rest is valid: the end of the text.
  mensagens.esperaOk();
  janela->irParaLinhaColuna(1, 6);
  servicoqt::defineMostraModal([](QDialog&) { return 0; });
  janela->Verificarerro1->trigger();
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Fim do Texto"});
  EXPECT_EQ(janela->RichEdit1->textCursor().blockNumber(), 2);
}

// Enter, the key a transcriber presses to go on, never deletes the word:
// with the box empty it leaves the word, once something is typed it takes
// that. A click on "Substituir" with the box empty still deletes the word.
TEST_F(OrtografiaPrincipal, EnterNaSubstituicao) {
  janela->show();
  for (const auto& [digitado, clicaSubstituir, linha] : std::vector<std::tuple<const char*, bool, std::string>>{
           {"", false, "cas, canto."}, {"casa", false, "casa, canto."}, {"", true, ", canto."}}) {
    SCOPED_TRACE(std::string(digitado) + (clicaSubstituir ? ", Substituir" : ", Enter"));
    janela->carregaLinhas({"cas, canto."});
    janela->irParaLinhaColuna(0, 0);
    servicoqt::defineMostraModal([&, digitado = digitado, clicaSubstituir = clicaSubstituir](QDialog&) {
      formSubst->show();
      QLineEdit* caixa = formSubst->ComboBox1->lineEdit();
      QTest::keyClicks(caixa, digitado);
      if (clicaSubstituir)
        formSubst->Button1->click();
      else
        QTest::keyClick(caixa, Qt::Key_Return);
      EXPECT_FALSE(formSubst->isVisible());
      return 0;
    });
    QApplication::setActiveWindow(janela);
    janela->Verificarerro1->trigger();
    EXPECT_EQ(janela->linhasDocumento(), std::vector<std::string>{linha});
  }
}

// The load's notice holds nothing up: the command returns while it shows,
// the editor keeps the keys, and it goes by itself when its time is up.
TEST_F(OrtografiaPrincipal, AvisoNaoPrendeAJanela) {
  formQuickMessage->duracao = 300;
  janela->show();
  janela->RichEdit1->setFocus();
  QApplication::setActiveWindow(janela);
  QElapsedTimer relogio;
  relogio.start();
  janela->Carregardicionrio1->trigger();
  EXPECT_LT(relogio.elapsed(), 300);
  EXPECT_TRUE(formQuickMessage->isVisible());
  QTest::keyClicks(janela->RichEdit1, "abc");
  EXPECT_EQ(janela->linhasDocumento(), std::vector<std::string>{"abc"});
  while (formQuickMessage->isVisible() && relogio.elapsed() < 5000) QTest::qWait(10);
  EXPECT_FALSE(formQuickMessage->isVisible());
  EXPECT_GE(relogio.elapsed(), 280);  // a coarse timer may end up to 5% early
}

}  // namespace
