#include "formanotacoes.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "anotacoes.h"
#include "cp1252.h"
#include "textoqt.h"

using textoqt::paraQString;

TformAnotacoes* formAnotacoes = nullptr;

TformAnotacoes::TformAnotacoes(QWidget* pai) : QDialog(pai) {
  setWindowTitle(paraQString("Lista de anotações"_cp));
  setModal(true);
  resize(480, 320);

  ListBox1 = new QListWidget(this);
  QFont fonte(QStringLiteral("Courier New"));
  fonte.setStyleHint(QFont::TypeWriter);
  fonte.setPixelSize(13);
  ListBox1->setFont(fonte);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->installEventFilter(this);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });

  b_buscar = new QPushButton(QStringLiteral("Buscar"), this);
  b_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  connect(b_buscar, &QPushButton::clicked, this, [this] { b_buscarClick(); });
  connect(b_cancelar, &QPushButton::clicked, this, [this] { b_cancelarClick(); });

  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(b_buscar);
  botoes->addWidget(b_cancelar);
  botoes->addStretch();
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(ListBox1, 1);
  coluna->addLayout(botoes);
}

void TformAnotacoes::FormShow() {
  ListBox1->clear();
  LinhasEditor* e = editor ? editor() : nullptr;
  const ListaAnotacoes lista = e ? listaAnotacoes(*e) : ListaAnotacoes{};
  for (const std::string& item : lista.itens) ListBox1->addItem(paraQString(item));
  ListBox1->setCurrentRow(lista.selecionado);  // -1: none
  ListBox1->setFocus();
}

void TformAnotacoes::b_buscarClick() {
  // The list may hold a current item that is not selected (the focus gives
  // one): only a selected item leads anywhere.
  const QList<QListWidgetItem*> escolhidos = ListBox1->selectedItems();
  const std::string item = escolhidos.isEmpty() ? std::string() : textoqt::deQString(escolhidos.first()->text());
  done(QDialog::Accepted);
  LinhasEditor* e = editor ? editor() : nullptr;
  if (e && !item.empty()) vaiParaAnotacao(*e, item);
}

void TformAnotacoes::b_cancelarClick() { done(QDialog::Rejected); }

void TformAnotacoes::ListBox1DblClick() { b_buscarClick(); }

bool TformAnotacoes::ListBox1KeyDown(int tecla) {
  if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
    b_buscarClick();
    return true;
  }
  if (tecla == Qt::Key_Escape) {
    b_cancelarClick();
    return true;
  }
  return false;
}

void TformAnotacoes::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Each time the main window opens it, not when the user comes back to it.
  if (!e->spontaneous()) FormShow();
}

bool TformAnotacoes::eventFilter(QObject* alvo, QEvent* e) {
  // Taken here, Enter never also presses the dialog's default button.
  if (alvo == ListBox1 && e->type() == QEvent::KeyPress &&
      ListBox1KeyDown(static_cast<QKeyEvent*>(e)->key()))
    return true;
  return QDialog::eventFilter(alvo, e);
}
