#include "inicio.h"

#include <QApplication>

#include "arquivos.h"
#include "brcodigo.h"
#include "brexgraf.h"
#include "formanotacoes.h"
#include "formchecabrl.h"
#include "formconfig.h"
#include "formconfigbrl.h"
#include "formconfigdir.h"
#include "formconfigmargem.h"
#include "formconftabela.h"
#include "formmacro.h"
#include "formquadro.h"
#include "formdigitabraille.h"
#include "formsimb.h"
#include "formvisualgraf.h"
#include "formconfigdicionario.h"
#include "formespere.h"
#include "formquickmessage.h"
#include "formsubst.h"
#include "servicoqt.h"
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

  // The program parameters (section LUMAREL) and the embosser (section
  // IMPBRAILLE): each settings window reads its section as it is created.
  FormConfig = new TFormConfig;
  FormConfig->setAttribute(Qt::WA_QuitOnClose, false);
  FormConfigBrl = new TFormConfigBrl;
  FormConfigBrl->setAttribute(Qt::WA_QuitOnClose, false);
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
  // they name: the directories window reports a missing table at start.
  FormConfigDir = new TFormConfigDir;
  FormConfigDir->setAttribute(Qt::WA_QuitOnClose, false);
  // The progress window of print jobs.
  FormConta = new TFormConta;
  FormConta->setAttribute(Qt::WA_QuitOnClose, false);
  // The tools that write lines work on the editor's lines and end as a
  // menu command does: Braille rows and status bar follow.
  auto editor = []() -> LinhasEditor* { return formPrincipal ? &formPrincipal->linhasEditor() : nullptr; };
  auto depois = [] {
    if (formPrincipal) formPrincipal->acompanhaCursor();
  };
  FormQuadro = new TFormQuadro;
  FormQuadro->setAttribute(Qt::WA_QuitOnClose, false);
  FormQuadro->editor = editor;
  FormQuadro->aposComando = depois;
  formMacro = new TformMacro;
  formMacro->setAttribute(Qt::WA_QuitOnClose, false);
  formMacro->editor = editor;
  formMacro->aposComando = depois;
  // The editor margin (the main window read it at its creation).
  FormConfigMargem = new TFormConfigMargem;
  FormConfigMargem->setAttribute(Qt::WA_QuitOnClose, false);
  // The character map, six-key typing and the symbol palette, which type
  // into the editor.
  auto insere = [](const std::string& texto) {
    if (formPrincipal) formPrincipal->insereTextoEditor(texto);
  };
  TabCaracteres = new TTabCaracteres;
  TabCaracteres->setAttribute(Qt::WA_QuitOnClose, false);
  TabCaracteres->insereTexto = insere;
  FormDigitaBraille = new TFormDigitaBraille;
  FormDigitaBraille->setAttribute(Qt::WA_QuitOnClose, false);
  FormDigitaBraille->insereTexto = insere;
  FormDigitaBraille->enviaTeclaEditor = [](int tecla) {
    if (formPrincipal) formPrincipal->enviaTeclaEditor(tecla);
  };
  FormSimb = new TFormSimb;
  FormSimb->setAttribute(Qt::WA_QuitOnClose, false);
  FormSimb->insereTexto = insere;
  // The dictionary files (section DICIONARIO), read as their window is
  // created, and the replacement window of the spell check.
  formConfigDicionario = new TformConfigDicionario;
  formConfigDicionario->setAttribute(Qt::WA_QuitOnClose, false);
  formSubst = new TformSubst;
  formSubst->setAttribute(Qt::WA_QuitOnClose, false);
  formConfTabela = new TformConfTabela;
  formConfTabela->setAttribute(Qt::WA_QuitOnClose, false);
  formConfTabela->editor = editor;
  formConfTabela->aposComando = depois;
  // The line check of the preview.
  formChecaBrl = new TformChecaBrl;
  formChecaBrl->setAttribute(Qt::WA_QuitOnClose, false);
  FormVisual->conferirLinhaBraille = [](const std::string& linha, const EstadoPassoVisual& estado) {
    formChecaBrl->mostraLinha(linha, estado);
    servicoqt::mostraModal(*formChecaBrl);
  };
  // The window shown while the dictionary loads.
  formEspere = new TformEspere;
  formEspere->setAttribute(Qt::WA_QuitOnClose, false);
  // The annotation list, which leads to the annotated lines.
  formAnotacoes = new TformAnotacoes;
  formAnotacoes->setAttribute(Qt::WA_QuitOnClose, false);
  formAnotacoes->editor = editor;
  // The graphic check before a graphic line goes in.
  formExibeGraf = new TformExibeGraf;
  formExibeGraf->setAttribute(Qt::WA_QuitOnClose, false);
  // The preview's page as dots, which pages through the preview.
  formVisualGraf = new TformVisualGraf;
  formVisualGraf->setAttribute(Qt::WA_QuitOnClose, false);
  formVisualGraf->proximaPagina = [] {
    FormVisual->proximaPagina();
    return FormVisual->linhaSelecionada();
  };
  formVisualGraf->paginaAnterior = [] {
    FormVisual->paginaAnterior();
    return FormVisual->linhaSelecionada();
  };
  FormVisual->mostraPaginaPontos = [](const std::vector<std::string>& linhas, int indice,
                                      const EstadoPassoVisual& estado) {
    formVisualGraf->mostraPagina(linhas, indice, estado);
  };
  FormVisual->fechaPaginaPontos = [] { formVisualGraf->close(); };
  // The spell check's two-second notice.
  formQuickMessage = new TformQuickMessage;
  formQuickMessage->setAttribute(Qt::WA_QuitOnClose, false);
  return formPrincipal;
}

InicioPrograma::InicioPrograma(const QStringList& argumentos)
    : servicos_(std::make_unique<ServicosPrograma>(codigoImpressoraParaPontos)) {
  principal_ = criaJanelas(argumentos);
}

InicioPrograma::~InicioPrograma() = default;

void destroiJanelas() {
  // The preview's hooks lead to these windows: it goes first.
  delete FormVisual;
  FormVisual = nullptr;
  delete formVisualGraf;
  formVisualGraf = nullptr;
  delete formExibeGraf;
  formExibeGraf = nullptr;
  delete formChecaBrl;
  formChecaBrl = nullptr;
  delete formQuickMessage;
  formQuickMessage = nullptr;
  delete formEspere;
  formEspere = nullptr;
  delete formSubst;
  formSubst = nullptr;
  delete formConfigDicionario;
  formConfigDicionario = nullptr;
  delete FormSimb;
  FormSimb = nullptr;
  delete FormDigitaBraille;
  FormDigitaBraille = nullptr;
  delete TabCaracteres;
  TabCaracteres = nullptr;
  delete formConfTabela;
  formConfTabela = nullptr;
  delete formAnotacoes;
  formAnotacoes = nullptr;
  delete formMacro;
  formMacro = nullptr;
  delete FormQuadro;
  FormQuadro = nullptr;
  delete FormConta;
  FormConta = nullptr;
  delete FormImprime;
  FormImprime = nullptr;
  delete FormSplash;
  FormSplash = nullptr;
  delete FormConfigMargem;
  FormConfigMargem = nullptr;
  delete FormConfigDir;
  FormConfigDir = nullptr;
  delete FormConfigBrl;
  FormConfigBrl = nullptr;
  delete FormConfig;
  FormConfig = nullptr;
  delete formPrincipal;
  formPrincipal = nullptr;
}
