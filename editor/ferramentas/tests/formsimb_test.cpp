#include "formsimb.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "brvars.h"
#include "cp1252.h"
#include "formdigitabraille.h"
#include "textoqt.h"

namespace {

TEST(FormSimb, CadaBotaoInsereSeuSimbolo) {
  using S = TFormSimb;
  struct Caso { QToolButton* S::*botao; std::string texto; bool fecha = true; };
  int x = -1;
  for (const Caso& c : {Caso{&S::Speeddivide, "\xF7"}, {&S::Speedvezes, "\xD7"},
                        {&S::Speedesq, "<:"}, {&S::Speeddir, ":>"}, {&S::Speeddoislados, "<:>"},
                        {&S::Speedbola, "\x95"}, {&S::Speedtravessao, "\x97"},
                        {&S::Speedangularesfecha, "\xBB"}, {&S::Speedangularesabre, "\xAB"},
                        {&S::Speedaspainterna, "\x91"}, {&S::SpeedTrema, "\xA8", false},
                        {&S::SpeedRaiz, "\xE0\xFB"}}) {
    SCOPED_TRACE(c.texto);
    TFormSimb f;
    std::vector<std::string> inseridos;
    f.insereTexto = [&](const std::string& t) { inseridos.push_back(t); };
    f.show();
    QToolButton* b = f.*c.botao;
    EXPECT_EQ(b->size(), QSize(23, 25));
    EXPECT_GT(b->x(), x);  // left to right, in the order above
    x = b->x();
    b->click();
    EXPECT_EQ(inseridos, std::vector<std::string>{c.texto});
    EXPECT_EQ(f.isVisible(), !c.fecha);
    if (!c.fecha) {  // the diaeresis waits for the letter
      f.Speedvezes->click();
      EXPECT_EQ(inseridos, (std::vector<std::string>{c.texto, "\xD7"}));
      EXPECT_FALSE(f.isVisible());
    }
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
  const auto clica = [&](int coluna, int linha, bool duplo = false) {
    const QPoint centro = t.TabCarac->visualItemRect(t.TabCarac->item(linha, coluna)).center();
    QTest::mouseClick(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
    if (!duplo) return;  // a double click: press, release, double click, release
    QTest::mouseDClick(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseRelease(t.TabCarac->viewport(), Qt::LeftButton, {}, centro);
  };
  // column, row -> byte; 0x81 and 0x9D are undefined in the code page.
  for (const auto& [coluna, linha, byte] : {std::tuple{0, 0, ' '}, {15, 13, '\xFF'}, {1, 2, 'A'},
                                            {1, 6, '\x81'}, {13, 7, '\x9D'}, {0, 6, '\x80'}}) {
    SCOPED_TRACE(linha * 16 + coluna);
    inseridos.clear();
    EXPECT_EQ(textoqt::deQString(t.TabCarac->item(linha, coluna)->text()), std::string(1, byte));
    clica(coluna, linha);
    clica(coluna, linha);  // the cell is current now: it types again
    EXPECT_EQ(inseridos, std::string(2, byte));
  }
  inseridos.clear();
  clica(1, 2, true);
  QTest::keyClick(t.TabCarac, Qt::Key_Right);
  QTest::keyClick(t.TabCarac, Qt::Key_Down);
  QTest::keyClick(t.TabCarac, Qt::Key_B);  // no jump to the "b" below
  EXPECT_EQ(inseridos, "AABR");
  t.Button1->click();
  EXPECT_FALSE(t.isVisible());
}

TEST(FormDigitaBraille, TeclasDoQt) {
  struct Ev { QEvent::Type tipo; int k; bool numerico = false, repetida = false; };
  constexpr auto p = QEvent::KeyPress, s = QEvent::KeyRelease;
  struct Caso { std::vector<Ev> eventos; std::string texto; std::vector<int> enviadas = {};
                bool aberta = true, antigo = false; };
  for (const Caso& c : {  // a digit is a dot key on the keypad only
           Caso{{{p, Qt::Key_1}, {p, Qt::Key_F}, {p, Qt::Key_1, true}, {s, Qt::Key_1, true},
                 {s, Qt::Key_F}, {s, Qt::Key_1}}, "c"},
           Caso{{{p, Qt::Key_F}, {s, Qt::Key_F, false, true}, {p, Qt::Key_F, false, true},
                 {s, Qt::Key_F}}, " "},
           Caso{{{p, Qt::Key_F}, {p, Qt::Key_Tab}, {s, Qt::Key_Tab}, {s, Qt::Key_F}}, " "},
           Caso{{{p, Qt::Key_F}, {p, Qt::Key_Escape}, {s, Qt::Key_F}}, " ", {}, false},
           Caso{{{p, Qt::Key_F11}}, "", {}, false},
           Caso{{{p, Qt::Key_J}, {p, Qt::Key_L}, {s, Qt::Key_L}, {s, Qt::Key_J}}, "]", {}, true, true},
           Caso{{{p, Qt::Key_Space}, {s, Qt::Key_Backspace}, {s, Qt::Key_Return},
                 {s, Qt::Key_Enter, true}}, " ", {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter}}}) {
    SCOPED_TRACE(c.texto + std::to_string(c.eventos.size()));
    configuracao.brailleAntigo = c.antigo;
    TFormDigitaBraille f;
    std::string texto;
    std::vector<int> enviadas;
    f.insereTexto = [&](const std::string& t) { texto += t; };
    f.enviaTeclaEditor = [&](int k) { enviadas.push_back(k); };
    f.show();
    for (const Ev& e : c.eventos) {
      QKeyEvent ev(e.tipo, e.k, e.numerico ? Qt::KeypadModifier : Qt::NoModifier, {}, e.repetida);
      QApplication::sendEvent(&f, &ev);
    }
    EXPECT_EQ(texto, c.texto);
    EXPECT_EQ(enviadas, c.enviadas);
    EXPECT_EQ(f.isVisible(), c.aberta);
  }
  configuracao.brailleAntigo = false;
  EXPECT_EQ(TFormDigitaBraille().windowTitle(), textoqt::paraQString("Digitação Perkins"_cp));
}

}  // namespace
