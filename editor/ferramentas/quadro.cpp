#include "quadro.h"

#include <algorithm>
#include <array>
#include <vector>

#include "brcodigo.h"
#include "brgerador.h"
#include "brvars.h"
#include "cp1252.h"
#include "edicao.h"
#include "mensagens.h"

const MolduraQuadro& molduraQuadro(int tipo) {
  // The characters that give the same border cells under each code: the
  // unified code moved the top-right corner (2-5-6) to "ÿ" and the help
  // request's top (2-3-5-6) to "=".
  static const std::array<MolduraQuadro, 6> molduras = [] {
    const MolduraQuadro figura{"", "*?", "", "õ"_cp, "o", "", "ei", ""};
    return std::array<MolduraQuadro, 6>{
        MolduraQuadro{"!", "::", ".", "l", "_", "h", "::", "j"},
        MolduraQuadro{"(", "((", "(", "ç"_cp, "y", "g", "gg", "g"},
        figura,
        MolduraQuadro{"!", "::", "ÿ"_cp, "l", "_", "h", "::", "j"},
        MolduraQuadro{"=", "==", "=", "ç"_cp, "y", "g", "gg", "g"},
        figura};
  }();
  return molduras[static_cast<std::size_t>(tipo >= 1 && tipo <= 6 ? tipo - 1 : 0)];
}

std::string repeteTexto(std::string_view padrao, int k) {
  std::string r;
  if (k <= 0 || padrao.empty()) return r;
  r.reserve(static_cast<std::size_t>(k));
  for (int i = 0; i < k / 2; ++i) r += padrao.substr(0, 2);
  if (k % 2 != 0) r += padrao[0];
  return r;
}

std::string textoPedidoAjuda() { return "peça orientação ao professor"_cp; }

namespace {

std::string bordaHorizontal(const std::string& canto1, const std::string& preenche, const std::string& canto2,
                            bool temCantos, int largura) {
  if (!temCantos) return repeteTexto(preenche, largura + 6);
  return canto1 + repeteTexto(preenche, largura + 4) + canto2;
}

}  // namespace

bool criaQuadro(LinhasEditor& editor, int tipo) {
  if (tipo < quadroPadrao || tipo > quadroFigura) return false;
  if (!configuracao.brailleAntigo) tipo += 3;
  const MolduraQuadro& m = molduraQuadro(tipo);

  // The framed lines: a selection that ends at the start of a line does not
  // take that line. Past the end there is only one empty line, the one a
  // caret after the final line break stands on.
  const LinhaColuna inicio = editor.inicioSelecao(), fim = editor.fimSelecao();
  int l1 = inicio.linha, l2 = fim.linha;
  if (l2 <= l1)
    l2 = l1;
  else if (fim.coluna == 0)
    --l2;
  const int n = editor.numeroLinhas();
  l1 = std::clamp(l1, 0, n);
  l2 = std::clamp(l2, l1, std::max(l1, n - 1));

  std::vector<std::string> linhas;
  for (int l = l1; l <= l2; ++l) linhas.push_back(editor.linha(l));

  const bool ajuda = (tipo == 2 || tipo == 5) && linhas.size() == 1 && linhas[0].empty();
  if (ajuda) linhas[0] = textoPedidoAjuda();
  // The help text goes in before anything can fail, and stays if it does.
  const auto desiste = [&] {
    if (ajuda) {
      const EdicaoUnica edicao(editor);
      editor.defineLinha(l1, linhas[0]);
    }
    return false;
  };

  if (!carregaTabelaImpressora()) return desiste();
  std::vector<int> celulas;
  for (const std::string& l : linhas) {
    std::string braille;
    if (!traduzLinha(l, braille)) return desiste();
    celulas.push_back(static_cast<int>(braille.size()));
  }
  const int largura = *std::max_element(celulas.begin(), celulas.end());
  // A box wider than the Braille line would come out cut across lines, its
  // borders hyphenated: it is refused, with the text as it was.
  if (largura + 6 > configuracao.maxCarac) {
    plataforma::mostraAviso("O quadro ficaria com " + std::to_string(largura + 6) +
                            " celas de largura e a linha Braille tem " + std::to_string(configuracao.maxCarac) +
                            ". Nada foi alterado.");
    return false;
  }

  const EdicaoUnica edicao(editor);
  for (std::size_t k = 0; k < linhas.size(); ++k) {
    // The translation leaves out the end blanks; kept in the box they would
    // push its right side out.
    std::string texto = linhas[k];
    tiraBrancosFinais(texto);
    editor.defineLinha(l1 + static_cast<int>(k),
                       m.esquerda + "  " + texto + repeteTexto("  ", largura - celulas[k] + 2) + m.direita);
  }
  editor.insereLinha(l2 + 1, bordaHorizontal(m.cantoInferiorEsquerdo, m.preenchimentoInferior,
                                             m.cantoInferiorDireito, m.temCantos(), largura));
  editor.insereLinha(l1, bordaHorizontal(m.cantoSuperiorEsquerdo, m.preenchimentoSuperior,
                                         m.cantoSuperiorDireito, m.temCantos(), largura));
  // Joined into a paragraph the box would fall apart.
  if (configuracao.autoJunta) {
    editor.insereLinha(l1, "<F->");
    editor.insereLinha(l2 + 4, "<F+>");
  }
  return true;
}
