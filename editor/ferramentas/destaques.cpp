#include "destaques.h"

#include <algorithm>

#include "brtraduz.h"
#include "brvars.h"
#include "edicao.h"
#include "marcas.h"
#include "mensagens.h"

std::string aberturaVariante(int variante) {
  switch (variante) {
    case 1: return "<M| >";
    case 2: return "<Mé >"_cp;
    case 3: return "<M|l >";
    default: return {};
  }
}

void insereAntesDaSelecao(LinhasEditor& editor, const std::string& linha) {
  EdicaoUnica edicao(editor);
  editor.insereLinha(editor.inicioSelecao().linha, linha);
}

void insereVariante(LinhasEditor& editor, int variante) {
  const std::string abre = aberturaVariante(variante);
  if (abre.empty()) return;
  const LinhaColuna a = editor.inicioSelecao(), b = editor.fimSelecao();
  const PosicoesPar p = posicoesPar(a.linha, b.linha, b.coluna, editor.numeroLinhas());
  EdicaoUnica edicao(editor);
  editor.insereLinha(p.abre, abre);
  editor.insereLinha(p.fecha, fechaVariante);
}

void insereQuebraPagina(LinhasEditor& editor) {
  const LinhaColuna a = editor.inicioSelecao();
  EdicaoUnica edicao(editor);
  editor.insereLinha(a.coluna == 0 ? a.linha : a.linha + 1, quebraPagina);
}

bool inserePaginaTinta(LinhasEditor& editor) {
  const auto valor =
      plataforma::servicoMensagens().pergunta("Número da página em tinta"_cp, "Página"_cp, "");
  if (!valor) return false;
  std::string texto = configuracao.brailleAntigo ? "" : " ~:";
  texto += "\r\n<" + *valor + ">\r\n";
  EdicaoUnica edicao(editor);
  editor.posicionaCursor(editor.inicioSelecao());
  editor.substituiSelecao(texto);
  return true;
}

std::string centraFisico(std::string_view linha) {
  if (linha.empty()) return {};
  std::string celulas;
  traduzTexto(apara(linha), celulas);
  // In long long: maxCarac may be any int, and the cells are a size_t.
  const long long sobra =
      static_cast<long long>(configuracao.maxCarac) - static_cast<long long>(celulas.size());
  if (sobra < 0) return std::string(linha);
  return std::string(static_cast<std::size_t>(std::min(sobra / 2, 52LL)), ' ') + std::string(linha);
}

std::string centraLogico(std::string_view linha) {
  const std::string_view t = apara(linha);
  return t.empty() ? std::string() : std::string(12, ' ') + std::string(t);
}

bool centraLinhas(LinhasEditor& editor) {
  using plataforma::Botao;
  const Botao b = plataforma::servicoMensagens().mensagem(
      plataforma::TipoMensagem::confirmacao, "",
      "Centragem é física? (só confirme se não vai autoformatar)"_cp,
      {Botao::sim, Botao::nao, Botao::cancelar});
  if (b != Botao::sim && b != Botao::nao) return false;
  const auto centra = b == Botao::sim ? centraFisico : centraLogico;
  const LinhaColuna inicio = editor.inicioSelecao(), fim = editor.fimSelecao();
  // Centring acts on whole lines: a part of a line left out of the selection
  // would stay beside its centred copy and be embossed twice. A selection
  // dragged to the start of a line does not take that line.
  const bool ateInicioDeLinha = fim.coluna == 0 && fim.linha > inicio.linha;
  const int ultima = ateInicioDeLinha ? fim.linha - 1 : std::max(fim.linha, inicio.linha);
  EdicaoUnica edicao(editor);
  std::string centrada;
  for (int i = inicio.linha; i <= ultima; ++i) {
    // A line past the end reads empty and centres to itself: nothing is
    // written.
    const std::string linha = editor.linha(i);
    centrada = centra(linha);
    if (centrada != linha) editor.defineLinha(i, centrada);
  }
  editor.posicionaCursor(ateInicioDeLinha ? LinhaColuna{fim.linha, 0}
                                          : LinhaColuna{ultima, static_cast<int>(centrada.size())});
  return true;
}
