#include <gtest/gtest.h>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"
#include "perfil.h"

namespace {

class Configuracao : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override { reiniciaVariaveis(); }
  std::string le(const char* secao, const char* chave) {
    return plataforma::lePerfil(secao, chave, "<falta>", 0, arquivoIni);
  }
  apoio::WindowsTemporario win;
};

}  // namespace

TEST(Codificacao, IntegersAreWholeDecimalNumbers) {
  struct Caso {
    const char* texto;
    int esperado;
  } casos[] = {{"36", 36}, {"-3", -3}, {"+7", 7}, {"0", 0}, {"abc", 99}, {"", 99}, {"12x", 99},
               {" 12", 99}, {"1 2", 99}, {"+-1", 99}, {"-", 99}, {"99999999999", 99}, {"2147483647", 2147483647}};
  for (const auto& c : casos) EXPECT_EQ(leInteiroPadrao(c.texto, 99), c.esperado) << c.texto;
}

TEST(Codificacao, BooleanDecodings) {
  EXPECT_TRUE(leVerdadeiroSalvoN(""));
  EXPECT_TRUE(leVerdadeiroSalvoN("n"));
  EXPECT_FALSE(leVerdadeiroSalvoN("Não"_cp));
  EXPECT_FALSE(leSoS("s"));
  EXPECT_TRUE(leSoS("SIM"));
  EXPECT_FALSE(leSoS(""));
  EXPECT_TRUE(leSQualquerCaixa("sim"));
  EXPECT_FALSE(leSQualquerCaixa("N"));
  EXPECT_EQ(escreveSimNao(true), "S");
  EXPECT_EQ(escreveInteiro(-12), "-12");
}

TEST_F(Configuracao, MissingFileGivesEveryDefault) {
  configuracao.maxCarac = 1;
  configuracao.afastaCabPar = false;
  leConfigPrograma();
  leConfigImpressora();
  leConfigDicionario();
  leConfigMargem();
  const TConfiguracao& c = configuracao;
  EXPECT_EQ(c.estiloNumPag, 0);
  EXPECT_FALSE(c.brailleAntigo);
  EXPECT_EQ(c.maxCarac, 36);
  EXPECT_EQ(c.maxLin, 30);
  EXPECT_EQ(c.tipoCabec, 1);
  EXPECT_TRUE(c.afastaCabPar && c.autoJunta && c.separaSilabas && c.comTitulo && c.numeraOrig &&
              c.tiraBrancasInicioPag);
  EXPECT_FALSE(c.frenteVerso || c.soFrenteInterp || c.textoIngles || c.cabecIngles);
  EXPECT_EQ(c.tipoTratGrafico, 1);
  EXPECT_EQ(c.titulo, "");
  EXPECT_EQ(c.Marca, "");
  EXPECT_EQ(c.PolegsForm, 11);
  EXPECT_EQ(c.Linhas, 28);
  EXPECT_EQ(c.Colunas, 36);
  EXPECT_EQ(c.NomeArq, "PRN");
  EXPECT_FALSE(c.EnviaVazias);
  EXPECT_FALSE(c.Interponto);
  EXPECT_EQ(c.ARQDIC, "diciona.dic");
  EXPECT_EQ(c.ARQSUGERE, "diciona.sug");
  EXPECT_TRUE(c.quebraLin);
  EXPECT_EQ(c.maxCol, 70);
}

TEST_F(Configuracao, DecodesTheValuesOfTheFile) {
  win.gravaIni(
      "[LUMAREL]\r\n"
      "maxCarac=abc\r\nmaxLin=-3\r\nafastaCabPar=n\r\nfrenteVerso=s\r\nbrailleAntigo=s\r\n"
      "autoJunta=N\r\nsoFrenteInterp=S\r\ntextoIngles=Sim\r\ntipoCabec=5\r\n"
      "titulo=" + std::string(100, 't') + "\r\n"
      "quebraLin=Não\r\nmaxCol=0\r\n"_cp +
      "[IMPBRAILLE]\r\nNomeArq=\r\nInterponto=s\r\nEnviaVazias=sim\r\nLinhas=x\r\n"
      "[DICIONARIO]\r\nARQDIC=/dic/" + std::string(300, 'd') + "\r\n");
  leConfigPrograma();
  leConfigImpressora();
  leConfigDicionario();
  leConfigMargem();
  const TConfiguracao& c = configuracao;
  EXPECT_EQ(c.maxCarac, 36);
  EXPECT_EQ(c.maxLin, -3);
  EXPECT_TRUE(c.afastaCabPar);
  EXPECT_FALSE(c.frenteVerso);
  EXPECT_TRUE(c.brailleAntigo);
  EXPECT_FALSE(c.autoJunta);
  EXPECT_TRUE(c.soFrenteInterp);
  EXPECT_TRUE(c.textoIngles);
  EXPECT_EQ(c.tipoCabec, 5);
  EXPECT_EQ(c.titulo, std::string(79, 't'));  // non-path values keep their cut
  EXPECT_FALSE(c.quebraLin);
  EXPECT_EQ(c.maxCol, 70);
  EXPECT_EQ(c.NomeArq, "PRN");
  EXPECT_FALSE(c.Interponto);
  EXPECT_TRUE(c.EnviaVazias);
  EXPECT_EQ(c.Linhas, 28);
  EXPECT_EQ(c.ARQDIC, "/dic/" + std::string(300, 'd'));  // paths are read whole
}

TEST_F(Configuracao, QuebraLinReadsOnlyThreeCharactersUpperCased) {
  for (const auto& [valor, esperado] : std::vector<std::pair<std::string, bool>>{
           {"n", false}, {"N", false}, {"S", true}, {"", true}, {"X", true}, {" no", false}}) {
    win.gravaIni("[LUMAREL]\r\nquebraLin=" + valor + "\r\nmaxCol=-5\r\n");
    configuracao.quebraLin = !esperado;
    leConfigMargem();
    EXPECT_EQ(configuracao.quebraLin, esperado) << valor;
    EXPECT_EQ(configuracao.maxCol, 70);
  }
}

TEST_F(Configuracao, PathsDefaultToTheDirectoryAndAreReadWhole) {
  ::setenv("TMPDIR", "/tmp/lum", 1);
  const std::string longo = "/dados/" + std::string(120, 'p') + "/ambcode.cfg";
  win.gravaIni("[LUMAREL]\r\narqTrab=\r\namBCode=" + longo + "\r\nselvra=\r\n");
  leConfigDiretorios("/opt/lumarel");
  ::unsetenv("TMPDIR");
  const TConfiguracao& c = configuracao;
  EXPECT_EQ(c.arqTrab, "/tmp/lum/rascunho.txt");
  EXPECT_EQ(c.ambCode, longo);
  EXPECT_EQ(c.ambCode2, "/opt/lumarel/ambcode2.cfg");
  EXPECT_EQ(c.grafBraille, "/opt/lumarel/nodrix.amb");
  EXPECT_EQ(c.kavrin, "/opt/lumarel/kavrin");
  EXPECT_EQ(c.orvento, "/opt/lumarel/orvento");
  EXPECT_EQ(c.selvra, "/opt/lumarel/selvra");
  leConfigDiretorios("/");
  EXPECT_EQ(c.ambCode2, "/ambcode2.cfg");

  dirPrograma = "/opt/lumarel";
  EXPECT_EQ(leAmbMacro(), "/opt/lumarel/codmat.amb");
  ASSERT_TRUE(gravaAmbMacro("/m/macros.amb"));
  EXPECT_EQ(leAmbMacro(), "/m/macros.amb");
}

TEST_F(Configuracao, WrittenSectionsReadBackTheSame) {
  TConfiguracao& c = configuracao;
  c.estiloNumPag = 2;
  c.brailleAntigo = true;
  c.maxCarac = -4;
  c.maxLin = 25;
  c.tipoCabec = 2;
  c.afastaCabPar = false;
  c.autoJunta = false;
  c.frenteVerso = true;
  c.soFrenteInterp = true;
  c.separaSilabas = false;
  c.titulo = "Português Básico"_cp;
  c.comTitulo = false;
  c.numeraOrig = false;
  c.tiraBrancasInicioPag = false;
  c.margemImpar = 3;
  c.margemPar = 1;
  c.textoIngles = true;
  c.cabecIngles = true;
  c.tipoTratGrafico = 4;
  c.arqTrab = "/t/r.txt";
  c.ambCode = "/d/a.cfg";
  c.ambCode2 = "/d/a2.cfg";
  c.grafBraille = "/d/n.amb";
  c.kavrin = "/p/k";
  c.orvento = "/p/o";
  c.selvra = "/p/s";
  c.Marca = "Index Basic";
  c.Interponto = true;
  c.PolegsForm = 12;
  c.Linhas = 27;
  c.Colunas = 32;
  c.NomeArq = "/dev/usb/lp0";
  c.EnviaVazias = false;
  c.ARQDIC = "a.dic";
  c.quebraLin = false;
  c.maxCol = 66;
  ASSERT_TRUE(gravaConfigPrograma());
  ASSERT_TRUE(gravaConfigDiretorios());
  ASSERT_TRUE(gravaConfigImpressora());
  ASSERT_TRUE(gravaConfigDicionario());
  ASSERT_TRUE(gravaConfigMargem());
  EXPECT_EQ(le("IMPBRAILLE", "EnviaVazias"), "NÃO"_cp.str());
  EXPECT_EQ(le("LUMAREL", "frenteVerso"), "S");
  EXPECT_NE(win.ini().find("amBCode2=/d/a2.cfg\r\n"), std::string::npos);
  const TConfiguracao gravada = c;
  reiniciaVariaveis();
  leConfigPrograma();
  leConfigDiretorios("/x");
  leConfigImpressora();
  leConfigDicionario();
  leConfigMargem();
  EXPECT_EQ(c.estiloNumPag, gravada.estiloNumPag);
  EXPECT_EQ(c.brailleAntigo, gravada.brailleAntigo);
  EXPECT_EQ(c.maxCarac, gravada.maxCarac);
  EXPECT_EQ(c.maxLin, gravada.maxLin);
  EXPECT_EQ(c.tipoCabec, gravada.tipoCabec);
  EXPECT_EQ(c.afastaCabPar, gravada.afastaCabPar);
  EXPECT_EQ(c.autoJunta, gravada.autoJunta);
  EXPECT_EQ(c.frenteVerso, gravada.frenteVerso);
  EXPECT_EQ(c.soFrenteInterp, gravada.soFrenteInterp);
  EXPECT_EQ(c.separaSilabas, gravada.separaSilabas);
  EXPECT_EQ(c.titulo, gravada.titulo);
  EXPECT_EQ(c.comTitulo, gravada.comTitulo);
  EXPECT_EQ(c.numeraOrig, gravada.numeraOrig);
  EXPECT_EQ(c.tiraBrancasInicioPag, gravada.tiraBrancasInicioPag);
  EXPECT_EQ(c.margemImpar, gravada.margemImpar);
  EXPECT_EQ(c.margemPar, gravada.margemPar);
  EXPECT_EQ(c.textoIngles, gravada.textoIngles);
  EXPECT_EQ(c.cabecIngles, gravada.cabecIngles);
  EXPECT_EQ(c.tipoTratGrafico, gravada.tipoTratGrafico);
  EXPECT_EQ(c.arqTrab, gravada.arqTrab);
  EXPECT_EQ(c.ambCode, gravada.ambCode);
  EXPECT_EQ(c.ambCode2, gravada.ambCode2);
  EXPECT_EQ(c.grafBraille, gravada.grafBraille);
  EXPECT_EQ(c.kavrin, gravada.kavrin);
  EXPECT_EQ(c.orvento, gravada.orvento);
  EXPECT_EQ(c.selvra, gravada.selvra);
  EXPECT_EQ(c.Marca, gravada.Marca);
  EXPECT_EQ(c.Interponto, gravada.Interponto);
  EXPECT_EQ(c.PolegsForm, gravada.PolegsForm);
  EXPECT_EQ(c.Linhas, gravada.Linhas);
  EXPECT_EQ(c.Colunas, gravada.Colunas);
  EXPECT_EQ(c.NomeArq, gravada.NomeArq);
  EXPECT_EQ(c.EnviaVazias, gravada.EnviaVazias);
  EXPECT_EQ(c.ARQDIC, gravada.ARQDIC);
  EXPECT_EQ(c.quebraLin, gravada.quebraLin);
  EXPECT_EQ(c.maxCol, gravada.maxCol);
}

TEST_F(Configuracao, RecentFilesAndLastFolder) {
  EXPECT_EQ(leArquivosRecentes(), std::vector<std::string>(5));
  const std::vector<std::string> recentes{"/a/um.txt", "", "/c/tr" + std::string(300, 'e') + "s.txt", "d", "e"};
  ASSERT_TRUE(gravaArquivosRecentes(recentes));
  EXPECT_EQ(leArquivosRecentes(), recentes);
  ASSERT_TRUE(gravaUltimoDir("/home/ana/Documentos"));
  EXPECT_EQ(le("LUMAREL", "ultimoDir"), "/home/ana/Documentos");
  // The writes kept each other.
  EXPECT_EQ(le("LUMAREL", "arq1"), "/a/um.txt");
}

TEST_F(Configuracao, PassStartResetsTheConverterState) {
  abreAspasAntigo = false;
  abreAspasIngles = false;
  parentesesAberto = true;
  configuracao.textoIngles = true;
  reiniciaEstadoConversores();
  EXPECT_TRUE(abreAspasAntigo);
  EXPECT_TRUE(abreAspasIngles);
  EXPECT_FALSE(parentesesAberto);
  EXPECT_TRUE(textoEstrangeiro);
}
