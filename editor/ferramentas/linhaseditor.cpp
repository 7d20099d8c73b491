#include "linhaseditor.h"

#include <algorithm>

#include "linhas.h"

std::vector<std::string> linhasDoTexto(std::string_view texto) {
  std::vector<std::string> r;
  for (const auto& l : plataforma::LeitorLinhas(texto, plataforma::RegraFimLinha::crLfLfOuCr))
    r.emplace_back(l.texto);
  if (r.empty()) r.emplace_back();
  return r;
}

std::string LinhasMemoria::linha(int i) const {
  if (i < 0 || i >= numeroLinhas()) return {};
  return linhas[static_cast<std::size_t>(i)];
}

void LinhasMemoria::defineLinha(int i, const std::string& texto) {
  if (i < 0) return;
  if (i >= numeroLinhas())
    linhas.push_back(texto);
  else
    linhas[static_cast<std::size_t>(i)] = texto;
}

void LinhasMemoria::insereLinha(int i, const std::string& texto) {
  i = std::clamp(i, 0, numeroLinhas());
  linhas.insert(linhas.begin() + i, texto);
  // The selection stays on its text, as the widget's caret does.
  for (LinhaColuna* p : {&inicio, &fim})
    if (p->linha >= i) ++p->linha;
}

void LinhasMemoria::removeLinha(int i) {
  if (i < 0 || i >= numeroLinhas()) return;
  linhas.erase(linhas.begin() + i);
  for (LinhaColuna* p : {&inicio, &fim}) {
    if (p->linha > i)
      --p->linha;
    else if (p->linha == i)
      p->coluna = 0;
  }
}

void LinhasMemoria::substituiSelecao(const std::string& texto) {
  // The selection as the widget holds it: past the last line the text is
  // appended to a new last line.
  const auto posicao = [this](LinhaColuna p) {
    if (p.linha >= numeroLinhas()) return LinhaColuna{numeroLinhas(), 0};
    p.coluna = std::clamp(p.coluna, 0, static_cast<int>(linhas[static_cast<std::size_t>(p.linha)].size()));
    return p;
  };
  const LinhaColuna a = posicao(inicio);
  const LinhaColuna b = posicao(fim);
  // Past the last line the text is appended: a final line end there ends
  // its last line and starts none.
  const bool acrescenta = a.linha >= numeroLinhas();
  if (acrescenta) linhas.emplace_back();
  const std::string antes = linhas[static_cast<std::size_t>(a.linha)].substr(0, static_cast<std::size_t>(a.coluna));
  const std::string depois =
      b.linha < numeroLinhas() ? linhas[static_cast<std::size_t>(b.linha)].substr(static_cast<std::size_t>(b.coluna)) : "";
  std::vector<std::string> novas = linhasDoTexto(texto);
  // A final line end leaves the caret at the start of the next line.
  const bool fimComQuebra = !texto.empty() && (texto.back() == '\n' || texto.back() == '\r');
  if (fimComQuebra && !acrescenta) novas.emplace_back();
  const LinhaColuna cursor{a.linha + static_cast<int>(novas.size()) - 1,
                           static_cast<int>(novas.back().size() + (novas.size() == 1 ? antes.size() : 0))};
  novas.front().insert(0, antes);
  novas.back() += depois;
  const int ate = std::min(b.linha, numeroLinhas() - 1);
  linhas.erase(linhas.begin() + a.linha, linhas.begin() + ate + 1);
  linhas.insert(linhas.begin() + a.linha, novas.begin(), novas.end());
  inicio = fim = fimComQuebra && acrescenta ? LinhaColuna{numeroLinhas(), 0} : cursor;
}
