#include "servicoqt.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <deque>
#include <future>
#include <memory>
#include <mutex>

#include "cp1252.h"
#include "programas.h"
#include "textoqt.h"

using plataforma::Botao;
using plataforma::TipoMensagem;
using textoqt::deQString;
using textoqt::paraQString;

namespace servicoqt {

QString tituloPrograma() {
  // Qt falls back to the executable's name when the program set none.
  const QString nome = QCoreApplication::applicationName();
  const QString executavel = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return nome.isEmpty() || nome == executavel ? QStringLiteral("Lumarel") : nome;
}

QString tituloDaCaixa(const std::string& titulo) {
  return titulo.empty() ? tituloPrograma() : paraQString(titulo);
}

QMessageBox::Icon iconeDoTipo(TipoMensagem tipo) {
  switch (tipo) {
    case TipoMensagem::informacao: return QMessageBox::Information;
    case TipoMensagem::aviso: return QMessageBox::Warning;
    case TipoMensagem::erro: return QMessageBox::Critical;
    case TipoMensagem::confirmacao: return QMessageBox::Question;
    case TipoMensagem::simples: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton botaoParaQt(Botao botao) {
  switch (botao) {
    case Botao::ok: return QMessageBox::Ok;
    case Botao::cancelar: return QMessageBox::Cancel;
    case Botao::sim: return QMessageBox::Yes;
    case Botao::nao: return QMessageBox::No;
    case Botao::nenhum: return QMessageBox::NoButton;
  }
  return QMessageBox::NoButton;
}

Botao botaoDeQt(int botao) {
  switch (botao) {
    case QMessageBox::Ok: return Botao::ok;
    case QMessageBox::Cancel: return Botao::cancelar;
    case QMessageBox::Yes: return Botao::sim;
    case QMessageBox::No: return Botao::nao;
    default: return Botao::nenhum;
  }
}

QMessageBox::StandardButtons botoesParaQt(const std::vector<Botao>& botoes) {
  QMessageBox::StandardButtons r = QMessageBox::NoButton;
  for (const Botao b : botoes) r |= botaoParaQt(b);
  return r == QMessageBox::NoButton ? QMessageBox::StandardButtons(QMessageBox::Ok) : r;
}

Botao botaoDeEscape(const std::vector<Botao>& botoes) {
  for (const Botao procurado : {Botao::cancelar, Botao::nao, Botao::ok})
    for (const Botao b : botoes)
      if (b == procurado) return b;
  return botoes.empty() ? Botao::ok : Botao::nenhum;
}

QString filtroParaQt(std::string_view filtro) {
  std::vector<std::string_view> partes;
  while (!filtro.empty()) {
    const std::size_t barra = filtro.find('|');
    partes.push_back(filtro.substr(0, barra));
    if (barra == std::string_view::npos) break;
    filtro.remove_prefix(barra + 1);
  }
  // Windows matches file filters whatever the case; the dialogs here do not,
  // so each pattern also goes in lower and upper case (the code page's own).
  const auto acrescenta = [](QStringList& padroes, const QString& p) {
    if (!padroes.contains(p)) padroes << p;
  };
  QStringList filtros;
  for (std::size_t i = 0; i < partes.size(); i += 2) {
    const QString descricao = paraQString(partes[i]).trimmed();
    QStringList padroes;
    if (i + 1 < partes.size())
      for (const QString& p : paraQString(partes[i + 1]).split(u';', Qt::SkipEmptyParts)) {
        const QString padrao = p.trimmed();
        if (padrao.isEmpty()) continue;
        const std::string texto = deQString(padrao);
        acrescenta(padroes, padrao);
        acrescenta(padroes, paraQString(cp1252::minusculas(texto)));
        acrescenta(padroes, paraQString(cp1252::maiusculas(texto)));
      }
    if (padroes.isEmpty()) padroes << QStringLiteral("*");
    if (descricao.isEmpty() && i + 1 >= partes.size()) continue;
    filtros << QStringLiteral("%1 (%2)").arg(descricao, padroes.join(u' '));
  }
  return filtros.join(QStringLiteral(";;"));
}

namespace {

// A call another thread asks the GUI thread to carry out.
struct Chamada {
  const std::function<void()>* f = nullptr;
  std::promise<void> feito;
};
std::mutex mutexChamadas;
std::deque<std::shared_ptr<Chamada>> chamadas;

void executaChamada() {
  std::shared_ptr<Chamada> chamada;
  {
    std::lock_guard trava(mutexChamadas);
    if (chamadas.empty()) return;
    chamada = std::move(chamadas.front());
    chamadas.pop_front();
  }
  try {
    (*chamada->f)();
    chamada->feito.set_value();
  } catch (...) {
    chamada->feito.set_exception(std::current_exception());
  }
}

}  // namespace

void naThreadGui(const std::function<void()>& f) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    f();
    return;
  }
  // The call is handed over through a queue under a mutex and its end
  // reported through a promise, not through Qt's blocking call: the thread
  // checker follows both (it cannot see the locks inside Qt), so what each
  // side wrote before is seen by the other. Each posted event runs one call
  // of the queue.
  auto chamada = std::make_shared<Chamada>();
  chamada->f = &f;
  std::future<void> fim = chamada->feito.get_future();
  {
    std::lock_guard trava(mutexChamadas);
    chamadas.push_back(chamada);
  }
  QMetaObject::invokeMethod(app, &executaChamada, Qt::QueuedConnection);
  fim.get();
}

std::optional<std::string> nomeAceito(const QString& nome) {
  std::optional<std::string> r = textoqt::deQStringExato(nome);
  if (!r) plataforma::mostraNomeRecusado(nome.toStdString());
  return r;
}

namespace {
MostraModal& modal() {
  static MostraModal f;
  return f;
}
}  // namespace

int mostraModal(QDialog& janela) {
  if (modal()) return modal()(janela);
  return janela.exec();
}

void defineMostraModal(MostraModal f) { modal() = std::move(f); }

void vigiaPrograma(int pid, std::function<void()> aoFalhar) {
  if (pid <= 0) return;
  auto* relogio = new QTimer(QCoreApplication::instance());
  relogio->setInterval(200);
  QObject::connect(relogio, &QTimer::timeout, relogio, [relogio, pid, aoFalhar = std::move(aoFalhar)] {
    const plataforma::EstadoPrograma estado = plataforma::estadoPrograma(pid);
    if (estado == plataforma::EstadoPrograma::rodando) return;
    relogio->stop();
    relogio->deleteLater();
    if (estado == plataforma::EstadoPrograma::falhou && aoFalhar) aoFalhar();
  });
  relogio->start();
}

}  // namespace servicoqt

namespace {

Botao mostraCaixa(TipoMensagem tipo, const std::string& titulo, const QString& texto,
                  const std::vector<Botao>& botoes) {
  Botao r = Botao::nenhum;
  servicoqt::naThreadGui([&] {
    QMessageBox caixa(servicoqt::iconeDoTipo(tipo), servicoqt::tituloDaCaixa(titulo), texto,
                      servicoqt::botoesParaQt(botoes));
    caixa.setTextFormat(Qt::PlainText);
    if (!botoes.empty()) caixa.setDefaultButton(servicoqt::botaoParaQt(botoes.front()));
    const Botao escape = servicoqt::botaoDeEscape(botoes);
    if (escape != Botao::nenhum) caixa.setEscapeButton(servicoqt::botaoParaQt(escape));
    caixa.exec();
    QAbstractButton* clicado = caixa.clickedButton();
    r = clicado ? servicoqt::botaoDeQt(caixa.standardButton(clicado)) : Botao::nenhum;
  });
  return r;
}

}  // namespace

Botao ServicoMensagensQt::mensagem(TipoMensagem tipo, const std::string& titulo,
                                   const std::string& texto, const std::vector<Botao>& botoes) {
  return mostraCaixa(tipo, titulo, paraQString(texto), botoes);
}

Botao ServicoMensagensQt::mensagemUtf8(TipoMensagem tipo, const std::string& titulo,
                                       const std::string& textoUtf8,
                                       const std::vector<Botao>& botoes) {
  return mostraCaixa(tipo, titulo, QString::fromStdString(textoUtf8), botoes);
}

std::optional<std::string> ServicoMensagensQt::pergunta(const std::string& titulo,
                                                        const std::string& rotulo,
                                                        const std::string& valorInicial) {
  std::optional<std::string> r;
  servicoqt::naThreadGui([&] {
    bool ok = false;
    const QString texto =
        QInputDialog::getText(nullptr, servicoqt::tituloDaCaixa(titulo), paraQString(rotulo),
                              QLineEdit::Normal, paraQString(valorInicial), &ok);
    if (ok) r = deQString(texto);
  });
  return r;
}

std::optional<std::string> ServicoMensagensQt::nomeArquivoAbrir(const std::string& titulo,
                                                                const std::string& pasta,
                                                                const std::string& filtro) {
  QString nome;
  servicoqt::naThreadGui([&] {
    nome = QFileDialog::getOpenFileName(nullptr, servicoqt::tituloDaCaixa(titulo),
                                        paraQString(pasta), servicoqt::filtroParaQt(filtro), nullptr,
                                        servicoqt::opcoesDialogoArquivo);
  });
  if (nome.isEmpty()) return std::nullopt;
  return servicoqt::nomeAceito(nome);
}

std::optional<std::string> ServicoMensagensQt::nomeArquivoSalvar(const std::string& titulo,
                                                                 const std::string& nomeInicial,
                                                                 const std::string& filtro) {
  QString nome;
  servicoqt::naThreadGui([&] {
    // The callers ask their own overwrite question where they have one, as
    // the old save dialogs did; a second one from the dialog would repeat it.
    nome = QFileDialog::getSaveFileName(nullptr, servicoqt::tituloDaCaixa(titulo),
                                        paraQString(nomeInicial), servicoqt::filtroParaQt(filtro),
                                        nullptr,
                                        servicoqt::opcoesDialogoArquivo | QFileDialog::DontConfirmOverwrite);
  });
  if (nome.isEmpty()) return std::nullopt;
  return servicoqt::nomeAceito(nome);
}

std::optional<plataforma::EscolhaFonte> ServicoMensagensQt::escolheFonte(
    const plataforma::EscolhaFonte& atual) {
  std::optional<plataforma::EscolhaFonte> r;
  servicoqt::naThreadGui([&] {
    QFont inicial(paraQString(atual.nome));
    if (atual.tamanho > 0) inicial.setPointSize(atual.tamanho);
    inicial.setBold(atual.negrito);
    inicial.setItalic(atual.italico);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, inicial, nullptr);
    if (!ok) return;
    r = plataforma::EscolhaFonte{deQString(f.family()), f.pointSize(), f.bold(), f.italic()};
  });
  return r;
}

std::optional<plataforma::EscolhaImpressora> ServicoMensagensQt::escolheImpressora() {
  std::optional<plataforma::EscolhaImpressora> r;
  QString arquivo;
  servicoqt::naThreadGui([&] {
    QPrinter impressora;
    QPrintDialog dialogo(&impressora);
    if (dialogo.exec() != QDialog::Accepted) return;
    r = plataforma::EscolhaImpressora{deQString(impressora.printerName()), {}, {}};
    arquivo = impressora.outputFileName();
  });
  // Printing to a file: the file must be the one the user named.
  if (r && !arquivo.isEmpty()) {
    const auto nome = servicoqt::nomeAceito(arquivo);
    if (!nome) return std::nullopt;
    r->porta = *nome;
  }
  return r;
}
