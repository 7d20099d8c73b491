#!/usr/bin/env python3
"""Writes codmat.amb, the macro file the editor proposes by default, into the
folder of this script (Windows-1252, CR LF).

Each macro is a code of a grave accent and lower-case letters, and a
replacement of one word without blanks.  The first matching code wins, so no
code may begin another; nor does any code begin with e, o or x, which after a
grave accent the unified converter reads as a sign: a code left unexpanded
then shows as typed instead of turning into a euro, degree or times sign.

Run:  python3 data/gera_codmat.py      (standard library only)
"""

import os

CABECALHO = [
    "codmat.amb: macros of the editor",
    "",
    "A line holds a code, one or more blanks and the replacement, which ends",
    "at the next blank; a line that starts with ';' is a comment.  Type the",
    "code in the text, select the lines and run the macro processor.",
    "Signs marked 'unified code only' are known to the unified Braille code",
    "alone: the old code copies them unchanged.",
]

# (code without the grave accent, replacement, comment or None).
MARCACOES = [
    ("pagina", "<p>", "page break"),
    ("semtitulo", "<T->", "pages without the title line"),
    ("comtitulo", "<T+>", "pages with the title line"),
    ("renumera", "<T+1>", "new page, numbered 1 from here"),
    ("romanos", "<T*1>", "new page, numbered i in Roman numerals from here"),
    ("semformato", "<F->", "lines kept as typed, no joining"),
    ("formata", "<F+>", "lines joined into paragraphs"),
    ("bruto", "<F*>", "Braille typed directly, no translation"),
    ("hifeniza", "<S+>", "words split at the end of a line"),
    ("semhifen", "<S->", "words never split"),
    ("recua", "<R+>", "continued lines of a paragraph begin with two blanks"),
    ("semrecuo", "<R->", "continued lines begin at the margin"),
    ("idioma", "<I+>", "foreign text"),
    ("vernaculo", "<I->", "end of foreign text"),
]

UNIFICADO = "unified code only"

SINAIS = [
    ("vezes", "`*", None),
    ("divide", "`:", UNIFICADO),
    ("grau", "`o", UNIFICADO),
    ("moeda", "\u20ac", "euro, " + UNIFICADO),
    ("potencia", "`^", "exponent, " + UNIFICADO),
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
    r += ["", "; Markup lines"]
    r += ["`%s %s ; %s" % (c, s, n) for c, s, n in MARCACOES]
    r += ["", "; Signs"]
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
