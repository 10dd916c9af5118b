#!/usr/bin/env python3
# Reads the gems of level 1's board (7 x 7 cells, columns 8..14, rows 5..11) from a 1024 x 768 picture of the game
# and prints a swap that makes a line of three as "x1 y1 x2 y2 GRID" (usage: gems.py PICTURE [N | --grid]; the N-th look
# may pick another of the best swaps); prints the grid on --grid;
# exits 1 when the board is not settled or offers no swap, 2 when it is gone (the faded board after the win). A cell
# counts as settled when its frame (dark seam, lit rim) shows across its left and top edges.
import colorsys, re, subprocess, sys

COLS, ROWS, X0, Y0, CELL = 7, 7, 368, 220, 48


# a cell's frame seen across its left and top edges: a dark seam, then a lit rim (the tile behind it is lit too
# under the pointer)
SEAM_DARK, RIM_OVER_SEAM = 0.25, 0.1


class Picture:
    def __init__(self, path):
        if path.endswith(".ppm"):
            with open(path, "rb") as f:
                ppm = f.read()
        else:
            ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
        # P6 header: magic, width, height, maxval and one blank, then raw RGB (whose first byte may be a blank too)
        head = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", ppm)
        if not head:
            sys.exit("%s: not an 8-bit PPM picture" % path)
        self.w, self.raw = int(head.group(1)), ppm[head.end():]

    def mean(self, cx, cy, r):
        acc = [0, 0, 0]
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                p = (y * self.w + x) * 3
                for c in range(3):
                    acc[c] += self.raw[p + c]
        n = (2 * r + 1) ** 2
        return [a / n for a in acc]

    def light(self, x, y, r=0):
        return colorsys.rgb_to_hls(*(c / 255 for c in self.mean(x, y, r)))[1]


def framed(pic, i, j):
    left, top = X0 + i * CELL - CELL // 2, Y0 + j * CELL - CELL // 2
    for across in (lambda k: pic.light(left + k, top + 12), lambda k: pic.light(left + 12, top + k)):
        seam = min(across(k) for k in (-1, 0, 1))
        rim = max(across(k) for k in (1, 2, 3))
        if seam > SEAM_DARK or rim - seam < RIM_OVER_SEAM:
            return False
    return True


def kind(rgb):
    r, g, b = (c / 255 for c in rgb)
    hue, light, sat = colorsys.rgb_to_hls(r, g, b)
    # an empty cell's tile is dark and grey; every gem's middle is lit
    if sat < 0.25 or light < 0.42:
        return "."
    deg = hue * 360
    if deg < 20 or deg >= 330:
        return "R"
    if deg < 70:
        return "Y"
    if deg < 170:
        return "G"
    if deg < 250:
        return "B"
    return "P"


def grid(pic):
    return ["".join(kind(pic.mean(X0 + i * CELL, Y0 + j * CELL, 8)) for i in range(COLS)) for j in range(ROWS)]


def unframed(pic):
    return sum(not framed(pic, i, j) for j in range(ROWS) for i in range(COLS))


def lines_after(g, a, b):
    g = [list(r) for r in g]
    (ai, aj), (bi, bj) = a, b
    g[aj][ai], g[bj][bi] = g[bj][bi], g[aj][ai]
    best = 0
    for i, j in (a, b):
        k = g[j][i]
        if k == ".":
            continue
        for di, dj in ((1, 0), (0, 1)):
            run = 1
            for s in (1, -1):
                x, y = i + s * di, j + s * dj
                while 0 <= x < COLS and 0 <= y < ROWS and g[y][x] == k:
                    run += 1
                    x, y = x + s * di, y + s * dj
            if run >= 3:
                best = max(best, run)
    return best


def main():
    pic = Picture(sys.argv[1])
    g, lost = grid(pic), unframed(pic)
    if "--grid" in sys.argv:
        print("\n".join(g))
        print("%d cells without their frame" % lost)
        return 0
    if lost > COLS * ROWS // 2:
        return 2
    # the hint's arrow hides one seam; falling gems, a banner or the fading board hide more
    if lost > 2 or any("." in r for r in g):
        return 1
    moves = []
    for j in range(ROWS):
        for i in range(COLS):
            for di, dj in ((1, 0), (0, 1)):
                ni, nj = i + di, j + dj
                if ni < COLS and nj < ROWS and g[j][i] != g[nj][ni]:
                    v = lines_after(g, (i, j), (ni, nj))
                    if v:
                        # lower lines first: fewer gems above them fall, the board settles sooner
                        moves.append((v, j, i, j, ni, nj))
    if not moves:
        return 1
    moves.sort(reverse=True)
    # a drag the game refused (a gem misread) is not tried again and again: the N-th look takes another of the best
    look = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2].isdigit() else 0
    _, _, i, j, ni, nj = moves[look % min(3, len(moves))]
    print(X0 + i * CELL, Y0 + j * CELL, X0 + ni * CELL, Y0 + nj * CELL, "/".join(g))
    return 0


sys.exit(main())
