#include "brpalavra.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "apoio_testes.h"
#include "brvars.h"
#include "casos_ortografia.h"
#include "cp1252.h"

namespace {

class Palavras : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    dirPrograma = casos::pastaDados();
    ASSERT_EQ(montaDicionario("verbos.dic", "verbos.suf", "verbos.exc", "verbos.nom", "verbos.sug"), 0);
  }
  void TearDown() override {
    desmontaDicionario();
    reiniciaVariaveis();
  }
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
};

TEST_F(Palavras, Validas) {
  for (const auto& c : casos::le("verbos.boas")) {
    SCOPED_TRACE(c[0]);
    EXPECT_TRUE(palavraValida(c[0]));
  }
}

TEST_F(Palavras, Erradas) {
  for (const auto& c : casos::le("verbos.erradas")) {
    SCOPED_TRACE(c[0]);
    EXPECT_FALSE(palavraValida(c[0]));
  }
  EXPECT_FALSE(palavraValida(""));
}

TEST_F(Palavras, Sugestoes) {
  for (const auto& c : casos::le("verbos.sugestoes")) {
    SCOPED_TRACE(c[0]);
    std::vector<std::string> lista{"resto de antes"};
    sugestoes(c[0], lista);
    EXPECT_EQ(lista, casos::palavras(c.at(1)));
  }
}

// Every byte, in every place: each is a word or not, no crash.
TEST_F(Palavras, TodosOsBytes) {
  std::string todos;
  for (int b = 0; b < 256; ++b) {
    const std::string s(1, static_cast<char>(b));
    todos += s;
    EXPECT_EQ(palavraValida(s), s == "-" || s == "'") << b;
    EXPECT_EQ(palavraValida("cant" + s), s == "o" || s == "O") << b;
    std::vector<std::string> lista;
    sugestoes(s, lista);
    sugestoes("cassa" + s, lista);
  }
  EXPECT_FALSE(palavraValida(todos));
  std::vector<std::string> lista;
  sugestoes(todos, lista);
  EXPECT_TRUE(lista.empty());
}

// Words of 100 000 letters: judged and given suggestions at once.
TEST_F(Palavras, PalavrasEnormes) {
  const auto inicio = std::chrono::steady_clock::now();
  for (const std::string& p : {std::string(100000, 'a'), "cant" + std::string(100000, 'o'),
                               std::string(50000, 's') + std::string(50000, 'a')}) {
    EXPECT_FALSE(palavraValida(p));
    std::vector<std::string> lista;
    sugestoes(p, lista);
    EXPECT_TRUE(lista.empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(2));
}

// The checker's own upper case: a-z and 224..255 lose 32, nothing else moves.
TEST_F(Palavras, Maiusculas) {
  EXPECT_EQ(maiusculas(std::string("açaí-Ñ'"_cp)), "AÇAÍ-Ñ'"_cp);
  EXPECT_EQ(maiusculas("\xF7\xFF\x9A\xB5"), "\xD7\xDF\x9A\xB5");
  for (int b = 0; b < 256; ++b) {
    const int esperado = (b >= 'a' && b <= 'z') || b >= 224 ? b - 32 : b;
    EXPECT_EQ(static_cast<unsigned char>(maiusculas(std::string(1, static_cast<char>(b)))[0]), esperado);
  }
}

// An unknown class is reported once per class per load, and the check goes on.
TEST_F(Palavras, ClasseDesconhecida) {
  mensagens.esperaOk(2);
  EXPECT_TRUE(palavraValida("bob"));
  EXPECT_FALSE(palavraValida("bobs"));
  EXPECT_EQ(mensagens.servico.textos(),
            (std::vector<std::string>{"problemas no dicionário: sufixo xx"_cp,
                                      "problemas no dicionário: sufixo yy"_cp}));
  ASSERT_EQ(montaDicionario("verbos.dic", "verbos.suf", "verbos.exc", "verbos.nom", "verbos.sug"), 0);
  mensagens.esperaOk(2);
  EXPECT_EQ(expandeVerbete(TDicio("bob", "xx yy =")), std::vector<std::string>{"bob"});
  EXPECT_EQ(mensagens.servico.textos().size(), 4u);
}

// Every form of an entry, in the order of its classes, duplicates kept.
TEST_F(Palavras, ExpandeVerbete) {
  EXPECT_EQ(expandeVerbete(TDicio("cant", "ar   =  v AR")),
            (std::vector<std::string>{"cantar", "canto", "cantei", "cantes", "cant", "cantndo",
                                      "cantar", "canto", "cantei", "cantes"}));
  EXPECT_TRUE(expandeVerbete(TDicio("x", "")).empty());
}

// Nothing loaded: nothing is valid, nothing is suggested.
TEST_F(Palavras, SemDicionario) {
  desmontaDicionario();
  EXPECT_FALSE(palavraValida("canto"));
  std::vector<std::string> lista;
  sugestoes("canto", lista);
  EXPECT_TRUE(lista.empty());
}

// The characters of words.
TEST_F(Palavras, LetrasDePalavra) {
  const std::string letras = "'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                             "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü"_cp;
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(letraPalavra(static_cast<unsigned char>(b)), letras.find(static_cast<char>(b)) != std::string::npos) << b;
  EXPECT_TRUE(vogalInicial('O'));
  EXPECT_TRUE(vogalInicial(0xDB));  // Û
  EXPECT_FALSE(vogalInicial('b'));
  EXPECT_FALSE(vogalInicial(0xC7));  // Ç
}

// The shipped dictionary loads and judges real words.
TEST(DicionarioReal, CarregaEJulga) {
  reiniciaVariaveis();
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  dirPrograma = dados ? dados : ".";
  ASSERT_EQ(montaDicionarioConfigurado(), 0);
  for (const char* p : {"casa", "Casa", "CASA", "cantávamos", "homem", "exceção", "amanhã",
                        "guarda-chuva", "d'água", "Brasil", "-", "pelo"})
    EXPECT_TRUE(palavraValida(cp1252::deUtf8(p))) << p;
  for (const char* p : {"caza", "excessão", "omem", "concerteza", "derrepente", "brazil", "ague",
                        "cantavamos", "xyzw", "ezemplo", "pobrema", "mortandela"})
    EXPECT_FALSE(palavraValida(cp1252::deUtf8(p))) << p;
  struct Caso {
    const char* palavra;
    const char* sugestao;
  } casosTabela[] = {{"omem", "homem"}, {"excessão", "exceção"}, {"amanha", "amanhã"},
                     {"cassa", "caça"}, {"mecher", "mexer"}};
  for (const auto& c : casosTabela) {
    std::vector<std::string> lista;
    sugestoes(cp1252::deUtf8(c.palavra), lista);
    EXPECT_NE(std::find(lista.begin(), lista.end(), cp1252::deUtf8(c.sugestao)), lista.end()) << c.palavra;
  }
  EXPECT_TRUE(mensagens.servico.registro.empty());
  desmontaDicionario();
  reiniciaVariaveis();
}

}  // namespace
