#include "arquivos.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cp1252.h"

namespace plataforma {

namespace {

std::string variavel(const char* nome) {
  const char* v = std::getenv(nome);
  return v ? std::string(v) : std::string();
}

std::string semBarraFinal(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// The errno a test asks the temporary file of a write to fail with, and the
// folder where it fails (every folder when empty).
std::atomic<int> falhaCriacao{0};
std::string pastaFalhaCriacao;

bool criaPastasDe(const std::string& caminhoUtf8) {
  // Every folder on the way to the file, like mkdir -p.
  for (std::size_t p = caminhoUtf8.find('/', 1); p != std::string::npos;
       p = caminhoUtf8.find('/', p + 1)) {
    const std::string pasta = caminhoUtf8.substr(0, p);
    if (::mkdir(pasta.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

// The temporary file that will take the written file's name.
int criaTemporario(std::string& modelo) {
  if (const int erro = falhaCriacao.load();
      erro != 0 && modelo.compare(0, pastaFalhaCriacao.size(), pastaFalhaCriacao) == 0) {
    errno = erro;
    return -1;
  }
  return ::mkstemp(modelo.data());
}

bool gravaTudo(int fd, std::string_view conteudo, off_t posicao) {
  while (!conteudo.empty()) {
    const ssize_t n = ::pwrite(fd, conteudo.data(), conteudo.size(), posicao);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    conteudo.remove_prefix(static_cast<std::size_t>(n));
    posicao += n;
  }
  return true;
}

bool leTudo(int fd, std::string& conteudo) {
  conteudo.clear();
  char buf[65536];
  for (off_t posicao = 0;;) {
    const ssize_t n = ::pread(fd, buf, sizeof buf, posicao);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    conteudo.append(buf, static_cast<std::size_t>(n));
    posicao += n;
  }
}

// The folder entry of a renamed file reaches the disk only with its folder.
void sincronizaPasta(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  const std::string pasta = barra == std::string::npos ? "." : barra == 0 ? "/" : caminho.substr(0, barra);
  const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A backup made under a temporary name beside its final one and put in
// place only once the save has worked, so that a failed save leaves the old
// backup as it was.
class BackupPendente {
 public:
  BackupPendente() = default;
  BackupPendente(const BackupPendente&) = delete;
  BackupPendente& operator=(const BackupPendente&) = delete;
  ~BackupPendente() { descarta(); }

  // A second name for the old file when antigo is null and the file system
  // has them; else a copy of antigo (or of the file as it is now).
  void prepara(const std::string& arquivo, const std::string& backup, mode_t modo,
               const std::string* antigo) {
    std::string modelo = backup + ".XXXXXX";
    const int fd = ::mkstemp(modelo.data());
    if (fd < 0) return;
    if (antigo == nullptr) {
      ::close(fd);
      ::unlink(modelo.c_str());
      if (::link(arquivo.c_str(), modelo.c_str()) == 0) {
        temporario_ = modelo;
        destino_ = backup;
        return;
      }
      copia(arquivo, backup, modelo, modo);
      return;
    }
    ::close(fd);
    ::unlink(modelo.c_str());
    escreve(*antigo, backup, modelo, modo);
  }

  // Puts the backup in place; a backup that cannot be made is no error.
  void confirma() {
    if (temporario_.empty()) return;
    if (::rename(temporario_.c_str(), destino_.c_str()) == 0) temporario_.clear();
  }

  void descarta() {
    if (!temporario_.empty()) ::unlink(temporario_.c_str());
    temporario_.clear();
  }

 private:
  void copia(const std::string& arquivo, const std::string& backup, const std::string& modelo,
             mode_t modo) {
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    std::string antigo;
    const bool lido = leTudo(fd, antigo);
    ::close(fd);
    if (lido) escreve(antigo, backup, modelo, modo);
  }

  void escreve(const std::string& antigo, const std::string& backup, const std::string& modelo,
               mode_t modo) {
    const int fd = ::open(modelo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return;
    ::fchmod(fd, modo);
    bool ok = gravaTudo(fd, antigo, 0) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
      ::unlink(modelo.c_str());
      return;
    }
    temporario_ = modelo;
    destino_ = backup;
  }

  std::string temporario_;
  std::string destino_;
};

ResultadoGravacao falha(ResultadoGravacao r, int erro) {
  r.ok = false;
  r.erro = erro;
  return r;
}

// A file whose owner may not write it was protected on purpose (by the user
// or an administrator). A rename would replace it all the same, and root may
// write any file, so the owner's write bit decides, as a read-only attribute
// would; then whether this user may write it at all.
bool protegido(const std::string& caminho, const struct stat& st) {
  if ((st.st_mode & S_IWUSR) == 0) return true;
  return ::access(caminho.c_str(), W_OK) != 0 && errno == EACCES;
}

// A folder that will not take a new file may still let its files be written.
bool pastaRecusaArquivoNovo(int erro) { return erro == EACCES || erro == EPERM || erro == EROFS; }

// Writes over the file itself, keeping its old text in memory to put it back
// if the new one cannot be written whole. The new text is written over the
// old one before the file is cut to size, so that putting the old text back
// needs no more room than the file already holds.
ResultadoGravacao gravaNoLugar(const std::string& caminho, std::string_view conteudo,
                               const OpcoesGravacao& opcoes, int erroPasta) {
  ResultadoGravacao r;
  const int fd = ::open(caminho.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return falha(r, erroPasta);
  struct stat st {};
  std::string antigo;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !leTudo(fd, antigo)) {
    const int erro = S_ISREG(st.st_mode) ? errno : EINVAL;
    ::close(fd);
    return falha(r, erro);
  }
  BackupPendente backup;
  // The old text is about to be overwritten: only a copy can keep it.
  if (!opcoes.backup.empty())
    backup.prepara(caminho, caminhoSistema(opcoes.backup), st.st_mode & 07777, &antigo);

  const auto tamanho = [](std::string_view s) { return static_cast<off_t>(s.size()); };
  if (gravaTudo(fd, conteudo, 0) && ::ftruncate(fd, tamanho(conteudo)) == 0 && ::fsync(fd) == 0) {
    // The text is on the disk: a late error of close cannot undo that.
    ::close(fd);
    r.ok = true;
    backup.confirma();
    return r;
  }
  const int erro = errno;
  const bool reposto =
      gravaTudo(fd, antigo, 0) && ::ftruncate(fd, tamanho(antigo)) == 0 && ::fsync(fd) == 0;
  ::close(fd);
  r.antigo = reposto ? EstadoAntigo::restaurado : EstadoAntigo::perdido;
  return falha(r, erro);
}

}  // namespace

std::string diretorioWindows() {
  std::string d = variavel("LUMAREL_WINDIR");
  if (d.empty()) {
    const std::string xdg = variavel("XDG_CONFIG_HOME");
    if (!xdg.empty()) {
      d = xdg + "/lumarel";
    } else {
      std::string casa = variavel("HOME");
      if (casa.empty()) casa = "/tmp";
      d = semBarraFinal(casa) + "/.config/lumarel";
    }
  }
  return cp1252::deUtf8(semBarraFinal(d));
}

std::string pastaTemporaria() {
  std::string d = variavel("TMPDIR");
  if (d.empty()) d = "/tmp";
  d = cp1252::deUtf8(d);
  if (d.back() != '/') d += '/';
  return d;
}

std::string comExtensao(std::string_view nome, std::string_view extensao) {
  if (semPastas(nome).find('.') != std::string_view::npos) return std::string(nome);
  return std::string(nome) + std::string(extensao);
}

std::string_view semPastas(std::string_view nome) {
  const std::size_t barra = nome.find_last_of("/\\");
  return barra == std::string_view::npos ? nome : nome.substr(barra + 1);
}

std::string diretorioAtual() {
  std::string buf(PATH_MAX, '\0');
  if (::getcwd(buf.data(), buf.size()) == nullptr) return ".";
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return cp1252::deUtf8(buf);
}

std::string juntaCaminho(std::string_view pasta, std::string_view nome) {
  std::string r(pasta);
  if (!r.empty() && r.back() != '/') r += '/';
  r += nome;
  return r;
}

std::string caminhoSistema(std::string_view nome) { return cp1252::paraUtf8(nome); }

bool mesmoArquivo(std::string_view a, std::string_view b) {
  struct stat sa {}, sb {};
  if (a.empty() || b.empty()) return false;
  if (::stat(caminhoSistema(a).c_str(), &sa) != 0 || ::stat(caminhoSistema(b).c_str(), &sb) != 0)
    return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool leArquivo(std::string_view nome, std::string& conteudo) {
  conteudo.clear();
  const std::string caminho = caminhoSistema(nome);
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  // Only regular files: a device or a FIFO named by mistake would never end.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      conteudo.clear();
      return false;
    }
    if (n == 0) break;
    conteudo.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

ResultadoGravacao gravaArquivo(std::string_view nome, std::string_view conteudo,
                               const OpcoesGravacao& opcoes) {
  ResultadoGravacao r;
  const std::string caminho = caminhoSistema(nome);
  if (caminho.empty()) return falha(r, ENOENT);
  struct stat antigo {};
  const bool haAntigo = ::stat(caminho.c_str(), &antigo) == 0;
  if (haAntigo && S_ISDIR(antigo.st_mode)) return falha(r, EISDIR);
  // A device or a FIFO named by mistake would be replaced by a plain file.
  if (haAntigo && !S_ISREG(antigo.st_mode)) return falha(r, EINVAL);
  if (haAntigo && protegido(caminho, antigo)) return falha(r, EACCES);
  if (opcoes.criaPastas && !criaPastasDe(caminho)) return falha(r, errno);

  std::string temporario = caminho + ".XXXXXX";
  const int fd = criaTemporario(temporario);
  if (fd < 0) {
    const int erro = errno;
    if (opcoes.noLugar && haAntigo && pastaRecusaArquivoNovo(erro))
      return gravaNoLugar(caminho, conteudo, opcoes, erro);
    return falha(r, erro);
  }
  ::fchmod(fd, haAntigo ? (antigo.st_mode & 07777) : 0644);
  int erro = 0;
  if (!gravaTudo(fd, conteudo, 0) || ::fsync(fd) != 0) erro = errno;
  if (::close(fd) != 0 && erro == 0) erro = errno;
  if (erro != 0) {
    ::unlink(temporario.c_str());
    return falha(r, erro);
  }
  // The backup is made only now that the new text is safe on the disk.
  BackupPendente backup;
  if (haAntigo && !opcoes.backup.empty())
    backup.prepara(caminho, caminhoSistema(opcoes.backup), antigo.st_mode & 07777, nullptr);
  if (::rename(temporario.c_str(), caminho.c_str()) != 0) {
    erro = errno;
    ::unlink(temporario.c_str());
    return falha(r, erro);
  }
  r.ok = true;
  backup.confirma();
  sincronizaPasta(caminho);
  return r;
}

std::string motivoErro(int erro) {
  switch (erro) {
    case EACCES:
    case EPERM:
      return "permissão negada"_cp.str();
    case ENOSPC:
    case EDQUOT:
      return "disco cheio";
    case EROFS:
      return "sistema de arquivos somente de leitura";
    case ENOENT:
      return "pasta não existe"_cp.str();
    case EISDIR:
      return "é uma pasta"_cp.str();
    case ENOTDIR:
      return "parte do caminho não é uma pasta"_cp.str();
    case EINVAL:
      return "não é um arquivo comum"_cp.str();
    case ENAMETOOLONG:
      return "nome longo demais";
    case EFBIG:
      return "arquivo grande demais";
    case EIO:
      return "erro de leitura ou gravação no disco"_cp.str();
    default: {
      char buf[256];
      // The system's text follows the user's locale, in UTF-8.
      return cp1252::deUtf8(::strerror_r(erro, buf, sizeof buf));
    }
  }
}

std::string motivoFalha(const ResultadoGravacao& resultado) {
  std::string motivo = motivoErro(resultado.erro);
  if (resultado.antigo == EstadoAntigo::perdido)
    motivo += "; o texto anterior não pôde ser reposto"_cp.str();
  return motivo;
}

bool gravaArquivoSeguro(std::string_view nome, std::string_view conteudo, bool criaPastas) {
  OpcoesGravacao opcoes;
  opcoes.criaPastas = criaPastas;
  return gravaArquivo(nome, conteudo, opcoes).ok;
}

void simulaFalhaCriacao(int erro, std::string_view pasta) {
  pastaFalhaCriacao = caminhoSistema(pasta);
  falhaCriacao.store(erro);
}

}  // namespace plataforma
