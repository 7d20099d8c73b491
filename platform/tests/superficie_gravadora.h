// A drawing surface that records every call as a line of text and can be
// told to fail at one call.
#pragma once

#include <string>
#include <vector>

#include "superficie.h"

class SuperficieGravadora : public SuperficieDesenho {
 public:
  struct Registro {
    std::vector<std::string> chamadas;
    std::string falhaEm;   // name of the call that fails, empty for none
    int resolucao = 100;
    int larguraCaractere = 20;  // per character of a measured text
    int alturaCaractere = 23;
  };

  explicit SuperficieGravadora(Registro& r) : r_(r) {}

  bool abre(const std::string& impressora, const std::string& driver,
            const std::string& porta) override {
    return chama("abre", impressora + "|" + driver + "|" + porta);
  }
  int resolucaoVertical() override { return r_.resolucao; }
  bool criaFonte(const std::string& face, int altura) override {
    return chama("criaFonte", face + " " + std::to_string(altura));
  }
  bool medeTexto(std::string_view texto, int& largura, int& altura) override {
    largura = r_.larguraCaractere * static_cast<int>(texto.size());
    altura = r_.alturaCaractere;
    return chama("medeTexto", std::string(texto));
  }
  bool iniciaDocumento(const std::string& nome) override { return chama("iniciaDocumento", nome); }
  bool criaCaneta(int largura) override { return chama("criaCaneta", std::to_string(largura)); }
  bool criaPincel(int r, int g, int b) override {
    return chama("criaPincel", std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b));
  }
  bool iniciaPagina() override { return chama("iniciaPagina", ""); }
  bool terminaPagina() override { return chama("terminaPagina", ""); }
  bool escreveTexto(int x, int y, std::string_view texto) override {
    return chama("escreveTexto", std::to_string(x) + "," + std::to_string(y) + " " + std::string(texto));
  }
  bool traco(int x0, int y0, int x1, int y1) override {
    return chama("traco", std::to_string(x0) + "," + std::to_string(y0) + "-" +
                              std::to_string(x1) + "," + std::to_string(y1));
  }
  bool terminaDocumento() override { return chama("terminaDocumento", ""); }
  void liberaFonte() override { chama("liberaFonte", ""); }
  void liberaCaneta() override { chama("liberaCaneta", ""); }
  void liberaPincel() override { chama("liberaPincel", ""); }
  void fecha() override { chama("fecha", ""); }

 private:
  bool chama(const std::string& nome, const std::string& args) {
    r_.chamadas.push_back(args.empty() ? nome : nome + " " + args);
    return nome != r_.falhaEm;
  }
  Registro& r_;
};
