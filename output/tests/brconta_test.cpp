#include "brconta.h"

#include <gtest/gtest.h>

#include "cp1252.h"

namespace {

TEST(TextoProgresso, CopiasEPaginas) {
  struct Caso {
    int copia, total, pagina;
    std::string texto;
  };
  const Caso casos[] = {
      {0, 3, 0, "Imprimindo"},  // the worker has not started a copy
      {0, 3, 1, "Imprimindo"},
      {1, 3, 1, "Imprimindo cópia 1/3"_cp},
      {2, 3, 3, "Imprimindo cópia 2/3 pag.2"_cp},
      {1, 1, 5, "Imprimindo cópia 1/1 pag.4"_cp},  // after a blank back page
      {12, 100, 251, "Imprimindo cópia 12/100 pag.250"_cp},
      {0, 1, 2, "Imprimindo pag.1"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(textoProgresso(c.copia, c.total, c.pagina), c.texto)
        << c.copia << " " << c.total << " " << c.pagina;
}

}  // namespace
