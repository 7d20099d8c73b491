#include "brconta.h"

#include "brvars.h"
#include "cp1252.h"

std::string textoProgresso(int copia, int total, int pagina) {
  std::string texto = "Imprimindo";
  if (copia > 0) texto += " cópia "_cp + std::to_string(copia) + "/" + std::to_string(total);
  if (pagina > 1) texto += " pag." + std::to_string(pagina - 1);
  return texto;
}

std::string textoProgresso() {
  return textoProgresso(copiaAtual.load(), totalCopias.load(), paginaImpressa.load());
}
