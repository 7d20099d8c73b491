#include "formsimb.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "brvars.h"
#include "casos.h"
#include "cp1252.h"
#include "formdigitabraille.h"
#include "textoqt.h"

namespace {

// The cases are in dados/.
TEST(FormSimb, CadaBotaoInsereSeuSimbolo) {
  const std::vector<casos::Caso> botoes = casos::le("botoesSimbolos.tsv");
  for (std::size_t i = 0; i < botoes.size(); ++i) {
    SCOPED_TRACE(botoes[i]);
    TFormSimb f;
    std::string inseridos;
    f.insereTexto = [&](const std::string& t) { inseridos += t + "|"; };
    f.show();
    QList<QToolButton*> b = f.findChildren<QToolButton*>();
    std::ranges::stable_sort(b, {}, &QWidget::x);
    ASSERT_EQ(b.size(), botoes.size());
    EXPECT_EQ(textoqt::deQString(b[i]->text()), botoes[i][1]);
    EXPECT_EQ(b[i]->size(), QSize(23, 25));
    EXPECT_TRUE(i == 0 || b[i - 1]->x() < b[i]->x());  // no two in one place
    b[i]->click();
    if (f.isVisible()) f.Speedvezes->click();
    EXPECT_EQ(inseridos, botoes[i][2]);
    EXPECT_FALSE(f.isVisible());
  }
}

TEST(TabCaracteres, CelulasCliquesESetas) {
  TTabCaracteres t;
  std::string inseridos;
  t.insereTexto = [&](const std::string& s) { inseridos += s; };
  t.show();
  t.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t));
  t.TabCarac->setFocus();
  t.FormActivate();
  EXPECT_EQ(inseridos, "");  // filling and focusing type nothing
  EXPECT_EQ(t.windowTitle(), QStringLiteral("Tabela de Caracteres "));
  // column, row -> byte; 0x81 and 0x9D are undefined in the code page. A
  // double click (press, release, double click, release) types it twice: the
  // current cell types again.
  for (const auto& [coluna, linha, byte] : {std::tuple{0, 0, ' '}, {15, 13, '\xFF'}, {1, 6, '\x81'},
                                            {13, 7, '\x9D'}, {0, 6, '\x80'}, {1, 2, 'A'}}) {
    SCOPED_TRACE(linha * 16 + coluna);
    inseridos.clear();
    EXPECT_EQ(textoqt::deQString(t.TabCarac->item(linha, coluna)->text()), std::string(1, byte));
    const QPoint centro = t.TabCarac->visualItemRect(t.TabCarac->item(linha, coluna)).center();
    QTest::mouseClick(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseRelease(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
    EXPECT_EQ(inseridos, std::string(2, byte));
  }
  // From "A", the arrows type the cells they reach; a letter does not jump.
  inseridos.clear();
  for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_B}) QTest::keyClick(t.TabCarac, k);
  EXPECT_EQ(inseridos, "BR");
  t.Button1->click();
  EXPECT_FALSE(t.isVisible());
}

// Key events to a window: "F+" a press, "Tab-" a release, "F~+" and "F~-"
// auto-repeated, "#1+" the keypad's 1 (keys as Qt names them).
void envia(QWidget& janela, const std::string& eventos) {
  std::istringstream in(eventos);
  for (std::string e; in >> e;) {
    const bool numerico = e[0] == '#', repetida = e[e.size() - 2] == '~';
    const QString nome = QString::fromStdString(e.substr(numerico, e.size() - numerico - 1 - repetida));
    const int k = QKeySequence(nome)[0].key();
    EXPECT_TRUE(k != 0 && k != Qt::Key_unknown) << e;
    QKeyEvent ev(e.back() == '+' ? QEvent::KeyPress : QEvent::KeyRelease, k,
                 numerico ? Qt::KeypadModifier : Qt::NoModifier, {}, repetida);
    QApplication::sendEvent(&janela, &ev);
  }
}

// What the window types, [keys] it hands the editor, and whether it stays.
TEST(FormDigitaBraille, TeclasDoQt) {
  struct Caso { const char* eventos; std::string feito; bool aberta = true, antigo = false; };
  for (const Caso& c : {Caso{"1+ F+ #1+ #1- F- 1-", "c"},  // a digit is a dot key on the keypad only
                        Caso{"F+ F~- F~+ F-", " "}, Caso{"F+ Tab+ Tab- F-", " "},
                        Caso{"F+ Esc+ F-", " ", false}, Caso{"F11+", "", false}, Caso{"J+ L+ L- J-", "]", true, true},
                        Caso{"Space+ Backspace- Return- #Enter-", " [Backspace][Return][Enter]"}}) {
    SCOPED_TRACE(c.eventos);
    configuracao.brailleAntigo = c.antigo;
    TFormDigitaBraille f;
    std::string feito;
    f.insereTexto = [&](const std::string& t) { feito += t; };
    f.enviaTeclaEditor = [&](int k) { feito += "[" + QKeySequence(k).toString().toStdString() + "]"; };
    f.show();
    envia(f, c.eventos);
    EXPECT_EQ(feito, c.feito);
    EXPECT_EQ(f.isVisible(), c.aberta);
  }
  configuracao.brailleAntigo = false;
  EXPECT_EQ(TFormDigitaBraille().windowTitle(), textoqt::paraQString("Digitação Perkins"_cp));
}

}  // namespace
