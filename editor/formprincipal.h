// The editor's main window: the document in a plain-text editor, the Braille
// line of the caret line below it, the status bar with the caret position,
// the menus and the tool bar. Handlers only read the components and call the
// document and caret functions of brarquivo.h and brcursor.h.
#pragma once

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "brarquivo.h"
#include "brlinhasbraille.h"
#include "edicao.h"
#include "formbusca.h"
#include "linhaseditor.h"
#include "rotulosbraille.h"
#include "mensagens.h"

// The document editor: plain text only, every line break one block, every
// character one that a document can hold. It keeps the typing limit, refuses
// a typed character the code page lacks, makes pasted and dropped line ends
// plain blocks and their missing characters "?", and reports its key, mouse,
// file-drop and text-insert events to the window.
class TEditorTexto : public QPlainTextEdit {
 public:
  explicit TEditorTexto(QWidget* pai = nullptr);

  // Characters the user may type up to (a loaded text may be longer).
  int limiteTexto = 0;
  // How a refused key, paste or commit is told: a beep.
  std::function<void()> bipe;

  // A key pressed, before the editor acts on it; true when the window took it.
  std::function<bool(QKeyEvent*)> aoTeclaBaixo;
  std::function<void(QKeyEvent*)> aoTeclaCima;
  std::function<void()> aoClicar;
  std::function<void(const QList<QUrl>&)> aoSoltarArquivos;
  // Text came in without a key release of its own: pasted, dropped, or
  // committed by an input method.
  std::function<void()> aoInserirTexto;

  // True when inserting `tamanho` characters over the selection stays within
  // the limit.
  bool cabe(qsizetype tamanho) const;

  // True while the key being released follows text the keys changed: a
  // character, a blank, Backspace, Delete or Enter that changed the text, or
  // a paste. A move, a shortcut (undo, cut, ...) or a modifier alone is not.
  bool soltaAposTexto() const { return aposTexto_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  bool canInsertFromMimeData(const QMimeData* origem) const override;
  void insertFromMimeData(const QMimeData* origem) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  bool aposTexto_ = false;
};

class TformPrincipal : public QMainWindow, public EditorDocumento {
 public:
  explicit TformPrincipal(QWidget* pai = nullptr);
  ~TformPrincipal() override;

  // Components.
  QClipboard* areaTransferencia = nullptr;
  QToolBar* SpeedPanel;
  TEditorTexto* RichEdit1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QStatusBar* StatusBar1;
  QLabel* painelStatus1;
  QLabel* painelStatus2;
  QMenuBar* MainMenu1;
  QTimer* Timer1;
  plataforma::EscolhaFonte FontDialog1;  // the font the font dialog starts from
  TFindDialog* FindDialog1;
  TReplaceDialog* ReplaceDialog1;

  // Tool buttons, left to right.
  QToolButton *NewBnt, *OpenBtn, *SaveBtn, *PrintBtn, *VisuBtn, *CutBtn, *CopyBtn, *PasteBtn,
      *fontBtn, *br15Btn, *pagBtn, *negBtn, *RecuoBnt, *naoFormBtn, *pAjuBtn, *ptinta, *b_centr,
      *b_anot, *simbBtn, *perkBtn, *dicBtn, *ExitBtn;

  // Menus and their items.
  QMenu *Arquivo1, *Reabrir1, *Editar1, *Configurar1, *Graficos1, *EditorGrafico1, *Destaques1,
      *SeparadorTextos1, *VarianteTipografica1, *Utilitarios1, *Ortografia1, *ManutencaoDicionario1,
      *Ajuda1;
  QAction *Novo1, *Abrir1, *N11, *N21, *N31, *N41, *N51, *Salvar1, *SalvarComo1, *Imprimir1,
      *ImprimirBraille1, *BraillenoWord1, *Sair1;
  QAction *Desfazer1, *Recortar1, *Copiar1, *CopiaremBraille1, *Colar1, *Procurar1,
      *SubstituirPalavra, *SelecionarTudo1, *Dividirlinhasgrandes1, *Trechonoformatvel1,
      *Recuode21, *Centrarlinhas1;
  QAction *ParmetrosdaImpresso1, *ConfiguraMargem, *Fontenatela1, *Impressora1, *Diretorios1,
      *VerificadorOrtogrfico1, *ModoRevisor1, *N5linhasBraille1, *SalvarConfigurao1,
      *CarregarConfigurao1;
  QAction *MiniOrvento1, *Selvra1, *Criargrficovazio1, *PaginaGrafica1, *Intercalargrfico1,
      *Embutirgrfico1;
  QAction *Quadrinhos1, *Grandeabrangncia1, *Mdiaabrangncia1, *Pequenaabrangncia1, *Variante1,
      *Variante2, *Variante3, *Notadetranscrio1, *Pginaemtinta1;
  QAction *InserodeSmbolos1, *DigitaoPerkins1, *extoparaTabela1, *Macroprocessador1,
      *DigitaremBraille1, *ConverterparaformatoDOS1, *ConverterparaformatoWindows1,
      *Eliminarformataes1, *minsculaMAISCULA1, *MAISCULAminscula1, *abeladeCaracteres1,
      *CriarAnotacao1, *Folhearrevises1;
  QAction *Carregardicionrio1, *Liberardicionrio1, *Verificarerro1, *Outrasalternativas1,
      *Acrescentarpalavra1, *Inibirpalavra1;
  QAction* Visualizar1;
  QAction *Minimanual1, *Sobreoprograma1;

  // Shared values of the window. The Braille rows keep their own state
  // (how many rows show, which one is the caret's) in linhasBraille.
  std::array<QLabel*, 5> rotulosBraille{};
  std::unique_ptr<RotulosBrailleQt> rotulosBrailleQt;
  std::unique_ptr<TLinhasBraille> linhasBraille;
  // The text limit the window sets on every activation.
  static constexpr int limiteTextoEditor = 300000;

  // Handlers.
  void FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void Timer1Timer();
  bool RichEdit1KeyDown(QKeyEvent* e);
  // A key released in the editor (none: a refresh after a command): the typed
  // line break, only when the key followed typed text; then the rows and the
  // status bar follow the caret.
  void RichEdit1KeyUp(QKeyEvent* e);
  void RichEdit1MouseDown();
  void soltaArquivos(const QList<QUrl>& urls);

  void Novo1Click();
  void Abrir1Click();
  void Reabrir1Click();
  void abreItemRecente(int k);
  void Salvar1Click();
  void SalvarComo1Click();
  void Imprimir1Click();
  void ImprimirBraille1Click();
  void Sair1Click();
  void Fontenatela1Click();
  void N5linhasBraille1Click();
  void Visualizar1Click();
  void Minimanual1Click();
  void Sobreoprograma1Click();
  // The settings windows, shown beside the editor.
  void ParmetrosdaImpresso1Click();
  void ConfiguraMargemClick();
  void Impressora1Click();
  void Diretorios1Click();
  // Outside the document: the configuration copy, the other programs, the
  // Braille in a word processor and the user's word lists.
  void SalvarConfigurao1Click();
  void CarregarConfigurao1Click();
  void MiniOrvento1Click();
  void Selvra1Click();
  void BraillenoWord1Click();
  void Acrescentarpalavra1Click();
  void Inibirpalavra1Click();

  // Editing commands.
  void Procurar1Click();
  void iniciaBusca();
  void buscaProxima();
  void SubstituirPalavraClick();
  bool localizaSubstituicao(bool foco);
  void substituiSelecao();
  void ReplaceDialogFind();
  void ReplaceDialog1Replace();
  void ReplaceDialog1ReplaceAll();
  void minsculaMAISCULA1Click();
  void MAISCULAminscula1Click();
  void ConverterparaformatoDOS1Click();
  void ConverterparaformatoWindows1Click();
  void Eliminarformataes1Click();
  void Dividirlinhasgrandes1Click();
  void quebraLinhaDigitada(int coluna, int linha);
  void CopiaremBraille1Click();

  // Markup and graphics.
  void Trechonoformatvel1Click();
  void RecuoBntClick();
  void negBtnClick();
  void InserirgrficoClick(int tipo);
  void Criargrficovazio1Click();
  void DigitaremBraille1Click();

  // Characters typed through other windows.
  void CriarAnotacao1Click();
  void Folhearrevises1Click();
  void ModoRevisor1Click();
  // How reviewer mode waits between its two beeps (tests put their own in).
  std::function<void(int ms)> pausa;
  void Quadrinhos1Click();
  // Layout markup.
  void Grandeabrangncia1Click();
  void Mdiaabrangncia1Click();
  void Pequenaabrangncia1Click();
  void Notadetranscrio1Click();
  void Variante1Click(int variante);
  void ptintaClick();
  void Centrarlinhas1Click();
  void pagBtnClick();
  void Macroprocessador1Click();
  void pAjuBtnClick();
  void extoparaTabela1Click();
  void DigitaoPerkins1Click();
  void InserodeSmbolos1Click();
  void abeladeCaracteres1Click();
  // Text put on the clipboard as Windows-1252 and pasted over the selection;
  // then the Braille rows and the status bar follow.
  void insereTextoEditor(const std::string& texto);
  // A key the editor gets after the current handler returns (press and
  // release, so the key-release handling follows it).
  void enviaTeclaEditor(int teclaQt);

  // Spelling: the commands of "&Ortografia", the tool button (as "&Procurar
  // palavra errada") and the dictionary files' window.
  void Carregardicionrio1Click();
  void Liberardicionrio1Click();
  void Verificarerro1Click();
  void Outrasalternativas1Click();
  void dicClick();
  void VerificadorOrtogrfico1Click();

  // Caret services: lines and columns from 0, every line break two characters.
  void posicaoLinhaColuna(int offset, int& linha, int& coluna) const;
  void inicioSelecao(int& linha, int& coluna) const;
  void fimSelecao(int& linha, int& coluna) const;
  void irParaLinhaColuna(int linha, int coluna);

  // The editor's lines: an empty document has none, and the empty block after
  // the last line break is not a line.
  int numeroLinhas() const;
  int comprimentoLinha(int i) const;
  std::string linha(int i) const;

  // EditorDocumento.
  std::vector<std::string> linhasDocumento() const override;
  void carregaLinhas(const std::vector<std::string>& linhas) override;
  bool modificado() const override;
  void defineModificado(bool valor) override;
  void defineTitulo(const std::string& titulo) override;
  void fechaJanela() override;

  // The caret's line and column counted from 1, for the status bar.
  void posicaoCursorStatus(int& linha, int& coluna) const;
  void atualizaStatus();
  // The Braille rows after the text at the caret changed (keys and tools).
  void atualizaLinhasBraille();
  // The Braille rows and the status bar follow the caret. A key release
  // ends here, and so does every command that changes or replaces the text
  // or moves the caret: the menu and tool-bar commands (executaComando),
  // carregaLinhas and irParaLinhaColuna.
  void acompanhaCursor();

  // The editor's text from widget position a to b (lines joined by '\n').
  std::string textoEntre(int a, int b) const;
  // Widget positions a..b replaced by `novo` as one edit (one undo step).
  void substituiTrecho(int a, int b, const std::string& novo);
  // The document's lines replaced by `novas` as one edit; only the stretch
  // that differs is touched, so the caret stays where it was when it lay
  // outside it.
  void substituiLinhas(const std::vector<std::string>& novas);

  // The editor's lines as the tools that write lines see them.
  LinhasEditor& linhasEditor() { return *linhasEditor_; }

  // The program's command line (the program sets it; the first argument
  // names the document opened when the window is first shown).
  QStringList argumentosPrograma;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void criaMenus();
  void criaBotoes();
  // The spelling commands' menu items, keys and tool button.
  void ligaOrtografia();
  void criaRotulos(QWidget* central);
  // A command chosen in a menu or on the tool bar; it ends with acompanhaCursor.
  void executaComando(const std::function<void()>& comando);
  int offsetDe(int posicaoWidget) const;
  void inserePar(std::string_view abre, std::string_view fecha);
  void converteSelecao(std::string (*converte)(std::string_view));
  void converteLinhas(std::string (*converte)(std::string_view));
  // Selects widget positions a..b and gives the editor the focus when asked.
  void seleciona(int a, int b, bool foco);
  // The widget position of the first match of `alvo` in the search window
  // after the selection.
  std::optional<int> localizaAposSelecao(const std::string& alvo, OpcoesBusca opcoes) const;
  // Windows-1252 text on the clipboard, as text and as its own bytes.
  void poeNaAreaTransferencia(const std::string& texto);
  bool jaMostrada_ = false;
  std::unique_ptr<LinhasEditor> linhasEditor_;
};

extern TformPrincipal* formPrincipal;

// The last search: its text (empty until the first) and options.
extern std::string textoBusca;
extern OpcoesBusca opcoesBusca;
