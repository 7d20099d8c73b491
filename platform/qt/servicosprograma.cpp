#include "servicosprograma.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QLibraryInfo>
#include <QLocale>

#include "mensagens.h"
#include "superficie.h"
#include "superficieqt.h"

void agendaCapturaDeTela(QWidget& janela, const std::function<void()>& preparar) {
  const QString captura = qEnvironmentVariable("LUMAREL_CAPTURA");
  if (captura.isEmpty()) return;
  QTimer::singleShot(700, &janela, [&janela, captura, preparar] {
    if (preparar) preparar();
    QApplication::exit(janela.grab().save(captura, "PNG") ? 0 : 1);
  });
}

ServicosPrograma::ServicosPrograma(const braillequt::TabelaPontos& pontosImpressora) {
  plataforma::instalaServicoMensagens(&mensagens_);
  instalaSuperficieQt(pontosImpressora);
  instalaTraducao();
}

ServicosPrograma::ServicosPrograma(ServicoMensagensQt& mensagens) {
  plataforma::instalaServicoMensagens(&mensagens);
  instalaTraducao();
}

QString TraducaoQt::translate(const char* contexto, const char* texto, const char* desambiguacao,
                              int n) const {
  QString r = QTranslator::translate(contexto, texto, desambiguacao, n);
  if (r.isEmpty() && qstrcmp(contexto, "QAbstractFileIconProvider") == 0)
    r = QTranslator::translate("QFileDialog", texto, desambiguacao, n);
  return r;
}

void ServicosPrograma::instalaTraducao() {
  // The programs speak Portuguese whatever the desktop's language: Qt's own
  // buttons and dialogs must too, and the kinds of file the file dialogs
  // name come from the system's type database in the program's language.
  // Without the translation files Qt keeps its English texts, and the
  // programs still work.
  localeAnterior_ = QLocale();
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  traduzido_ = traducaoQt_.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (traduzido_) QCoreApplication::installTranslator(&traducaoQt_);
}

ServicosPrograma::~ServicosPrograma() {
  if (traduzido_) QCoreApplication::removeTranslator(&traducaoQt_);
  QLocale::setDefault(localeAnterior_);
  instalaFabricaSuperficie(nullptr);
  plataforma::instalaServicoMensagens(nullptr);
}
