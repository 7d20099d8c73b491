#include "formsubst.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "brortog.h"
#include "brpalavra.h"
#include "cp1252.h"
#include "textoqt.h"

using textoqt::deQString;
using textoqt::paraQString;

TformSubst* formSubst = nullptr;

TformSubst::TformSubst(QWidget* pai) : QDialog(pai) {
  setWindowTitle(paraQString("Substituição de palavra"_cp));
  setModal(true);
  Label1 = new QLabel(QStringLiteral("Alterando a palavra"), this);
  e_original = new QLineEdit(this);
  e_original->setReadOnly(true);
  Label1->setBuddy(e_original);
  // The context is the document's text: no markup, no access keys.
  l_frase = new QLabel(this);
  l_frase->setTextFormat(Qt::PlainText);
  l_frase->setMinimumWidth(360);
  Label2 = new QLabel(QStringLiteral("Substituir por"), this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  // A typed character the document cannot hold is refused as it is typed.
  ComboBox1->lineEdit()->setValidator(new textoqt::Validador1252(ComboBox1));
  Label2->setBuddy(ComboBox1);
  Button1 = new QPushButton(QStringLiteral("Substituir"), this);
  Button2 = new QPushButton(QStringLiteral("Deixar"), this);

  auto* grade = new QGridLayout;
  grade->addWidget(Label1, 0, 0);
  grade->addWidget(e_original, 0, 1);
  grade->addWidget(l_frase, 1, 0, 1, 2);
  grade->addWidget(Label2, 2, 0);
  grade->addWidget(ComboBox1, 2, 1);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(Button1);
  botoes->addWidget(Button2);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(grade);
  coluna->addLayout(botoes);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { escolheBotaoPadrao(); });
  escolheBotaoPadrao();
}

void TformSubst::escolheBotaoPadrao() {
  const bool vazio = ComboBox1->currentText().isEmpty();
  Button1->setDefault(!vazio);
  Button2->setDefault(vazio);
}

void TformSubst::FormActivate() {
  ComboBox1->clear();
  ComboBox1->setFocus();
  e_original->setText(paraQString(palavraOriginal));
  palavraEscolhida = palavraOriginal;
  std::vector<std::string> lista;
  sugestoes(palavraOriginal, lista);
  for (const std::string& s : lista) ComboBox1->addItem(paraQString(s));
  // The suggestions wait in the list; the box starts empty.
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->clearEditText();
  escolheBotaoPadrao();
}

void TformSubst::Button1Click() {
  palavraEscolhida = deQString(ComboBox1->currentText());
  close();
}

void TformSubst::Button2Click() {
  palavraEscolhida = palavraOriginal;
  close();
}
