#include "formvisual.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "braillequt.h"
#include "brcodigo.h"
#include "cp1252.h"
#include "textoqt.h"

using textoqt::paraQString;

TFormVisual* FormVisual = nullptr;

// ---------------------------------------------------------------------------
// The list.

ModeloListaVisual::ModeloListaVisual(const std::vector<std::string>& linhas, QObject* pai)
    : QAbstractListModel(pai), linhas_(linhas) {}

int ModeloListaVisual::rowCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

QVariant ModeloListaVisual::data(const QModelIndex& indice, int papel) const {
  if (papel != Qt::DisplayRole || !indice.isValid() || indice.row() >= rowCount()) return {};
  return paraQString(linhas_[static_cast<std::size_t>(indice.row())]);
}

void ModeloListaVisual::recarrega() {
  beginResetModel();
  endResetModel();
}

void ModeloListaVisual::linhaMudou(int i) {
  if (i < 0 || i >= rowCount()) return;
  emit dataChanged(index(i), index(i));
}

DelegadoVisual::DelegadoVisual(TFormVisual& janela) : QStyledItemDelegate(&janela), janela_(janela) {}

void DelegadoVisual::paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
  const auto& linhas = janela_.visual.linhas;
  if (!indice.isValid() || static_cast<std::size_t>(indice.row()) >= linhas.size()) return;
  const std::string& linha = linhas[static_cast<std::size_t>(indice.row())];
  const bool selecionada = opcao.state & QStyle::State_Selected;
  p->save();
  p->setClipRect(opcao.rect);
  const QPalette& cores = opcao.palette;
  p->fillRect(opcao.rect, selecionada ? cores.highlight() : cores.base());
  p->setPen(selecionada ? cores.highlightedText().color() : cores.text().color());
  const bool celulas = janela_.fonteLista == fonteBrailleTevra;
  p->setFont(opcao.font);
  const QString texto = celulas ? braillequt::brailleParaTela(linha, codigoImpressoraParaPontos) : paraQString(linha);
  p->drawText(opcao.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texto);
  p->restore();
}

QSize DelegadoVisual::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {1, janela_.alturaItem};
}

TListaVisual::TListaVisual(TFormVisual& janela, QWidget* pai) : QListView(pai), janela_(janela) {}

void TListaVisual::mousePressEvent(QMouseEvent* e) {
  // The left button selects the line under it first; the others keep the
  // selection, and the ruler goes where the selection is.
  if (e->button() == Qt::LeftButton) QListView::mousePressEvent(e);
  janela_.ListBoxVisualMouseDown(e->button());
}

void TListaVisual::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double click is a press like the first, so that
  // every release finds the ruler of its own press.
  mousePressEvent(e);
}

void TListaVisual::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) QListView::mouseReleaseEvent(e);
  janela_.ListBoxVisualMouseUp(e->button());
}

void TListaVisual::keyPressEvent(QKeyEvent* e) {
  if (!janela_.ListBoxVisualKeyDown(e)) QListView::keyPressEvent(e);
  // The window's own key handler must not see the key a second time.
  e->accept();
}

// ---------------------------------------------------------------------------
// The window.

TFormVisual::TFormVisual(QWidget* pai) : QMainWindow(pai) {
  setWindowTitle(paraQString("Visualização da Impressão"_cp));
  // Closing the preview only hides it; it never ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(700, 500);

  auto* central = new QWidget(this);
  auto* coluna = new QVBoxLayout(central);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);

  auto* faixa = new QWidget(central);
  faixa->setFixedHeight(32);
  auto* linhaBotao = new QHBoxLayout(faixa);
  linhaBotao->setContentsMargins(4, 2, 4, 2);
  linhaBotao->addStretch(1);
  b_pagLin = new QPushButton(paraQString(legendaPagLin(PagLin{1, 1})), faixa);
  b_pagLin->setObjectName(QStringLiteral("b_pagLin"));
  linhaBotao->addWidget(b_pagLin);
  coluna->addWidget(faixa);

  ListBoxVisual = new TListaVisual(*this, central);
  ListBoxVisual->setObjectName(QStringLiteral("ListBoxVisual"));
  modeloLista = new ModeloListaVisual(visual.linhas, this);
  ListBoxVisual->setModel(modeloLista);
  ListBoxVisual->setItemDelegate(new DelegadoVisual(*this));
  ListBoxVisual->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBoxVisual->setUniformItemSizes(true);
  ListBoxVisual->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListBoxVisual->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  coluna->addWidget(ListBoxVisual, 1);
  setCentralWidget(central);

  Timer1 = new QTimer(this);
  Timer1->setInterval(500);

  MainMenu1 = menuBar();
  criaMenus();

  connect(b_pagLin, &QPushButton::clicked, this, [this] { b_pagLinClick(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

  FormCreate();
}

TFormVisual::~TFormVisual() {
  if (FormVisual == this) FormVisual = nullptr;
}

void TFormVisual::criaMenus() {
  auto acao = [this](auto* onde, std::string_view legenda, void (TFormVisual::*f)(),
                     const QKeySequence& atalho = {}) {
    QAction* a = onde->addAction(paraQString(legenda));
    if (!atalho.isEmpty()) a->setShortcut(atalho);
    connect(a, &QAction::triggered, this, [this, f] { (this->*f)(); });
    return a;
  };
  Braille1 = acao(MainMenu1, "&Braille", &TFormVisual::Braille1Click);
  Grafico1 = acao(MainMenu1, "&Gráfico"_cp, &TFormVisual::Grafico1Click);
  // "&Tinta" acts when it is opened; its one item does nothing.
  Tinta1 = MainMenu1->addMenu(paraQString("&Tinta"));
  Transcricaografica1 = Tinta1->addAction(paraQString("Transcrição gráfica"_cp));
  connect(Tinta1, &QMenu::aboutToShow, this, [this] { Tinta1Click(); });
  Tamanho1 = MainMenu1->addMenu(paraQString("T&amanho"));
  Normal1 = acao(Tamanho1, "&Normal", &TFormVisual::Normal1Click);
  Pequeno1 = acao(Tamanho1, "&Pequeno", &TFormVisual::Pequeno1Click);
  Fonte1 = MainMenu1->addMenu(paraQString("&Fonte"));
  BrailleTevra1 = acao(Fonte1, "&Braille Tevra", &TFormVisual::BrailleTevra1Click);
  SymBraille1 = acao(Fonte1, "&Outra fonte", &TFormVisual::SymBraille1Click);
  Conferir1 = acao(MainMenu1, "&Conferir", &TFormVisual::Conferir1Click);
  IrAoOriginal1 = acao(MainMenu1, "&Ir ao Original", &TFormVisual::IrAoOriginal1Click);
  Localizarpagina1 = MainMenu1->addMenu(paraQString("&Localizar página"_cp));
  InformarPgina1 = acao(Localizarpagina1, "&Informar", &TFormVisual::InformarPgina1Click);
  Proximapgina1 = acao(Localizarpagina1, "&Proxima", &TFormVisual::Proximapgina1Click);
  Anterior1 = acao(Localizarpagina1, "&Anterior", &TFormVisual::Anterior1Click);
  Anotao1 = acao(MainMenu1, "&Anotação"_cp, &TFormVisual::Anotao1Click, QKeySequence(Qt::Key_F8));
  // A shortcut of an item on the menu bar itself works only when the window
  // holds the action too.
  addAction(Anotao1);
}

void TFormVisual::FormCreate() {
  fonteBrailleVisual = fonteBrailleTevra;
  visual.defineRascunho({}, {}, 0);
  modeloLista->recarrega();
  aplicaFonteLista();
}

void TFormVisual::mostraVisualizacao() {
  visual.carregaRascunho();
  hide();
  show();
  raise();
  activateWindow();
  ListBoxVisual->setFocus();
  // Activation events are not delivered everywhere (offscreen, some window
  // managers): the window is brought up to date here as well; a second
  // activation does the same again.
  FormActivate();
}

void TFormVisual::FormActivate() {
  ativandoVisual = true;
  Conferir1->setEnabled(static_cast<bool>(conferirLinhaBraille));
  Grafico1->setEnabled(static_cast<bool>(mostraPaginaPontos));
  alturaItem = 24;
  fonteLista = fonteBrailleVisual;
  tamanhoFonteLista = 16;
  negritoLista = true;
  aplicaFonteLista();
  visual.restauraLinhas();
  modeloLista->recarrega();
  const int selecionada = visual.selecaoInicial();
  selecionaLinha(selecionada);
  if (selecionada >= 0)
    ListBoxVisual->scrollTo(modeloLista->index(linhaTopoInicial(selecionada)), QAbstractItemView::PositionAtTop);
  ligaTimer();
  ativandoVisual = false;
}

bool TFormVisual::FormClose() {
  if (ativandoVisual) return false;
  if (fechaPaginaPontos) fechaPaginaPontos();
  return true;
}

void TFormVisual::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() != QEvent::ActivationChange || !isActiveWindow() || ativandoVisual) return;
  if (ignorarAtivacao_) {
    ignorarAtivacao_ = false;
    return;
  }
  FormActivate();
}

template <class F>
auto TFormVisual::dialogoProprio(F&& pedido) {
  auto resposta = pedido();
  // Where the window system gives the activation back later, the event is
  // still on its way: it is let pass once.
  if (isVisible() && !isActiveWindow()) ignorarAtivacao_ = true;
  return resposta;
}

void TFormVisual::closeEvent(QCloseEvent* e) {
  if (FormClose())
    e->accept();
  else
    e->ignore();
}

void TFormVisual::keyPressEvent(QKeyEvent* e) {
  if (!ListBoxVisualKeyDown(e)) QMainWindow::keyPressEvent(e);
}

bool TFormVisual::ListBoxVisualKeyDown(QKeyEvent* e) {
  ligaTimer();
  const int tecla = e->key();
  const bool alt = e->modifiers() & Qt::AltModifier;
  if (tecla == Qt::Key_Escape) {
    close();
  } else if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
    IrAoOriginal1Click();
  } else if (alt && tecla == Qt::Key_PageDown) {
    proximaPagina();
  } else if (alt && tecla == Qt::Key_PageUp) {
    paginaAnterior();
  } else {
    return false;
  }
  return true;
}

void TFormVisual::ListBoxVisualMouseDown(Qt::MouseButton botao) {
  if (botao != Qt::LeftButton && botao != Qt::MiddleButton) return;
  const int antes = visual.linhaRegua;
  const bool reguaAntes = visual.reguaVisivel;
  visual.pressionaBotao(linhaSelecionada());
  if (reguaAntes) modeloLista->linhaMudou(antes);
  modeloLista->linhaMudou(visual.linhaRegua);
}

void TFormVisual::ListBoxVisualMouseUp(Qt::MouseButton botao) {
  switch (botao) {
    case Qt::LeftButton:
      if (visual.linhaRegua < 0) return;
      if (visual.tiraRegua()) modeloLista->linhaMudou(visual.linhaRegua);
      ligaTimer();
      return;
    case Qt::MiddleButton:
      // Without a stored line there is nothing to give back nor to check.
      // With one, the ruler may already be gone (the left button released
      // first, or an activation reloaded the list): the line is checked all
      // the same.
      if (visual.linhaRegua < 0) return;
      if (visual.tiraRegua()) modeloLista->linhaMudou(visual.linhaRegua);
      conferirLinha();
      return;
    case Qt::RightButton:
      if (visual.linhaRegua >= 0) conferirLinha();
      return;
    default:
      return;
  }
}

void TFormVisual::Timer1Timer() {
  Timer1->stop();
  atualizaPagLin();
}

void TFormVisual::ligaTimer() {
  if (!Timer1->isActive()) Timer1->start();
}

void TFormVisual::atualizaPagLin() {
  b_pagLin->setText(paraQString(legendaPagLin(visual.atualizaPagLin(linhaSelecionada()))));
}

void TFormVisual::irParaPagina(int pagina) {
  selecionaLinha(visual.irParaPagina(pagina));
  ligaTimer();
}

void TFormVisual::proximaPagina() {
  const int i = visual.proximaPagina(linhaSelecionada());
  b_pagLin->setText(paraQString(legendaPagLin(visual.ultimaPagLin)));
  selecionaLinha(i);
  ligaTimer();
}

void TFormVisual::paginaAnterior() {
  const int i = visual.paginaAnterior(linhaSelecionada());
  b_pagLin->setText(paraQString(legendaPagLin(visual.ultimaPagLin)));
  selecionaLinha(i);
  ligaTimer();
}

void TFormVisual::conferirLinha() {
  const int i = linhaSelecionada();
  if (i < 0 || !conferirLinhaBraille) return;
  conferirLinhaBraille(semBrancosFinais(visual.linhas[static_cast<std::size_t>(i)]), visual.estado);
}

void TFormVisual::b_pagLinClick() {
  const auto texto = dialogoProprio(
      [] { return plataforma::servicoMensagens().pergunta("Informe a página desejada"_cp, "Página"_cp, ""); });
  if (!texto) return;
  if (const auto pagina = lePaginaInformada(*texto)) irParaPagina(*pagina);
}

void TFormVisual::Braille1Click() {
  fonteLista = fonteBrailleVisual;
  aplicaFonteLista();
}

void TFormVisual::Grafico1Click() {
  if (mostraPaginaPontos) mostraPaginaPontos(visual.linhas, linhaSelecionada(), visual.estado);
}

void TFormVisual::Tinta1Click() {
  fonteLista = "Courier New";
  aplicaFonteLista();
}

void TFormVisual::Normal1Click() {
  alturaItem = 24;
  tamanhoFonteLista = 16;
  negritoLista = true;
  aplicaFonteLista();
}

void TFormVisual::Pequeno1Click() {
  alturaItem = 12;
  tamanhoFonteLista = 8;
  negritoLista = false;
  aplicaFonteLista();
}

void TFormVisual::BrailleTevra1Click() {
  fonteBrailleVisual = fonteBrailleTevra;
  Braille1Click();
}

void TFormVisual::SymBraille1Click() {
  FontDialog1.nome = fonteBrailleVisual;
  if (const auto escolha = dialogoProprio([this] { return plataforma::servicoMensagens().escolheFonte(FontDialog1); })) {
    if (!escolha->nome.empty()) fonteBrailleVisual = escolha->nome;
  }
  Braille1Click();
}

void TFormVisual::Conferir1Click() {
  ListBoxVisual->setFocus();
  conferirLinha();
}

void TFormVisual::IrAoOriginal1Click() {
  const int documento = numeroLinhasDocumento ? numeroLinhasDocumento() : static_cast<int>(visual.mapa.size());
  const int linha = visual.irAoOriginal(linhaSelecionada(), documento);
  ListBoxVisual->setFocus();
  hide();
  if (irParaLinhaColuna) irParaLinhaColuna(linha < 0 ? 0 : linha, 0);
}

void TFormVisual::InformarPgina1Click() { b_pagLinClick(); }
void TFormVisual::Proximapgina1Click() { proximaPagina(); }
void TFormVisual::Anterior1Click() { paginaAnterior(); }

void TFormVisual::Anotao1Click() {
  const auto texto =
      dialogoProprio([] { return plataforma::servicoMensagens().pergunta("Anotar", "Incluir comentário"_cp, ""); });
  if (!texto || texto->empty()) return;
  IrAoOriginal1Click();
  if (insereLinhaDocumento) insereLinhaDocumento(visual.linhaAnotacao, linhaDeAnotacao(*texto));
}

int TFormVisual::linhaSelecionada() const {
  const QModelIndex i = ListBoxVisual->currentIndex();
  if (!i.isValid() || !ListBoxVisual->selectionModel()->isSelected(i)) return -1;
  return i.row();
}

void TFormVisual::selecionaLinha(int i) {
  if (i < 0 || i >= modeloLista->rowCount()) {
    ListBoxVisual->selectionModel()->clear();
    return;
  }
  const QModelIndex indice = modeloLista->index(i);
  ListBoxVisual->selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect);
  ListBoxVisual->scrollTo(indice);
}

int TFormVisual::linhaTopo() const { return ListBoxVisual->indexAt(QPoint(1, 1)).row(); }

void TFormVisual::aplicaFonteLista() {
  QFont f;
  if (fonteLista == fonteBrailleTevra) {
    f = braillequt::fonteBraillePontos(tamanhoFonteLista, negritoLista);
  } else {
    f = QFont(paraQString(fonteLista));
    f.setPointSize(tamanhoFonteLista);
    f.setBold(negritoLista);
  }
  ListBoxVisual->setFont(f);
  // The fixed height may have changed: the view measures its rows again.
  ListBoxVisual->doItemsLayout();
  ListBoxVisual->viewport()->update();
}

// ---------------------------------------------------------------------------

void insereLinhaNoEditor(QPlainTextEdit* editor, int indice, const std::string& texto) {
  QTextDocument* doc = editor->document();
  // The empty block after a final line break is no line of the document.
  int linhas = doc->blockCount();
  if (linhas > 0 && doc->lastBlock().text().isEmpty()) --linhas;
  QTextCursor c(doc);
  c.beginEditBlock();
  if (indice < 0) indice = 0;
  if (indice < linhas) {
    c.setPosition(doc->findBlockByNumber(indice).position());
    c.insertText(paraQString(texto));
    c.insertBlock();
  } else if (linhas > 0 && linhas < doc->blockCount()) {
    // Before the empty last block: the new line ends with a line break too.
    c.setPosition(doc->lastBlock().position());
    c.insertText(paraQString(texto));
    c.insertBlock();
  } else if (linhas == 0) {
    // An empty document: the line and its break, so that an empty line
    // counts as one.
    c.insertText(paraQString(texto));
    c.insertBlock();
  } else {
    // After a last line without its break: the new line follows it; an
    // empty one keeps a break of its own, or it would be no line.
    c.movePosition(QTextCursor::End);
    c.insertBlock();
    c.insertText(paraQString(texto));
    if (texto.empty()) c.insertBlock();
  }
  c.endEditBlock();
}
