#include "brprograma.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <charconv>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "apoio_dispositivos.h"
#include "apoio_testes.h"
#include "brdevice.h"
#include "perfil.h"

namespace {

using plataforma::TipoMensagem;
using T = TipoMensagem;
using R = ResultadoProgramacao;
using Caixa = std::pair<T, std::string>;  // a box: its kind and text

std::string junta(const SequenciaProgramacao& s) {
  std::string t;
  for (const std::string& e : s.envios) t += e;
  return t;
}
// The lines of a file of dados/, comments and empty lines left out.
std::vector<std::string> linhas(const char* nome) {
  std::ifstream in(std::string(LUMAREL_DIR_TESTES "/dados/") + nome);
  std::vector<std::string> r;
  for (std::string l; std::getline(in, l);)
    if (!l.empty() && l[0] != '#') r.push_back(l);
  EXPECT_FALSE(r.empty()) << nome;
  return r;
}

const FormatoPagina padrao{false, 11, 28, 36};

// "<n>" in a data file stands for the byte n.
std::string bytes(std::string_view texto) {
  std::string r;
  while (!texto.empty()) {
    int n = 0;
    const char* fim = texto.data() + texto.size();
    const auto lido = std::from_chars(texto.data() + 1, fim, n);
    if (texto[0] == '<' && lido.ec == std::errc() && lido.ptr != fim && *lido.ptr == '>') {
      r += static_cast<char>(n);
      texto.remove_prefix(static_cast<std::size_t>(lido.ptr + 1 - texto.data()));
    } else {
      r += texto[0];
      texto.remove_prefix(1);
    }
  }
  return r;
}

TEST(SequenciaProgramacao, BytesExatosOuRecusa) {
  for (const std::string& l : linhas("programacao_sequencias.txt")) {
    SCOPED_TRACE(l);
    std::string modelo, interponto, esperado;
    FormatoPagina f;
    std::size_t envios = 0;
    ASSERT_TRUE(static_cast<bool>(std::istringstream(l) >> modelo >> f.PolegsForm >> f.Linhas >>
                                  f.Colunas >> interponto >> envios >> esperado));
    f.Interponto = interponto == "S";
    const SequenciaProgramacao s =
        modelo == "Juliet"      ? sequenciaJulietRomeo(f)
        : modelo == "Beta"      ? sequenciaBeta(f)
        : modelo == "IndexV2"   ? sequenciaIndexV2(ModeloIndex::indexBasicV2, f)
        : modelo == "EverestV2" ? sequenciaIndexV2(ModeloIndex::everestV2, f)
                                : SequenciaProgramacao{};
    EXPECT_EQ(s.envios.size(), envios);
    if (esperado[0] != '!') {
      EXPECT_FALSE(s.recusa);
      EXPECT_EQ(junta(s), bytes(esperado));
      continue;
    }
    ASSERT_TRUE(s.recusa);
    EXPECT_EQ("!" + s.recusa->chave, esperado);
    EXPECT_EQ(s.recusa->valor, esperado == "!Linhas"    ? f.Linhas
                               : esperado == "!Colunas" ? f.Colunas
                                                        : f.PolegsForm);
  }
}

TEST(SequenciaProgramacao, TabelaDeColunasEParametros) {
  for (const std::string& l : linhas("colunas_index.txt")) {
    int celulas = 0, codigo = 0;
    ASSERT_TRUE(static_cast<bool>(std::istringstream(l) >> celulas >> codigo)) << l;
    EXPECT_EQ(codigoColunasIndex(celulas), codigo) << celulas << " cells";
  }
  for (auto [valor, texto] : {std::pair{0, "0"}, {13, "13"}, {254, "254"}, {255, "x"}})
    EXPECT_EQ(textoParametro(static_cast<unsigned char>(valor)), texto);
}

class ProgramacaoTest : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override {
    fechaDispositivo();
    reiniciaVariaveis();
  }
  std::vector<Caixa> caixas() const {
    std::vector<Caixa> r;
    for (const auto& m : mensagens.servico.registro) r.emplace_back(m.tipo, m.texto);
    return r;
  }
  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
};

TEST_F(ProgramacaoTest, ComandoPorModeloNumArquivo) {
  const std::string saida = pasta.arquivo("saida.brl");
  const Caixa ok{T::informacao, mensagemReprogramada};
  const Caixa aviso{T::informacao, avisoProgramacaoInibida};
  const Caixa naoImplementado{T::simples, mensagemNaoImplementado};
  const Caixa clicheria{T::informacao, textoSemProgramacao("Impressora de clichê"_cp)};
  const FormatoPagina col21{true, 12, 30, 21}, lin256{false, 11, 256, 36};
  const auto limites = [](const char* t) {
    return Caixa{T::erro, "Valor fora dos limites da impressora: "_cp + t};
  };
  const struct {
    std::string marca;
    FormatoPagina f;
    std::vector<Caixa> caixas;
    R resultado;
    std::string bytes;  // empty: nothing may be written
  } casos[] = {
      {"", padrao, {{T::erro, mensagemSemModelo}}, R::semModelo, ""},
      {"Braillo", padrao,
       {{T::informacao, "Programação automática para Braillo não disponível"_cp}}, R::indisponivel,
       ""},
      {"Impressora de clichê"_cp, padrao, {clicheria}, R::indisponivel, ""},
      {"Everest V4", padrao, {naoImplementado}, R::naoImplementado, ""},
      {"Tiger", padrao, {naoImplementado}, R::naoImplementado, ""},
      {"Index Basic", padrao, {}, R::ignorada, ""},
      {"juliet", padrao, {}, R::ignorada, ""},
      {"EVEREST V2", padrao, {}, R::ignorada, ""},
      {"Juliet", padrao, {aviso, ok}, R::reprogramada, junta(sequenciaJulietRomeo(padrao))},
      {"Romeo", col21, {aviso, ok}, R::reprogramada, junta(sequenciaJulietRomeo(col21))},
      {"Beta X3", padrao, {ok}, R::reprogramada, junta(sequenciaBeta(padrao))},
      {"Bax 10", col21, {ok}, R::reprogramada, junta(sequenciaBeta(col21))},
      {"Everest V2", lin256, {ok}, R::reprogramada,
       junta(sequenciaIndexV2(ModeloIndex::everestV2, lin256))},
      {"Index Basic V2", col21, {{T::simples, mensagemColunasRecusadas}, ok}, R::reprogramada,
       junta(sequenciaIndexV2(ModeloIndex::indexBasicV2, col21))},
      {"Index Basic V2", lin256, {limites("Linhas = 256")}, R::recusada, ""},
      {"Juliet", {false, 200, 28, 36}, {limites("PolegsForm = 200")}, R::recusada, ""},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.marca);
    std::filesystem::remove(saida);
    mensagens.servico.limpa();
    mensagens.esperaOk(static_cast<int>(c.caixas.size()));
    TConfiguracao ajustes;
    ajustes.Marca = c.marca;
    ajustes.NomeArq = saida;
    ajustes.Interponto = c.f.Interponto, ajustes.PolegsForm = c.f.PolegsForm;
    ajustes.Linhas = c.f.Linhas, ajustes.Colunas = c.f.Colunas;
    EXPECT_EQ(programaImpressoraRemota(ajustes), c.resultado);
    EXPECT_EQ(caixas(), c.caixas);
    std::string gravado;
    EXPECT_EQ(plataforma::leArquivo(saida, gravado), !c.bytes.empty());
    EXPECT_EQ(gravado, c.bytes);
    // The section was written first, whatever happened next.
    reiniciaVariaveis();
    leConfigImpressora();
    EXPECT_EQ(configuracao.Marca, c.marca);
    EXPECT_EQ(configuracao.Linhas, c.f.Linhas);
    EXPECT_EQ(configuracao.NomeArq, saida);
  }
}

TEST_F(ProgramacaoTest, PseudoTerminalComoCom1) {
  apoio::PseudoTerminal pty;
  apoio::Variavel com1("LUMAREL_COM1", pty.nome);
  apoio::Leitor leitor(pty.mestre);
  const std::string esperado = junta(sequenciaJulietRomeo({true, 12, 27, 34}));
  mensagens.esperaOk(2);
  EXPECT_EQ(programaJulietRomeo({true, 12, 27, 34}, "com1"), R::reprogramada);
  EXPECT_EQ(leitor.espera(esperado.size()), esperado);
  EXPECT_EQ(mensagens.servico.textos().back(), mensagemReprogramada);
}

// While it lives, writes past this many bytes of a file fail (EFBIG).
struct LimiteArquivo {
  explicit LimiteArquivo(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &antes);
    rlimit r{bytes, antes.rlim_max};
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~LimiteArquivo() { setrlimit(RLIMIT_FSIZE, &antes); }
  rlimit antes{};
};

TEST_F(ProgramacaoTest, FalhaDoCanalNuncaDizReprogramada) {
  const std::string documento = pasta.arquivo("documento.txt");
  pasta.grava("documento.txt", "texto");
  const std::string index = junta(sequenciaIndexV2(ModeloIndex::indexBasicV2, padrao));
  const struct {
    const char* nome;
    std::string nomeArq, lido;  // lido: the file read back afterwards
    rlim_t limite;              // 0: none
    R resultado;
    std::string caixa, gravado;
  } casos[] = {
      {"pasta que falta", pasta.arquivo("falta/x.brl"), pasta.arquivo("falta/x.brl"), 0,
       R::semComunicacao, mensagemSemComunicacao, ""},
      {"o documento aberto", "documento.txt", documento, 0, R::saidaDocumento,
       mensagemSaidaEhDocumento + documento, "texto"},
      {"envio que falha no meio", pasta.arquivo("cheio.brl"), pasta.arquivo("cheio.brl"), 10,
       R::semComunicacao, mensagemSemComunicacao, index.substr(0, 10)},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    nomeDocumento = documento;
    mensagens.servico.limpa();
    mensagens.esperaOk();
    {
      std::optional<LimiteArquivo> limite;
      if (c.limite) limite.emplace(c.limite);
      EXPECT_EQ(programaIndexV2(ModeloIndex::indexBasicV2, padrao, c.nomeArq), c.resultado);
    }
    EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{c.caixa});
    EXPECT_FALSE(enviaDispositivo("x")) << "the channel is closed";
    std::string gravado;
    plataforma::leArquivo(c.lido, gravado);
    EXPECT_EQ(gravado, c.gravado);
  }
}

TEST_F(ProgramacaoTest, IniQueNaoGravaAvisaESegue) {
  // The settings file's name taken by a folder: it cannot be replaced.
  std::filesystem::create_directory(windows.pasta().arquivo(arquivoIni));
  TConfiguracao ajustes;
  ajustes.Marca = "Puma 7";
  mensagens.esperaOk(2);
  EXPECT_EQ(programaImpressoraRemota(ajustes), R::indisponivel);
  EXPECT_EQ(mensagens.servico.textos(),
            (std::vector<std::string>{"Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni),
                                      textoSemProgramacao("Puma 7")}));
  EXPECT_EQ(configuracao.Marca, "Puma 7") << "the settings stay in force";
}

}  // namespace
