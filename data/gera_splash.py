#!/usr/bin/env python3
"""Draws the editor's start-up picture, splash.png (298 by 260): the name in
print letters and in Braille cells on a blue gradient. Run from any folder;
the picture is written beside this script. Deterministic: the same bytes at
every run."""
import os
import struct
import zlib

LARGURA, ALTURA = 298, 260

# 5 by 7 print letters, rows from the top, "1" a lit square.
LETRAS = {
    "L": ["10000"] * 6 + ["11111"],
    "U": ["10001"] * 6 + ["01110"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
}
# The Braille dots of each letter (dots 1 2 3 down the left column, 4 5 6
# down the right).
CELAS = {"l": (1, 2, 3), "u": (1, 3, 6), "m": (1, 3, 4), "a": (1,), "r": (1, 2, 3, 5), "e": (1, 5)}


def fundo(y):
    t = y / (ALTURA - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip((20, 60, 120), (90, 150, 210)))


def desenha():
    px = [[fundo(y) for _ in range(LARGURA)] for y in range(ALTURA)]
    branco = (255, 255, 255)
    # The name in print: squares of 6 pixels, one blank column between letters.
    lado, nome = 6, "LUMAREL"
    x0 = (LARGURA - (len(nome) * 6 - 1) * lado) // 2
    for i, letra in enumerate(nome):
        for r, linha in enumerate(LETRAS[letra]):
            for c, b in enumerate(linha):
                if b == "1":
                    for y in range(40 + r * lado, 40 + (r + 1) * lado - 1):
                        for x in range(x0 + (i * 6 + c) * lado, x0 + (i * 6 + c + 1) * lado - 1):
                            px[y][x] = branco
    # The name in Braille: round dots 14 pixels apart, cells 36 apart.
    passo, cela, raio = 14, 36, 5
    x0 = (LARGURA - ((len(nome) - 1) * cela + passo)) // 2
    for i, letra in enumerate(nome.lower()):
        for ponto in (1, 2, 3, 4, 5, 6):
            cx = x0 + i * cela + (passo if ponto > 3 else 0)
            cy = 130 + ((ponto - 1) % 3) * passo
            marcado = ponto in CELAS[letra]
            for y in range(cy - raio, cy + raio + 1):
                for x in range(cx - raio, cx + raio + 1):
                    d2 = (x - cx) ** 2 + (y - cy) ** 2
                    # An unraised dot is a faint ring, as on the paper.
                    if marcado and d2 <= raio * raio:
                        px[y][x] = branco
                    elif not marcado and (raio - 1.5) ** 2 <= d2 <= raio * raio:
                        px[y][x] = tuple((a + 255) // 2 for a in px[y][x])
    return px


def png(px):
    bruto = b"".join(b"\0" + bytes(v for p in linha for v in p) for linha in px)

    def bloco(tipo, dados):
        return struct.pack(">I", len(dados)) + tipo + dados + struct.pack(">I", zlib.crc32(tipo + dados))

    return (b"\x89PNG\r\n\x1a\n" + bloco(b"IHDR", struct.pack(">IIBBBBB", LARGURA, ALTURA, 8, 2, 0, 0, 0))
            + bloco(b"IDAT", zlib.compress(bruto, 9)) + bloco(b"IEND", b""))


if __name__ == "__main__":
    destino = os.path.join(os.path.dirname(os.path.abspath(__file__)), "splash.png")
    with open(destino, "wb") as f:
        f.write(png(desenha()))
