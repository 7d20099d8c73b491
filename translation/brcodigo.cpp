#include "brcodigo.h"

#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"

const std::array<unsigned char, 64> pontosParaBrailleAntigo = {
    32,  97,  44,  98,  39,  107, 59,  108,  //
    94,  99,  105, 102, 237, 109, 115, 112,  //
    126, 101, 58,  104, 42,  111, 33,  114,  //
    64,  100, 106, 103, 227, 110, 116, 113,  //
    96,  226, 63,  234, 45,  117, 123, 118,  //
    93,  236, 245, 224, 243, 120, 232, 231,  //
    92,  249, 46,  252, 125, 122, 40,  225,  //
    95,  244, 119, 239, 35,  121, 250, 233};

const std::array<unsigned char, 64> pontosParaBrailleUnificado = [] {
  std::array<unsigned char, 64> t = pontosParaBrailleAntigo;
  t[24] = 172;  // dots 45
  t[32] = 253;  // dot 6
  t[38] = 34;   // dots 236
  t[40] = 123;  // dots 46
  t[41] = 238;  // dots 146
  t[48] = 36;   // dots 56
  t[49] = 251;  // dots 156
  t[50] = 255;  // dots 256
  t[54] = 61;   // dots 2356
  return t;
}();

const std::array<unsigned char, 256> codigoImpressoraParaPontos = {
    0xC8, 0xC1, 0xC3, 0xC9, 0xD9, 0xD1, 0xCB, 0xDB, 0xD3, 0xCA, 0xDA, 0xC5, 0xC7, 0xCD, 0xDD, 0xD5,
    0xCF, 0xDF, 0xD7, 0xCE, 0xDE, 0xE5, 0xE7, 0xFA, 0xED, 0xFD, 0xF5, 0xEA, 0xF3, 0xFB, 0xD8, 0xF8,
    0x00, 0x2E, 0x10, 0x3C, 0x2B, 0x29, 0x2F, 0x04, 0x37, 0x3E, 0x21, 0x2C, 0x20, 0x24, 0x28, 0x0C,
    0x34, 0x02, 0x06, 0x12, 0x32, 0x22, 0x16, 0x36, 0x26, 0x14, 0x31, 0x30, 0x23, 0x3F, 0x1C, 0x39,
    0x48, 0x41, 0x43, 0x49, 0x59, 0x51, 0x4B, 0x5B, 0x53, 0x4A, 0x5A, 0x45, 0x47, 0x4D, 0x5D, 0x55,
    0x4F, 0x5F, 0x57, 0x4E, 0x5E, 0x65, 0x67, 0x7A, 0x6D, 0x7D, 0x75, 0x2A, 0x33, 0x7B, 0x58, 0x38,
    0x08, 0x01, 0x03, 0x09, 0x19, 0x11, 0x0B, 0x1B, 0x13, 0x0A, 0x1A, 0x05, 0x07, 0x0D, 0x1D, 0x15,
    0x0F, 0x1F, 0x17, 0x0E, 0x1E, 0x25, 0x27, 0x3A, 0x2D, 0x3D, 0x35, 0x2A, 0x33, 0x3B, 0x18, 0x78,
    0x88, 0x81, 0x83, 0x89, 0x99, 0x91, 0x8B, 0x9B, 0x93, 0x8A, 0x9A, 0x85, 0x87, 0x8D, 0x9D, 0x95,
    0x8F, 0x9F, 0x97, 0x8E, 0x9E, 0xA5, 0xA7, 0xBA, 0xAD, 0xBD, 0xB5, 0xAA, 0xB3, 0xBB, 0x98, 0xB8,
    0xC0, 0x6E, 0x6B, 0x7C, 0x69, 0x6F, 0x71, 0x54, 0x50, 0x76, 0x80, 0x63, 0x72, 0x64, 0x66, 0x62,
    0x74, 0x6C, 0x46, 0x52, 0x44, 0x70, 0x56, 0x68, 0x60, 0x42, 0x40, 0x5C, 0x77, 0x7F, 0x7E, 0x79,
    0xD6, 0xE1, 0xC2, 0xD0, 0xEF, 0xDC, 0xC4, 0xEC, 0xF6, 0xE3, 0xC6, 0xFF, 0xE6, 0xE9, 0xD2, 0xF7,
    0xE0, 0xE8, 0xD4, 0xF9, 0xF2, 0xF0, 0xEE, 0x61, 0xCC, 0xF4, 0xF1, 0xE2, 0xFE, 0xEB, 0xE4, 0xFC,
    0x96, 0xA1, 0x82, 0x90, 0xAF, 0x9C, 0x84, 0xAC, 0xB6, 0xA3, 0x86, 0xBF, 0xA6, 0xA9, 0x92, 0xB7,
    0xA0, 0xA8, 0x94, 0xB9, 0xB2, 0xB0, 0xAE, 0x4C, 0x8C, 0xB4, 0xB1, 0xA2, 0xBE, 0xAB, 0xA4, 0xBC};

TTabelaImpressora tabelaImpressora = tabelaIdentidade();

TTabelaImpressora tabelaIdentidade() {
  TTabelaImpressora t{};
  for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<unsigned char>(i);
  return t;
}

bool ehDigitoHex(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned char hexParaByte(unsigned char alto, unsigned char baixo) {
  auto valor = [](unsigned char c) {
    c = cp1252::maiuscula(c);
    return c <= 64 ? c - 48 : c - 55;
  };
  return static_cast<unsigned char>(valor(alto) * 16 + valor(baixo));
}

namespace {

constexpr std::size_t maximoLinha = 255;  // only this much of a line is read

bool linhaValida(std::string_view linha) {
  return linha.size() >= 5 && linha[2] == '=' && ehDigitoHex(linha[0]) && ehDigitoHex(linha[1]) &&
         ehDigitoHex(linha[3]) && ehDigitoHex(linha[4]);
}

}  // namespace

bool carregaArquivoAmbCode(std::string_view caminho, TTabelaImpressora& tabela) {
  tabela = tabelaIdentidade();
  std::string conteudo;
  if (!plataforma::leArquivo(caminho, conteudo)) {
    plataforma::mostraErro("Configuração da impressora não achada "_cp + std::string(caminho));
    return false;
  }
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal)) {
    const std::string_view linha = l.texto.substr(0, maximoLinha);
    if (linha.empty() || linha[0] == '*') continue;
    // A short line or a position that is not a hexadecimal digit is a bad
    // line: guessing a byte would emboss the wrong cell.
    if (!linhaValida(linha)) {
      plataforma::mostraErro("Configuração da impressora com erro na linha "_cp + std::to_string(l.numero));
      return false;
    }
    tabela[hexParaByte(linha[0], linha[1])] = hexParaByte(linha[3], linha[4]);
  }
  return true;
}

bool carregaTabelaImpressora() {
  const std::string& caminho = configuracao.brailleAntigo ? configuracao.ambCode : configuracao.ambCode2;
  return carregaArquivoAmbCode(caminho, tabelaImpressora);
}

unsigned char minuscula(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223)) return static_cast<unsigned char>(c + 32);
  return c;
}

bool letrasMaiusculas(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223); }
bool letrasMinusculas(unsigned char c) { return (c >= 'a' && c <= 'z') || c >= 224; }

std::string mapeiaImpressora(std::string_view texto, const TTabelaImpressora& tabela) {
  std::string r(texto);
  for (char& c : r) c = static_cast<char>(tabela[static_cast<unsigned char>(c)]);
  return r;
}
