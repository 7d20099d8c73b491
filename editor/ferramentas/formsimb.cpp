#include "formsimb.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "cp1252.h"
#include "textoqt.h"

TFormSimb* FormSimb = nullptr;
TTabCaracteres* TabCaracteres = nullptr;

namespace {

constexpr int larguraBotao = 23, alturaBotao = 25;
constexpr int colunasMapa = 16, linhasMapa = 14, ladoCelula = 24;

// The map's grid: a character for each press of the mouse on a cell (the one
// already current included, and each press of a double click) and for each
// move of the current cell by the keyboard. Filling or focusing types nothing.
class GradeCaracteres : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  std::function<void(int coluna, int linha)> aoEscolher;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    QTableWidget::mousePressEvent(e);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && i.isValid() && aoEscolher) aoEscolher(i.column(), i.row());
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
  void keyPressEvent(QKeyEvent* e) override {
    const QModelIndex antes = currentIndex();
    QTableWidget::keyPressEvent(e);
    if (currentIndex() != antes && currentIndex().isValid() && aoEscolher)
      aoEscolher(currentIndex().column(), currentIndex().row());
  }
  // Typing a letter does not jump to its cell.
  void keyboardSearch(const QString&) override {}
};

}  // namespace

TFormSimb::TFormSimb(QWidget* pai) : QDialog(pai) {
  setWindowTitle(textoqt::paraQString("Símbolos"_cp));
  setModal(true);
  auto botao = [this, x = 0](std::string_view legenda, auto clique) mutable {
    auto* b = new QToolButton(this);
    b->setText(textoqt::paraQString(legenda));
    b->setGeometry(8 + x, 8, larguraBotao, alturaBotao);
    x += larguraBotao;
    connect(b, &QToolButton::clicked, this, clique);
    return b;
  };
  const auto simbolo = [this](QToolButton** b) { return [this, b] { SpeedSimbolosClick(*b); }; };
  Speeddivide = botao("÷"_cp, simbolo(&Speeddivide));
  Speedvezes = botao("×"_cp, simbolo(&Speedvezes));
  Speedesq = botao("<-", [this] { SpeedesqClick(); });
  Speeddir = botao("->", [this] { SpeeddirClick(); });
  Speeddoislados = botao("<->", [this] { SpeeddoisladosClick(); });
  Speedbola = botao("•"_cp, simbolo(&Speedbola));
  Speedtravessao = botao("—"_cp, simbolo(&Speedtravessao));
  Speedangularesfecha = botao("»"_cp, simbolo(&Speedangularesfecha));
  Speedangularesabre = botao("«"_cp, simbolo(&Speedangularesabre));
  Speedaspainterna = botao("‘"_cp, simbolo(&Speedaspainterna));
  SpeedTrema = botao("¨"_cp, simbolo(&SpeedTrema));
  SpeedRaiz = botao("\\/¯¯"_cp, [this] { SpeedRaizClick(); });
  // Captions too wide for their buttons show whole in a tip.
  Speeddoislados->setToolTip(Speeddoislados->text());
  SpeedRaiz->setToolTip(SpeedRaiz->text());
  setFixedSize(16 + 12 * larguraBotao, 16 + alturaBotao);
}

void TFormSimb::insereSimbolo(const std::string& texto) {
  if (insereTexto) insereTexto(texto);
  if (texto != "¨"_cp) done(1);
}

void TFormSimb::SpeedSimbolosClick(QToolButton* botao) {
  insereSimbolo(textoqt::deQString(botao->text()));
}

void TFormSimb::SpeedesqClick() {
  std::string t = textoqt::deQString(Speedesq->text());
  t[1] = ':';
  insereSimbolo(t);
}

void TFormSimb::SpeeddirClick() {
  std::string t = textoqt::deQString(Speeddir->text());
  t[0] = ':';
  insereSimbolo(t);
}

void TFormSimb::SpeeddoisladosClick() {
  std::string t = textoqt::deQString(Speeddoislados->text());
  t[1] = ':';
  insereSimbolo(t);
}

void TFormSimb::SpeedRaizClick() { insereSimbolo("àû"_cp); }

TTabCaracteres::TTabCaracteres(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Tabela de Caracteres "));

  auto* grade = new GradeCaracteres(linhasMapa, colunasMapa, this);
  grade->aoEscolher = [this](int coluna, int linha) { TabCaracSelectCell(coluna, linha); };
  TabCarac = grade;
  QFont fonte(QStringLiteral("Courier New"));
  fonte.setStyleHint(QFont::TypeWriter);
  fonte.setPixelSize(16);
  TabCarac->setFont(fonte);
  TabCarac->horizontalHeader()->hide();
  TabCarac->verticalHeader()->hide();
  TabCarac->horizontalHeader()->setMinimumSectionSize(ladoCelula);
  TabCarac->horizontalHeader()->setDefaultSectionSize(ladoCelula);
  TabCarac->verticalHeader()->setMinimumSectionSize(ladoCelula);
  TabCarac->verticalHeader()->setDefaultSectionSize(ladoCelula);
  TabCarac->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TabCarac->setSelectionMode(QAbstractItemView::SingleSelection);
  TabCarac->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TabCarac->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int moldura = 2 * TabCarac->frameWidth();
  TabCarac->setFixedSize(colunasMapa * ladoCelula + moldura, linhasMapa * ladoCelula + moldura);

  Button1 = new QPushButton(QStringLiteral("&Fechar"), this);
  connect(Button1, &QPushButton::clicked, this, [this] { hide(); });

  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(TabCarac);
  coluna->addWidget(Button1, 0, Qt::AlignHCenter);
  coluna->setSizeConstraint(QLayout::SetFixedSize);
}

void TTabCaracteres::FormActivate() {
  for (int linha = 0; linha < linhasMapa; ++linha)
    for (int coluna = 0; coluna < colunasMapa; ++coluna) {
      const QString c =
          textoqt::paraQString(std::string(1, static_cast<char>(32 + 16 * linha + coluna)));
      if (QTableWidgetItem* item = TabCarac->item(linha, coluna)) {
        item->setText(c);
      } else {
        item = new QTableWidgetItem(c);
        item->setTextAlignment(Qt::AlignCenter);
        TabCarac->setItem(linha, coluna, item);
      }
    }
}

void TTabCaracteres::TabCaracSelectCell(int coluna, int linha) {
  if (coluna < 0 || coluna >= colunasMapa || linha < 0 || linha >= linhasMapa) return;
  if (insereTexto) insereTexto(std::string(1, static_cast<char>(32 + 16 * linha + coluna)));
}

bool TTabCaracteres::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(e);
}

void TTabCaracteres::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}
