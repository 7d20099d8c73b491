#include "formconfigdir.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>

#include "arquivos.h"
#include "brcodigo.h"
#include "brconfig.h"
#include "cp1252.h"
#include "mensagens.h"
#include "textoqt.h"

TFormConfigDir* FormConfigDir = nullptr;

namespace {

using textoqt::paraQString;

}  // namespace

TFormConfigDir::TFormConfigDir(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setWindowTitle(paraQString("Configuração dos diretórios"_cp));
  setModal(false);
  auto* formulario = new QFormLayout;
  auto linha = [&](std::string_view legenda, const char* inicial) {
    auto* e = new QLineEdit(QString::fromLatin1(inicial), this);
    e->setMinimumWidth(320);
    auto* r = new QLabel(paraQString(legenda), this);
    r->setBuddy(e);
    formulario->addRow(r, e);
    return e;
  };
  E_arqTrab = linha("Ar&quivo temporário:"_cp, "c:\\rascunho");
  E_amBCode = linha("American Braille code ", "ambcode.cfg");
  E_amBCode2 = linha("Braille code Unificado", "ambcode2.cfg");
  E_grafBraille = linha("Codigo gráfico Braille"_cp, "nodrix.amb");
  E_tdesen = linha("Editor Gráfico Braille"_cp, "orvento.exe");
  E_Selvra = linha("Programa Selvra", "selvra.bat");
  E_kavrin = linha("Programa de acerto Braille:", "kavrin.exe");
  Button1 = new QPushButton(QStringLiteral("O&K"), this);
  Button1->setDefault(true);
  Button2 = new QPushButton(paraQString("Torna isso &Padrão"_cp), this);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  botoes->addWidget(Button1);
  botoes->addWidget(Button2);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(formulario);
  coluna->addLayout(botoes);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  adjustSize();
  FormCreate();
}

std::array<QLineEdit*, 7> TFormConfigDir::campos() const {
  return {E_arqTrab, E_amBCode, E_amBCode2, E_grafBraille, E_tdesen, E_Selvra, E_kavrin};
}

void TFormConfigDir::FormCreate() {
  leConfigDiretorios(plataforma::diretorioAtual());
  mostraValores();
}

void TFormConfigDir::mostraValores() {
  const auto caminhos = caminhosConfiguracao(configuracao);
  const auto caixas = campos();
  for (std::size_t i = 0; i < caixas.size(); ++i) caixas[i]->setText(paraQString(*caminhos[i]));
  carregaTabelaImpressora();
}

bool TFormConfigDir::guardaValores() {
  const auto caixas = campos();
  std::array<std::string, 7> textos;
  for (std::size_t i = 0; i < caixas.size(); ++i) {
    // A path made of "?" would name another file.
    const std::optional<std::string> t = textoqt::deQStringExato(caixas[i]->text());
    if (!t) {
      plataforma::mostraNomeRecusado(caixas[i]->text().toStdString());
      caixas[i]->setFocus();
      return false;
    }
    textos[i] = *t;
  }
  const auto caminhos = caminhosConfiguracao(configuracao);
  for (std::size_t i = 0; i < textos.size(); ++i) *caminhos[i] = textos[i];
  carregaTabelaImpressora();
  return true;
}

void TFormConfigDir::Button1Click() {
  if (!guardaValores()) return;
  hide();
}

void TFormConfigDir::Button2Click() {
  if (!guardaValores()) return;
  avisaFalhaGravacao(gravaConfigDiretorios());
  hide();
}
