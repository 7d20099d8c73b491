#include "ovmain.h"

#include <QActionGroup>
#include <QClipboard>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <sys/stat.h>

#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconta.h"
#include "mensagens.h"
#include "ovajuda.h"
#include "ovbraille.h"
#include "ovcomandos.h"
#include "ovdialogos.h"
#include "ovtexto.h"
#include "servicoqt.h"
#include "ovarquivo.h"
#include "ovmensagem.h"
#include "ovmodelo.h"
#include "ovprint.h"
#include "ovtelavirt.h"
#include "perfil.h"
#include "programas.h"
#include "textoqt.h"

using textoqt::paraQString;
using namespace orvento;

namespace {

struct Ferramenta {
  const char* nome;    // the button's object name
  const char* dica;    // its hint
  const char* item;    // its item of "&Operação gráfica" (null: none)
  const char* nomeItem;
};

// Modes 0 to 12.
const Ferramenta ferramentasJanela[13] = {
    {"B_selArea", "Selecionar área", nullptr, nullptr},
    {"B_moveImagem", "Mover o modelo", nullptr, nullptr},
    {"B_ponto", "Pintar", "Pontos &.", "Pontos1"},
    {"B_retang", "Retângulo", "&Retângulo", "Retangulo1"},
    {"B_reta", "Reta", "&Linha reta", "Linhareta1"},
    {"B_area", "Área retangular (ou borracha)", nullptr, nullptr},
    {"B_elipse", "Elipse", "&Elipse", "Elipse1"},
    {"B_areaEliptica", "Área elipsoidal", "&Área elíptica", "Areaeliptica1"},
    {"B_Circunf", "Circunferência", nullptr, nullptr},
    {"B_circulo", "Círculo", nullptr, nullptr},
    {"B_curva", "Curva", "C&urva Interpolada", "CurvaInterpolada1"},
    {"B_texto", "Texto", "&Texto Gráfico", "TextoGrafico1"},
    {"B_braille", "Braille", "Texto &Braille", "TextoBraille1"},
};

// A small picture of each tool for its button.
QIcon iconeFerramenta(int modo) {
  QPixmap pm(33, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  const QRectF caixa(8.5, 2.5, 16, 11);
  switch (modo) {
    case 0: p.setPen(QPen(Qt::black, 1, Qt::DashLine)); p.drawRect(caixa); break;
    case 1:
      p.drawLine(QPointF(16.5, 1), QPointF(16.5, 15));
      p.drawLine(QPointF(9, 8), QPointF(24, 8));
      break;
    case 2:
      p.setBrush(Qt::black);
      for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(9 + 5 * i, 12 - 2.5 * i), 1.3, 1.3);
      break;
    case 3: p.drawRect(caixa); break;
    case 4: p.drawLine(QPointF(9, 14), QPointF(24, 2)); break;
    case 5: p.setBrush(Qt::black); p.drawRect(caixa); break;
    case 6: p.drawEllipse(QRectF(6.5, 3.5, 20, 9)); break;
    case 7: p.setBrush(Qt::black); p.drawEllipse(QRectF(6.5, 3.5, 20, 9)); break;
    case 8: p.drawEllipse(QPointF(16.5, 8), 6, 6); break;
    case 9: p.setBrush(Qt::black); p.drawEllipse(QPointF(16.5, 8), 6, 6); break;
    case 10: {
      QPainterPath c(QPointF(7, 13));
      c.cubicTo(QPointF(12, -3), QPointF(20, 19), QPointF(26, 3));
      p.drawPath(c);
      break;
    }
    case 11: {
      QFont f = p.font();
      f.setBold(true);
      f.setPixelSize(13);
      p.setFont(f);
      p.drawText(QRectF(0, 0, 33, 16), Qt::AlignCenter, QStringLiteral("A"));
      break;
    }
    case 12:
      p.setBrush(Qt::black);
      for (const auto& [x, y] : {std::pair{13, 3}, std::pair{13, 8}, std::pair{19, 8}, std::pair{19, 13}})
        p.drawEllipse(QPointF(x + 0.5, y + 0.5), 1.5, 1.5);
      break;
    default: break;
  }
  return QIcon(pm);
}

// A pixel of the area from a mouse position: the pixel that holds it.
QPoint pixelDe(const QPointF& pos) {
  return {static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y()))};
}

}  // namespace

AreaDesenho::AreaDesenho(TForm1& janela) : janela_(janela) {
  setObjectName(QStringLiteral("PaintBox2"));
  setFixedSize(ladoImagem, ladoImagem);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void AreaDesenho::paintEvent(QPaintEvent* e) { janela_.FormPaint(e->rect()); }

void AreaDesenho::mousePressEvent(QMouseEvent* e) {
  const QPoint p = pixelDe(e->position());
  janela_.PaintBox2MouseDown(e->button(), p.x(), p.y());
}

void AreaDesenho::mouseMoveEvent(QMouseEvent* e) {
  // A move with no button held: any release the area missed is over.
  if (e->buttons() == Qt::NoButton) janela_.ferramentas.botaoSolto();
  const QPoint p = pixelDe(e->position());
  janela_.PaintBox2MouseMove(p.x(), p.y());
}

void AreaDesenho::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = pixelDe(e->position());
  janela_.PaintBox2MouseUp(p.x(), p.y());
}

void AreaDesenho::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint p = pixelDe(e->position());
  janela_.PaintBox2DblClick(e->button(), p.x(), p.y());
}

void AreaDesenho::keyPressEvent(QKeyEvent* e) { janela_.FormKeyDown(e->key(), e->modifiers()); }

void AreaDesenho::focusOutEvent(QFocusEvent* e) {
  // Another window (a modal box, say) has the mouse now: the release of a
  // button held here will not come.
  janela_.ferramentas.botaoSolto();
  QWidget::focusOutEvent(e);
}

TForm1::TForm1(QWidget* pai) : QMainWindow(pai) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Orvento"));
  resize(561, 568);
  criaMenus();
  criaPainel();
  FormCreate();
}

TForm1::~TForm1() {
  if (imagemTela == imagemTela_.get()) imagemTela = nullptr;
}

QAction* TForm1::item(QMenu* menu, const char* nome, const char* titulo, void (TForm1::*handler)(),
                      bool habilitado) {
  QAction* a = menu->addAction(QString::fromUtf8(titulo));
  a->setObjectName(QString::fromLatin1(nome));
  a->setEnabled(habilitado);
  if (handler != nullptr) connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return a;
}

QAction* TForm1::acao(const char* nome) const { return findChild<QAction*>(QString::fromLatin1(nome)); }

void TForm1::criaMenus() {
  QMenuBar* barra = menuBar();
  const auto menu = [&](const char* titulo) { return barra->addMenu(QString::fromUtf8(titulo)); };

  QMenu* arquivo = menu("&Arquivo");
  item(arquivo, "Novo1", "&Novo", &TForm1::Novo1Click);
  item(arquivo, "Abrir1", "&Abrir", &TForm1::Abrir1Click);
  item(arquivo, "Salvar1", "&Salvar", &TForm1::Salvar1Click);
  item(arquivo, "SalvarComo1", "Salvar &Como...", &TForm1::SalvarComo1Click);
  item(arquivo, "Imprimir1", "&Imprimir", &TForm1::Imprimir1Click);
  item(arquivo, "Sair1", "Sai&r", &TForm1::Sair1Click);
  arquivo->addSeparator();
  item(arquivo, "RegistrarAes1", "Registrar ações...", &TForm1::RegistrarAes1Click);
  item(arquivo, "Carregaraes1", "Carregar ações...", &TForm1::Carregaraes1Click);
  item(arquivo, "Fimdoregistro1", "Fim do registro", &TForm1::Fimdoregistro1Click);

  QMenu* editar = menu("&Editar");
  struct ItemEdicao {
    const char *nome, *titulo, *atalho;
    void (TForm1::*handler)();
  };
  const ItemEdicao edicao[] = {{"Desfazer1", "&Desfazer", "Ctrl+Z", &TForm1::Desfazer1Click},
                               {"Recortar1", "&Recortar", "Ctrl+X", &TForm1::Recortar1Click},
                               {"Copiar1", "&Copiar", "Ctrl+C", &TForm1::Copiar1Click},
                               {"Colar1", "Co&lar", "Ctrl+V", &TForm1::Colar1Click},
                               {"Sobrepor1", "&Sobrepor", "Ctrl+W", &TForm1::Sobrepor1Click}};
  for (const ItemEdicao& e : edicao)
    item(editar, e.nome, e.titulo, e.handler)->setShortcut(QKeySequence(QString::fromLatin1(e.atalho)));

  QMenu* modelo = menu("&Modelo");
  item(modelo, "Areadetransferncia1", "&Area de transferência", &TForm1::Areadetransferncia1Click);
  item(modelo, "trazer1", "&Trazer", &TForm1::trazer1Click);
  item(modelo, "Esconder1", "&Esconder", &TForm1::Esconder1Click);
  item(modelo, "Mostrar1", "&Mostrar", &TForm1::Mostrar1Click);
  item(modelo, "Brailizar1", "&Brailizar", &TForm1::Brailizar1Click, false);
  item(modelo, "Paintbrush1", "&Paint Brush", &TForm1::Paintbrush1Click);

  QMenu* configurar = menu("&Configurar");
  QMenu* resolucao = configurar->addMenu(QString::fromUtf8("&Resolução"));
  auto* grupoResolucao = new QActionGroup(this);
  for (const auto& [nome, titulo, handler] :
       {std::tuple{"Baixa2", "&Baixa", &TForm1::Baixa2Click}, std::tuple{"Alta2", "&Alta", &TForm1::Alta2Click}}) {
    QAction* a = item(resolucao, nome, titulo, handler);
    a->setCheckable(true);
    a->setChecked(std::string_view(nome) == "Baixa2");
    grupoResolucao->addAction(a);
  }
  item(configurar, "Nmerodepontos1", "&Número de pontos", &TForm1::Nmerodepontos1Click);
  item(configurar, "Dispositivo1", "&Impressora", &TForm1::Dispositivo1Click);
  QMenu* caneta = configurar->addMenu(QStringLiteral("&Caneta"));
  auto* grupoCaneta = new QActionGroup(this);
  for (int i = 1; i <= 4; ++i) {
    const std::string nome = "Caneta" + std::to_string(i), titulo = "&" + std::to_string(i);
    QAction* a = item(caneta, nome.c_str(), titulo.c_str());
    a->setCheckable(true);
    a->setChecked(i == 1);
    grupoCaneta->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { defineEspessura(i); });
  }
  QMenu* padronagem = configurar->addMenu(QStringLiteral("&Padronagem"));
  auto* grupoPadronagem = new QActionGroup(this);
  const std::pair<const char*, int> niveis[] = {{"100%", 3}, {"75%", 2}, {"50%", 1}, {"25%", 0}};
  for (const auto& [titulo, nivel] : niveis) {
    const std::string nome = std::string("Padronagem") + std::to_string((nivel + 1) * 25);
    QAction* a = item(padronagem, nome.c_str(), titulo);
    a->setCheckable(true);
    a->setChecked(nivel == 3);
    grupoPadronagem->addAction(a);
    connect(a, &QAction::triggered, this, [this, nivel = nivel] { definePadronagem(nivel); });
  }

  QMenu* operacao = menu("&Operação gráfica");
  // "&Selecionar área" and "&Área retangular" are there and do nothing; the
  // buttons choose those tools.
  item(operacao, "Selecionararea1", "&Selecionar área");
  for (int modo = 2; modo <= 12; ++modo) {
    const Ferramenta& f = ferramentasJanela[modo];
    if (modo == 5) item(operacao, "Arearetangular1", "&Área retangular");
    if (f.item == nullptr) continue;
    QAction* a = item(operacao, f.nomeItem, f.item);
    connect(a, &QAction::triggered, this, [this, modo] { escolheFerramenta(modo); });
  }
  operacao->addSeparator();
  item(operacao, "XY1", "&Digitar X, Y", &TForm1::XY1Click)->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
  item(operacao, "Origem1", "&Origem", &TForm1::Origem1Click);
  item(operacao, "Escala1", "E&scala", &TForm1::Escala1Click);
  item(operacao, "InformaXYatual1", "&Localiza X, Y atual", &TForm1::InformaXYatual1Click)
      ->setShortcut(QKeySequence(Qt::Key_F1));

  QMenu* ajuda = menu("&?");
  item(ajuda, "Sobreesteprograma1", "&Sobre este programa", &TForm1::Sobreesteprograma1Click);
  item(ajuda, "Ajuda1", "&Ajuda", &TForm1::Ajuda1Click);
}

void TForm1::criaPainel() {
  auto* centro = new QWidget(this);
  auto* linha = new QHBoxLayout(centro);
  linha->setContentsMargins(0, 0, 0, 0);
  linha->setSpacing(0);

  auto* painel = new QWidget(centro);
  painel->setObjectName(QStringLiteral("Panel1"));
  painel->setFixedWidth(41);
  painel->setAutoFillBackground(true);
  QPalette cinza = painel->palette();
  cinza.setColor(QPalette::Window, QColor(192, 192, 192));
  painel->setPalette(cinza);
  auto* coluna = new QVBoxLayout(painel);
  coluna->setContentsMargins(0, 0, 0, 4);
  coluna->setSpacing(0);
  for (int modo = 0; modo < 13; ++modo) {
    auto* b = new QToolButton(painel);
    b->setObjectName(QString::fromLatin1(ferramentasJanela[modo].nome));
    b->setToolTip(QString::fromUtf8(ferramentasJanela[modo].dica));
    b->setFixedSize(41, 22);
    b->setIcon(iconeFerramenta(modo));
    b->setIconSize(QSize(33, 16));
    b->setCheckable(true);
    // The keys belong to the drawing area.
    b->setFocusPolicy(Qt::NoFocus);
    b->setEnabled(modo != 1);
    connect(b, &QToolButton::clicked, this, [this, modo] { escolheFerramenta(modo); });
    botoes[static_cast<size_t>(modo)] = b;
    coluna->addWidget(b);
  }
  coluna->addStretch();
  for (QLabel** rotulo : {&l_x, &l_y}) {
    *rotulo = new QLabel(QStringLiteral("0"), painel);
    (*rotulo)->setObjectName(rotulo == &l_x ? QStringLiteral("l_x") : QStringLiteral("l_y"));
    coluna->addWidget(*rotulo);
  }
  linha->addWidget(painel);

  rolagem = new QScrollArea(centro);
  rolagem->setFocusPolicy(Qt::NoFocus);
  rolagem->setBackgroundRole(QPalette::Dark);
  PaintBox2 = new AreaDesenho(*this);
  rolagem->setWidget(PaintBox2);
  linha->addWidget(rolagem, 1);
  setCentralWidget(centro);
  PaintBox2->setFocus();
}

void TForm1::FormCreate() {
  dirAtual = plataforma::juntaCaminho(plataforma::diretorioAtual(), "");
  if (dirAtual.empty() || dirAtual.back() != '/') dirAtual += '/';
  escalaX = escalaY = 1.0;
  origemX = origemY = 0;
  papelX = papelY = 120;
  // A replayed text or Braille line draws as the tools do.
  desenhaTextoComando = [](std::string_view texto, int x, int y, int direcao) {
    return desenhaTexto(texto, x, y, direcao);
  };
  desenhaBrailleComando = [](std::string_view texto, int x, int y, int direcao, int tamanho) {
    carregaTabelaBraille();
    return desenhaBraille(texto, x, y, direcao, tamanho);
  };
}

bool TForm1::FormActivate() {
  if (ativado_) return true;
  ativado_ = true;
  setWindowTitle(QStringLiteral("Orvento"));
  // The whole value: a device path cut short would name another file.
  dispositivo = plataforma::lePerfil("IMPBRAILLE", "NomeArq", dispositivoPadrao, 0, arquivoIni);
  altaResolucao = false;
  bmpModelo = imagemBranca();
  bmpDesenho = imagemBranca();
  bmpGrade = imagemBranca();
  quadro_ = imagemBranca();
  imagemTela_ = std::make_unique<BitmapDesenho>(bmpDesenho);
  imagemTela = imagemTela_.get();
  ferramentas.desenhando = false;
  ferramentas.modoFerramenta = 2;
  marcaEscolhido(2);
  espessura = 1;
  padronagem = 3;
  limpaTela();
  selecao = {0, 0, -1, -1};
  desenhaGrade(bmpGrade, ferramentas.modoFerramenta);
  PaintBox2->update();
  return carregaAmbCode();
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (ativado_) return;
  // A table that cannot be read ends the program at once.
  if (!FormActivate()) {
    fechando_ = true;
    QTimer::singleShot(0, this, [this] {
      close();
      QCoreApplication::exit(1);
    });
  }
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (fechando_ || podeDescartarDesenho()) {
    // What was recorded is kept.
    terminaRegistro();
    e->accept();
  } else {
    e->ignore();
  }
}

void TForm1::marcaEscolhido(int modo) {
  for (QToolButton* b : botoes) b->setChecked(false);
  botoes[static_cast<size_t>(modo)]->setChecked(true);
}

void TForm1::escolheFerramenta(int modo) {
  if (modo < 0 || modo > 12) return;
  ferramentas.escolheModo(modo);
  marcaEscolhido(modo);
}

void TForm1::FormPaint(QRect area) {
  if (quadro_.isNull()) {
    QPainter(PaintBox2).fillRect(area, Qt::white);
    return;
  }
  compoeJanela(quadro_, modeloOculto ? nullptr : &bmpModelo, QPoint(modeloX, modeloY), bmpDesenho, bmpGrade,
               elastico_, area);
  QPainter(PaintBox2).drawImage(area.topLeft(), quadro_, area);
}

QImage TForm1::imagemComposta() {
  QImage r = imagemBranca();
  if (quadro_.isNull()) return r;
  compoeJanela(r, modeloOculto ? nullptr : &bmpModelo, QPoint(modeloX, modeloY), bmpDesenho, bmpGrade,
               elastico_, r.rect());
  return r;
}

void TForm1::PaintBox2MouseDown(Qt::MouseButton botao, int x, int y) {
  ferramentas.pressiona(x, y, botao == Qt::LeftButton);
}

void TForm1::PaintBox2MouseMove(int x, int y) { ferramentas.move(x, y); }

void TForm1::PaintBox2MouseUp(int x, int y) {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  ferramentas.solta(x, y);
  QApplication::restoreOverrideCursor();
}

void TForm1::PaintBox2DblClick(Qt::MouseButton botao, int x, int y) {
  ferramentas.duploClique(x, y, botao == Qt::LeftButton);
}

void TForm1::FormKeyDown(int tecla, Qt::KeyboardModifiers modificadores) {
  Tecla t = Tecla::Outra;
  switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter: t = Tecla::Enter; break;
    case Qt::Key_Insert: t = Tecla::Insert; break;
    case Qt::Key_Delete: t = Tecla::Delete; break;
    case Qt::Key_Left: t = Tecla::Esquerda; break;
    case Qt::Key_Right: t = Tecla::Direita; break;
    case Qt::Key_Up: t = Tecla::Cima; break;
    case Qt::Key_Down: t = Tecla::Baixo; break;
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R: t = Tecla::Modificador; break;
    default: break;
  }
  // The pointer is read from the screen. On the drawing area the tools' own
  // pointer stands (it is where the keys and the mouse last put it); off it,
  // the key only brings the pointer back from where it really is.
  const QPoint global = QCursor::pos();
  const bool naArea = QApplication::widgetAt(global) == PaintBox2;
  if (!naArea && t != Tecla::Modificador) {
    const QPoint p = PaintBox2->mapFromGlobal(global);
    ferramentas.ponteiroX = p.x(), ferramentas.ponteiroY = p.y();
  }
  ferramentas.tecla(t, modificadores.testFlag(Qt::ShiftModifier), modificadores.testFlag(Qt::ControlModifier),
                    naArea);
}

void TForm1::XY1Click() {
  // A cancelled query reads as an empty text, which leXY refuses.
  const auto texto = plataforma::servicoMensagens().pergunta("Digite x y", "Informe a coordenada x y", "");
  ferramentas.digitaXY(texto.value_or(""));
}

void TForm1::InformaXYatual1Click() { exibeAviso(ferramentas.coordenadasAtuais()); }

void TForm1::Imprimir1Click() {
  // The job runs on its own thread: the window stays in use, and the
  // progress window's cancel stops a device that takes no more.
  AcoesImprimeDesenho acoes;
  if (TFormConta* progresso = FormConta) {
    acoes.mostraProgresso = [progresso] { progresso->show(); };
    acoes.escondeProgresso = [progresso] { progresso->escondeDeQualquerThread(); };
  }
  imprimeDesenho(acoes);
}

void TForm1::Sair1Click() { close(); }

void TForm1::Ajuda1Click() {
  // The help files are looked for where the program was started from.
  for (const char* nome : {"orvento.chm", "orvento.hlp"}) {
    struct stat st {};
    const std::string caminho = plataforma::juntaCaminho(plataforma::diretorioAtual(), nome);
    if (::stat(plataforma::caminhoSistema(caminho).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      QDesktopServices::openUrl(QUrl::fromLocalFile(paraQString(caminho)));
      return;
    }
  }
  plataforma::mostraErro("Arquivo de ajuda não encontrado"_cp);
}

void TForm1::Paintbrush1Click() {
  // The desktop's paint programs, the simplest first; when none is there,
  // or it does not start, nothing is said.
  const std::string programa =
      plataforma::localizaPrograma({"kolourpaint", "pinta", "mtpaint", "drawing", "gimp", "krita"});
  if (!programa.empty()) plataforma::iniciaPrograma(programa);
}

void TForm1::Sobreesteprograma1Click() {
  // Not modal: the drawing goes on while it is shown.
  if (AboutBox == nullptr) return;
  AboutBox->show();
  AboutBox->raise();
  AboutBox->activateWindow();
}

void TForm1::defineEspessura(int valor) {
  espessura = valor;
  if (QAction* a = acao(("Caneta" + std::to_string(valor)).c_str())) a->setChecked(true);
}

void TForm1::definePadronagem(int valor) {
  padronagem = valor;
  if (QAction* a = acao(("Padronagem" + std::to_string((valor + 1) * 25)).c_str())) a->setChecked(true);
}

void TForm1::desenhaElastico(Elastico tipo, int x1, int y1, int x2, int y2) {
  std::vector<QLine> linhas;
  if (tipo == Elastico::Linha) {
    linhas.emplace_back(x1, y1, x2, y2);
  } else {
    linhas = {QLine(x1, y1, x2, y1), QLine(x2, y1, x2, y2), QLine(x2, y2, x1, y2), QLine(x1, y2, x1, y1)};
  }
  const QRect r = elastico_.inverte(linhas);
  if (!r.isEmpty()) PaintBox2->update(r);
}

void TForm1::redesenha() {
  elastico_.limpa();
  PaintBox2->update();
}

void TForm1::mostraGrade() {
  if (bmpGrade.isNull()) return;
  desenhaGrade(bmpGrade, ferramentas.modoFerramenta);
  PaintBox2->update();
}

void TForm1::mostraCoordenadas(const std::string& x, const std::string& y) {
  l_x->setText(paraQString(x));
  l_y->setText(paraQString(y));
}

void TForm1::aviso(const std::string& texto) { exibeAviso(texto); }

void TForm1::posicionaPonteiro(int x, int y) {
  rolagem->ensureVisible(x, y, 8, 8);
  // Offscreen there is no pointer to move; the tools keep their own.
  if (QGuiApplication::platformName() != QLatin1String("offscreen") && isVisible())
    QCursor::setPos(PaintBox2->mapToGlobal(QPoint(x, y)));
}

void TForm1::repintaPontos() {
  limpaBitmapTela();
  redesenhaTela();
  redesenha();
}

void TForm1::Novo1Click() {
  if (!podeDescartarDesenho()) return;
  setWindowTitle(QStringLiteral("Orvento"));
  nomeDesenho.clear();
  limpaTela();
  repintaPontos();
  Esconder1Click();
}

void TForm1::Abrir1Click() {
  if (!podeDescartarDesenho()) return;
  abreDesenhoEscolhido();
  setWindowTitle(paraQString(tituloDesenho()));
  repintaPontos();
  Esconder1Click();
}

void TForm1::Salvar1Click() {
  // A new drawing is saved under a name chosen here.
  salvaDesenho();
  setWindowTitle(paraQString(tituloDesenho()));
  repintaPontos();
}

void TForm1::SalvarComo1Click() {
  salvaDesenhoComo();
  setWindowTitle(paraQString(tituloDesenho()));
  repintaPontos();
}

void TForm1::Desfazer1Click() {
  trocaDesfazer();
  repintaPontos();
}

void TForm1::Recortar1Click() {
  recortaBloco();
  repintaPontos();
}

void TForm1::Copiar1Click() { copiaBloco(); }

void TForm1::Colar1Click() {
  colaBloco();
  repintaPontos();
}

void TForm1::Sobrepor1Click() {
  sobrepoeBloco();
  repintaPontos();
}

void TForm1::defineModelo(const QImage& imagem) {
  // On white: a transparent part of a picture must not hide the dots.
  QImage modelo(imagem.size(), QImage::Format_RGB32);
  modelo.fill(Qt::white);
  QPainter(&modelo).drawImage(0, 0, imagem);
  bmpModelo = modelo;
}

void TForm1::trazer1Click() {
  const auto nome = plataforma::servicoMensagens().nomeArquivoAbrir({}, {}, "Arquivos BitMap (.bmp)|*.bmp");
  if (!nome || nome->empty()) return;
  const QImage imagem = leImagemModelo(*nome);
  if (!imagem.isNull()) {
    defineModelo(imagem);
    modeloOculto = false;
    modeloX = modeloY = 0;
  } else {
    exibeAviso("Arquivo não pode ser carregado"_cp);
  }
  habilitaModelo(true);
  redesenha();
}

void TForm1::Areadetransferncia1Click() {
  modeloOculto = false;
  modeloX = modeloY = 0;
  const QImage imagem = QGuiApplication::clipboard()->image();
  if (imagem.isNull()) {
    exibeAviso("Este gráfico não pode ser copiado diretamente.\nCole no Paint Brush, e depois copie dali."_cp);
    return;
  }
  defineModelo(imagem);
  habilitaModelo(true);
  redesenha();
}

void TForm1::habilitaModelo(bool sim) {
  B_moveImagem->setEnabled(sim);
  acao("Brailizar1")->setEnabled(sim);
}

void TForm1::Esconder1Click() {
  habilitaModelo(false);
  modeloOculto = true;
  redesenha();
}

void TForm1::Mostrar1Click() {
  modeloOculto = false;
  habilitaModelo(true);
  redesenha();
}

void TForm1::Baixa2Click() {
  altaResolucao = false;
  acao("Baixa2")->setChecked(true);
}

void TForm1::Alta2Click() {
  altaResolucao = true;
  acao("Alta2")->setChecked(true);
}

void TForm1::Nmerodepontos1Click() {
  if (perguntaNumeroPontos()) mostraGrade();
}

void TForm1::Dispositivo1Click() { perguntaDispositivo(); }

void TForm1::Origem1Click() {
  if (!perguntaOrigem()) return;
  mostraGrade();
  redesenhaTela();
}

void TForm1::Escala1Click() {
  if (!perguntaEscala()) return;
  mostraGrade();
  redesenhaTela();
}

void TForm1::Brailizar1Click() {
  if (formBrailizar == nullptr) return;
  // It reads the picture where it lies under the canvas, at its offset.
  formBrailizar->modelo = &bmpModelo;
  servicoqt::mostraModal(*formBrailizar);
  formBrailizar->modelo = nullptr;
  repintaPontos();
}

void TForm1::abreDialogoTexto(int modo, int x, int y) {
  // The dialog draws at the pressed dot; a text it drew is recorded.
  const int px = x / tamPonto, py = y / tamPonto;
  if (modo == 11 && formTexto != nullptr) {
    formTexto->x0 = px, formTexto->y0 = py;
    servicoqt::mostraModal(*formTexto);
    if (formTexto->transcreveu)
      registraTexto(0, formTexto->r_direcao->indice(), textoDigitado, px, py);
  } else if (modo == 12 && formBraille != nullptr) {
    formBraille->x0 = px, formBraille->y0 = py;
    servicoqt::mostraModal(*formBraille);
    if (formBraille->transcreveu)
      registraBraille(formBraille->r_braille->indice(), formBraille->r_direcao->indice(), textoDigitado,
                      px, py);
  }
  redesenha();
}

void TForm1::RegistrarAes1Click() { iniciaRegistro(); }

void TForm1::Carregaraes1Click() {
  carregaRegistro();
  // The figures are in the canvas and its picture already; its ORIGEM lines
  // may have moved the axes.
  mostraGrade();
}

void TForm1::Fimdoregistro1Click() { terminaRegistro(); }
