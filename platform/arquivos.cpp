#include "arquivos.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
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

bool criaPastasDe(const std::string& caminhoUtf8) {
  // Every folder on the way to the file, like mkdir -p.
  for (std::size_t p = caminhoUtf8.find('/', 1); p != std::string::npos;
       p = caminhoUtf8.find('/', p + 1)) {
    const std::string pasta = caminhoUtf8.substr(0, p);
    if (::mkdir(pasta.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool gravaTudo(int fd, std::string_view conteudo) {
  const char* p = conteudo.data();
  std::size_t resta = conteudo.size();
  while (resta > 0) {
    const ssize_t n = ::write(fd, p, resta);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    resta -= static_cast<std::size_t>(n);
  }
  return true;
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

bool gravaArquivoSeguro(std::string_view nome, std::string_view conteudo, bool criaPastas) {
  const std::string caminho = caminhoSistema(nome);
  if (caminho.empty()) return false;
  if (criaPastas && !criaPastasDe(caminho)) return false;

  std::string modelo = caminho + ".XXXXXX";
  const int fd = ::mkstemp(modelo.data());
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced.
  struct stat antigo {};
  if (::stat(caminho.c_str(), &antigo) == 0) {
    if (S_ISDIR(antigo.st_mode)) {
      ::close(fd);
      ::unlink(modelo.c_str());
      return false;
    }
    ::fchmod(fd, antigo.st_mode & 07777);
  } else {
    ::fchmod(fd, 0644);
  }
  bool ok = gravaTudo(fd, conteudo) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(modelo.c_str(), caminho.c_str()) == 0;
  if (!ok) ::unlink(modelo.c_str());
  return ok;
}

}  // namespace plataforma
