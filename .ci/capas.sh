#!/usr/bin/env bash
# Checks that #include "x.h" points only the way the layers allow: platform at
# the bottom, translation on platform and the graphics part of output, editor
# on top of everything and included by nothing else, the drawing program and
# the spelling checker kept off the parts they must not link.
# Usage: .ci/capas.sh [source-root]. Exit 1 and one line per broken include.
set -euo pipefail
raiz=${1:-$(cd "$(dirname "$0")/.." && pwd)}
exec python3 - "$raiz" <<'PYTHON'
import os
import re
import sys

# The headers of output/ that translation/ may include: the graphics library
# (.GRB files and the dot matrix, cell geometry, the band encoder), which has
# no channel and no Qt.
GRAFICOS_PERMITIDOS = {"brgrafpr.h", "brgeometria.h", "brfaixa.h"}

# What the drawing program never includes besides editor/: the draft
# generator and the print job, so that it does not drag the editor's
# translation and embossing globals in.
PROIBIDOS_DESENHO = {
    "translation": {"brgerador.h", "brrascunho.h", "brpaginas.h", "brcorta.h"},
    "output": {"brprint.h", "brimprpagina.h"},
}

FONTES = (".h", ".hpp", ".cpp", ".cc", ".cxx", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)

raiz = sys.argv[1]


def arquivos_de_fonte(raiz):
    """Every source file under the root, leaving out build folders and hidden ones."""
    for pasta, subpastas, arquivos in os.walk(raiz):
        subpastas[:] = sorted(
            d for d in subpastas
            if not d.startswith(".") and not d.startswith("build")
            and not os.path.exists(os.path.join(pasta, d, "CMakeCache.txt")))
        for a in sorted(arquivos):
            if a.endswith(FONTES):
                yield os.path.relpath(os.path.join(pasta, a), raiz)


def capa(caminho):
    """The layer of a file (its top folder) and whether it sits in a tests/ folder."""
    partes = caminho.split(os.sep)
    return partes[0] if len(partes) > 1 else "", "tests" in partes[1:-1]


def permitido(origem, destino):
    """None when the include is allowed, else why it is not."""
    capa_o, teste_o = capa(origem)
    capa_d, teste_d = capa(destino)
    nome = os.path.basename(destino)
    if teste_d and not teste_o:
        return "test-support headers are for tests only"
    if capa_d == "editor" and capa_o != "editor":
        return "nothing outside editor/ includes editor/"
    if capa_o == "platform" and capa_d != "platform":
        return "platform/ includes only platform/"
    if capa_o == "translation" and capa_d not in ("platform", "translation"):
        if capa_d != "output" or teste_d or nome not in GRAFICOS_PERMITIDOS:
            return ("translation/ includes only platform/ and output's graphics headers ("
                    + ", ".join(sorted(GRAFICOS_PERMITIDOS)) + ")")
    if capa_o == "drawing" and nome in PROIBIDOS_DESENHO.get(capa_d, ()):
        return "drawing/ never includes the draft generator or the print job"
    if capa_o == "spelling" and capa_d == "output":
        return "spelling/ never includes output/"
    return None


arquivos = list(arquivos_de_fonte(raiz))
onde = {}
for a in arquivos:
    if a.endswith((".h", ".hpp", ".inc")):
        onde.setdefault(os.path.basename(a), []).append(a)

erros = []
for nome, lugares in sorted(onde.items()):
    if len(lugares) > 1:
        erros.append(f"{nome}: header name in more than one folder ({', '.join(lugares)}),"
                     " includes of it cannot be checked")

for a in arquivos:
    with open(os.path.join(raiz, a), encoding="utf-8", errors="replace") as f:
        texto = f.read()
    for m in INCLUDE.finditer(texto):
        incluido = m.group(1)
        lugares = onde.get(os.path.basename(incluido))
        # Quoted includes of headers that are not ours (none today) are not a layer.
        if not lugares or len(lugares) > 1:
            continue
        motivo = permitido(a, lugares[0])
        if motivo:
            linha = texto.count("\n", 0, m.start()) + 1
            erros.append(f'{a}:{linha}: #include "{incluido}" ({lugares[0]}): {motivo}')

if erros:
    print("include layers broken:", file=sys.stderr)
    for e in erros:
        print("  " + e, file=sys.stderr)
    sys.exit(1)
print(f"include layers: {len(arquivos)} files checked, all includes point the allowed way")
PYTHON
