#include "servicoqt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QAbstractButton>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "apoio_testes.h"
#include "cp1252.h"
#include "textoqt.h"

namespace {

using plataforma::Botao;
using plataforma::TipoMensagem;

// A name Windows-1252 cannot hold is refused with a box naming it as written.
TEST(ServicoQt, NomeForaDoCodigoRecusado) {
  apoio::Mensagens mensagens;  // an unexpected box fails
  EXPECT_EQ(servicoqt::nomeAceito(QStringLiteral(u"/docs/Ação € 1.txt")), "/docs/Ação € 1.txt"_cp.str());
  mensagens.esperaOk();
  EXPECT_EQ(servicoqt::nomeAceito(QStringLiteral(u"/docs/Ωmega łódź.txt")), std::nullopt);
  ASSERT_EQ(mensagens.servico.registro.size(), 1u);
  const auto& caixa = mensagens.servico.registro[0];
  EXPECT_EQ(caixa.tipo, TipoMensagem::erro);
  EXPECT_TRUE(caixa.utf8);
  EXPECT_EQ(caixa.texto, "Nome de arquivo que o programa não aceita: /docs/Ωmega łódź.txt");
}

TEST(ServicoQt, FiltroNoFormatoDoQt) {
  struct Caso {
    std::string filtro;
    QString qt;
  };
  // Each pattern with letters comes in its own, lower and upper case too.
  const std::vector<Caso> casos = {
      {"Textos|*.txt", QStringLiteral("Textos (*.txt *.TXT)")},
      {"Textos|*.txt|Todos|*.*", QStringLiteral("Textos (*.txt *.TXT);;Todos (*.*)")},
      {"Documentos|*.txt;*.doc", QStringLiteral("Documentos (*.txt *.TXT *.doc *.DOC)")},
      {"Arquivos Gráficos Táteis (*.grb)|*.grb"_cp,
       QStringLiteral(u"Arquivos Gráficos Táteis (*.grb) (*.grb *.GRB)")},
      {"Sem padrão"_cp, QStringLiteral(u"Sem padrão (*)")},
      {"Textos|*.txt|", QStringLiteral("Textos (*.txt *.TXT)")},
      {"Gráficos|*.GRB"_cp, QStringLiteral(u"Gráficos (*.GRB *.grb)")},
      {"Misto|*.Txt", QStringLiteral("Misto (*.Txt *.txt *.TXT)")},
      {"Repetidos|*.txt;*.TXT; *.txt", QStringLiteral("Repetidos (*.txt *.TXT)")},
      {"Todos|*.*;*;*1?", QStringLiteral("Todos (*.* * *1?)")},
      {"Acentos|*.ção"_cp, QStringLiteral(u"Acentos (*.ção *.ÇÃO)")},
      {"Sem outra caixa|*.ßµ"_cp, QStringLiteral(u"Sem outra caixa (*.ßµ)")},
      {"Vazio|", QStringLiteral("Vazio (*)")},
      {"", QString()},
  };
  for (const auto& c : casos) EXPECT_EQ(servicoqt::filtroParaQt(c.filtro), c.qt) << c.filtro;
}

TEST(ServicoQt, BotoesDaCaixa) {
  for (const Botao b : {Botao::ok, Botao::cancelar, Botao::sim, Botao::nao})
    EXPECT_EQ(servicoqt::botaoDeQt(servicoqt::botaoParaQt(b)), b);
  EXPECT_EQ(servicoqt::botaoDeQt(QMessageBox::Close), Botao::nenhum);
  EXPECT_EQ(servicoqt::botoesParaQt({}), QMessageBox::StandardButtons(QMessageBox::Ok));

  struct Caso {
    std::vector<Botao> botoes;
    Botao escape;
  };
  for (const auto& c : std::vector<Caso>{{{Botao::ok}, Botao::ok},
                                         {{Botao::ok, Botao::cancelar}, Botao::cancelar},
                                         {{Botao::sim, Botao::nao}, Botao::nao},
                                         {{Botao::nao, Botao::ok, Botao::cancelar}, Botao::cancelar},
                                         {{}, Botao::ok},
                                         {{Botao::sim}, Botao::nenhum}})
    EXPECT_EQ(servicoqt::botaoDeEscape(c.botoes), c.escape);
}

TEST(ServicoQt, TituloDoPrograma) {
  const QString antes = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QString());
  EXPECT_EQ(servicoqt::tituloPrograma(), QStringLiteral("Lumarel"));
  EXPECT_EQ(servicoqt::tituloDaCaixa(""), QStringLiteral("Lumarel"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvento"));
  EXPECT_EQ(servicoqt::tituloDaCaixa(""), QStringLiteral("Orvento"));
  EXPECT_EQ(servicoqt::tituloDaCaixa("Criando gráfico vazio"_cp),
            QStringLiteral(u"Criando gráfico vazio"));
  QCoreApplication::setApplicationName(antes);
}

// Closes the next modal dialog, once it is shown, with `acao`.
template <class Acao>
void quandoAparecer(Acao acao) {
  auto* t = new QTimer;
  t->setInterval(10);
  QObject::connect(t, &QTimer::timeout, [t, acao] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      t->stop();
      t->deleteLater();
      acao(w);
    }
  });
  t->start();
}

TEST(ServicoQt, CaixaMostraTextoEDevolveBotao) {
  ServicoMensagensQt servico;
  QString texto, titulo;
  QMessageBox::Icon icone = QMessageBox::NoIcon;
  quandoAparecer([&](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(caixa, nullptr);
    texto = caixa->text();
    titulo = caixa->windowTitle();
    icone = caixa->icon();
    caixa->button(QMessageBox::No)->click();
  });
  const Botao r = servico.mensagem(TipoMensagem::confirmacao, "Já gravou ?"_cp,
                                   "<b>Não</b> & “aspas”"_cp, {Botao::nao, Botao::ok, Botao::cancelar});
  EXPECT_EQ(r, Botao::nao);
  EXPECT_EQ(texto, QStringLiteral(u"<b>Não</b> & “aspas”"));
  EXPECT_EQ(titulo, QStringLiteral(u"Já gravou ?"));
  EXPECT_EQ(icone, QMessageBox::Question);
}

TEST(ServicoQt, PerguntaDevolveTextoOuNada) {
  ServicoMensagensQt servico;
  quandoAparecer([](QWidget* w) {
    auto* linha = w->findChild<QLineEdit*>();
    ASSERT_NE(linha, nullptr);
    EXPECT_EQ(linha->text(), QStringLiteral("n"));
    linha->setText(QStringLiteral(u"sim, é €"));
    qobject_cast<QDialog*>(w)->accept();
  });
  EXPECT_EQ(servico.pergunta("T", "R", "n"), std::optional<std::string>("sim, é €"_cp.str()));

  quandoAparecer([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(servico.pergunta("T", "R", ""), std::nullopt);
}

// The print worker asks from its own thread; the box must be shown by the
// GUI thread while the worker waits for the answer.
TEST(ServicoQt, PedidoDeOutraThreadRodaNaThreadGui) {
  std::atomic<bool> naGui{false};
  std::atomic<bool> terminou{false};
  QThread* gui = QThread::currentThread();
  std::thread trabalhador([&] {
    servicoqt::naThreadGui([&] { naGui = QThread::currentThread() == gui; });
    terminou = true;
  });
  QElapsedTimer relogio;
  relogio.start();
  while (!terminou && relogio.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  if (terminou)
    trabalhador.join();
  else
    trabalhador.detach();  // a worker left waiting would hang the join
  EXPECT_TRUE(terminou);
  EXPECT_TRUE(naGui);
}

}  // namespace
