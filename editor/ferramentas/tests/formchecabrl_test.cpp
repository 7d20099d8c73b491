#include "formchecabrl.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

// Each show reads back the line last given, in the code of its pass; Escape
// in either field closes, leaving the focus on the printer-code field.
TEST(ChecaBrl, CadaExibicaoMostraALinhaDada) {
  TformChecaBrl f;
  for (const bool antigo : {true, false}) {
    SCOPED_TRACE(antigo);
    EstadoPassoVisual estado;
    estado.brailleAntigo = antigo;
    f.mostraLinha("]a #ab", estado);
    f.show();
    EXPECT_EQ(f.e_reversao->text().toStdString(), antigo ? "]a 12" : " a 12");
    EXPECT_EQ(f.focusWidget(), f.e_reversao);
    QTest::keyClick(antigo ? f.e_reversao : f.e_braille, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.focusWidget(), f.e_braille);
  }
}

}  // namespace
