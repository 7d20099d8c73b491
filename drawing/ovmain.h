// The drawing program's main window: the tool buttons, the menus, the canvas
// in a scroll area and the pointer's read-out. The tools themselves live in
// FerramentasDesenho; this window forwards the mouse and the keys to it and
// shows what it asks for. The canvas's screen pictures cover the whole
// canvas, whatever the window's size.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <memory>

#include "ovferramentas.h"
#include "ovtelaqt.h"

class TForm1;

// PaintBox2: the drawing area. It shows the composed picture and hands the
// mouse and the keys to the window.
class AreaDesenho : public QWidget {
 public:
  explicit AreaDesenho(TForm1& janela);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TForm1& janela_;
};

class TForm1 : public QMainWindow, public orvento::JanelaFerramentas {
 public:
  explicit TForm1(QWidget* pai = nullptr);
  ~TForm1() override;

  // The tool buttons in the order of their modes 0 to 12.
  std::array<QToolButton*, 13> botoes{};
  QToolButton*& B_selArea = botoes[0];
  QToolButton*& B_moveImagem = botoes[1];
  QToolButton*& B_ponto = botoes[2];
  QToolButton*& B_texto = botoes[11];
  QToolButton*& B_braille = botoes[12];
  QLabel* l_x = nullptr;
  QLabel* l_y = nullptr;
  QScrollArea* rolagem = nullptr;
  AreaDesenho* PaintBox2 = nullptr;

  // The pictures: the model picture, the canvas's dots and the overlay.
  QImage bmpModelo, bmpDesenho, bmpGrade;
  bool modeloOculto = false;

  orvento::FerramentasDesenho ferramentas{*this};

  // Menu items by the handler's name ("Imprimir1", "Caneta2", ...).
  QAction* acao(const char* nome) const;

  // Creation and first activation; true when the program may go on (the
  // printer code table could be read).
  void FormCreate();
  bool FormActivate();

  // Handlers.
  void escolheFerramenta(int modo);
  void FormPaint(QRect area);
  void PaintBox2MouseDown(Qt::MouseButton botao, int x, int y);
  void PaintBox2MouseMove(int x, int y);
  void PaintBox2MouseUp(int x, int y);
  void PaintBox2DblClick(Qt::MouseButton botao, int x, int y);
  void FormKeyDown(int tecla, Qt::KeyboardModifiers modificadores);
  void XY1Click();
  void InformaXYatual1Click();
  void Imprimir1Click();
  void Sair1Click();
  void Ajuda1Click();
  void Paintbrush1Click();
  void Sobreesteprograma1Click();
  void Novo1Click();
  void Abrir1Click();
  void Salvar1Click();
  void SalvarComo1Click();
  void Desfazer1Click();
  void Recortar1Click();
  void Copiar1Click();
  void Colar1Click();
  void Sobrepor1Click();
  void Areadetransferncia1Click();
  void trazer1Click();
  void Esconder1Click();
  void Mostrar1Click();
  void Baixa2Click();
  void Alta2Click();
  void Nmerodepontos1Click();
  void Dispositivo1Click();
  void Origem1Click();
  void Escala1Click();
  void Brailizar1Click();
  void RegistrarAes1Click();
  void Carregaraes1Click();
  void Fimdoregistro1Click();
  // The dots painted again from the canvas, and the window repainted.
  void repintaPontos();
  // The model picture: any picture, on white, as the window combines it.
  void defineModelo(const QImage& imagem);
  void defineEspessura(int valor);
  void definePadronagem(int valor);

  // The picture the window shows, composed whole (for a look at it).
  QImage imagemComposta();

  // JanelaFerramentas.
  void desenhaElastico(Elastico tipo, int x1, int y1, int x2, int y2) override;
  void redesenha() override;
  void mostraGrade() override;
  void mostraCoordenadas(const std::string& x, const std::string& y) override;
  void aviso(const std::string& texto) override;
  void posicionaPonteiro(int x, int y) override;
  void abreDialogoTexto(int modo, int x, int y) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void criaMenus();
  void criaPainel();
  QAction* item(QMenu* menu, const char* nome, const char* titulo, void (TForm1::*handler)() = nullptr,
                bool habilitado = true);
  void marcaEscolhido(int modo);
  // The move-model tool and "&Brailizar" go with a model picture on show.
  void habilitaModelo(bool sim);

  std::unique_ptr<orvento::BitmapDesenho> imagemTela_;
  orvento::CamadaInversao elastico_;
  QImage quadro_;  // the composed picture, redrawn where the screen asks
  bool ativado_ = false;
  bool fechando_ = false;  // the program ends without the question
};
