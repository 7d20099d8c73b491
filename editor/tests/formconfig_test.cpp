#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "arquivos.h"
#include "brarquivo.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconfig.h"
#include "formconfigbrl.h"
#include "formconfigdir.h"
#include "formconfigmargem.h"
#include "formprincipal.h"
#include "inicio.h"
#include "textoqt.h"

namespace {

using Textos = std::vector<std::string>;

std::string naoAchada(const std::string& caminho) { return "Configuração da impressora não achada "_cp + caminho; }

// The process works in another folder for one test.
class DiretorioAtual {
 public:
  explicit DiretorioAtual(const std::string& pasta) : antes_(plataforma::diretorioAtual()) {
    EXPECT_EQ(::chdir(pasta.c_str()), 0);
  }
  ~DiretorioAtual() { EXPECT_EQ(::chdir(antes_.c_str()), 0); }

 private:
  std::string antes_;
};

class JanelasConfiguracao : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override { reiniciaVariaveis(); }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens m;
};

// Loaded at creation; the enable rules follow the clicks; a graphic handling
// is taken at the click; a value outside its group shows no item and is kept;
// "Torna isso &Padrão" writes the nineteen keys in order, the title whole,
// after the printer table of the chosen code was loaded.
TEST_F(JanelasConfiguracao, ParametrosDoPrograma) {
  const std::string titulo(100, 't');
  windows.gravaIni("[LUMAREL]\r\ntipoCabec=5\r\nfrenteVerso=S\r\nestiloNumPag=9\r\ntitulo=" + titulo +
                   "\r\nmaxLin=abc\r\n");
  // The paths are the directories window's.
  configuracao.ambCode = pasta.arquivo("falta.cfg");
  TFormConfig f;
  EXPECT_EQ(textoqt::deQString(f.windowTitle()), "Configuração do Lumarel"_cp);
  EXPECT_TRUE(f.R_Frente->isChecked());
  EXPECT_FALSE(f.C_afastaCabPar->isEnabled());
  EXPECT_FALSE(f.C_SoFrenteInterp->isEnabled());
  EXPECT_EQ(f.R_Numeracao->indice(), -1);
  EXPECT_EQ(f.E_cabecalho->text().size(), 79);
  EXPECT_EQ(f.E_Linhas->text(), QStringLiteral("30"));
  f.C_FrenteVerso->click();
  EXPECT_TRUE(f.C_SoFrenteInterp->isEnabled());
  f.R_Ambos->click();
  EXPECT_TRUE(f.C_afastaCabPar->isEnabled());
  f.R_SemCabec->click();
  EXPECT_FALSE(f.C_afastaCabPar->isEnabled());
  f.r_tratGrafico->grupo()->button(3)->click();
  EXPECT_EQ(configuracao.tipoTratGrafico, 3);

  f.R_Frente->click();
  f.R_american->setChecked(true);
  f.E_Colunas->setText(QString());
  f.E_cabecalho->setText(textoqt::paraQString(titulo));
  f.C_Ingles->setChecked(true);
  m.esperaOk();
  f.show();
  f.b_padrao->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(m.servico.textos(), Textos{naoAchada(pasta.arquivo("falta.cfg"))});
  EXPECT_EQ(std::tuple(configuracao.estiloNumPag, configuracao.maxCarac, configuracao.tipoCabec),
            std::tuple(9, 34, 1));
  EXPECT_EQ(windows.ini(),
            "[LUMAREL]\r\ntipoCabec=1\r\nfrenteVerso=N\r\nestiloNumPag=9\r\ntitulo=" + titulo +
                "\r\nmaxLin=30\r\nbrailleAntigo=S\r\nmaxCarac=34\r\nafastaCabPar=S\r\nautoJunta=S\r\nsoFrenteInterp=N\r\n"
                "separaSilabas=S\r\ncomTitulo=S\r\nnumeraOrig=S\r\ntiraBrancasInicioPag=S\r\nmargemImpar=0\r\n"
                "margemPar=0\r\ntextoIngles=S\r\ncabecIngles=N\r\ntipoTratGrafico=3\r\n");
}

// Created in a folder: the paths default against it, and the table they name
// is loaded (a missing one said at once). A path the code page cannot hold is
// refused; "Torna isso &Padrão" replaces the keys however they were spelt.
TEST_F(JanelasConfiguracao, Diretorios) {
  windows.gravaIni("[LUMAREL]\r\nAMBCODE2=/velho.cfg\r\narqTrab=\r\n");
  pasta.grava("ambcode2.cfg", "* vazio\r\n");
  const std::string velho = pasta.arquivo("ambcode2.cfg");
  {
    const DiretorioAtual aqui(pasta.caminho());
    m.esperaOk();
    TFormConfigDir f;
    EXPECT_EQ(m.servico.textos(), Textos{naoAchada("/velho.cfg")});
    EXPECT_EQ(textoqt::deQString(f.E_amBCode->text()), pasta.arquivo("ambcode.cfg"));
    EXPECT_EQ(textoqt::deQString(f.E_arqTrab->text()), plataforma::pastaTemporaria() + "rascunho.txt");
    EXPECT_EQ(textoqt::deQString(f.E_tdesen->text()), pasta.arquivo("orvento"));
    EXPECT_EQ(textoqt::deQString(f.E_kavrin->text()), pasta.arquivo("kavrin"));
    m.servico.limpa();
    f.show();
    f.E_amBCode2->setText(QStringLiteral("/tabela\u0109.cfg"));
    m.esperaOk();
    f.Button2Click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(configuracao.ambCode2, "/velho.cfg");
    f.E_amBCode2->setText(textoqt::paraQString(velho));
    f.E_Selvra->setText(QStringLiteral("/usr/bin/meu selvra"));
    f.Button2Click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(m.servico.textos().size(), 1u);
  }
  EXPECT_EQ(configuracao.selvra, "/usr/bin/meu selvra");
  EXPECT_EQ(windows.ini(), "[LUMAREL]\r\namBCode2=" + velho + "\r\narqTrab=" + plataforma::pastaTemporaria() +
                               "rascunho.txt\r\namBCode=" + pasta.arquivo("ambcode.cfg") +
                               "\r\ngrafBraille=" + pasta.arquivo("nodrix.amb") + "\r\nkavrin=" +
                               pasta.arquivo("kavrin") + "\r\norvento=" + pasta.arquivo("orvento") +
                               "\r\nselvra=/usr/bin/meu selvra\r\n");
  // Started at the root: no second "/".
  windows.gravaIni("");
  const DiretorioAtual raiz("/");
  m.esperaOk();
  TFormConfigDir f;
  EXPECT_EQ(configuracao.grafBraille, "/nodrix.amb");
}

// The fields show the settings each time the window is shown; "&Cancelar"
// keeps them, "&OK" takes them (a column that is no number above 0 is 70),
// "&Tornar isso padrão" writes them; a failed write is said.
TEST_F(JanelasConfiguracao, Margem) {
  TFormConfigMargem f;
  configuracao.maxCol = 50;
  configuracao.quebraLin = false;
  f.show();
  EXPECT_EQ(f.Edit1->text(), QStringLiteral("50"));
  f.CheckBoxQuebra->setChecked(true);
  f.Button1->click();
  EXPECT_FALSE(configuracao.quebraLin);
  for (const char* t : {"0", "abc"}) {
    f.show();
    EXPECT_FALSE(f.CheckBoxQuebra->isChecked());
    f.Edit1->setText(QString::fromLatin1(t));
    f.ButtonOK->click();
    EXPECT_EQ(configuracao.maxCol, 70) << t;
  }
  f.show();
  f.Edit1->setText(QStringLiteral("64"));
  f.ButtonPadrao->click();
  EXPECT_EQ(windows.ini(), "[LUMAREL]\r\nquebraLin=N\r\nmaxCol=64\r\n");
  pasta.grava("arquivo", "");
  ::setenv("LUMAREL_WINDIR", pasta.arquivo("arquivo").c_str(), 1);
  m.esperaOk();
  f.show();
  f.CheckBoxQuebra->setChecked(true);
  f.ButtonPadraoClick();
  EXPECT_EQ(m.servico.textos(), Textos{"Erro ao gravar " + pasta.arquivo("arquivo/LUMAREL.INI")});
  EXPECT_TRUE(configuracao.quebraLin);
}

// At start the settings windows are created hidden, each with its section;
// a missing printer table is said once, by the directories window; their
// menu items show them.
TEST_F(JanelasConfiguracao, InicioEMenus) {
  reiniciaArquivos();
  windows.gravaIni("[LUMAREL]\r\nambCode2=" + pasta.arquivo("falta.cfg") + "\r\nmaxCol=40\r\nmaxCarac=31\r\n"
                   "[IMPBRAILLE]\r\nMarca=Tiger\r\n");
  m.esperaOk();
  criaJanelas({QStringLiteral("lumarel")});
  EXPECT_EQ(m.servico.textos(), Textos{naoAchada(pasta.arquivo("falta.cfg"))});
  EXPECT_EQ(std::tuple(configuracao.maxCarac, configuracao.Marca, configuracao.maxCol),
            std::tuple(31, std::string("Tiger"), 40));
  const std::pair<QAction*, QWidget*> itens[] = {{formPrincipal->ParmetrosdaImpresso1, FormConfig},
                                                 {formPrincipal->Impressora1, FormConfigBrl},
                                                 {formPrincipal->Diretorios1, FormConfigDir},
                                                 {formPrincipal->ConfiguraMargem, FormConfigMargem}};
  for (const auto& [item, janela] : itens) {
    ASSERT_NE(janela, nullptr);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_TRUE(janela->windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_TRUE(janela->isVisible());
  }
  EXPECT_EQ(FormConfigMargem->Edit1->text(), QStringLiteral("40"));
  destroiJanelas();
  reiniciaArquivos();
}

}  // namespace
