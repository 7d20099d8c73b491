#include "formbusca.h"

#include <QGridLayout>
#include <QLabel>
#include <QValidator>
#include <QVBoxLayout>

#include "cp1252.h"
#include "textoqt.h"

using textoqt::deQString;
using textoqt::paraQString;

namespace {

QString qs(std::string_view cp) { return paraQString(cp); }

QPushButton* botao(QWidget* pai, std::string_view legenda) { return new QPushButton(qs(legenda), pai); }

}  // namespace

QLineEdit* campoTexto1252(QWidget* pai) {
  auto* e = new QLineEdit(pai);
  // A character the code page lacks could never be found in a document.
  e->setValidator(new textoqt::Validador1252(e));
  e->setMinimumWidth(220);
  return e;
}

TFindDialog::TFindDialog(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Localizar"));
  setModal(false);
  auto* grade = new QGridLayout(this);
  auto* rotulo = new QLabel(QStringLiteral("&Localizar:"), this);
  E_texto = campoTexto1252(this);
  rotulo->setBuddy(E_texto);
  cb_maiusculas = new QCheckBox(qs("&Diferenciar maiúsculas e minúsculas"_cp), this);
  b_localiza = botao(this, "Localizar &próxima"_cp);
  b_localiza->setDefault(true);
  b_cancela = botao(this, "Cancelar");
  grade->addWidget(rotulo, 0, 0);
  grade->addWidget(E_texto, 0, 1);
  grade->addWidget(b_localiza, 0, 2);
  grade->addWidget(cb_maiusculas, 1, 0, 1, 2);
  grade->addWidget(b_cancela, 1, 2);
  // Nothing to find: the button stays off, as in the old dialog.
  auto habilita = [this] { b_localiza->setEnabled(!E_texto->text().isEmpty()); };
  habilita();
  connect(E_texto, &QLineEdit::textChanged, this, habilita);
  connect(b_localiza, &QPushButton::clicked, this, [this] {
    if (aoLocalizar) aoLocalizar();
  });
  connect(b_cancela, &QPushButton::clicked, this, &QDialog::close);
}

std::string TFindDialog::texto() const { return deQString(E_texto->text()); }

TReplaceDialog::TReplaceDialog(QWidget* pai) : QDialog(pai) {
  setWindowTitle(QStringLiteral("Substituir"));
  setModal(false);
  auto* grade = new QGridLayout(this);
  auto* rotulo = new QLabel(QStringLiteral("&Localizar:"), this);
  E_texto = campoTexto1252(this);
  rotulo->setBuddy(E_texto);
  auto* rotulo2 = new QLabel(QStringLiteral("Substituir p&or:"), this);
  E_substituto = campoTexto1252(this);
  rotulo2->setBuddy(E_substituto);
  cb_palavraInteira = new QCheckBox(QStringLiteral("Somente palavras &inteiras"), this);
  cb_maiusculas = new QCheckBox(qs("&Diferenciar maiúsculas e minúsculas"_cp), this);
  b_localiza = botao(this, "Localizar &próxima"_cp);
  b_localiza->setDefault(true);
  b_substitui = botao(this, "&Substituir");
  b_substituiTodas = botao(this, "Substituir &todas");
  b_cancela = botao(this, "Cancelar");
  grade->addWidget(rotulo, 0, 0);
  grade->addWidget(E_texto, 0, 1);
  grade->addWidget(b_localiza, 0, 2);
  grade->addWidget(rotulo2, 1, 0);
  grade->addWidget(E_substituto, 1, 1);
  grade->addWidget(b_substitui, 1, 2);
  grade->addWidget(cb_palavraInteira, 2, 0, 1, 2);
  grade->addWidget(b_substituiTodas, 2, 2);
  grade->addWidget(cb_maiusculas, 3, 0, 1, 2);
  grade->addWidget(b_cancela, 3, 2);
  auto habilita = [this] {
    const bool algo = !E_texto->text().isEmpty();
    b_localiza->setEnabled(algo);
    b_substitui->setEnabled(algo);
    b_substituiTodas->setEnabled(algo);
  };
  habilita();
  connect(E_texto, &QLineEdit::textChanged, this, habilita);
  connect(b_localiza, &QPushButton::clicked, this, [this] {
    if (aoLocalizar) aoLocalizar();
  });
  connect(b_substitui, &QPushButton::clicked, this, [this] {
    if (aoSubstituir) aoSubstituir();
  });
  connect(b_substituiTodas, &QPushButton::clicked, this, [this] {
    if (aoSubstituirTodas) aoSubstituirTodas();
  });
  connect(b_cancela, &QPushButton::clicked, this, &QDialog::close);
}

std::string TReplaceDialog::texto() const { return deQString(E_texto->text()); }
std::string TReplaceDialog::substituto() const { return deQString(E_substituto->text()); }
