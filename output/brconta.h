// What the progress window of a print job says: the copy and the pages that
// have gone out, read from the worker's counters.
#pragma once

#include <string>

// "Imprimindo", then " cópia c/t" once the first copy has started, then
// " pag.n" with the pages already sent of this copy (the page being gathered
// is paginaImpressa, so n = paginaImpressa - 1, shown from 1 on).
std::string textoProgresso(int copiaAtual, int totalCopias, int paginaImpressa);
// The same from the shared counters of the running job.
std::string textoProgresso();
