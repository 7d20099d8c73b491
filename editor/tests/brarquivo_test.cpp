#include "brarquivo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "apoio_testes.h"
#include "gravacoes_teste.h"
#include "brvars.h"
#include "cp1252.h"
#include "perfil.h"

using plataforma::Botao;
using plataforma::TipoMensagem;

namespace {

using Linhas = std::vector<std::string>;

// The editor as the commands see it, kept in memory.
class EditorMemoria : public EditorDocumento {
 public:
  Linhas texto;
  bool alterado = false;
  std::string titulo = "(nenhum)";
  int cargas = 0;
  int fechamentos = 0;

  Linhas linhasDocumento() const override { return texto; }
  void carregaLinhas(const Linhas& l) override {
    texto = l;
    alterado = false;
    ++cargas;
  }
  bool modificado() const override { return alterado; }
  void defineModificado(bool v) override { alterado = v; }
  void defineTitulo(const std::string& t) override { titulo = t; }
  void fechaJanela() override { ++fechamentos; }
};

class Arquivos : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaArquivos();
  }
  void TearDown() override {
    reiniciaVariaveis();
    reiniciaArquivos();
  }
  std::string ini(const std::string& chave) {
    return plataforma::lePerfil("LUMAREL", chave, "<falta>", 0, arquivoIni);
  }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  EditorMemoria editor;
};

// ---------------------------------------------------------------------------
// Text and files.

TEST(SeparaLinhas, todasAsFormasDeFimDeLinha) {
  struct Caso {
    std::string conteudo;
    Linhas esperado;
  } casos[] = {
      {"", {}},
      {"\r\n", {""}},
      {"ab", {"ab"}},
      {"ab\r\ncd\r\n", {"ab", "cd"}},
      {"ab\r\ncd", {"ab", "cd"}},
      {"ab\ncd\n", {"ab", "cd"}},
      {"ab\rcd\r", {"ab", "cd"}},
      {"a\r\n\r\nb\n\rc", {"a", "", "b", "", "c"}},
      {"x\r\n\r\n", {"x", ""}},
  };
  for (const auto& c : casos) EXPECT_EQ(separaLinhas(c.conteudo), c.esperado) << c.conteudo;
}

TEST(JuntaLinhas, cadaLinhaTerminaComCrLf) {
  EXPECT_EQ(juntaLinhas({}), "");
  EXPECT_EQ(juntaLinhas({""}), "\r\n");
  EXPECT_EQ(juntaLinhas({"ab", "", "c"}), "ab\r\n\r\nc\r\n");
  const Linhas acentos{"Não"_cp, "ação"_cp.str() + "\t" + "“x”"_cp};
  EXPECT_EQ(separaLinhas(juntaLinhas(acentos)), acentos);
}

TEST_F(Arquivos, todosOsBytesVoltamComoEram) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  const Linhas linhas{bytes, "", "fim"};
  const std::string nome = pasta.arquivo("bytes.txt");
  ASSERT_TRUE(gravaDocumento(nome, linhas));
  EXPECT_EQ(pasta.le("bytes.txt"), bytes + "\r\n\r\nfim\r\n");
  Linhas lidas;
  ASSERT_EQ(leDocumento(nome, lidas), ResultadoLeitura::ok);
  EXPECT_EQ(lidas, linhas);
}

TEST_F(Arquivos, leituraQueFalhaNaoMudaNada) {
  Linhas linhas{"guardado"};
  EXPECT_EQ(leDocumento(pasta.arquivo("falta.txt"), linhas), ResultadoLeitura::naoExiste);
  EXPECT_EQ(leDocumento(pasta.caminho(), linhas), ResultadoLeitura::ehPasta);
  EXPECT_EQ(linhas, Linhas{"guardado"});
}

TEST_F(Arquivos, salvarDuasVezesGuardaUmBackupDoSalvamentoAnterior) {
  const std::string nome = pasta.arquivo("carta.txt");
  ASSERT_TRUE(gravaDocumento(nome, {"um"}));
  EXPECT_FALSE(std::filesystem::exists(nome + ".bak"));  // nothing to back up
  ASSERT_TRUE(gravaDocumento(nome, {"dois"}));
  EXPECT_EQ(pasta.le("carta.txt.bak"), "um\r\n");
  ASSERT_TRUE(gravaDocumento(nome, {"tres"}));
  EXPECT_EQ(pasta.le("carta.txt"), "tres\r\n");
  EXPECT_EQ(pasta.le("carta.txt.bak"), "dois\r\n");
  // No temporary file is left behind.
  int arquivos = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(pasta.caminho())) ++arquivos;
  EXPECT_EQ(arquivos, 2);
}

TEST_F(Arquivos, gravacaoQueFalhaDeixaDocumentoEBackupComoEram) {
  // A folder where the document should be: the write fails after nothing.
  std::filesystem::create_directory(pasta.arquivo("pasta.txt"));
  EXPECT_FALSE(gravaDocumento(pasta.arquivo("pasta.txt"), {"x"}));
  EXPECT_TRUE(std::filesystem::is_directory(pasta.arquivo("pasta.txt")));
  // A missing folder.
  EXPECT_FALSE(gravaDocumento(pasta.arquivo("falta/doc.txt"), {"x"}));
  EXPECT_FALSE(std::filesystem::exists(pasta.arquivo("falta")));
}

TEST_F(Arquivos, nomesComAcentosNaPastaENoArquivo) {
  const std::string pastaCp = pasta.caminho() + "/" + "Ações"_cp;
  std::filesystem::create_directory(plataforma::caminhoSistema(pastaCp));
  const std::string nome = pastaCp + "/" + "Não.txt"_cp;
  ASSERT_TRUE(gravaDocumento(nome, {"um"}));
  ASSERT_TRUE(gravaDocumento(nome, {"dois"}));
  Linhas lidas;
  ASSERT_EQ(leDocumento(nome, lidas), ResultadoLeitura::ok);
  EXPECT_EQ(lidas, Linhas{"dois"});
  ASSERT_EQ(leDocumento(nomeBackup(nome), lidas), ResultadoLeitura::ok);
  EXPECT_EQ(lidas, Linhas{"um"});
}

TEST_F(Arquivos, backupSemLigacaoFisicaAindaFicaCompleto) {
  // The backup is a second name of the old file: writing the new one never
  // touches its bytes.
  const std::string nome = pasta.arquivo("d.txt");
  ASSERT_TRUE(gravaDocumento(nome, {std::string(100000, 'a')}));
  ASSERT_TRUE(gravaDocumento(nome, {"b"}));
  EXPECT_EQ(pasta.le("d.txt.bak"), std::string(100000, 'a') + "\r\n");
}

TEST(PastaDocumento, semOUltimoComponente) {
  EXPECT_EQ(pastaDocumento(""), "");
  EXPECT_EQ(pastaDocumento("/home/ana/carta.txt"), "/home/ana");
  EXPECT_EQ(pastaDocumento("/carta.txt"), "/");
  EXPECT_EQ(pastaDocumento("carta.txt"), "");
}

TEST(ListaRecentes, nomeVaiParaAFrente) {
  struct Caso {
    Linhas antes;
    std::string nome;
    Linhas depois;
    bool grava;
  } casos[] = {
      {{"", "", "", "", ""}, "a", {"a", "", "", "", ""}, true},
      {{"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}, true},  // item 5 lost
      {{"a", "b", "c", "d", "e"}, "c", {"c", "a", "b", "d", "e"}, true},
      // Already first: taken out and put back, the same list written again.
      {{"a", "b", "c", "", ""}, "a", {"a", "b", "c", "", ""}, true},
      {{"a", "b", "", "", ""}, "", {"a", "b", "", "", ""}, false},
      {{"a", "b", "", "", ""}, "A", {"A", "a", "b", "", ""}, true},  // case counts
      {{"x", "b", "x", "", ""}, "x", {"x", "b", "", "", ""}, true},
  };
  for (auto& c : casos) {
    Linhas l = c.antes;
    EXPECT_EQ(atualizaListaRecentes(l, c.nome), c.grava) << c.nome;
    EXPECT_EQ(l, c.depois) << c.nome;
  }
}

// ---------------------------------------------------------------------------
// Commands.

TEST_F(Arquivos, abrirMudaTituloERecentesEGravaNoIni) {
  pasta.grava("a.txt", "linha 1\r\nlinha 2");
  mensagens.servico.respostasTexto.push_back(pasta.arquivo("a.txt"));
  abreDocumento(editor);
  EXPECT_EQ(editor.texto, (Linhas{"linha 1", "linha 2"}));
  EXPECT_EQ(nomeDocumento, pasta.arquivo("a.txt"));
  EXPECT_EQ(editor.titulo, "Lumarel - " + pasta.arquivo("a.txt"));
  EXPECT_EQ(ini("arq1"), pasta.arquivo("a.txt"));
  EXPECT_EQ(ini("arq2"), "");
}

TEST_F(Arquivos, dialogoCanceladoSoRenovaOTitulo) {
  nomeDocumento = "/velho.txt";
  mensagens.servico.respostasTexto.push_back(std::nullopt);
  abreDocumento(editor);
  EXPECT_EQ(editor.titulo, "Lumarel - /velho.txt");
  EXPECT_EQ(editor.cargas, 0);
  EXPECT_EQ(ini("arq1"), "/velho.txt");  // the name came to the front
  // Cancelling again leaves the list as it was.
  mensagens.servico.respostasTexto.push_back(std::nullopt);
  abreDocumento(editor);
  EXPECT_EQ(arquivosRecentes, (Linhas{"/velho.txt", "", "", "", ""}));
  EXPECT_EQ(ini("arq1"), "/velho.txt");
  EXPECT_EQ(ini("arq2"), "");
}

TEST_F(Arquivos, aberturaQueFalhaDeixaDocumentoNomeEAlteracao) {
  editor.texto = {"meu texto"};
  editor.alterado = true;
  nomeDocumento = pasta.arquivo("meu.txt");
  struct Caso {
    std::string nome;
  } casos[] = {{pasta.arquivo("sumiu.txt")}, {pasta.caminho()}};
  for (const auto& c : casos) {
    mensagens.esperaOk();  // abandon the changes
    mensagens.servico.respostasTexto.push_back(c.nome);
    mensagens.esperaOk();  // the error box
    abreDocumento(editor);
    EXPECT_EQ(editor.texto, Linhas{"meu texto"});
    EXPECT_TRUE(editor.alterado);
    EXPECT_EQ(nomeDocumento, pasta.arquivo("meu.txt"));
  }
  EXPECT_EQ(mensagens.servico.textos().back(), "Arquivo não foi achado"_cp);
  EXPECT_EQ(mensagens.servico.registro.back().tipo, TipoMensagem::erro);
}

TEST_F(Arquivos, guardaSoDeixaSeguirComOk) {
  editor.texto = {"x"};
  editor.alterado = true;
  struct Caso {
    Botao resposta;
    bool segue;
    std::size_t caixas;
  } casos[] = {{Botao::ok, true, 1}, {Botao::nao, false, 2}, {Botao::cancelar, false, 1},
               {Botao::nenhum, false, 1}};
  for (const auto& c : casos) {
    mensagens.servico.limpa();
    editor.alterado = true;
    mensagens.servico.respostasBotao.push_back(c.resposta);
    if (c.resposta == Botao::nao) mensagens.esperaOk();
    novoDocumento(editor);
    EXPECT_EQ(editor.texto.empty(), c.segue);
    ASSERT_EQ(mensagens.servico.registro.size(), c.caixas);
    const auto& pergunta = mensagens.servico.registro[0];
    EXPECT_EQ(pergunta.texto, "Quer mesmo abandonar sem gravar ?");
    EXPECT_EQ(pergunta.botoes, (std::vector<Botao>{Botao::nao, Botao::ok, Botao::cancelar}));
    if (c.caixas == 2) {
      EXPECT_EQ(mensagens.servico.registro[1].texto, "Por favor, execute \"Arquivo/Salvar\"");
      EXPECT_EQ(mensagens.servico.registro[1].tipo, TipoMensagem::aviso);
    }
    editor.texto = {"x"};
  }
}

TEST_F(Arquivos, recenteRecusadoPelaGuardaEsperaOProximoAbrir) {
  pasta.grava("r.txt", "r\r\n");
  arquivosRecentes = {pasta.arquivo("r.txt"), "", "", "", ""};
  editor.alterado = true;
  mensagens.servico.respostasBotao.push_back(Botao::cancelar);
  abreRecente(editor, 0);
  EXPECT_EQ(arquivoReabrir, pasta.arquivo("r.txt"));
  mensagens.esperaOk();
  abreDocumento(editor);  // no dialog this time
  EXPECT_EQ(editor.texto, Linhas{"r"});
  EXPECT_TRUE(arquivoReabrir.empty());
}

TEST_F(Arquivos, arquivoSoltoAbreEPastaSoltaERecusada) {
  pasta.grava("solto.txt", "s");
  mensagens.esperaOk();
  abreArquivoSolto(editor, pasta.caminho());
  EXPECT_EQ(editor.cargas, 0);
  EXPECT_TRUE(nomeDocumento.empty());
  // A long name is taken whole.
  const std::string longo = std::string(150, 'n') + ".txt";
  pasta.grava(longo, "longo");
  abreArquivoSolto(editor, pasta.arquivo(longo));
  EXPECT_EQ(editor.texto, Linhas{"longo"});
  EXPECT_EQ(nomeDocumento, pasta.arquivo(longo));
}

TEST_F(Arquivos, salvarSemNomePedeNomeEAcrescentaExtensao) {
  editor.texto = {"abc"};
  editor.alterado = true;
  mensagens.servico.respostasTexto.push_back(pasta.arquivo("novo"));
  EXPECT_TRUE(salvaDocumento(editor));
  EXPECT_EQ(nomeDocumento, pasta.arquivo("novo.txt"));
  EXPECT_EQ(pasta.le("novo.txt"), "abc\r\n");
  EXPECT_FALSE(editor.alterado);
  EXPECT_EQ(editor.titulo, "Lumarel - " + pasta.arquivo("novo.txt"));
  EXPECT_EQ(mensagens.servico.registro[0].pedido, plataforma::RegistroMensagem::Tipo::salvar);
}

TEST_F(Arquivos, regravacaoRecusadaNaoEscreveNemFicaComONome) {
  pasta.grava("existe.txt", "antigo");
  editor.texto = {"novo"};
  editor.alterado = true;
  mensagens.servico.respostasTexto.push_back(pasta.arquivo("existe.txt"));
  mensagens.servico.respostasBotao.push_back(Botao::cancelar);
  EXPECT_FALSE(salvaDocumento(editor));
  const auto& caixa = mensagens.servico.registro.back();
  EXPECT_EQ(caixa.texto, "Cuidado! Vou regravar arquivo existente " + pasta.arquivo("existe.txt"));
  EXPECT_EQ(caixa.tipo, TipoMensagem::simples);
  EXPECT_EQ(caixa.botoes, (std::vector<Botao>{Botao::ok, Botao::cancelar}));
  EXPECT_EQ(pasta.le("existe.txt"), "antigo");
  EXPECT_TRUE(nomeDocumento.empty());
  EXPECT_EQ(editor.titulo, "(nenhum)");
  // The next save asks for a name again instead of writing over it.
  mensagens.servico.respostasTexto.push_back(std::nullopt);
  EXPECT_FALSE(salvaDocumento(editor));
  EXPECT_EQ(pasta.le("existe.txt"), "antigo");
}

TEST_F(Arquivos, salvarComoCanceladoOuRecusadoGuardaONomeAntigo) {
  pasta.grava("outro.txt", "outro");
  nomeDocumento = pasta.arquivo("meu.txt");
  editor.texto = {"meu"};
  mensagens.servico.respostasTexto.push_back(std::nullopt);
  salvaDocumentoComo(editor);
  EXPECT_EQ(nomeDocumento, pasta.arquivo("meu.txt"));
  mensagens.servico.respostasTexto.push_back(pasta.arquivo("outro.txt"));
  mensagens.servico.respostasBotao.push_back(Botao::cancelar);
  salvaDocumentoComo(editor);
  EXPECT_EQ(nomeDocumento, pasta.arquivo("meu.txt"));
  EXPECT_EQ(pasta.le("outro.txt"), "outro");
  // F2 now writes the kept name, not the declined one.
  EXPECT_TRUE(salvaDocumento(editor));
  EXPECT_EQ(pasta.le("meu.txt"), "meu\r\n");
  EXPECT_EQ(pasta.le("outro.txt"), "outro");
}

TEST_F(Arquivos, gravacaoQueFalhaAvisaEContinuaAlterado) {
  nomeDocumento = pasta.arquivo("falta/doc.txt");
  editor.texto = {"x"};
  editor.alterado = true;
  mensagens.esperaOk();
  EXPECT_FALSE(salvaDocumento(editor));
  EXPECT_TRUE(editor.alterado);
  EXPECT_EQ(mensagens.servico.textos(),
            std::vector<std::string>{"Erro ao salvar o arquivo\n" + pasta.arquivo("falta/doc.txt") +
                                     ": pasta não existe"_cp});
  EXPECT_EQ(mensagens.servico.registro[0].tipo, TipoMensagem::informacao);
}

// A folder that refuses new files gets the document written over in place, as its second name shows.
TEST_F(Arquivos, pastaQueRecusaArquivoNovoGravaNoLugar) {
  pasta.grava("doc.txt", "texto antigo\r\n");
  std::filesystem::create_hard_link(pasta.arquivo("doc.txt"), pasta.arquivo("outro nome"));
  nomeDocumento = pasta.arquivo("doc.txt");
  editor.texto = {"novo"};
  EXPECT_TRUE(apoio::comFalhas(EACCES, 0, [&] { return salvaDocumento(editor); }, pasta.caminho()));
  EXPECT_EQ(pasta.le("outro nome"), "novo\r\n");
  EXPECT_EQ(pasta.le("doc.txt.bak"), "texto antigo\r\n");
}

// The document's folder, else the folder the last session closed in.
TEST_F(Arquivos, dialogoDeSalvarComecaNaPastaDoDocumento) {
  plataforma::gravaPerfil("LUMAREL", "ultimoDir", "/ultima", arquivoIni);
  for (const std::string& documento : {pasta.arquivo("livro.txt"), std::string()}) {
    nomeDocumento = documento;
    mensagens.servico.respostasTexto.push_back(std::nullopt);
    salvaDocumentoComo(editor);
    EXPECT_EQ(mensagens.servico.registro.back().pasta, documento.empty() ? "/ultima" : pasta.caminho());
  }
}

TEST_F(Arquivos, iniQueNaoSeGravaAvisaUmaVez) {
  const std::string ini = plataforma::caminhoPerfil(arquivoIni);
  std::filesystem::remove(ini);
  std::filesystem::create_directory(ini);  // the settings file cannot be replaced
  mensagens.esperaOk();
  for (const char* nome : {"um.txt", "dois.txt"}) {
    pasta.grava(nome, "x\r\n");
    abreArquivoSolto(editor, pasta.arquivo(nome));
  }
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Erro ao gravar " + ini});
}

TEST_F(Arquivos, sairEFecharPerguntamConformeAAlteracao) {
  saiPrograma(editor);
  EXPECT_EQ(editor.fechamentos, 1);
  EXPECT_TRUE(mensagens.servico.registro.empty());

  editor.alterado = true;
  mensagens.servico.respostasBotao.push_back(Botao::nao);
  saiPrograma(editor);
  EXPECT_EQ(editor.fechamentos, 1);
  mensagens.esperaOk();
  saiPrograma(editor);
  EXPECT_EQ(editor.fechamentos, 2);
}

TEST_F(Arquivos, pedidoDeFecharGravaUltimoDirMesmoRecusado) {
  nomeDocumento = "/home/ana/textos/carta.txt";
  editor.alterado = true;
  mensagens.servico.respostasBotao.push_back(Botao::cancelar);
  EXPECT_FALSE(podeFechar(editor));
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Fechando o programa, tudo foi salvo ?"});
  EXPECT_EQ(mensagens.servico.registro[0].tipo, TipoMensagem::confirmacao);
  EXPECT_EQ(ini("ultimoDir"), "/home/ana/textos");
  editor.alterado = false;
  nomeDocumento.clear();
  EXPECT_TRUE(podeFechar(editor));
  EXPECT_EQ(ini("ultimoDir"), "");
}

TEST_F(Arquivos, sextoArquivoDiferenteTiraOQuinto) {
  for (const char* n : {"1", "2", "3", "4", "5", "6"}) pasta.grava(n, n);
  for (const char* n : {"1", "2", "3", "4", "5", "6"}) {
    mensagens.servico.respostasTexto.push_back(pasta.arquivo(n));
    abreDocumento(editor);
  }
  EXPECT_EQ(ini("arq1"), pasta.arquivo("6"));
  EXPECT_EQ(ini("arq5"), pasta.arquivo("2"));
  mensagens.servico.respostasTexto.push_back(pasta.arquivo("4"));
  abreDocumento(editor);
  EXPECT_EQ(arquivosRecentes, (Linhas{pasta.arquivo("4"), pasta.arquivo("6"), pasta.arquivo("5"),
                                      pasta.arquivo("3"), pasta.arquivo("2")}));
}

TEST_F(Arquivos, ajudaProcuradaNaPastaDoPrograma) {
  EXPECT_EQ(localizaAjuda(pasta.caminho()), "");
  pasta.grava("lumarel.chm", "ajuda");
  EXPECT_EQ(localizaAjuda(pasta.caminho()), pasta.arquivo("lumarel.chm"));
}

}  // namespace
