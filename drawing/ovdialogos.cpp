#include "ovdialogos.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "cp1252.h"
#include "ovbraille.h"
#include "ovtexto.h"
#include "ovvars.h"
#include "textoqt.h"

TformTexto* formTexto = nullptr;
TformBraille* formBraille = nullptr;
TformBrailizar* formBrailizar = nullptr;

namespace {

// A group of radio buttons added to `onde`.
GrupoRadio* grupoRadio(QWidget* pai, QLayout* onde, std::string_view titulo, const std::vector<std::string>& itens,
                       int marcado) {
  auto* g = new GrupoRadio(titulo, itens, marcado, pai);
  onde->addWidget(g);
  return g;
}

QLineEdit* campo(QWidget* pai) {
  auto* e = new QLineEdit(pai);
  e->setValidator(new textoqt::Validador1252(e));
  e->setMinimumWidth(260);
  return e;
}

// The two buttons of the text dialogs, side by side.
void botoes(QDialog* d, QLayout* onde, QPushButton*& transcrever, QPushButton*& cancelar) {
  auto* linha = new QHBoxLayout;
  transcrever = new QPushButton(QStringLiteral("&Transcrever"), d);
  cancelar = new QPushButton(QStringLiteral("&Cancelar"), d);
  transcrever->setDefault(true);
  linha->addStretch();
  linha->addWidget(transcrever);
  linha->addWidget(cancelar);
  static_cast<QVBoxLayout*>(onde)->addLayout(linha);
}

}  // namespace

orvento::CorRGB FonteImagem::cor(int x, int y) const {
  const QRgb p = imagem_.pixel(x, y);
  return {static_cast<unsigned char>(qRed(p)), static_cast<unsigned char>(qGreen(p)),
          static_cast<unsigned char>(qBlue(p))};
}

TformTexto::TformTexto(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("formTexto"));
  setWindowTitle(QString::fromUtf8("Digitação de texto"));
  auto* coluna = new QVBoxLayout(this);
  e_texto = campo(this);
  coluna->addWidget(e_texto);
  r_direcao = grupoRadio(this, coluna, "Direção"_cp, {"&Para a direita", "&Para Cima", "&Para Baixo"}, 0);
  botoes(this, coluna, b_transcrever, b_cancelar);
  connect(b_transcrever, &QPushButton::clicked, this, [this] { b_transcreverClick(); });
  connect(b_cancelar, &QPushButton::clicked, this, [this] { b_cancelarClick(); });
}

void TformTexto::showEvent(QShowEvent* e) {
  transcreveu = false;
  e_texto->setFocus();
  QDialog::showEvent(e);
}

void TformTexto::b_transcreverClick() {
  orvento::textoDigitado = textoqt::deQString(e_texto->text());
  transcreveu = orvento::desenhaTexto(orvento::textoDigitado, x0, y0, r_direcao->indice());
  accept();
}

void TformTexto::b_cancelarClick() {
  orvento::textoDigitado.clear();
  reject();
}

TformBraille::TformBraille(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("formBraille"));
  setWindowTitle(QString::fromUtf8("Digitação em Braille"));
  auto* coluna = new QVBoxLayout(this);
  e_braille = campo(this);
  coluna->addWidget(e_braille);
  auto* grupos = new QHBoxLayout;
  r_braille = grupoRadio(this, grupos, "Braille", {"&Micro", "&Normal", "&Extendido"}, 1);
  r_direcao = grupoRadio(this, grupos, "Direção"_cp, {"Para a &direita", "Para &Cima", "Para &Baixo"}, 0);
  coluna->addLayout(grupos);
  botoes(this, coluna, b_transcrever, b_cancelar);
  connect(b_transcrever, &QPushButton::clicked, this, [this] { b_transcreverClick(); });
  connect(b_cancelar, &QPushButton::clicked, this, [this] { b_cancelarClick(); });
}

void TformBraille::FormActivate() {
  orvento::carregaTabelaBraille();
  e_braille->setFocus();
}

void TformBraille::showEvent(QShowEvent* e) {
  transcreveu = false;
  QDialog::showEvent(e);
  FormActivate();
}

void TformBraille::b_transcreverClick() {
  orvento::textoDigitado = textoqt::deQString(e_braille->text());
  transcreveu = orvento::desenhaBraille(orvento::textoDigitado, x0, y0, r_direcao->indice(),
                                        r_braille->indice());
  accept();
}

void TformBraille::b_cancelarClick() {
  orvento::textoDigitado.clear();
  reject();
}

TformBrailizar::TformBrailizar(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("formBrailizar"));
  setWindowTitle(QString::fromUtf8("Brailização"));
  auto* coluna = new QVBoxLayout(this);
  tipo = grupoRadio(this, coluna, "Tipo de brailização"_cp,
                    {"&Alto contraste", "Espalhamento uniforme", "Não uniforme"_cp}, 0);
  C_sobrepor = new QCheckBox(QStringLiteral("&Sobrepor ao desenho existente"), this);
  coluna->addWidget(C_sobrepor);
  auto* nivel = new QHBoxLayout;
  nivel->addWidget(new QLabel(QString::fromUtf8("Nível de contraste:"), this));
  l_contraste = new QLabel(QStringLiteral("50"), this);
  nivel->addWidget(l_contraste);
  nivel->addStretch();
  coluna->addLayout(nivel);
  S_contraste = new QScrollBar(Qt::Horizontal, this);
  S_contraste->setRange(0, 100);
  S_contraste->setValue(50);
  // A scroll bar's keys scroll a page: Up goes towards the start. Here the
  // bar is a level, which Right and Up raise; Tab or a click reach it, so
  // that the keys can.
  S_contraste->setInvertedControls(false);
  S_contraste->setFocusPolicy(Qt::StrongFocus);
  coluna->addWidget(S_contraste);
  auto* linha = new QHBoxLayout;
  B_OK = new QPushButton(QStringLiteral("Ok"), this);
  B_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  B_OK->setDefault(true);
  linha->addStretch();
  linha->addWidget(B_OK);
  linha->addWidget(B_Cancelar);
  coluna->addLayout(linha);
  connect(S_contraste, &QScrollBar::valueChanged, this, [this](int v) { l_contraste->setNum(v); });
  // The uniform spreading has no threshold.
  connect(tipo->grupo(), &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
    if (marcado) S_contraste->setEnabled(id != 1);
  });
  connect(B_OK, &QPushButton::clicked, this, [this] { B_OKClick(); });
  connect(B_Cancelar, &QPushButton::clicked, this, [this] { B_CancelarClick(); });
}

void TformBrailizar::B_OKClick() {
  static constexpr char modos[] = {'A', 'U', 'N'};
  const int id = tipo->indice();
  if (modelo != nullptr && id >= 0 && id < 3)
    orvento::brailizaModelo(modos[id], FonteImagem(*modelo), S_contraste->value(), C_sobrepor->isChecked());
  accept();
}

void TformBrailizar::B_CancelarClick() { reject(); }
