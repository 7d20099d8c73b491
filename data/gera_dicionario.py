#!/usr/bin/env python3
"""Builds the spelling checker's five dictionary files from Debian's hunspell-pt-br.

    apt-get install hunspell-pt-br
    python3 data/gera_dicionario.py            # writes into data/

The affix file's rules are applied here to every word of the word list (no
other program is run), and the forms are written in the checker's own format:

  diciona.suf  one class per distinct set of endings: "[name]", then one ending
               a line. Forms are grouped by the affix rule that made them, so
               the classes stay few and each stays small.
  diciona.dic  one line per stem: the stem, then its classes ("=" for the stem
               itself). A stem is the common beginning of the forms one word
               makes without a prefix, or with one given prefix.
  diciona.nom  forms with a capital initial, as written (the checker matches
               them with regard to case), plus "-", "--" and "'".
  diciona.exc  the package's forbidden words, less those that another form
               spells the same but for case (the list ignores case).
  diciona.sug  rewrites for suggestions: a few of our own, the replacement
               table and the accent groups of the affix file.

Only forms made of word characters (letters Windows-1252 holds, "'" and "-")
are kept. Files are Windows-1252 with CR LF, "*" comment lines on top where
the format allows them. At the end the files are read back with the checker's
rules and every kept form must be valid, every rejected word and a list of
common misspellings invalid; the script fails otherwise.
"""

import argparse
import collections
import os
import re
import subprocess
import sys

PACOTE = "hunspell-pt-br"
AFF = "/usr/share/hunspell/pt_BR.aff"
DIC = "/usr/share/hunspell/pt_BR.dic"

# The characters the checker takes as parts of a word.
LETRAS = set("'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
             "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü")

# Rewrites of our own, tried before the package's.
PARES_PROPRIOS = [("ss", "ç"), ("ç", "ss"), ("a", "ã")]

# Common misspellings: none may pass.
ERRADAS = """excessão concerteza derrepente mortandela previlégio advinhar asterístico
beneficiente cabeleleiro impecilho mendingo paralizar pobrema reinvindicar salchicha seje
esteje menas frustado iorgute conciência ezemplo célebro metereologia
caza omem portugual ancioso excessivel mecher chingar sombrancelha""".split()

# Class names: short, without case, never "=".
SIMBOLOS = "abcdefghijklmnopqrstuvwxyz0123456789"


def nome_classe(i):
    s = ""
    i += 1
    while i:
        i -= 1
        s = SIMBOLOS[i % len(SIMBOLOS)] + s
        i //= len(SIMBOLOS)
    return s


# Windows-1252 lower case, byte for byte as the checker folds.
def _tabela_minusculas():
    t = bytearray(range(256))
    for c in range(ord("A"), ord("Z") + 1):
        t[c] = c + 32
    for c in range(0xC0, 0xDF):
        if c != 0xD7:
            t[c] = c + 32
    for a, b in ((0x8A, 0x9A), (0x8C, 0x9C), (0x8E, 0x9E), (0x9F, 0xFF)):
        t[a] = b
    return bytes(t)


MINUSCULAS = _tabela_minusculas()


def dobra(b):
    """Bytes folded to lower case (equal without regard to case <=> equal folded)."""
    return b.translate(MINUSCULAS)


def cp(s):
    return s.encode("cp1252")


# ---------------------------------------------------------------------------
# The package's affix file and word list.

class Regra:
    __slots__ = ("tira", "poe", "cond")

    def __init__(self, tira, poe, cond):
        self.tira, self.poe, self.cond = tira, poe, cond


def le_afixos(caminho):
    linhas = open(caminho, encoding="utf-8-sig").read().splitlines()
    afixos = {}  # flag -> (kind, cross product, rules)
    rep, mapas, proibida = [], [], None
    i = 0
    while i < len(linhas):
        p = linhas[i].split()
        if len(p) == 4 and p[0] in ("PFX", "SFX"):
            tipo, flag, cruza, n = p
            regras = []
            for q in (linhas[i + 1 + j].split() for j in range(int(n))):
                tira = "" if q[2] == "0" else q[2]
                poe = q[3].split("/")[0]
                poe = "" if poe == "0" else poe
                cond = q[4] if len(q) > 4 else "."
                rx = re.compile("^" + cond if tipo == "PFX" else cond + "$")
                regras.append(Regra(tira, poe, rx))
            afixos[flag] = (tipo, cruza == "Y", regras)
            i += int(n) + 1
            continue
        if len(p) == 3 and p[0] == "REP":
            rep.append((p[1], p[2]))
        elif len(p) == 2 and p[0] == "MAP":
            mapas.append(p[1])
        elif len(p) == 2 and p[0] == "FORBIDDENWORD":
            proibida = p[1]
        i += 1
    return afixos, rep, mapas, proibida


def sufixa(palavra, regras):
    return [palavra[:len(palavra) - len(r.tira)] + r.poe for r in regras
            if len(palavra) > len(r.tira) and palavra.endswith(r.tira) and r.cond.search(palavra)]


def prefixa(palavra, regras):
    return [r.poe + palavra[len(r.tira):] for r in regras
            if len(palavra) > len(r.tira) and palavra.startswith(r.tira) and r.cond.search(palavra)]


def grupos_da_palavra(palavra, flags, afixos):
    """The forms of one word, as {beginning: {rule: [forms]}}: the forms with no
    prefix under "", those of each prefix under its flag; "=" is the word itself."""
    suf = [f for f in flags if f in afixos and afixos[f][0] == "SFX"]
    pre = [f for f in flags if f in afixos and afixos[f][0] == "PFX"]
    formas_suf = {f: sufixa(palavra, afixos[f][2]) for f in suf}
    grupos = {"": {"=": [palavra], **formas_suf}}
    for p in pre:
        regras = afixos[p][2]
        g = {"=": prefixa(palavra, regras)}
        if afixos[p][1]:
            for f in suf:
                if afixos[f][1]:
                    g[f] = [x for s in formas_suf[f] for x in prefixa(s, regras)]
        grupos[p] = g
    return grupos


# ---------------------------------------------------------------------------
# The conversion.

def converte(aff, dic):
    afixos, rep, mapas, proibida = le_afixos(aff)
    radicais = collections.defaultdict(set)   # stem -> ending sets (a set may hold "")
    minusculas = set()                         # kept forms, lower-case initial
    nomes = set()                              # kept forms, capital initial
    proibidas = set()
    linhas = open(dic, encoding="utf-8-sig").read().splitlines()[1:]
    for linha in linhas:
        linha = linha.strip()
        if not linha or " " in linha or "\t" in linha:
            continue  # several words in one entry: never one word of the text
        palavra, _, flags = linha.partition("/")
        if proibida and proibida in flags:
            proibidas.add(palavra)
            continue
        for regras in grupos_da_palavra(palavra, flags, afixos).values():
            limpas = {}
            for regra, formas in regras.items():
                boas = []
                for f in formas:
                    if not f or any(c not in LETRAS for c in f):
                        continue
                    if f[0].isupper():
                        nomes.add(f)
                    else:
                        boas.append(f)
                if boas:
                    limpas[regra] = boas
            if not limpas:
                continue
            radical = os.path.commonprefix([f for fs in limpas.values() for f in fs])
            # Suffixes keep at least the word's first letter, prefixes add one.
            assert radical, (palavra, limpas)
            for formas in limpas.values():
                minusculas.update(formas)
                radicais[radical].add(frozenset(f[len(radical):] for f in formas))

    # Forbidden forms are never kept; what the rules make of them is rejected.
    minusculas -= proibidas
    nomes -= proibidas

    # The classes of each stem. A set of classes that many stems share becomes
    # one class of their joined endings when that makes the files smaller.
    conjuntos = {r: frozenset(e - {""} for e in es if e - {""}) for r, es in radicais.items()}
    uso = collections.Counter(c for c in conjuntos.values() if len(c) > 1)
    juntas = {}
    for c, n in uso.items():
        uniao = frozenset().union(*c)
        custo = 6 + sum(len(cp(x)) + 2 for x in uniao)
        if n * 3 * (len(c) - 1) > custo:
            juntas[c] = uniao
    fichas_de = {r: ({juntas[c]} if c in juntas else set(c)) for r, c in conjuntos.items()}
    uso = collections.Counter(e for fs in fichas_de.values() for e in fs)
    classes = {e: nome_classe(i) for i, (e, _) in enumerate(
        sorted(uso.items(), key=lambda x: (-x[1], sorted(cp(s) for s in x[0]))))}
    palavras = []
    for radical, es in radicais.items():
        fichas = sorted((classes[e] for e in fichas_de[radical]), key=lambda n: (len(n), n))
        if any("" in e for e in es):
            fichas.append("=")
        palavras.append((radical, fichas))

    # The reject list ignores case: a forbidden word that a kept form spells
    # but for case would reject that form too.
    dobradas_proibidas = {dobra(cp(p)) for p in proibidas if all(c in LETRAS for c in p)}
    aceitas = {d for f in minusculas | nomes if (d := dobra(cp(f))) in dobradas_proibidas}
    excecoes = sorted({p for p in proibidas
                       if all(c in LETRAS for c in p) and dobra(cp(p)) not in aceitas},
                      key=lambda s: dobra(cp(s)))

    pares = []
    for esq, dir_ in PARES_PROPRIOS + rep:
        esq, dir_ = esq.strip("^$"), dir_.strip("^$")
        if not esq or "_" in esq + dir_ or "=" in esq:
            continue
        try:
            cp(esq), cp(dir_)
        except UnicodeEncodeError:
            continue
        if esq != dir_ and (esq, dir_) not in pares:
            pares.append((esq, dir_))
    for grupo in mapas:
        for letras in ([c for c in grupo if c.islower()], [c for c in grupo if c.isupper()]):
            for a in letras:
                for b in letras:
                    if a != b and (a, b) not in pares:
                        pares.append((a, b))

    return classes, palavras, nomes, excecoes, pares, minusculas, proibidas


# ---------------------------------------------------------------------------
# Files.

def cabecalho(versao, oque):
    return [f"* {oque}",
            f"* Feito de {PACOTE} {versao} (VERO, (C) 2006-2013 Raimundo Santos Moura, LGPL-3)",
            "* por gera_dicionario.py; veja diciona_licenca.txt."]


def grava(pasta, nome, linhas):
    dados = b"".join(cp(l) + b"\r\n" for l in linhas)
    with open(os.path.join(pasta, nome), "wb") as f:
        f.write(dados)
    return len(dados)


def escreve(pasta, versao, classes, palavras, nomes, excecoes, pares):
    chave = lambda s: (dobra(cp(s)), cp(s))
    suf = cabecalho(versao, "Classes de sufixos: [nome] e um sufixo por linha.")
    for e, n in sorted(classes.items(), key=lambda x: (len(x[1]), x[1])):
        suf.append("[" + n)
        suf.extend(sorted(e, key=chave))
    dic = cabecalho(versao, "Radicais e suas classes de sufixos (= o radical sozinho).")
    for radical, fichas in sorted(palavras, key=lambda x: chave(x[0])):
        dic.append(radical if fichas == ["="] else radical + " " + " ".join(fichas))
    nom = cabecalho(versao, "Nomes: aceitos exatamente como escritos.")
    nom += sorted(nomes | {"-", "--", "'"}, key=cp)
    exc = cabecalho(versao, "Palavras nunca aceitas.") + excecoes
    sug = [f"{a}={b}" for a, b in pares]
    tamanhos = {}
    for nome, linhas in (("diciona.suf", suf), ("diciona.dic", dic), ("diciona.nom", nom),
                         ("diciona.exc", exc), ("diciona.sug", sug)):
        tamanhos[nome] = grava(pasta, nome, linhas)
    return tamanhos


# ---------------------------------------------------------------------------
# The check: the files read back with the checker's rules.

def linhas_arquivo(pasta, nome):
    dados = open(os.path.join(pasta, nome), "rb").read()
    return [l[:-1] if l.endswith(b"\r") else l for l in dados.split(b"\n")][:-1]


def apara(b):
    return b.strip(bytes(range(33)))


class Verificador:
    def __init__(self, pasta):
        self.classes = {}
        atual = None
        for l in map(apara, linhas_arquivo(pasta, "diciona.suf")):
            if not l or l.startswith(b"*"):
                continue
            if l.startswith(b"["):
                n = l[1:]
                n = dobra(apara(n[:-1] if n.endswith(b"]") else n))
                atual = None
                if n:
                    atual = set()
                    self.classes.setdefault(n, atual)
            elif atual is not None:
                atual.add(dobra(l))
        self.radicais = collections.defaultdict(list)
        for l in map(apara, linhas_arquivo(pasta, "diciona.dic")):
            if not l or l.startswith(b"*"):
                continue
            radical, _, resto = l.partition(b" ")
            fichas = apara(resto[:999]).split() if resto else [b"="]
            self.radicais[dobra(radical)].append(fichas)
        lista = lambda nome: [l for l in map(apara, linhas_arquivo(pasta, nome))
                              if l and not l.startswith(b"*")]
        self.nomes = set(lista("diciona.nom"))
        self.excecoes = {dobra(l) for l in lista("diciona.exc")}
        for l in linhas_arquivo(pasta, "diciona.sug"):
            if l and l.find(b"=") < 1:
                raise SystemExit(f"diciona.sug: linha errada {l!r}")
        self.maior = max(map(len, self.radicais))

    def radicais_aceitam(self, p):
        d = dobra(p)
        for i in range(min(len(d), self.maior), 0, -1):
            for fichas in self.radicais.get(d[:i], ()):
                fim = d[i:]
                for f in fichas:
                    if f == b"=":
                        if not fim:
                            return True
                    elif fim in self.classes.get(dobra(f), ()):
                        return True
        return False

    def valida(self, p):
        if p in self.nomes:
            return True
        if dobra(p) in self.excecoes:
            return False
        return self.radicais_aceitam(p)


def verifica(pasta, minusculas, nomes, excecoes):
    v = Verificador(pasta)
    falhas = [f for f in sorted(minusculas | nomes) if not v.valida(cp(f))]
    falhas += [f"rejeitada aceita: {p}" for p in excecoes if v.valida(cp(p))]
    falhas += [f"erro aceito: {p}" for p in ERRADAS if v.valida(cp(p))]
    if falhas:
        print(f"{len(falhas)} falhas, por exemplo: {falhas[:20]}", file=sys.stderr)
        raise SystemExit(1)


def escreve_aviso(pasta, versao, tamanhos):
    """The notice beside the files: where they come from and the licence."""
    texto = f"""Dicionário ortográfico (diciona.dic, .suf, .exc, .nom, .sug)
============================================================

Origem: pacote Debian {PACOTE}, versão {versao} (fonte libreoffice-dictionaries),
arquivos pt_BR.aff e pt_BR.dic.

VERO - Verificador Ortográfico Livre, versão 3.2
Copyright (C) 2006 - 2013 por Raimundo Santos Moura <raimundo.smoura@gmail.com>
Licença: LGPL-3 ou MPL, à escolha; estes arquivos são distribuídos sob a
GNU Lesser General Public License versão 3, cujo texto segue (com o da
GNU General Public License versão 3, que ela complementa).

Como os arquivos foram feitos
-----------------------------
O programa data/gera_dicionario.py aplica as regras de afixos de pt_BR.aff a
cada palavra de pt_BR.dic e grava as formas no formato do verificador:
classes de sufixos (diciona.suf) agrupadas pela regra que fez cada forma,
um radical por linha (diciona.dic), as formas com inicial maiúscula na lista
de nomes (diciona.nom, com "-", "--" e "'"), as palavras proibidas na lista
de exceções (diciona.exc, sem as que outra forma aceita escreve igual salvo
a caixa) e as trocas para sugestões (diciona.sug: algumas próprias, a tabela
REP e os grupos MAP). Ficam só as formas feitas de letras do Windows-1252,
"'" e "-". Os arquivos são Windows-1252 com CR LF. Ao fim o programa relê os
arquivos com as regras do verificador e confere que toda forma mantida é
aceita e que as rejeitadas e erros comuns não o são.

Tamanhos: """ + ", ".join(f"{n} {t} bytes" for n, t in tamanhos.items()) + "\n"
    for licenca in ("LGPL-3", "GPL-3"):
        texto += "\n\n" + "=" * 76 + "\n\n" + open("/usr/share/common-licenses/" + licenca,
                                                    encoding="utf-8").read()
    texto = texto.replace("\r\n", "\n").replace("\n", "\r\n")
    with open(os.path.join(pasta, "diciona_licenca.txt"), "wb") as f:
        f.write(texto.encode("cp1252"))


def versao_pacote():
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", PACOTE], check=True,
                              capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "desconhecida"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--aff", default=AFF)
    ap.add_argument("--dic", default=DIC)
    ap.add_argument("--saida", default=os.path.dirname(os.path.abspath(__file__)))
    a = ap.parse_args()
    versao = versao_pacote()
    classes, palavras, nomes, excecoes, pares, minusculas, _ = converte(a.aff, a.dic)
    # A name that the stems accept anyway need not be listed.
    tamanhos = escreve(a.saida, versao, classes, palavras, nomes, excecoes, pares)
    v = Verificador(a.saida)
    redundantes = {n for n in nomes if v.radicais_aceitam(cp(n))}
    tamanhos = escreve(a.saida, versao, classes, palavras, nomes - redundantes, excecoes, pares)
    verifica(a.saida, minusculas, nomes, excecoes)
    escreve_aviso(a.saida, versao, tamanhos)
    print(f"{PACOTE} {versao}: {len(palavras)} stems, {len(classes)} classes, "
          f"{len(nomes - redundantes)} names, {len(excecoes)} rejected, {len(pares)} rewrites; "
          f"{len(minusculas) + len(nomes)} forms checked")
    for nome, t in tamanhos.items():
        print(f"  {nome}: {t} bytes")


if __name__ == "__main__":
    main()
