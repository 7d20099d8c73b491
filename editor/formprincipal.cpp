#include "formprincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QVBoxLayout>

#include "arquivos.h"
#include "brcodigo.h"
#include "brcursor.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"
#include "brexgraf.h"
#include "brgerador.h"
#include "brgrafpr.h"
#include "brvisual.h"
#include "anotacoes.h"
#include "destaques.h"
#include "formanotacoes.h"
#include "brdic.h"
#include "brmsword.h"
#include "copiaconfig.h"
#include "formconfig.h"
#include "formconfigbrl.h"
#include "formconfigdir.h"
#include "formconfigmargem.h"
#include "formconftabela.h"
#include "formdigitabraille.h"
#include "formimprime.h"
#include "formmacro.h"
#include "formquadro.h"
#include "formsimb.h"
#include "marcas.h"
#include "formsplash.h"
#include "formvisual.h"
#include "impressaotexto.h"
#include "documentoortografia.h"
#include "formconfigdicionario.h"
#include "janelasortografia.h"
#include "programas.h"
#include "servicoqt.h"
#include "textoqt.h"

using textoqt::cabeEm1252;
using textoqt::deQString;
using textoqt::paraQString;

TformPrincipal* formPrincipal = nullptr;
std::string textoBusca;
OpcoesBusca opcoesBusca;

namespace {

// Line ends of pasted or dropped text become plain block breaks; a line or
// paragraph separator is a line break too, so that no line can hold one.
QString quebrasSimples(QString texto) {
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texto.replace(QChar(u'\r'), QChar(u'\n'));
  texto.replace(QChar(QChar::LineSeparator), QChar(u'\n'));
  texto.replace(QChar(QChar::ParagraphSeparator), QChar(u'\n'));
  return texto;
}

QString qs(std::string_view cp) { return paraQString(cp); }

// The editor's widget as lines: every block a line, the empty block after a
// final line break none.
class AdaptadorLinhas : public LinhasEditor {
 public:
  explicit AdaptadorLinhas(TformPrincipal& j) : j_(j) {}

  int numeroLinhas() const override { return j_.numeroLinhas(); }
  std::string linha(int i) const override {
    return i < 0 || i >= numeroLinhas() ? std::string() : j_.linha(i);
  }
  void defineLinha(int i, const std::string& texto) override {
    if (i < 0) return;
    if (i >= numeroLinhas()) {
      insereLinhaNoEditor(j_.RichEdit1, i, texto);
      return;
    }
    const QTextBlock b = j_.RichEdit1->document()->findBlockByNumber(i);
    j_.substituiTrecho(b.position(), b.position() + b.length() - 1, texto);
  }
  void insereLinha(int i, const std::string& texto) override {
    insereLinhaNoEditor(j_.RichEdit1, std::max(i, 0), texto);
  }
  void removeLinha(int i) override {
    const int n = numeroLinhas();
    if (i < 0 || i >= n) return;
    const QTextDocument* d = j_.RichEdit1->document();
    const QTextBlock b = d->findBlockByNumber(i);
    int a = b.position();
    int z = b.position() + b.length();  // with its line break
    if (!b.next().isValid()) {
      // The last block has no break of its own: the one before it goes.
      z = b.position() + b.length() - 1;
      if (i > 0) --a;
    }
    j_.substituiTrecho(a, std::min(z, d->characterCount() - 1), {});
  }
  LinhaColuna inicioSelecao() const override {
    LinhaColuna p;
    j_.inicioSelecao(p.linha, p.coluna);
    return p;
  }
  LinhaColuna fimSelecao() const override {
    LinhaColuna p;
    j_.fimSelecao(p.linha, p.coluna);
    return p;
  }
  void substituiSelecao(const std::string& texto) override {
    std::string t;
    t.reserve(texto.size());
    for (std::size_t k = 0; k < texto.size(); ++k) {
      if (texto[k] == '\r') {
        t += '\n';
        if (k + 1 < texto.size() && texto[k + 1] == '\n') ++k;
      } else {
        t += texto[k];
      }
    }
    const QTextCursor c = j_.RichEdit1->textCursor();
    const int a = c.selectionStart();
    j_.substituiTrecho(a, c.selectionEnd(), t);
    QTextCursor fim = j_.RichEdit1->textCursor();
    fim.setPosition(a + static_cast<int>(t.size()));
    j_.RichEdit1->setTextCursor(fim);
  }
  void posicionaCursor(LinhaColuna p) override { j_.irParaLinhaColuna(p.linha, p.coluna); }
  void iniciaEdicao() override {
    if (niveis_++ == 0) {
      bloco_ = QTextCursor(j_.RichEdit1->document());
      bloco_.beginEditBlock();
    }
  }
  void terminaEdicao() override {
    if (niveis_ > 0 && --niveis_ == 0) {
      bloco_.endEditBlock();
      // Lines around the caret may have moved: every Braille row again.
      j_.linhasBraille->textoSubstituido();
    }
  }

 private:
  TformPrincipal& j_;
  QTextCursor bloco_;
  int niveis_ = 0;
};

}  // namespace

// ---------------------------------------------------------------------------
// The editor.

TEditorTexto::TEditorTexto(QWidget* pai) : QPlainTextEdit(pai), bipe([] { QApplication::beep(); }) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The selection stays visible when the focus goes to a tool window.
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(p);
}

bool TEditorTexto::cabe(qsizetype tamanho) const {
  if (limiteTexto <= 0) return true;
  const QTextCursor c = textCursor();
  const qsizetype atual = document()->characterCount() - 1;
  const qsizetype selecao = c.selectionEnd() - c.selectionStart();
  return atual - selecao + tamanho <= limiteTexto;
}

void TEditorTexto::keyPressEvent(QKeyEvent* e) {
  // Every press decides anew what its release may do; a paste it makes sets
  // the mark in insertFromMimeData.
  aposTexto_ = false;
  if (aoTeclaBaixo && aoTeclaBaixo(e)) return;
  const bool quebra = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  const QString texto = e->text();
  // A typed character the document cannot hold would be saved as another
  // one: it is refused as it is typed. Ctrl and Ctrl+Shift never insert, so
  // such a key still reaches its shortcut.
  const Qt::KeyboardModifiers m = e->modifiers();
  const bool soAtalho = m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier);
  if (!soAtalho && !texto.isEmpty() && !cabeEm1252(texto)) {
    bipe();
    return;
  }
  const bool insere = quebra || (!texto.isEmpty() && (texto.at(0).isPrint() || texto.at(0) == u'\t'));
  if (insere && !(e->modifiers() & Qt::ControlModifier) && !cabe(quebra ? 1 : texto.size())) {
    bipe();
    return;
  }
  if (quebra && (e->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
    // Shift+Enter would put a line separator inside a line; a document has
    // only whole lines.
    textCursor().insertBlock();
    ensureCursorVisible();
    aposTexto_ = true;
    return;
  }
  // Only typing counts: Ctrl+Z changes the text too, and so would Ctrl+X.
  const bool apaga = e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete;
  const bool digita = !(m & Qt::ControlModifier) && (insere || apaga);
  const int revisao = document()->revision();
  QPlainTextEdit::keyPressEvent(e);
  if (digita && document()->revision() != revisao) aposTexto_ = true;
}

void TEditorTexto::keyReleaseEvent(QKeyEvent* e) {
  QPlainTextEdit::keyReleaseEvent(e);
  if (aoTeclaCima) aoTeclaCima(e);
  aposTexto_ = false;
}

void TEditorTexto::inputMethodEvent(QInputMethodEvent* e) {
  // A commit follows the rules of a typed key: nothing the document cannot
  // hold, nothing past the limit.
  const QString texto = e->commitString();
  if (!texto.isEmpty() && (!cabeEm1252(texto) || !cabe(texto.size()))) {
    bipe();
    // The composition still ends as the input method says, without the text.
    QInputMethodEvent semTexto(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&semTexto);
    e->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(e);
  if (!texto.isEmpty() && aoInserirTexto) aoInserirTexto();
}

void TEditorTexto::mousePressEvent(QMouseEvent* e) {
  QPlainTextEdit::mousePressEvent(e);
  if (aoClicar) aoClicar();
}

bool TEditorTexto::canInsertFromMimeData(const QMimeData* origem) const {
  return origem->hasText() || origem->hasUrls();
}

void TEditorTexto::insertFromMimeData(const QMimeData* origem) {
  if (!origem->hasText()) return;
  // In reviewer mode nothing is typed or pasted into the text.
  if (isReadOnly()) {
    bipe();
    return;
  }
  // What the document cannot hold shows as "?" at once, as it will be saved;
  // the limit counts the characters that stay.
  const QString texto = textoqt::so1252(quebrasSimples(origem->text()));
  if (!cabe(texto.size())) {
    bipe();
    return;
  }
  textCursor().insertText(texto);
  ensureCursorVisible();
  aposTexto_ = true;
  if (aoInserirTexto) aoInserirTexto();
}

void TEditorTexto::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) {
    e->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragEnterEvent(e);
}

void TEditorTexto::dragMoveEvent(QDragMoveEvent* e) {
  if (e->mimeData()->hasUrls()) {
    e->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragMoveEvent(e);
}

void TEditorTexto::dropEvent(QDropEvent* e) {
  // Files dropped on the editor open as documents, as on the rest of the
  // window; they are never pasted as their names.
  if (e->mimeData()->hasUrls()) {
    e->acceptProposedAction();
    if (aoSoltarArquivos) aoSoltarArquivos(e->mimeData()->urls());
    return;
  }
  QPlainTextEdit::dropEvent(e);
}

// ---------------------------------------------------------------------------
// The window.

TformPrincipal::TformPrincipal(QWidget* pai) : QMainWindow(pai) {
  resize(804, 518);
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());

  auto* central = new QWidget(this);
  auto* coluna = new QVBoxLayout(central);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);

  RichEdit1 = new TEditorTexto(central);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  QFont fonte(QStringLiteral("Courier New"));
  fonte.setStyleHint(QFont::TypeWriter);
  fonte.setPixelSize(16);
  RichEdit1->setFont(fonte);
  coluna->addWidget(RichEdit1, 1);
  criaRotulos(central);
  for (int i = 4; i >= 0; --i) coluna->addWidget(rotulosBraille[static_cast<std::size_t>(i)]);
  setCentralWidget(central);

  StatusBar1 = statusBar();
  painelStatus1 = new QLabel(QStringLiteral("   Lin 1   Col 1"));
  painelStatus1->setTextFormat(Qt::PlainText);
  painelStatus1->setFixedWidth(120);
  painelStatus2 = new QLabel(QStringLiteral(" "));
  painelStatus2->setTextFormat(Qt::PlainText);
  // Wide enough for reviewer mode's notice.
  painelStatus2->setMinimumWidth(100);
  StatusBar1->addWidget(painelStatus1);
  StatusBar1->addWidget(painelStatus2);

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);

  MainMenu1 = menuBar();
  criaMenus();
  criaBotoes();
  ligaOrtografia();

  linhasEditor_ = std::make_unique<AdaptadorLinhas>(*this);
  pausa = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  FindDialog1 = new TFindDialog(this);
  FindDialog1->aoLocalizar = [this] { iniciaBusca(); };
  ReplaceDialog1 = new TReplaceDialog(this);
  ReplaceDialog1->aoLocalizar = [this] { ReplaceDialogFind(); };
  ReplaceDialog1->aoSubstituir = [this] { ReplaceDialog1Replace(); };
  ReplaceDialog1->aoSubstituirTodas = [this] { ReplaceDialog1ReplaceAll(); };

  RichEdit1->aoTeclaBaixo = [this](QKeyEvent* e) { return RichEdit1KeyDown(e); };
  RichEdit1->aoTeclaCima = [this](QKeyEvent* e) { RichEdit1KeyUp(e); };
  RichEdit1->aoClicar = [this] { RichEdit1MouseDown(); };
  RichEdit1->aoSoltarArquivos = [this](const QList<QUrl>& u) { soltaArquivos(u); };
  RichEdit1->aoInserirTexto = [this] { acompanhaCursor(); };
  connect(Timer1, &QTimer::timeout, this, &TformPrincipal::Timer1Timer);

  FormCreate();
}

TformPrincipal::~TformPrincipal() {
  if (formPrincipal == this) formPrincipal = nullptr;
}

void TformPrincipal::criaRotulos(QWidget* central) {
  QFont braille(QStringLiteral("DejaVu Sans"));
  braille.setPixelSize(19);
  braille.setBold(true);
  auto rotulo = [&](const QColor& cor, int altura) {
    auto* r = new QLabel(central);
    r->setTextFormat(Qt::PlainText);
    r->setAutoFillBackground(true);
    QPalette p = r->palette();
    p.setColor(QPalette::Window, cor);
    p.setColor(QPalette::WindowText, Qt::black);
    r->setPalette(p);
    r->setFont(braille);
    r->setFixedHeight(altura);
    r->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return r;
  };
  const QColor verdeClaro(192, 220, 192);
  Label1 = rotulo(Qt::cyan, 22);
  Label2 = rotulo(verdeClaro, 24);
  Label3 = rotulo(verdeClaro, 24);
  Label4 = rotulo(verdeClaro, 24);
  Label5 = rotulo(verdeClaro, 24);
  for (QLabel* r : {Label2, Label3, Label4, Label5}) r->hide();
  rotulosBraille = {Label1, Label2, Label3, Label4, Label5};
  rotulosBrailleQt = std::make_unique<RotulosBrailleQt>(rotulosBraille);
  linhasBraille = std::make_unique<TLinhasBraille>(*rotulosBrailleQt);
  linhasBraille->teclaSolta = [this] { RichEdit1KeyUp(nullptr); };
  // A wider or narrower row holds another screen of cells.
  rotulosBrailleQt->aoMudarLargura = [this] { atualizaLinhasBraille(); };
  // A double click on a row starts six-key typing, or ends it.
  ligaCliquesRotulos(rotulosBraille, [this](int k) { linhasBraille->rotuloClicado(k); }, [this] {
    if (FormDigitaBraille && FormDigitaBraille->isVisible())
      FormDigitaBraille->close();
    else
      executaComando([this] { DigitaoPerkins1Click(); });
  });
}

void TformPrincipal::criaMenus() {
  // An item is off until its handler is connected: one that is never
  // connected cannot pretend to work.
  auto item = [](QMenu* m, std::string_view legenda, const QKeySequence& atalho = {}) {
    QAction* a = m->addAction(qs(legenda));
    if (!atalho.isEmpty()) a->setShortcut(atalho);
    a->setEnabled(false);
    return a;
  };
  auto liga = [this](QAction* a, void (TformPrincipal::*f)()) {
    a->setEnabled(true);
    std::function<void()> comando = [this, f] { (this->*f)(); };
    connect(a, &QAction::triggered, this, [this, comando] { executaComando(comando); });
  };

  Arquivo1 = MainMenu1->addMenu(QStringLiteral("&Arquivo"));
  Novo1 = item(Arquivo1, "&Novo");
  Abrir1 = item(Arquivo1, "&Abrir");
  Reabrir1 = Arquivo1->addMenu(QStringLiteral("&Reabrir..."));
  N11 = Reabrir1->addAction(QStringLiteral("1."));
  N21 = Reabrir1->addAction(QStringLiteral("2."));
  N31 = Reabrir1->addAction(QStringLiteral("3."));
  N41 = Reabrir1->addAction(QStringLiteral("4."));
  N51 = Reabrir1->addAction(QStringLiteral("5."));
  Salvar1 = item(Arquivo1, "&Salvar", QKeySequence(Qt::Key_F2));
  SalvarComo1 = item(Arquivo1, "Salvar &Como");
  Arquivo1->addSeparator();
  Imprimir1 = item(Arquivo1, "&Imprimir &Texto");
  ImprimirBraille1 = item(Arquivo1, "Imprimir em &Braille");
  BraillenoWord1 = item(Arquivo1, "Braille no &Word");
  Arquivo1->addSeparator();
  Sair1 = item(Arquivo1, "Sa&ir");

  Editar1 = MainMenu1->addMenu(QStringLiteral("&Editar"));
  Desfazer1 = item(Editar1, "Desfa&zer", QKeySequence(Qt::CTRL | Qt::Key_Z));
  Recortar1 = item(Editar1, "&Recortar", QKeySequence(Qt::CTRL | Qt::Key_X));
  Copiar1 = item(Editar1, "&Copiar", QKeySequence(Qt::CTRL | Qt::Key_C));
  CopiaremBraille1 = item(Editar1, "Copiar em Meta-&Braille", QKeySequence(Qt::CTRL | Qt::Key_B));
  Colar1 = item(Editar1, "C&olar", QKeySequence(Qt::CTRL | Qt::Key_V));
  Procurar1 = item(Editar1, "&Localizar", QKeySequence(Qt::CTRL | Qt::Key_F));
  SubstituirPalavra = item(Editar1, "&Substituir", QKeySequence(Qt::CTRL | Qt::Key_S));
  SelecionarTudo1 = item(Editar1, "Selecionar &Tudo", QKeySequence(Qt::CTRL | Qt::Key_A));
  Editar1->addSeparator();
  Dividirlinhasgrandes1 = item(Editar1, "&Dividir linhas grandes");
  Trechonoformatvel1 = item(Editar1, "Não &ajustar este trecho"_cp, QKeySequence(Qt::CTRL | Qt::Key_N));
  Recuode21 = item(Editar1, "Recuo de &2", QKeySequence(Qt::CTRL | Qt::Key_E));
  Centrarlinhas1 = item(Editar1, "Centrar lin&has");

  Configurar1 = MainMenu1->addMenu(QStringLiteral("&Configurar"));
  ParmetrosdaImpresso1 = item(Configurar1, "&Parâmetros do Programa"_cp);
  ConfiguraMargem = item(Configurar1, "Configuração da &Margem"_cp);
  Fontenatela1 = item(Configurar1, "&Fonte na tela");
  Impressora1 = item(Configurar1, "&Impressora Braille");
  Diretorios1 = item(Configurar1, "&Diretórios"_cp);
  VerificadorOrtogrfico1 = item(Configurar1, "&Verificador Ortográfico"_cp);
  Configurar1->addSeparator();
  ModoRevisor1 = item(Configurar1, "Modo &Revisor", QKeySequence(Qt::Key_F4));
  N5linhasBraille1 = item(Configurar1, "&5 linhas Braille", QKeySequence(Qt::Key_F5));
  Configurar1->addSeparator();
  SalvarConfigurao1 = item(Configurar1, "&Salvar Configuração"_cp);
  CarregarConfigurao1 = item(Configurar1, "&Carregar Configuração"_cp);

  Graficos1 = MainMenu1->addMenu(qs("&Gráficos"_cp));
  EditorGrafico1 = Graficos1->addMenu(qs("Editor &Gráfico"_cp));
  MiniOrvento1 = item(EditorGrafico1, "&Orvento");
  Selvra1 = item(EditorGrafico1, "&Selvra");
  Criargrficovazio1 = item(Graficos1, "Criar gráfico vazio"_cp);
  Graficos1->addSeparator();
  PaginaGrafica1 = item(Graficos1, "&Página gráfica"_cp);
  Intercalargrfico1 = item(Graficos1, "&Intercalar gráfico"_cp);
  Embutirgrfico1 = item(Graficos1, "&Embutir gráfico"_cp);

  Destaques1 = MainMenu1->addMenu(QStringLiteral("&Destaques"));
  Quadrinhos1 = item(Destaques1, "&Quadrinhos");
  SeparadorTextos1 = Destaques1->addMenu(QStringLiteral("&Separador de Textos"));
  Grandeabrangncia1 = item(SeparadorTextos1, "&Grande abrangência"_cp);
  Mdiaabrangncia1 = item(SeparadorTextos1, "&Média abrangência"_cp);
  Pequenaabrangncia1 = item(SeparadorTextos1, "&Pequena abrangência"_cp);
  VarianteTipografica1 = Destaques1->addMenu(qs("&Variante tipográfica"_cp));
  Variante1 = item(VarianteTipografica1, "&1");
  Variante2 = item(VarianteTipografica1, "&2");
  Variante3 = item(VarianteTipografica1, "&3");
  Notadetranscrio1 = item(Destaques1, "&Nota de transcrição"_cp, QKeySequence(Qt::CTRL | Qt::Key_T));
  Pginaemtinta1 = item(Destaques1, "&Página em tinta"_cp);

  Utilitarios1 = MainMenu1->addMenu(qs("&Utilitários"_cp));
  InserodeSmbolos1 = item(Utilitarios1, "Símbolos &Especiais"_cp);
  DigitaoPerkins1 = item(Utilitarios1, "Digitação &Perkins (F11)"_cp);
  extoparaTabela1 = item(Utilitarios1, "Texto para &Tabela");
  Macroprocessador1 = item(Utilitarios1, "Macro-&processador");
  Utilitarios1->addSeparator();
  DigitaremBraille1 = item(Utilitarios1, "Retoques em &Braille");
  Utilitarios1->addSeparator();
  ConverterparaformatoDOS1 = item(Utilitarios1, "Converter para formato &DOS");
  ConverterparaformatoWindows1 = item(Utilitarios1, "Converter para formato &Windows");
  Eliminarformataes1 = item(Utilitarios1, "Eliminar &Formatações"_cp);
  Utilitarios1->addSeparator();
  minsculaMAISCULA1 = item(Utilitarios1, "minúscula/&MAIÚSCULA"_cp);
  MAISCULAminscula1 = item(Utilitarios1, "MAIÚSCULA/mi&núscula"_cp);
  abeladeCaracteres1 = item(Utilitarios1, "&Tabela de &Caracteres");
  Utilitarios1->addSeparator();
  CriarAnotacao1 = item(Utilitarios1, "Criar &Anotação"_cp, QKeySequence(Qt::Key_F8));
  Folhearrevises1 = item(Utilitarios1, "&Folhear anotações"_cp, QKeySequence(Qt::Key_F6));

  Ortografia1 = MainMenu1->addMenu(QStringLiteral("&Ortografia"));
  Carregardicionrio1 = item(Ortografia1, "&Carregar dicionário"_cp);
  Liberardicionrio1 = item(Ortografia1, "&Liberar dicionário"_cp);
  Verificarerro1 = item(Ortografia1, "&Procurar palavra errada", QKeySequence(Qt::Key_F7));
  Outrasalternativas1 = item(Ortografia1, "&Outras alternativas", QKeySequence(Qt::CTRL | Qt::Key_F7));
  ManutencaoDicionario1 = Ortografia1->addMenu(qs("&Manutenção no dicionário"_cp));
  Acrescentarpalavra1 = item(ManutencaoDicionario1, "&Acrescentar palavra");
  Inibirpalavra1 = item(ManutencaoDicionario1, "&Inibir palavra");

  Visualizar1 = MainMenu1->addAction(QStringLiteral("&Visualizar"));
  Visualizar1->setShortcut(QKeySequence(Qt::Key_F9));
  connect(Visualizar1, &QAction::triggered, this, [this] { executaComando([this] { Visualizar1Click(); }); });
  // The window holds the action so that F9 works wherever the focus is.
  addAction(Visualizar1);

  Ajuda1 = MainMenu1->addMenu(QStringLiteral("&?"));
  Minimanual1 = item(Ajuda1, "&Ajuda");
  Sobreoprograma1 = item(Ajuda1, "&Sobre o programa");

  liga(Novo1, &TformPrincipal::Novo1Click);
  liga(Abrir1, &TformPrincipal::Abrir1Click);
  connect(Reabrir1, &QMenu::aboutToShow, this, &TformPrincipal::Reabrir1Click);
  const std::array<QAction*, 5> recentes{N11, N21, N31, N41, N51};
  for (int k = 0; k < 5; ++k)
    connect(recentes[static_cast<std::size_t>(k)], &QAction::triggered, this,
            [this, k] { executaComando([this, k] { abreItemRecente(k); }); });
  liga(Salvar1, &TformPrincipal::Salvar1Click);
  liga(SalvarComo1, &TformPrincipal::SalvarComo1Click);
  liga(Imprimir1, &TformPrincipal::Imprimir1Click);
  liga(ImprimirBraille1, &TformPrincipal::ImprimirBraille1Click);
  liga(Sair1, &TformPrincipal::Sair1Click);
  liga(Fontenatela1, &TformPrincipal::Fontenatela1Click);
  N5linhasBraille1->setCheckable(true);
  liga(N5linhasBraille1, &TformPrincipal::N5linhasBraille1Click);
  liga(Minimanual1, &TformPrincipal::Minimanual1Click);
  liga(Sobreoprograma1, &TformPrincipal::Sobreoprograma1Click);
  liga(ParmetrosdaImpresso1, &TformPrincipal::ParmetrosdaImpresso1Click);
  liga(ConfiguraMargem, &TformPrincipal::ConfiguraMargemClick);
  liga(Impressora1, &TformPrincipal::Impressora1Click);
  liga(Diretorios1, &TformPrincipal::Diretorios1Click);
  liga(SalvarConfigurao1, &TformPrincipal::SalvarConfigurao1Click);
  liga(CarregarConfigurao1, &TformPrincipal::CarregarConfigurao1Click);
  liga(MiniOrvento1, &TformPrincipal::MiniOrvento1Click);
  liga(Selvra1, &TformPrincipal::Selvra1Click);
  liga(BraillenoWord1, &TformPrincipal::BraillenoWord1Click);
  liga(Acrescentarpalavra1, &TformPrincipal::Acrescentarpalavra1Click);
  liga(Inibirpalavra1, &TformPrincipal::Inibirpalavra1Click);

  // The editor's own undo, cut, copy, paste and select all. With the focus in
  // the editor it takes these keys itself, so a key never acts twice.
  auto ligaEditor = [this](QAction* a, std::function<void()> f) {
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, f = std::move(f)] { executaComando(f); });
  };
  ligaEditor(Desfazer1, [this] { RichEdit1->undo(); });
  ligaEditor(Recortar1, [this] { RichEdit1->cut(); });
  ligaEditor(Copiar1, [this] { RichEdit1->copy(); });
  ligaEditor(Colar1, [this] { RichEdit1->paste(); });
  ligaEditor(SelecionarTudo1, [this] { RichEdit1->selectAll(); });

  liga(Procurar1, &TformPrincipal::Procurar1Click);
  liga(SubstituirPalavra, &TformPrincipal::SubstituirPalavraClick);
  liga(CopiaremBraille1, &TformPrincipal::CopiaremBraille1Click);
  liga(Dividirlinhasgrandes1, &TformPrincipal::Dividirlinhasgrandes1Click);
  liga(Trechonoformatvel1, &TformPrincipal::Trechonoformatvel1Click);
  liga(Recuode21, &TformPrincipal::RecuoBntClick);
  liga(DigitaremBraille1, &TformPrincipal::DigitaremBraille1Click);
  liga(ConverterparaformatoDOS1, &TformPrincipal::ConverterparaformatoDOS1Click);
  liga(ConverterparaformatoWindows1, &TformPrincipal::ConverterparaformatoWindows1Click);
  liga(Eliminarformataes1, &TformPrincipal::Eliminarformataes1Click);
  liga(minsculaMAISCULA1, &TformPrincipal::minsculaMAISCULA1Click);
  liga(MAISCULAminscula1, &TformPrincipal::MAISCULAminscula1Click);
  liga(Criargrficovazio1, &TformPrincipal::Criargrficovazio1Click);
  liga(Quadrinhos1, &TformPrincipal::Quadrinhos1Click);
  liga(Grandeabrangncia1, &TformPrincipal::Grandeabrangncia1Click);
  liga(Mdiaabrangncia1, &TformPrincipal::Mdiaabrangncia1Click);
  liga(Pequenaabrangncia1, &TformPrincipal::Pequenaabrangncia1Click);
  liga(Notadetranscrio1, &TformPrincipal::Notadetranscrio1Click);
  ligaEditor(Variante1, [this] { Variante1Click(1); });
  ligaEditor(Variante2, [this] { Variante1Click(2); });
  ligaEditor(Variante3, [this] { Variante1Click(3); });
  liga(Pginaemtinta1, &TformPrincipal::ptintaClick);
  liga(Centrarlinhas1, &TformPrincipal::Centrarlinhas1Click);
  liga(CriarAnotacao1, &TformPrincipal::CriarAnotacao1Click);
  liga(Folhearrevises1, &TformPrincipal::Folhearrevises1Click);
  ModoRevisor1->setCheckable(true);
  liga(ModoRevisor1, &TformPrincipal::ModoRevisor1Click);
  liga(Macroprocessador1, &TformPrincipal::Macroprocessador1Click);
  liga(extoparaTabela1, &TformPrincipal::extoparaTabela1Click);
  liga(DigitaoPerkins1, &TformPrincipal::DigitaoPerkins1Click);
  liga(InserodeSmbolos1, &TformPrincipal::InserodeSmbolos1Click);
  liga(abeladeCaracteres1, &TformPrincipal::abeladeCaracteres1Click);
  ligaEditor(PaginaGrafica1, [this] { InserirgrficoClick(0); });
  ligaEditor(Embutirgrfico1, [this] { InserirgrficoClick(1); });
  ligaEditor(Intercalargrfico1, [this] { InserirgrficoClick(2); });
}

void TformPrincipal::criaBotoes() {
  SpeedPanel = addToolBar(QStringLiteral("SpeedPanel"));
  SpeedPanel->setMovable(false);
  SpeedPanel->setFloatable(false);
  SpeedPanel->setFixedHeight(30);
  SpeedPanel->setIconSize(QSize(18, 18));
  SpeedPanel->setContextMenuPolicy(Qt::PreventContextMenu);

  auto botao = [this](std::string_view dica, std::string_view legenda, const char* tema,
                      QStyle::StandardPixmap padrao) {
    auto* b = new QToolButton(SpeedPanel);
    b->setToolTip(qs(dica));
    b->setStatusTip(qs(dica));
    b->setAutoRaise(true);
    QIcon icone = tema ? QIcon::fromTheme(QString::fromLatin1(tema)) : QIcon();
    if (icone.isNull() && padrao != QStyle::SP_CustomBase) icone = style()->standardIcon(padrao);
    if (!legenda.empty() || icone.isNull()) {
      // A button with a caption shows it; one without shows its glyph, or a
      // short word where the desktop has none.
      b->setText(qs(legenda.empty() ? dica.substr(0, dica.find(' ')) : legenda));
      b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
      b->setIcon(icone);
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    b->setEnabled(false);
    SpeedPanel->addWidget(b);
    return b;
  };
  constexpr auto nenhum = QStyle::SP_CustomBase;
  NewBnt = botao("Arquivo Novo", {}, "document-new", QStyle::SP_FileIcon);
  OpenBtn = botao("Abrir", {}, "document-open", QStyle::SP_DialogOpenButton);
  SaveBtn = botao("Salvar", {}, "document-save", QStyle::SP_DialogSaveButton);
  PrintBtn = botao("Imprimir", {}, "document-print", nenhum);
  VisuBtn = botao("Visualizar", {}, "document-print-preview", QStyle::SP_FileDialogContentsView);
  CutBtn = botao("Cortar seleção"_cp, {}, "edit-cut", nenhum);
  CopyBtn = botao("Copiar seleção"_cp, {}, "edit-copy", nenhum);
  PasteBtn = botao("Colar", {}, "edit-paste", nenhum);
  fontBtn = botao("Fonte na tela", {}, "preferences-desktop-font", nenhum);
  br15Btn = botao("1 ou 5 linhas braille", "1/5", nullptr, nenhum);
  pagBtn = botao("Quebra de página"_cp, "Pag", nullptr, nenhum);
  negBtn = botao("Negrito/Sublinhado/Itálico"_cp, "NEG", nullptr, nenhum);
  RecuoBnt = botao("Recuo de 2", "R+-", nullptr, nenhum);
  naoFormBtn = botao("Inibe ajuste de trecho", "F-+", nullptr, nenhum);
  pAjuBtn = botao("Pedir ajuda", "PAju", nullptr, nenhum);
  ptinta = botao("Página em tinta"_cp, "Ptinta", nullptr, nenhum);
  b_centr = botao("Centralizado", "Centr.", nullptr, nenhum);
  b_anot = botao("Anotações"_cp, "Anot.", nullptr, nenhum);
  simbBtn = botao("Símbolos especiais"_cp, "Simb", nullptr, nenhum);
  perkBtn = botao("Digitação Perkins"_cp, "Perk", nullptr, nenhum);
  dicBtn = botao("Verificação ortográfica"_cp, {}, "tools-check-spelling", nenhum);
  auto* mola = new QWidget(SpeedPanel);
  mola->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  SpeedPanel->addWidget(mola);
  ExitBtn = botao("Sair", {}, "application-exit", QStyle::SP_DialogCloseButton);

  auto liga = [this](QToolButton* b, auto f) {
    b->setEnabled(true);
    connect(b, &QToolButton::clicked, this, [this, f] { executaComando(f); });
  };
  liga(NewBnt, [this] { Novo1Click(); });
  liga(OpenBtn, [this] { Abrir1Click(); });
  liga(SaveBtn, [this] { Salvar1Click(); });
  liga(PrintBtn, [this] { ImprimirBraille1Click(); });
  liga(CutBtn, [this] { RichEdit1->cut(); });
  liga(CopyBtn, [this] { RichEdit1->copy(); });
  liga(PasteBtn, [this] { RichEdit1->paste(); });
  liga(negBtn, [this] { negBtnClick(); });
  liga(RecuoBnt, [this] { RecuoBntClick(); });
  liga(naoFormBtn, [this] { Trechonoformatvel1Click(); });
  liga(simbBtn, [this] { InserodeSmbolos1Click(); });
  liga(pAjuBtn, [this] { pAjuBtnClick(); });
  liga(b_anot, [this] { CriarAnotacao1Click(); });
  liga(ptinta, [this] { ptintaClick(); });
  liga(b_centr, [this] { Centrarlinhas1Click(); });
  liga(pagBtn, [this] { pagBtnClick(); });
  liga(perkBtn, [this] { DigitaoPerkins1Click(); });
  liga(fontBtn, [this] { Fontenatela1Click(); });
  liga(br15Btn, [this] { N5linhasBraille1Click(); });
  liga(VisuBtn, [this] { Visualizar1Click(); });
  liga(ExitBtn, [this] { Sair1Click(); });
}

// ---------------------------------------------------------------------------
// Start, show, activation, close, timer.

void TformPrincipal::FormCreate() {
  areaTransferencia = QGuiApplication::clipboard();
  nomeDocumento.clear();
  arquivoReabrir.clear();
  numPagInicial = 1;
  arquivosRecentes = leArquivosRecentes();
  arquivosRecentes.resize(5);
  leConfigMargem();
  setAcceptDrops(true);
  filaGraficos.clear();
  filaPosicoesGraficos.clear();
  linhasBraille->linhasBrailleVisiveis = 1;
  linhasBraille->rotuloBrailleAtual = 1;
  // The editor ends where Label1 begins: the layout keeps it so.
}

void TformPrincipal::FormShow() {
  if (argumentosPrograma.size() > 1) {
    QString nome = argumentosPrograma.at(1);
    // A name relative to the folder the program started in is kept whole, so
    // that graphics are found beside the document and the folder is written
    // at close. The folder is part of the name the code page must hold.
    if (!nome.isEmpty() && !nome.startsWith(u'/')) {
      QString pasta = QDir::currentPath();
      if (!pasta.endsWith(u'/')) pasta += u'/';
      nome.prepend(pasta);
    }
    const std::optional<std::string> aceito = servicoqt::nomeAceito(nome);
    if (aceito && carregaArquivo(*this, *aceito)) nomeDocumento = *aceito;
  }
  Timer1->start();
  // The rows show the caret's line from the start, not from the first key.
  acompanhaCursor();
}

void TformPrincipal::FormActivate() {
  RichEdit1->limiteTexto = limiteTextoEditor;
  const QFont f = RichEdit1->font();
  FontDialog1.nome = deQString(f.family());
  FontDialog1.tamanho = QFontInfo(f).pointSize();
  FontDialog1.negrito = f.bold();
  FontDialog1.italico = f.italic();
}

bool TformPrincipal::FormCloseQuery() { return podeFechar(*this); }

void TformPrincipal::Timer1Timer() {
  if (FormSplash && FormSplash->isVisible()) {
    FormSplash->hide();
    Timer1->stop();
    return;
  }
  if (FormSplash) FormSplash->show();
  Timer1->setInterval(3000);
}

void TformPrincipal::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (jaMostrada_ || e->spontaneous()) return;
  jaMostrada_ = true;
  FormShow();
}

void TformPrincipal::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TformPrincipal::closeEvent(QCloseEvent* e) {
  if (FormCloseQuery())
    e->accept();
  else
    e->ignore();
}

void TformPrincipal::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TformPrincipal::dropEvent(QDropEvent* e) {
  if (!e->mimeData()->hasUrls()) return;
  e->acceptProposedAction();
  soltaArquivos(e->mimeData()->urls());
}

void TformPrincipal::soltaArquivos(const QList<QUrl>& urls) {
  // Only the first file of a drop is opened.
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  // A name the code page cannot hold is refused as the user wrote it: one
  // made of "?" would be another file.
  if (const auto nome = servicoqt::nomeAceito(urls.first().toLocalFile())) abreArquivoSolto(*this, *nome);
}

// ---------------------------------------------------------------------------
// Editor events.

bool TformPrincipal::RichEdit1KeyDown(QKeyEvent* e) {
  if (e->key() == Qt::Key_F3 && e->modifiers() == Qt::NoModifier) {
    if (!textoBusca.empty()) {
      buscaProxima();
      acompanhaCursor();
    }
    return true;
  }
  if (e->key() == Qt::Key_F11 && e->modifiers() == Qt::NoModifier) {
    executaComando([this] { DigitaoPerkins1Click(); });
    return true;
  }
  return false;
}

void TformPrincipal::RichEdit1KeyUp(QKeyEvent* e) {
  // Only typing may break the line: after Ctrl+Z, End or a refresh with no
  // key the long line stays as it is. A reviewer never changes the text.
  if (e && RichEdit1->soltaAposTexto() && configuracao.quebraLin && !RichEdit1->isReadOnly()) {
    int l = 0;
    int c = 0;
    posicaoCursorStatus(l, c);
    if (c >= configuracao.maxCol) quebraLinhaDigitada(c, l);
  }
  acompanhaCursor();
}

void TformPrincipal::RichEdit1MouseDown() {
  const QTextCursor c = RichEdit1->textCursor();
  linhasBraille->cliqueEditor(c.blockNumber() + 1, numeroLinhas(), [this](int i) { return linha(i); },
                              c.positionInBlock());
  atualizaStatus();
}

void TformPrincipal::acompanhaCursor() {
  atualizaLinhasBraille();
  atualizaStatus();
}

void TformPrincipal::executaComando(const std::function<void()>& comando) {
  comando();
  acompanhaCursor();
}

void TformPrincipal::posicaoCursorStatus(int& linhaStatus, int& colunaStatus) const {
  const QTextCursor c = RichEdit1->textCursor();
  linhaStatus = c.blockNumber() + 1;
  colunaStatus = c.positionInBlock() + 1;
}

void TformPrincipal::atualizaStatus() {
  int l = 0;
  int c = 0;
  posicaoCursorStatus(l, c);
  painelStatus1->setText(QStringLiteral("   Lin %1   Col %2").arg(l).arg(c));
}

void TformPrincipal::atualizaLinhasBraille() {
  // Every character of the editor is one of the code page, one UTF-16 unit:
  // the caret's place in its block is its column in the document line.
  const QTextCursor c = RichEdit1->textCursor();
  linhasBraille->atualizaLinhasBraille(c.blockNumber() + 1, numeroLinhas(), [this](int i) { return linha(i); },
                                       c.positionInBlock());
}

void TformPrincipal::N5linhasBraille1Click() {
  linhasBraille->alternaUmaCincoLinhas();
  N5linhasBraille1->setChecked(linhasBraille->linhasBrailleVisiveis == 5);
}

void TformPrincipal::Visualizar1Click() {
  int l = 0;
  int c = 0;
  inicioSelecao(l, c);
  if (geraVisualizacao(linhasDocumento(), l) && FormVisual) FormVisual->mostraVisualizacao();
}

// ---------------------------------------------------------------------------
// Commands.

void TformPrincipal::Novo1Click() { novoDocumento(*this); }
void TformPrincipal::Abrir1Click() { abreDocumento(*this); }

void TformPrincipal::Reabrir1Click() {
  const std::array<QAction*, 5> itens{N11, N21, N31, N41, N51};
  for (std::size_t k = 0; k < 5; ++k) {
    QString legenda = k < arquivosRecentes.size() ? paraQString(arquivosRecentes[k]) : QString();
    // The caption is the path as it is: an "&" in it is no access key.
    itens[k]->setText(legenda.replace(QChar(u'&'), QStringLiteral("&&")));
  }
}

void TformPrincipal::abreItemRecente(int k) { abreRecente(*this, k); }
void TformPrincipal::Salvar1Click() { salvaDocumento(*this); }
void TformPrincipal::SalvarComo1Click() { salvaDocumentoComo(*this); }
void TformPrincipal::Imprimir1Click() { imprimeTextoEscolhendo(RichEdit1->font(), linhasDocumento()); }

void TformPrincipal::ImprimirBraille1Click() {
  if (!FormImprime) return;
  FormImprime->show();
  FormImprime->raise();
  FormImprime->activateWindow();
}

void TformPrincipal::Sair1Click() { saiPrograma(*this); }

void TformPrincipal::Fontenatela1Click() {
  const auto escolha = plataforma::servicoMensagens().escolheFonte(FontDialog1);
  if (!escolha) return;
  QFont f(paraQString(escolha->nome));
  if (escolha->tamanho > 0) f.setPointSize(escolha->tamanho);
  f.setBold(escolha->negrito);
  f.setItalic(escolha->italico);
  RichEdit1->setFont(f);
  FontDialog1 = *escolha;
}

void TformPrincipal::Minimanual1Click() {
  const std::string ajuda = localizaAjuda(dirPrograma);
  if (ajuda.empty()) {
    plataforma::mostraErro("Arquivo de ajuda não encontrado"_cp);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(paraQString(ajuda)));
}

void TformPrincipal::Sobreoprograma1Click() {
  if (FormSplash) FormSplash->show();
}

// ---------------------------------------------------------------------------
// Lines and caret services.

int TformPrincipal::numeroLinhas() const {
  const QTextDocument* d = RichEdit1->document();
  int n = d->blockCount();
  if (d->lastBlock().length() <= 1) --n;  // the empty block after the last break
  return n;
}

int TformPrincipal::comprimentoLinha(int i) const {
  return RichEdit1->document()->findBlockByNumber(i).length() - 1;
}

std::string TformPrincipal::linha(int i) const {
  // Blocks, not the plain text: that one turns no-break spaces into blanks.
  return deQString(RichEdit1->document()->findBlockByNumber(i).text());
}

int TformPrincipal::offsetDe(int posicao) const {
  return offsetDoWidget(posicao, RichEdit1->document()->findBlock(posicao).blockNumber());
}

void TformPrincipal::posicaoLinhaColuna(int offset, int& l, int& c) const {
  const LinhaColuna p =
      ::posicaoLinhaColuna(offset, numeroLinhas(), [this](int i) { return comprimentoLinha(i); });
  l = p.linha;
  c = p.coluna;
}

void TformPrincipal::inicioSelecao(int& l, int& c) const {
  posicaoLinhaColuna(offsetDe(RichEdit1->textCursor().selectionStart()), l, c);
}

void TformPrincipal::fimSelecao(int& l, int& c) const {
  posicaoLinhaColuna(offsetDe(RichEdit1->textCursor().selectionEnd()), l, c);
}

void TformPrincipal::irParaLinhaColuna(int l, int c) {
  const int n = numeroLinhas();
  auto comprimento = [this](int i) { return comprimentoLinha(i); };
  const int offset = offsetLinhaColuna(l, c, n, comprimento);
  const QTextDocument* d = RichEdit1->document();
  const int fim = d->characterCount() - 1;
  const int pos = posicaoWidget(
      offset, n, comprimento, [d](int i) { return d->findBlockByNumber(i).position(); }, fim);
  RichEdit1->setFocus();
  QTextCursor cursor = RichEdit1->textCursor();
  cursor.setPosition(pos);
  RichEdit1->setTextCursor(cursor);
  acompanhaCursor();
}

// ---------------------------------------------------------------------------
// EditorDocumento.

std::vector<std::string> TformPrincipal::linhasDocumento() const {
  std::vector<std::string> r;
  const int n = numeroLinhas();
  r.reserve(static_cast<std::size_t>(std::max(0, n)));
  QTextBlock b = RichEdit1->document()->firstBlock();
  for (int i = 0; i < n && b.isValid(); ++i, b = b.next()) r.push_back(deQString(b.text()));
  return r;
}

void TformPrincipal::carregaLinhas(const std::vector<std::string>& linhas) {
  std::size_t total = 0;
  for (const auto& l : linhas) total += l.size() + 1;
  QString texto;
  texto.reserve(static_cast<qsizetype>(total));
  // Every line ends with its break, as in the file: the caret can stand after
  // the last one, and a final empty line is kept.
  for (const auto& l : linhas) {
    texto += paraQString(l);
    texto += QChar(u'\n');
  }
  RichEdit1->setPlainText(texto);
  RichEdit1->document()->clearUndoRedoStacks();
  RichEdit1->document()->setModified(false);
  // Another text: even on the same line number every row is stale.
  linhasBraille->textoSubstituido();
  acompanhaCursor();
}

bool TformPrincipal::modificado() const { return RichEdit1->document()->isModified(); }
void TformPrincipal::defineModificado(bool valor) { RichEdit1->document()->setModified(valor); }
void TformPrincipal::defineTitulo(const std::string& titulo) { setWindowTitle(paraQString(titulo)); }
void TformPrincipal::fechaJanela() { close(); }

// ---------------------------------------------------------------------------
// Text stretches. Every character of the editor is one UTF-16 unit, so a
// widget position is an index into the text with lines joined by '\n'.

std::string TformPrincipal::textoEntre(int a, int b) const {
  std::string r;
  if (b <= a) return r;
  const QTextDocument* d = RichEdit1->document();
  QTextBlock bloco = d->findBlock(a);
  while (bloco.isValid() && bloco.position() < b) {
    const int inicio = std::max(a, bloco.position());
    const int fim = std::min(b, bloco.position() + bloco.length() - 1);
    if (fim > inicio) r += deQString(bloco.text().mid(inicio - bloco.position(), fim - inicio));
    // The block's break lies inside the stretch.
    if (bloco.position() + bloco.length() - 1 < b && bloco.next().isValid()) r += '\n';
    bloco = bloco.next();
  }
  return r;
}

void TformPrincipal::substituiTrecho(int a, int b, const std::string& novo) {
  QTextCursor c(RichEdit1->document());
  c.beginEditBlock();
  c.setPosition(a);
  c.setPosition(b, QTextCursor::KeepAnchor);
  // Line breaks in the text become block breaks.
  c.insertText(paraQString(novo));
  c.endEditBlock();
}

void TformPrincipal::substituiLinhas(const std::vector<std::string>& novas) {
  const QTextDocument* d = RichEdit1->document();
  const int n = numeroLinhas();
  if (n == 0 && novas.empty()) return;
  const std::string antigo = textoEntre(0, d->characterCount() - 1);
  std::string novo;
  for (std::size_t i = 0; i < novas.size(); ++i) {
    if (i > 0) novo += '\n';
    novo += novas[i];
  }
  // A final line break stays.
  if (d->blockCount() > n && !novas.empty()) novo += '\n';
  std::size_t prefixo = 0;
  const std::size_t menor = std::min(antigo.size(), novo.size());
  while (prefixo < menor && antigo[prefixo] == novo[prefixo]) ++prefixo;
  std::size_t sufixo = 0;
  while (sufixo < menor - prefixo &&
         antigo[antigo.size() - 1 - sufixo] == novo[novo.size() - 1 - sufixo])
    ++sufixo;
  if (prefixo == antigo.size() && prefixo == novo.size()) return;
  substituiTrecho(static_cast<int>(prefixo), static_cast<int>(antigo.size() - sufixo),
                  novo.substr(prefixo, novo.size() - sufixo - prefixo));
  linhasBraille->textoSubstituido();
}

void TformPrincipal::seleciona(int a, int b, bool foco) {
  if (foco) RichEdit1->setFocus();
  QTextCursor c = RichEdit1->textCursor();
  c.setPosition(a);
  c.setPosition(b, QTextCursor::KeepAnchor);
  RichEdit1->setTextCursor(c);
}

// ---------------------------------------------------------------------------
// Find and replace.

namespace {

// The search window from widget position `inicio`: as many characters as a
// search may cover, and the one before them.
std::string janelaDesde(const TformPrincipal& janela, int inicio, int& antes) {
  const QTextDocument* d = janela.RichEdit1->document();
  const int fim = std::min(d->characterCount() - 1, inicio + janelaBusca);
  antes = -1;
  if (inicio > 0) {
    const std::string c = janela.textoEntre(inicio - 1, inicio);
    if (!c.empty()) antes = static_cast<unsigned char>(c[0]);
  }
  return janela.textoEntre(inicio, fim);
}

}  // namespace

void TformPrincipal::Procurar1Click() {
  FindDialog1->show();
  FindDialog1->raise();
  FindDialog1->activateWindow();
}

void TformPrincipal::iniciaBusca() {
  opcoesBusca = OpcoesBusca{};
  opcoesBusca.maiusculas = FindDialog1->diferenciaMaiusculas();
  textoBusca = FindDialog1->texto();
  FindDialog1->close();
  buscaProxima();
  acompanhaCursor();
}

std::optional<int> TformPrincipal::localizaAposSelecao(const std::string& alvo, OpcoesBusca opcoes) const {
  const int inicio = RichEdit1->textCursor().selectionEnd();
  int antes = -1;
  const std::string texto = janelaDesde(*this, inicio, antes);
  const auto achado = localizaTexto(texto, 0, alvo, opcoes, antes);
  if (!achado) return std::nullopt;
  return inicio + static_cast<int>(*achado);
}

void TformPrincipal::buscaProxima() {
  const auto a = localizaAposSelecao(textoBusca, opcoesBusca);
  if (!a) {
    plataforma::mostraInformacao("Busca terminada");
    return;
  }
  seleciona(*a, *a + static_cast<int>(textoBusca.size()), true);
}

void TformPrincipal::SubstituirPalavraClick() {
  ReplaceDialog1->show();
  ReplaceDialog1->raise();
  ReplaceDialog1->activateWindow();
}

bool TformPrincipal::localizaSubstituicao(bool foco) {
  const std::string alvo = ReplaceDialog1->texto();
  const auto a = localizaAposSelecao(alvo, ReplaceDialog1->opcoes());
  if (!a) {
    plataforma::mostraInformacao("Terminou");
    QTextCursor c = RichEdit1->textCursor();
    c.setPosition(c.selectionStart());
    RichEdit1->setTextCursor(c);
    return false;
  }
  seleciona(*a, *a + static_cast<int>(alvo.size()), foco);
  return true;
}

void TformPrincipal::substituiSelecao() {
  const QTextCursor c = RichEdit1->textCursor();
  if (!c.hasSelection()) return;
  const int a = c.selectionStart();
  const std::string novo = ReplaceDialog1->substituto();
  substituiTrecho(a, c.selectionEnd(), novo);
  // The replacement stays selected: the next search starts after it.
  seleciona(a, a + static_cast<int>(novo.size()), false);
}

void TformPrincipal::ReplaceDialogFind() {
  localizaSubstituicao(true);
  acompanhaCursor();
}

void TformPrincipal::ReplaceDialog1Replace() {
  if (localizaSubstituicao(false)) substituiSelecao();
  acompanhaCursor();
}

void TformPrincipal::ReplaceDialog1ReplaceAll() {
  const QTextCursor c = RichEdit1->textCursor();
  const int volta = c.selectionStart();
  const std::string texto = textoEntre(0, RichEdit1->document()->characterCount() - 1);
  // Every replacement in one edit: one repaint, one undo.
  const SubstituicaoTotal r = substituiTodas(texto, static_cast<std::size_t>(c.selectionEnd()),
                                             ReplaceDialog1->texto(), ReplaceDialog1->substituto(),
                                             ReplaceDialog1->opcoes());
  if (r.quantidade > 0) {
    substituiTrecho(static_cast<int>(r.inicio), static_cast<int>(r.fim), r.trecho);
    linhasBraille->textoSubstituido();
  }
  plataforma::mostraInformacao("Terminou");
  seleciona(volta, volta, false);
  acompanhaCursor();
}

// ---------------------------------------------------------------------------
// Case and code page.

void TformPrincipal::converteSelecao(std::string (*converte)(std::string_view)) {
  const QTextCursor c = RichEdit1->textCursor();
  if (!c.hasSelection()) return;
  const int a = c.selectionStart();
  const int b = c.selectionEnd();
  const std::string antes = textoEntre(a, b);
  const std::string depois = converte(antes);
  if (depois != antes) substituiTrecho(a, b, depois);
  seleciona(a, b, false);
  linhasBraille->textoSubstituido();
}

void TformPrincipal::minsculaMAISCULA1Click() { converteSelecao(cp1252::maiusculas); }
void TformPrincipal::MAISCULAminscula1Click() { converteSelecao(cp1252::minusculas); }

void TformPrincipal::converteLinhas(std::string (*converte)(std::string_view)) {
  std::vector<std::string> linhas = linhasDocumento();
  for (auto& l : linhas) l = converte(l);
  substituiLinhas(linhas);
}

void TformPrincipal::ConverterparaformatoDOS1Click() { converteLinhas(cp1252::paraOem); }
void TformPrincipal::ConverterparaformatoWindows1Click() { converteLinhas(cp1252::deOem); }

void TformPrincipal::Eliminarformataes1Click() {
  std::vector<std::string> linhas = linhasDocumento();
  // On a failure the lines still come back with their tabs expanded.
  eliminaFormatacoes(linhas);
  substituiLinhas(linhas);
}

// ---------------------------------------------------------------------------
// Lines at the margin.

void TformPrincipal::Dividirlinhasgrandes1Click() {
  const auto b = plataforma::servicoMensagens().mensagem(
      plataforma::TipoMensagem::simples, {}, "Essa função não tem retorno, salvou por garantia?"_cp,
      {plataforma::Botao::sim, plataforma::Botao::nao});
  if (b != plataforma::Botao::sim) return;
  substituiLinhas(divideLinhasGrandes(linhasDocumento(), configuracao.maxCol));
}

void TformPrincipal::quebraLinhaDigitada(int coluna, int linhaCursor) {
  const int i = linhaCursor - 1;
  if (i < 0 || i >= numeroLinhas()) return;
  const auto q = quebraDigitada(linha(i), coluna, configuracao.maxCol);
  if (!q) return;
  const QTextBlock bloco = RichEdit1->document()->findBlockByNumber(i);
  const int inicio = bloco.position();
  substituiTrecho(inicio, inicio + bloco.length() - 1, q->linha + '\n' + q->nova);
  const int pos = q->cursorNaNova ? inicio + static_cast<int>(q->linha.size()) + 1 + q->colunaCursor
                                  : inicio + q->colunaCursor;
  seleciona(pos, pos, false);
  linhasBraille->textoSubstituido();
}

// ---------------------------------------------------------------------------
// The Braille of the selected lines as text.

void TformPrincipal::CopiaremBraille1Click() {
  int primeira = 0;
  int c1 = 0;
  int ultima = 0;
  int c2 = 0;
  inicioSelecao(primeira, c1);
  fimSelecao(ultima, c2);
  const auto texto = copiaMetaBraille(linhasDocumento(), primeira, ultima);
  // The rows now show the table the copy left.
  linhasBraille->textoSubstituido();
  if (texto) poeNaAreaTransferencia(*texto);
}

void TformPrincipal::poeNaAreaTransferencia(const std::string& texto) {
  if (!areaTransferencia) return;
  auto* dados = new QMimeData;
  dados->setText(paraQString(texto));
  dados->setData(QStringLiteral("text/plain;charset=windows-1252"), QByteArray::fromStdString(texto));
  areaTransferencia->setMimeData(dados);
}

// ---------------------------------------------------------------------------
// Markup.

void TformPrincipal::inserePar(std::string_view abre, std::string_view fecha) {
  int primeira = 0;
  int c1 = 0;
  int ultima = 0;
  int c2 = 0;
  inicioSelecao(primeira, c1);
  fimSelecao(ultima, c2);
  const PosicoesPar p = posicoesPar(primeira, ultima, c2, numeroLinhas());
  QTextCursor bloco(RichEdit1->document());
  bloco.beginEditBlock();
  insereLinhaNoEditor(RichEdit1, p.abre, std::string(abre));
  insereLinhaNoEditor(RichEdit1, p.fecha, std::string(fecha));
  bloco.endEditBlock();
  linhasBraille->textoSubstituido();
}

void TformPrincipal::Trechonoformatvel1Click() { inserePar("<F->", "<F+>"); }
void TformPrincipal::RecuoBntClick() { inserePar("<R+>", "<R->"); }

void TformPrincipal::negBtnClick() {
  const QTextCursor c = RichEdit1->textCursor();
  const int a = c.selectionStart();
  const int b = c.selectionEnd();
  QTextCursor e(RichEdit1->document());
  e.beginEditBlock();
  e.setPosition(b);
  e.insertText(QStringLiteral("*"));
  e.setPosition(a);
  e.insertText(QStringLiteral("*"));
  e.endEditBlock();
  seleciona(b + 2, b + 2, false);
  linhasBraille->textoSubstituido();
}

void TformPrincipal::InserirgrficoClick(int tipo) {
  const auto nome = plataforma::servicoMensagens().nomeArquivoAbrir(
      {}, {}, "Grafico Tátil|*.GRB|Todos os arquivos|*.*"_cp);
  if (!nome) return;
  int l = 0;
  int c = 0;
  inicioSelecao(l, c);
  if (l < 0) l = 0;
  l = linhaInsercaoGrafico(l, c, l < numeroLinhas() ? linha(l) : std::string());
  if (!exibeGrafico(*nome)) return;
  insereLinhaNoEditor(RichEdit1, l, linhaGrafico(tipo, nomeGraficoNaLinha(*nome, nomeDocumento)));
  linhasBraille->textoSubstituido();
}

void TformPrincipal::Criargrficovazio1Click() { criaGraficoVazio(); }
void TformPrincipal::DigitaremBraille1Click() { iniciaRetoquesBraille(); }

// ---------------------------------------------------------------------------
// Characters from the six-key window, the palette and the map.

void TformPrincipal::CriarAnotacao1Click() {
  if (criaAnotacao(linhasEditor())) RichEdit1KeyUp(nullptr);
}

void TformPrincipal::Folhearrevises1Click() {
  if (formAnotacoes) servicoqt::mostraModal(*formAnotacoes);
}

void TformPrincipal::ModoRevisor1Click() {
  const AspectoRevisor a = alternaModoRevisor(RichEdit1->isReadOnly(), RichEdit1->bipe, pausa);
  RichEdit1->setReadOnly(a.somenteLeitura);
  // Read-only still lets the reviewer move the caret with the keys.
  if (a.somenteLeitura)
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  ModoRevisor1->setChecked(a.somenteLeitura);
  painelStatus2->setText(paraQString(a.painel));
  QPalette p = RichEdit1->palette();
  p.setColor(QPalette::Base, QColor(a.vermelho, a.verde, a.azul));
  RichEdit1->setPalette(p);
}

void TformPrincipal::Grandeabrangncia1Click() { insereAntesDaSelecao(linhasEditor(), separadorGrande); }
void TformPrincipal::Mdiaabrangncia1Click() { insereAntesDaSelecao(linhasEditor(), separadorMedio); }
void TformPrincipal::Pequenaabrangncia1Click() { insereAntesDaSelecao(linhasEditor(), separadorPequeno); }
void TformPrincipal::Notadetranscrio1Click() { insereAntesDaSelecao(linhasEditor(), notaTranscricao); }
void TformPrincipal::Variante1Click(int variante) { insereVariante(linhasEditor(), variante); }
void TformPrincipal::ptintaClick() { inserePaginaTinta(linhasEditor()); }
void TformPrincipal::Centrarlinhas1Click() { centraLinhas(linhasEditor()); }

void TformPrincipal::pagBtnClick() {
  insereQuebraPagina(linhasEditor());
  RichEdit1KeyUp(nullptr);
}

// ---------------------------------------------------------------------------
// The settings windows, shown beside the editor and kept on top of it.

namespace {

void mostraJanelaConfiguracao(QWidget* janela) {
  if (!janela) return;
  janela->show();
  janela->raise();
  janela->activateWindow();
}

}  // namespace

void TformPrincipal::ParmetrosdaImpresso1Click() { mostraJanelaConfiguracao(FormConfig); }

void TformPrincipal::ConfiguraMargemClick() {
  if (!FormConfigMargem) return;
  mostraJanelaConfiguracao(FormConfigMargem);
  // Activation does not follow every show: the fields are filled all the same.
  FormConfigMargem->FormActivate();
}

void TformPrincipal::Impressora1Click() { mostraJanelaConfiguracao(FormConfigBrl); }

void TformPrincipal::Diretorios1Click() { mostraJanelaConfiguracao(FormConfigDir); }

// ---------------------------------------------------------------------------
// Outside the document.

namespace {

// A file opened with the desktop's default application; an opener that is
// missing, or ends in failure later, is reported with `falha`.
void abreNoDesktopOuDiz(const std::string& caminho, const std::string& falha) {
  const plataforma::ProgramaIniciado p = plataforma::abreNoDesktop(caminho);
  if (!p) {
    plataforma::mostraErro(falha);
    return;
  }
  servicoqt::vigiaPrograma(p.pid, [falha] { plataforma::mostraErro(falha); });
}

// The user's copy of a word list, opened for editing.
void editaLista(const CopiaEditavel& copia) {
  if (!copia.ok) {
    plataforma::mostraErro("Não foi possível abrir o arquivo "_cp + copia.caminho +
                           (copia.motivo.empty() ? "" : ": " + copia.motivo));
    return;
  }
  abreNoDesktopOuDiz(copia.caminho, "Não foi possível abrir o arquivo "_cp + copia.caminho);
}

}  // namespace

void TformPrincipal::SalvarConfigurao1Click() { salvaConfiguracao(); }

void TformPrincipal::CarregarConfigurao1Click() {
  // The program and embosser settings at once; the rest at the next start.
  carregaConfiguracao([] {
    if (FormConfig) FormConfig->leIni();
    if (FormConfigBrl) FormConfigBrl->leIni();
  });
}

void TformPrincipal::MiniOrvento1Click() { plataforma::iniciaProgramaOuDiz(configuracao.orvento); }

void TformPrincipal::Selvra1Click() { plataforma::iniciaProgramaOuDiz(configuracao.selvra); }

void TformPrincipal::BraillenoWord1Click() {
  std::string rtf;
  const plataforma::ProgramaIniciado p = exportaBrailleNoWord(linhasDocumento(), &rtf);
  if (p) servicoqt::vigiaPrograma(p.pid, [m = mensagemWordInativoArquivo(rtf)] { plataforma::mostraErro(m); });
}

void TformPrincipal::Acrescentarpalavra1Click() { editaLista(arquivoNomesEditavel()); }

void TformPrincipal::Inibirpalavra1Click() { editaLista(arquivoExcecoesEditavel()); }

void TformPrincipal::Quadrinhos1Click() {
  if (!FormQuadro) return;
  FormQuadro->show();
  FormQuadro->raise();
  FormQuadro->activateWindow();
}

void TformPrincipal::Macroprocessador1Click() {
  if (!formMacro) return;
  formMacro->show();
  formMacro->raise();
  formMacro->activateWindow();
  // The file box is filled again even when the window was open already.
  formMacro->FormActivate();
}

void TformPrincipal::pAjuBtnClick() {
  if (FormQuadro) FormQuadro->criaQuadro(2);
}

void TformPrincipal::extoparaTabela1Click() {
  if (formConfTabela) servicoqt::mostraModal(*formConfTabela);
}

void TformPrincipal::DigitaoPerkins1Click() {
  if (FormDigitaBraille) servicoqt::mostraModal(*FormDigitaBraille);
}

void TformPrincipal::InserodeSmbolos1Click() {
  if (FormSimb) servicoqt::mostraModal(*FormSimb);
}

void TformPrincipal::abeladeCaracteres1Click() {
  if (!TabCaracteres) return;
  TabCaracteres->show();
  TabCaracteres->raise();
  TabCaracteres->activateWindow();
}

void TformPrincipal::insereTextoEditor(const std::string& texto) {
  poeNaAreaTransferencia(texto);
  RichEdit1->paste();
  acompanhaCursor();
}

void TformPrincipal::enviaTeclaEditor(int teclaQt) {
  const auto tecla = static_cast<Qt::Key>(teclaQt);
  const QString texto = tecla == Qt::Key_Return || tecla == Qt::Key_Enter ? QStringLiteral("\r")
                        : tecla == Qt::Key_Backspace                      ? QStringLiteral("\b")
                                                                          : QString();
  QCoreApplication::postEvent(RichEdit1, new QKeyEvent(QEvent::KeyPress, tecla, Qt::NoModifier, texto));
  QCoreApplication::postEvent(RichEdit1, new QKeyEvent(QEvent::KeyRelease, tecla, Qt::NoModifier, texto));
}

// ---------------------------------------------------------------------------
// Spelling.

void TformPrincipal::ligaOrtografia() {
  auto liga = [this](QAction* a, void (TformPrincipal::*f)()) {
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, f] { executaComando([this, f] { (this->*f)(); }); });
  };
  liga(Carregardicionrio1, &TformPrincipal::Carregardicionrio1Click);
  liga(Liberardicionrio1, &TformPrincipal::Liberardicionrio1Click);
  liga(Verificarerro1, &TformPrincipal::Verificarerro1Click);
  liga(Outrasalternativas1, &TformPrincipal::Outrasalternativas1Click);
  liga(VerificadorOrtogrfico1, &TformPrincipal::VerificadorOrtogrfico1Click);
  dicBtn->setEnabled(true);
  connect(dicBtn, &QToolButton::clicked, this, [this] { executaComando([this] { dicClick(); }); });
}

void TformPrincipal::Carregardicionrio1Click() { carregaDicionario(janelasOrtografia()); }
void TformPrincipal::Liberardicionrio1Click() { liberaDicionario(janelasOrtografia()); }

void TformPrincipal::Verificarerro1Click() {
  DocumentoLinhasEditor documento(linhasEditor());
  verificaErro(documento, janelasOrtografia());
}

void TformPrincipal::Outrasalternativas1Click() {
  DocumentoLinhasEditor documento(linhasEditor());
  outrasAlternativas(documento, janelasOrtografia());
}

void TformPrincipal::dicClick() { Verificarerro1Click(); }

void TformPrincipal::VerificadorOrtogrfico1Click() {
  if (!formConfigDicionario) return;
  formConfigDicionario->FormActivate();
  servicoqt::mostraModal(*formConfigDicionario);
}
