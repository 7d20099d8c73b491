#include "servicosprograma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "mensagens.h"
#include "superficie.h"
#include "superficieqt.h"

ServicosPrograma::ServicosPrograma(const braillequt::TabelaPontos& pontosImpressora) {
  plataforma::instalaServicoMensagens(&mensagens_);
  instalaSuperficieQt(pontosImpressora);
  // The programs speak Portuguese whatever the desktop's language: Qt's own
  // buttons and dialogs must too. Without the translation files Qt keeps its
  // English texts, and the programs still work.
  traduzido_ = traducaoQt_.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (traduzido_) QCoreApplication::installTranslator(&traducaoQt_);
}

ServicosPrograma::~ServicosPrograma() {
  if (traduzido_) QCoreApplication::removeTranslator(&traducaoQt_);
  instalaFabricaSuperficie(nullptr);
  plataforma::instalaServicoMensagens(nullptr);
}
