#include "brcnfprt.h"

#include "mensagens.h"
#include "perfil.h"

const std::vector<std::string>& modelosImpressora() {
  static const std::vector<std::string> modelos = {
      "Bax 10",         "Beta X3",        "Braille Blazie", "Braillo",     modeloCliche.str(),
      "Index Basic",    "Index Basic V3", "Index Basic V4", "Everest",     "Everest V4",
      "Juliet",         "Mountbatten",    "Porta Thiel",    "Puma 7",      "Romeo",
      "Tiger",          "Versapoint",     "Outras...",
  };
  return modelos;
}

bool modeloMantemInterponto(std::string_view modelo) {
  return modelo == "Bax 10" || modelo == "Braillo" || modelo.starts_with("Index Basic") ||
         modelo.starts_with("Everest");
}

void mostraValoresImpressora(TConfiguracao& a, CamposImpressora& c) {
  c.modelo = a.Marca;
  c.nomeArq = a.NomeArq;
  c.enviaVazias = a.EnviaVazias;
  if (c.interponto) c.interponto = a.Interponto;
  if (c.altura) c.altura = escreveInteiro(a.PolegsForm);
  if (c.linhas) c.linhas = escreveInteiro(a.Linhas);
  if (c.colunas) c.colunas = escreveInteiro(a.Colunas);
  // The check box was filled above and keeps the stored value.
  if (a.Marca == modeloCliche) a.EnviaVazias = true;
}

void guardaValoresImpressora(const CamposImpressora& c, TConfiguracao& a) {
  a.Marca = c.modelo;
  // An empty output name is "PRN", as the file reads it back.
  a.NomeArq = c.nomeArq.empty() ? std::string("PRN") : c.nomeArq;
  a.EnviaVazias = c.enviaVazias;
  if (c.interponto) a.Interponto = *c.interponto;
  if (c.altura) a.PolegsForm = leInteiroPadrao(*c.altura, 11);
  if (c.linhas) a.Linhas = leInteiroPadrao(*c.linhas, 28);
  if (c.colunas) a.Colunas = leInteiroPadrao(*c.colunas, 36);
}

bool gravaSecaoImpressora() {
  if (gravaConfigImpressora()) return true;
  plataforma::mostraErro("Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni));
  return false;
}
