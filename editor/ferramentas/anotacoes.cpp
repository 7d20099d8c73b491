#include "anotacoes.h"

#include <charconv>

#include "cp1252.h"
#include "edicao.h"
#include "mensagens.h"

bool criaAnotacao(LinhasEditor& e) {
  const auto texto = plataforma::servicoMensagens().pergunta("Anotar", "Incluir comentário"_cp, "");
  if (!texto || texto->empty()) return false;
  EdicaoUnica edicao(e);
  // Past the last line (an empty document, the caret after the final line
  // break) the line is appended.
  e.insereLinha(e.inicioSelecao().linha, linhaDeAnotacao(*texto));
  return true;
}

std::string textoDaAnotacao(std::string_view linha) {
  std::string_view t = apara(linha.substr(std::min(linha.size(), aberturaAnotacao.size())));
  if (t.ends_with("***>")) t.remove_suffix(4);
  return std::string(t);
}

ListaAnotacoes listaAnotacoes(const LinhasEditor& e) {
  ListaAnotacoes r;
  const int cursor = e.inicioSelecao().linha;
  int primeiro = 0;
  for (int i = 0; i < e.numeroLinhas(); ++i) {
    const std::string l = e.linha(i);
    if (ehLinhaAnotacao(l)) r.itens.push_back(std::to_string(i + 1) + " - " + textoDaAnotacao(l));
    if (i < cursor) primeiro = static_cast<int>(r.itens.size());
  }
  // With every annotation above the caret nothing is selected.
  if (primeiro < static_cast<int>(r.itens.size())) r.selecionado = primeiro;
  return r;
}

std::optional<int> linhaDoItem(std::string_view item) {
  const std::string_view numero = item.substr(0, item.find(' '));
  int n = 0;
  const char* fim = numero.data() + numero.size();
  const auto [p, erro] = std::from_chars(numero.data(), fim, n);
  if (numero.empty() || erro != std::errc() || p != fim || n < 1) return std::nullopt;
  return n - 1;
}

bool vaiParaAnotacao(LinhasEditor& e, std::string_view item) {
  const auto linha = linhaDoItem(item);
  if (!linha) return false;
  e.posicionaCursor({*linha, 0});
  return true;
}

AspectoRevisor alternaModoRevisor(bool somenteLeitura, const std::function<void()>& bipe,
                                  const std::function<void(int ms)>& pausa) {
  AspectoRevisor a;
  a.somenteLeitura = !somenteLeitura;
  if (a.somenteLeitura) {
    a.painel = "Modo de revisão - apenas leitura"_cp;
    a.verde = a.azul = 160;
  }
  if (bipe) bipe();
  if (a.somenteLeitura) {
    if (pausa) pausa(300);
    if (bipe) bipe();
  }
  return a;
}
