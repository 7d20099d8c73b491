#include "formconta.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "apoio_dispositivos.h"
#include "brcom.h"
#include "brvars.h"
#include "cp1252.h"
#include "textoqt.h"

namespace {

using namespace std::chrono_literals;

class FormContaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    FormConta = &janela;
  }
  void TearDown() override {
    janela.hide();
    FormConta = nullptr;
    fechaCom();
    instalaLeituraModem(nullptr);
    reiniciaVariaveis();
  }
  std::string rotulo1() const { return textoqt::deQString(janela.Label1->text()); }
  std::string rotulo2() const { return textoqt::deQString(janela.Label2->text()); }

  TFormConta janela;
};

TEST_F(FormContaTest, CriadaEscondidaComSeusComponentes) {
  EXPECT_FALSE(janela.isVisible());
  EXPECT_EQ(janela.windowTitle(), QStringLiteral("Imprimindo..."));
  EXPECT_EQ(janela.Button1->text(), QStringLiteral("Cancelar !"));
  EXPECT_EQ(janela.Timer1->interval(), 500);
  EXPECT_FALSE(janela.Timer1->isActive());
  EXPECT_EQ(janela.Label1->textFormat(), Qt::PlainText);
  EXPECT_EQ(janela.Label2->textFormat(), Qt::PlainText);
}

TEST_F(FormContaTest, RelogioMostraCopiaEPagina) {
  janela.Label1->setText(QStringLiteral("texto do trabalho anterior"));
  totalCopias = 3;
  copiaAtual = 0;
  paginaImpressa = 0;
  janela.show();
  QSignalSpy batidas(janela.Timer1, &QTimer::timeout);
  ASSERT_TRUE(batidas.wait(2000));
  EXPECT_EQ(rotulo1(), "Imprimindo");

  copiaAtual = 2;
  paginaImpressa = 3;
  ASSERT_TRUE(batidas.wait(2000));
  EXPECT_EQ(rotulo1(), "Imprimindo cópia 2/3 pag.2"_cp);
}

TEST_F(FormContaTest, CancelarLigaAFlagEEsconde) {
  janela.show();
  EXPECT_TRUE(janela.Timer1->isActive());
  QTest::mouseClick(janela.Button1, Qt::LeftButton);
  EXPECT_TRUE(cancelaImpressao);
  EXPECT_FALSE(janela.isVisible());
  EXPECT_FALSE(janela.Timer1->isActive());
}

TEST_F(FormContaTest, MostraEEscondeAPedidoDeOutraThread) {
  std::thread([&] { janela.mostraDeQualquerThread(); }).join();
  QTRY_VERIFY_WITH_TIMEOUT(janela.isVisible(), 2000);
  std::thread([&] { janela.escondeDeQualquerThread(); }).join();
  QTRY_VERIFY_WITH_TIMEOUT(!janela.isVisible(), 2000);
}

TEST_F(FormContaTest, PortaSerialBloqueadaAvisaPelaThreadDaJanela) {
  // The serial send runs on a worker thread as in a print job; the notice
  // reaches Label2 through the window's own thread.
  apoio::PseudoTerminal pty;
  apoio::Leitor leitor(pty.mestre);
  apoio::Variavel com1("LUMAREL_COM1", pty.nome);
  ASSERT_TRUE(abreCom("COM1"));
  std::atomic<int> bits{TIOCM_CTS};
  instalaLeituraModem([&](int) -> std::optional<int> { return bits.load(); });
  janela.show();

  std::atomic<bool> resultado{false};
  std::atomic<bool> terminou{false};
  std::thread trabalhador([&] {
    resultado = enviaCom("ok\r\n");
    terminou = true;
  });
  QTRY_COMPARE_WITH_TIMEOUT(janela.Label2->text(), QStringLiteral("Impressora bloqueada"), 3000);
  EXPECT_FALSE(terminou);
  bits = TIOCM_CTS | TIOCM_DSR;
  QTRY_VERIFY_WITH_TIMEOUT(terminou.load(), 3000);
  trabalhador.join();
  EXPECT_TRUE(resultado);
  EXPECT_EQ(leitor.espera(4), "ok\r\n");
  QTRY_COMPARE_WITH_TIMEOUT(janela.Label2->text(), QString(), 2000);
}

}  // namespace
