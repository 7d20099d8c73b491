// The tools write lines through LinhasEditor: the main window's adapter over
// its widget must leave the same lines and caret as the lines in memory that
// the tools' own tests use.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <functional>

#include "apoio_testes.h"
#include "brvars.h"
#include "formprincipal.h"

namespace {

using Linhas = std::vector<std::string>;

TEST(AdaptadorLinhas, fazOMesmoQueAsLinhasEmMemoria) {
  apoio::WindowsTemporario windows;
  reiniciaVariaveis();
  TformPrincipal janela;
  const struct {
    const char* nome;
    Linhas linhas;
    LinhaColuna inicio, fim;
    std::function<void(LinhasEditor&)> faz;
  } casos[] = {
      {"define, insere and removes", {"a", "b", "c"}, {1, 0}, {1, 0}, [](LinhasEditor& e) {
         e.defineLinha(0, "A");
         e.insereLinha(1, "x");
         e.removeLinha(3);
         e.defineLinha(9, "fim");
         e.insereLinha(-2, "topo");
       }},
      {"an empty document", {}, {0, 0}, {0, 0}, [](LinhasEditor& e) {
         e.insereLinha(0, "");
         e.insereLinha(5, "");
       }},
      {"the last line removed", {"a", "b"}, {0, 0}, {0, 0}, [](LinhasEditor& e) { e.removeLinha(1); }},
      {"selection replaced by lines", {"abc", "def"}, {0, 1}, {1, 2}, [](LinhasEditor& e) {
         e.substituiSelecao("X\r\nY\nZ");
       }},
      {"text ending in a line break mid-line", {"abc"}, {0, 3}, {0, 3}, [](LinhasEditor& e) {
         e.substituiSelecao(" ~:\r\n<3>\r\n");
       }},
      {"appended after the last line", {"abc"}, {1, 0}, {1, 0}, [](LinhasEditor& e) {
         e.substituiSelecao("<3>\r\n");
       }},
      {"caret moved", {"abc", "de"}, {0, 0}, {0, 0}, [](LinhasEditor& e) {
         e.posicionaCursor({1, 1});
         e.substituiSelecao("!");
       }},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    LinhasMemoria memoria(c.linhas);
    memoria.seleciona(c.inicio.linha, c.inicio.coluna, c.fim.linha, c.fim.coluna);
    c.faz(memoria);

    janela.carregaLinhas(c.linhas);
    QTextCursor cursor = janela.RichEdit1->textCursor();
    const QTextDocument* d = janela.RichEdit1->document();
    auto posicao = [&](LinhaColuna p) {
      return p.linha >= janela.numeroLinhas() ? d->characterCount() - 1
                                              : d->findBlockByNumber(p.linha).position() + p.coluna;
    };
    cursor.setPosition(posicao(c.inicio));
    cursor.setPosition(posicao(c.fim), QTextCursor::KeepAnchor);
    janela.RichEdit1->setTextCursor(cursor);
    {
      EdicaoUnica edicao(janela.linhasEditor());
      c.faz(janela.linhasEditor());
    }
    EXPECT_EQ(janela.linhasDocumento(), memoria.linhas);
    EXPECT_EQ(janela.linhasEditor().inicioSelecao(), memoria.inicio);
    // All of it was one edit.
    janela.RichEdit1->undo();
    EXPECT_EQ(janela.linhasDocumento(), c.linhas);
  }
}

}  // namespace
