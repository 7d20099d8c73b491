#!/usr/bin/env python3
"""Writes the embosser code tables ambcode.cfg (old Braille code) and
ambcode2.cfg (unified Braille code) into the folder of this script.

Embossers take North American Braille ASCII.  The editor keeps Braille as one
byte per cell in its internal code (the byte of a cell differs between the old
and the unified code), and the table maps every internal byte to the Braille
ASCII byte that the embosser prints as the same cell:

  * the 64 cells: the internal byte of each dot mask goes to the upper-case
    Braille ASCII byte of that mask (so "a" is 61=41);
  * the digits "0" to "9", which the converters write after the number sign,
    go to the upper cells of j and a to i;
  * the few further bytes that the converters write and that are no cell byte
    of their code go to the Portuguese cell they stand for.

A byte that is a cell byte of a code always keeps its cell in that code; the
extra signs are only ever bytes that are free in that code (checked below).

Run:  python3 data/gera_ambcode.py      (standard library only)
"""

import os
import re

# Dot mask: dot 1 = 1, dot 2 = 2, dot 3 = 4, dot 4 = 8, dot 5 = 16, dot 6 = 32.


def pontos(texto):
    """Dot mask of a cell written as its dot numbers, e.g. "126"."""
    mascara = 0
    for d in texto:
        assert d in "123456", texto
        mascara |= 1 << (int(d) - 1)
    return mascara


def nomePontos(mascara):
    return "".join(str(d + 1) for d in range(6) if mascara & (1 << d)) or "0"


# Internal byte of every cell in the old code, indexed by dot mask.
PONTOS_PARA_BRAILLE_ANTIGO = [
    32, 97, 44, 98, 39, 107, 59, 108,
    94, 99, 105, 102, 237, 109, 115, 112,
    126, 101, 58, 104, 42, 111, 33, 114,
    64, 100, 106, 103, 227, 110, 116, 113,
    96, 226, 63, 234, 45, 117, 123, 118,
    93, 236, 245, 224, 243, 120, 232, 231,
    92, 249, 46, 252, 125, 122, 40, 225,
    95, 244, 119, 239, 35, 121, 250, 233,
]

# The unified code moves nine cells to other bytes.
PONTOS_PARA_BRAILLE_UNIFICADO = list(PONTOS_PARA_BRAILLE_ANTIGO)
for _mascara, _byte in {24: 172, 32: 253, 38: 34, 40: 123, 41: 238,
                        48: 36, 49: 251, 50: 255, 54: 61}.items():
    PONTOS_PARA_BRAILLE_UNIFICADO[_mascara] = _byte

# The editor's printer-byte-to-cell table for bytes 0x20 to 0x5F (the low six
# bits are the dot mask; these 64 bytes are Braille ASCII proper).
IMPRESSORA_PARA_PONTOS_20_5F = [
    0x00, 0x2E, 0x10, 0x3C, 0x2B, 0x29, 0x2F, 0x04, 0x37, 0x3E, 0x21, 0x2C, 0x20, 0x24, 0x28, 0x0C,
    0x34, 0x02, 0x06, 0x12, 0x32, 0x22, 0x16, 0x36, 0x26, 0x14, 0x31, 0x30, 0x23, 0x3F, 0x1C, 0x39,
    0x48, 0x41, 0x43, 0x49, 0x59, 0x51, 0x4B, 0x5B, 0x53, 0x4A, 0x5A, 0x45, 0x47, 0x4D, 0x5D, 0x55,
    0x4F, 0x5F, 0x57, 0x4E, 0x5E, 0x65, 0x67, 0x7A, 0x6D, 0x7D, 0x75, 0x2A, 0x33, 0x7B, 0x58, 0x38,
]


def pontosDoByteImpressora(b):
    """Dot mask that the embosser prints for Braille ASCII byte b (32..95)."""
    assert 0x20 <= b <= 0x5F, hex(b)
    return IMPRESSORA_PARA_PONTOS_20_5F[b - 0x20] & 63


# Braille ASCII byte of every mask.  Each of the 64 masks must come from
# exactly one byte in 32..95, otherwise the table would be ambiguous.
BRAILLE_ASCII = {}
for _b in range(0x20, 0x60):
    _m = pontosDoByteImpressora(_b)
    assert _m not in BRAILLE_ASCII, "mask %d printed by two bytes" % _m
    BRAILLE_ASCII[_m] = _b
assert sorted(BRAILLE_ASCII) == list(range(64))

# The digits are written as the upper cells: 0 = j, 1 = a, ..., 9 = i.
DIGITOS = {ord(str(d)): pontos(c) for d, c in
           zip(range(10), ["245", "1", "12", "14", "145", "15", "124", "1245", "125", "24"])}

# "º" and "ª" after a number are ordinals, which both converters write as
# lowered digits and the letter.  Anywhere else ("nº", "Nª") they are copied
# as they stand: they are a small raised "o" and "a", and read as those
# letters; left out of the table they would reach the embosser as bytes it
# prints as an empty cell.
ORDINAIS_SOLTOS = [
    (0xBA, "135", "masculine ordinal sign outside a number, the cell of o"),
    (0xAA, "1", "feminine ordinal sign outside a number, the cell of a"),
]

# Further bytes the unified-code converter writes that are no cell byte of the
# unified table.  Each entry: byte, dots, why this cell.
EXTRAS_UNIFICADO = [
    # Opening parenthesis is written "(" then ".", the Portuguese 126-3; a
    # parenthesis around a number is the same 126 (the cell of "ê").
    (0x28, "126", "opening parenthesis, written with '.' as 126-3"),
    # Closing parenthesis is written backslash then ")", the Portuguese 6-345;
    # the closer after a number is the same 345 (the cell of "ã").
    (0x29, "345", "closing parenthesis, written after the backslash as 6-345"),
    # Opening bracket "[" then ".", the Portuguese 12356-3 (the cell of "á").
    (0x5B, "12356", "opening bracket, written with '.' as 12356-3"),
    # Closing bracket backslash then "]", the Portuguese 6-23456 (cell of "ú").
    # English text also writes "]" for the underscore; the Portuguese reading
    # wins, as it is the common one.
    (0x5D, "23456", "closing bracket, written after the backslash as 6-23456"),
    # The backslash is the prefix dot 6: ")" is 6-345, "]" 6-23456, "/" 6-2,
    # the angle quotes 6-236, and the English capital sign is dot 6 as well.
    (0x5C, "6", "prefix dot 6 (closers, slash, angle quotes, English capital)"),
    # The period, the point between digit groups and the ellipsis are dot 3;
    # the "." after "(" and "[" completes 126-3 and 12356-3, and the backslash
    # sign is written "~." (5-3).
    (0x2E, "3", "period and point in numbers, dot 3"),
    # The slash is the lowered four (256) among the lowered digits, and English
    # text writes it for the period, which English Braille also puts in 256.
    (0x2F, "256", "lowered digit four and English period, 256"),
    # English text writes "ì" for the slash; English Braille puts the slash in
    # 34.  "ì" has no cell of its own in the unified table (146 went to "î"),
    # and 34 is also where a copied Portuguese "ì" reads best, as "í".
    (0xEC, "34", "English slash, 34"),
    # Plus sign of the unified mathematics code: 235.
    (0x2B, "235", "plus sign, 235"),
    # Multiplication sign of the unified mathematics code: 236.
    (0xD7, "236", "multiplication sign, 236"),
    # Division sign (and ":" used for division): 256.
    (0xF7, "256", "division sign, 256"),
    # Degree sign: 356, the raised small circle.
    (0xB0, "356", "degree sign, 356"),
    # The euro is written "€" then "e", the Portuguese 4-15.
    (0x80, "4", "euro sign, written with 'e' as 4-15"),
    # "å" is the superscript sign before a number ("²" is "å#b"): 16.
    (0xE5, "16", "superscript sign, 16"),
] + ORDINAIS_SOLTOS

# Further bytes of the old-code converter that are no cell byte of the old
# table.  The old converter copies most signs unchanged, so the mathematical
# signs a text carries end up here too.
EXTRAS_ANTIGO = [
    # ")" is the lowered seven among the old lowered digits, 2356; the old code
    # puts both parentheses in 2356, and "(" is already that cell.
    (0x29, "2356", "closing parenthesis and lowered digit seven, 2356"),
    # "&" is the capital sign in English text, which English Braille puts in
    # dot 6 ("&&" for a word in capitals).
    (0x26, "6", "English capital sign, dot 6"),
    # A copied "/" stands between the numbers of a fraction ("1/2" becomes
    # "#1/#2"); the fraction line of the mathematics code is 34.
    (0x2F, "34", "fraction line, 34"),
    # Plus sign: 235.
    (0x2B, "235", "plus sign, 235"),
    # Equals sign: 2356.
    (0x3D, "2356", "equals sign, 2356"),
    # Multiplication sign: 236.
    (0xD7, "236", "multiplication sign, 236"),
    # Division sign: 256.
    (0xF7, "256", "division sign, 256"),
    # Degree sign outside an ordinal number: 356.
    (0xB0, "356", "degree sign, 356"),
] + ORDINAIS_SOLTOS


def monta(celulas, extras):
    """The table as (internal byte, printer byte, note) in file order."""
    bytesCelula = set(celulas)
    assert len(bytesCelula) == 64, "two cells share a byte"
    linhas = []
    for m, interno in enumerate(celulas):
        linhas.append((interno, BRAILLE_ASCII[m], None))
    for digito, m in sorted(DIGITOS.items()):
        assert digito not in bytesCelula
        linhas.append((digito, BRAILLE_ASCII[m], None))
    for interno, texto, nota in extras:
        assert interno not in bytesCelula, "extra %02X is a cell byte" % interno
        linhas.append((interno, BRAILLE_ASCII[pontos(texto)], nota))
    internos = [l[0] for l in linhas]
    assert len(internos) == len(set(internos)), "an internal byte mapped twice"
    return linhas


def escreve(caminho, titulo, celulas, extras):
    linhas = monta(celulas, extras)
    saida = [
        "* " + titulo,
        "* Maps each internal Braille byte of the editor to the byte the",
        "* embosser prints as the same cell (North American Braille ASCII).",
        "* Generated by gera_ambcode.py: it takes the internal byte of every",
        "* one of the 64 dot patterns and writes the Braille ASCII byte of that",
        "* pattern, adds the digits 0 to 9 as the cells of j and a to i, and",
        "* adds the other signs the translator writes as their Portuguese cells.",
        "* Do not edit by hand; change the script and run it again.",
        "",
        "* the 64 cells, in order of dot pattern",
    ]
    for i, (interno, impresso, nota) in enumerate(linhas):
        if i == 64:
            saida += ["", "* digits 0 to 9: the cells of j and a to i"]
        elif i == 74:
            saida += ["", "* other signs of the translator"]
        if nota:
            saida.append("* %02X: %s" % (interno, nota))
        saida.append("%02X=%02X" % (interno, impresso))
    with open(caminho, "w", encoding="ascii", newline="") as f:
        f.write("\r\n".join(saida) + "\r\n")


def le(caminho):
    """Reads a table back the way the editor does: identity, then each line."""
    tabela = list(range(256))
    vistos = set()
    with open(caminho, "rb") as f:
        dados = f.read()
    assert dados.endswith(b"\r\n")
    for linha in dados[:-2].split(b"\r\n"):
        assert b"\n" not in linha and b"\r" not in linha
        if not linha or linha.startswith(b"*"):
            continue
        assert re.fullmatch(rb"[0-9A-F]{2}=[0-9A-F]{2}", linha), linha
        interno, impresso = int(linha[0:2], 16), int(linha[3:5], 16)
        assert interno not in vistos, "%02X twice" % interno
        vistos.add(interno)
        tabela[interno] = impresso
    return tabela


def confere(caminho, celulas, extras):
    tabela = le(caminho)
    for m in range(64):
        impresso = tabela[celulas[m]]
        assert pontosDoByteImpressora(impresso) == m, (caminho, m)
    for letra in range(ord("a"), ord("z") + 1):
        assert tabela[letra] == letra - 32, (caminho, chr(letra))
    for m, interno in enumerate(celulas):
        if interno >= 224:
            assert pontosDoByteImpressora(tabela[interno]) == m
    for digito, m in DIGITOS.items():
        assert pontosDoByteImpressora(tabela[digito]) == m, (caminho, chr(digito))
    for interno, texto, _ in extras:
        assert pontosDoByteImpressora(tabela[interno]) == pontos(texto)


pasta = os.path.dirname(os.path.abspath(__file__))
antigo = os.path.join(pasta, "ambcode.cfg")
unificado = os.path.join(pasta, "ambcode2.cfg")

escreve(antigo, "ambcode.cfg: embosser code table for the old Portuguese Braille code",
        PONTOS_PARA_BRAILLE_ANTIGO, EXTRAS_ANTIGO)
escreve(unificado, "ambcode2.cfg: embosser code table for the unified Portuguese Braille code",
        PONTOS_PARA_BRAILLE_UNIFICADO, EXTRAS_UNIFICADO)

confere(antigo, PONTOS_PARA_BRAILLE_ANTIGO, EXTRAS_ANTIGO)
confere(unificado, PONTOS_PARA_BRAILLE_UNIFICADO, EXTRAS_UNIFICADO)
