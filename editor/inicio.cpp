#include "inicio.h"

#include <QApplication>

#include "arquivos.h"
#include "brcodigo.h"
#include "brexgraf.h"
#include "brvars.h"
#include "formconta.h"
#include "formimprime.h"
#include "formprincipal.h"
#include "formsplash.h"
#include "formvisual.h"
#include "servicosprograma.h"

void iniciaModuloPrincipal() { dirPrograma = plataforma::diretorioAtual(); }

TformPrincipal* criaJanelas(const QStringList& argumentos) {
  QApplication::setApplicationName(QStringLiteral("Lumarel"));

  // The main window first: its creation leaves the current directory as
  // it was, so the paths below resolve against the folder of the start.
  formPrincipal = new TformPrincipal;
  formPrincipal->argumentosPrograma = argumentos;

  // Program parameters (section LUMAREL), read where their settings
  // window is created.
  leConfigPrograma();
  // The embosser (section IMPBRAILLE).
  leConfigImpressora();
  // The Braille preview, which leads back to the editor's lines.
  FormVisual = new TFormVisual;
  FormVisual->setAttribute(Qt::WA_QuitOnClose, false);
  FormVisual->numeroLinhasDocumento = [] { return formPrincipal ? formPrincipal->numeroLinhas() : 0; };
  FormVisual->irParaLinhaColuna = [](int l, int c) {
    if (!formPrincipal) return;
    formPrincipal->activateWindow();
    formPrincipal->irParaLinhaColuna(l, c);
  };
  FormVisual->insereLinhaDocumento = [](int i, const std::string& texto) {
    if (!formPrincipal) return;
    insereLinhaNoEditor(formPrincipal->RichEdit1, i, texto);
    formPrincipal->acompanhaCursor();
  };
  // The print dialog prints the editor's lines.
  FormImprime = new TFormImprime;
  FormImprime->setAttribute(Qt::WA_QuitOnClose, false);
  FormImprime->linhasDocumento = [] {
    return formPrincipal ? formPrincipal->linhasDocumento() : std::vector<std::string>{};
  };
  // The picture window.
  FormSplash = new TFormSplash;
  // The paths, against the current directory, and the printer code table
  // they name: a missing table is reported at start.
  leConfigDiretorios(plataforma::diretorioAtual());
  carregaTabelaImpressora();
  // The progress window of print jobs.
  FormConta = new TFormConta;
  FormConta->setAttribute(Qt::WA_QuitOnClose, false);
  // The dictionary files (section DICIONARIO).
  leConfigDicionario();
  // The graphic check before a graphic line goes in.
  formExibeGraf = new TformExibeGraf;
  formExibeGraf->setAttribute(Qt::WA_QuitOnClose, false);
  return formPrincipal;
}

InicioPrograma::InicioPrograma(const QStringList& argumentos)
    : servicos_(std::make_unique<ServicosPrograma>(codigoImpressoraParaPontos)) {
  principal_ = criaJanelas(argumentos);
}

InicioPrograma::~InicioPrograma() = default;

void destroiJanelas() {
  delete formExibeGraf;
  formExibeGraf = nullptr;
  delete FormVisual;
  FormVisual = nullptr;
  delete FormConta;
  FormConta = nullptr;
  delete FormImprime;
  FormImprime = nullptr;
  delete FormSplash;
  FormSplash = nullptr;
  delete formPrincipal;
  formPrincipal = nullptr;
}
