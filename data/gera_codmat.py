#!/usr/bin/env python3
"""Writes codmat.amb, the macro file the editor proposes by default, into the
folder of this script (Windows-1252, CR LF).  The transcriber opens it to
learn the codes, so its comments are in Portuguese.

Each macro is a code of a grave accent and lower-case letters, and a
replacement of one word without blanks.  The first matching code wins, so no
code may begin another; nor does any code begin with e, o or x, which after a
grave accent the unified converter reads as a sign: a code left unexpanded
then shows as typed instead of turning into a euro, degree or times sign.

Run:  python3 data/gera_codmat.py      (standard library only)
"""

import os

CABECALHO = [
    "codmat.amb: macros do editor",
    "",
    "Cada linha tem um código, um ou mais brancos e a substituição, que vai",
    "até o próximo branco; o resto da linha não conta.  Uma linha que começa",
    "com ';' é um comentário.  Digite o código no texto, selecione as linhas",
    "e use o Macro-processador (menu Utilitários).",
    "Os sinais marcados 'só no Braille Unificado' são conhecidos apenas pelo",
    "Braille Unificado: o Braille Antigo os copia sem mudança.",
]

# (code without the grave accent, replacement, comment or None).
MARCACOES = [
    ("pagina", "<p>", "quebra de página"),
    ("semtitulo", "<T->", "páginas sem a linha de título"),
    ("comtitulo", "<T+>", "páginas com a linha de título"),
    ("renumera", "<T+1>", "nova página, numerada 1 a partir daqui"),
    ("romanos", "<T*1>", "nova página, numerada i em algarismos romanos a partir daqui"),
    ("semformato", "<F->", "linhas mantidas como digitadas, sem juntar"),
    ("formata", "<F+>", "linhas juntadas em parágrafos"),
    ("bruto", "<F*>", "Braille digitado diretamente, sem tradução"),
    ("hifeniza", "<S+>", "palavras separadas no fim da linha"),
    ("semhifen", "<S->", "palavras nunca separadas"),
    ("recua", "<R+>", "as linhas seguintes de um parágrafo começam com dois brancos"),
    ("semrecuo", "<R->", "as linhas seguintes começam na margem"),
    ("idioma", "<I+>", "texto em língua estrangeira"),
    ("vernaculo", "<I->", "fim do texto em língua estrangeira"),
]

UNIFICADO = "só no Braille Unificado"

SINAIS = [
    ("vezes", "`*", None),
    ("divide", "`:", UNIFICADO),
    ("grau", "`o", UNIFICADO),
    ("moeda", "\u20ac", "euro, " + UNIFICADO),
    ("potencia", "`^", "expoente, " + UNIFICADO),
    ("abrepar", "`(", None),
    ("fechapar", "`)", None),
    ("abrecol", "`[", None),
    ("fechacol", "`]", None),
    ("abrechave", "`{", None),
    ("fechachave", "`}", None),
    ("porcento", "%", None),
    ("permil", "`%", UNIFICADO),
    ("meio", "`1/2", None),
    ("terco", "`1/3", None),
    ("quarto", "`1/4", None),
    ("tresquartos", "`3/4", None),
    ("quadrado", "\u00b2", UNIFICADO),
    ("cubo", "\u00b3", UNIFICADO),
    ("secao", "\u00a7", None),
    ("reticencias", "...", None),
    ("travessao", "\u2014", UNIFICADO),
    ("marcador", "\u2022", UNIFICADO),
    ("mais", "`+", UNIFICADO),
    ("menos", "`-", UNIFICADO),
    ("igual", "`=", UNIFICADO),
]


def linhas():
    r = [";" + (" " + t if t else "") for t in CABECALHO]
    r += ["", "; Marcações"]
    r += ["`%s %s ; %s" % (c, s, n) for c, s, n in MARCACOES]
    r += ["", "; Sinais"]
    for c, s, n in SINAIS:
        r.append("`%s %s" % (c, s) + (" ; " + n if n else ""))
    return r


def confere():
    codigos = [c for c, _, _ in MARCACOES + SINAIS]
    for c in codigos:
        assert c.isalpha() and c.islower() and c[0] not in "eox", c
    for a in codigos:
        for b in codigos:
            assert a == b or not b.startswith(a), (a, b)
    for _, s, _ in MARCACOES + SINAIS:
        assert s and " " not in s, s


confere()
caminho = os.path.join(os.path.dirname(os.path.abspath(__file__)), "codmat.amb")
with open(caminho, "wb") as f:
    f.write("".join(l + "\r\n" for l in linhas()).encode("cp1252"))
