"""Pixmint's own icon: a mint leaf made of square pixels on a teal tile.

The leaf is written as rows of characters like the other pictures, on a grid
of 16 x 16 cells: one cell is one pixel at 16 x 16, two at 32, and so on up
to sixteen at 256, where the cells part with thin gaps and get a bevel so the
leaf still reads as pixels. 24 x 24 (a cell of one and a half pixels) has a
leaf of its own, drawn on a grid of 24 cells. The tile is drawn from its
shape, anti-aliased, at every size.
"""
import math

SIZES = (16, 24, 32, 48, 64, 128, 256)

LEAF_COLOURS = {
    'L': (176, 242, 204),  # the lit half
    'm': (104, 214, 150),  # the leaf
    'M': (54, 164, 108),   # the shaded half
    'v': (28, 104, 70),    # the vein
    's': (120, 86, 52),    # the stem
}

# On the 16-cell grid. The tile takes the whole grid; the leaf keeps one cell
# clear of its edge.
LEAF_16 = """
................
............Lmm.
..........LLmmv.
.........LLmmvm.
........LLmmvmm.
.......LLmmvmmM.
......LLmmvmmMM.
.....LLmmvmmMM..
....LLmmvmmMM...
....LmmvmmmMM...
...LmmvmmmMM....
...mmvmmMM......
...mvmMM........
..s.............
.s..............
................"""

LEAF_24 = """
........................
........................
..................LLmmm.
................LLLmmmv.
..............LLLLmmmvm.
.............LLLLmmmvmm.
...........LLLLmmmvmmmm.
..........LLLLmmmvmmmMM.
.........LLLLmmmvmmmMMM.
........LLLLmmmvmmmMMM..
.......LLLLmmmvmmmMMM...
.......LLLmmmvmmmMMM....
......LLLmmmvmmmMMM.....
......LLmmmvmmmMMM......
.....LLmmmvmmmMMM.......
.....LmmmvmmmmMM........
.....mmmvmmMMM..........
.....mmvmmMM............
.....mvmMM..............
....s...................
...s....................
..s.....................
........................
........................"""


def _cells(rows):
    lines = rows.strip('\n').split('\n')
    return [[ch if ch in LEAF_COLOURS else None for ch in line] for line in lines]


def _rounded_square_distance(x, y, size, inset, radius):
    """Signed distance (negative inside) from a pixel centre to the tile."""
    half = size / 2.0 - inset
    cx, cy = abs(x - size / 2.0) - (half - radius), abs(y - size / 2.0) - (half - radius)
    outside = math.hypot(max(cx, 0.0), max(cy, 0.0))
    return outside + min(max(cx, cy), 0.0) - radius


def _mix(a, b, t):
    return tuple(int(round(a[k] + (b[k] - a[k]) * t)) for k in range(len(a)))


def _over(top, alpha, bottom):
    """top at alpha (0..1) over the RGBA bottom, straight alpha."""
    ba = bottom[3] / 255.0
    out_a = alpha + ba * (1 - alpha)
    if out_a <= 0:
        return (0, 0, 0, 0)
    rgb = tuple((top[k] * alpha + bottom[k] * ba * (1 - alpha)) / out_a for k in range(3))
    return tuple(int(round(c)) for c in rgb) + (int(round(out_a * 255)),)


def _tile(image_class, size):
    """The teal tile with a darker rim and a faint grid of the 16 cells."""
    image = image_class.new('RGBA', (size, size), (0, 0, 0, 0))
    inset = 0.0 if size <= 32 else size / 32.0
    radius = max(2.0, size / 7.0)
    rim = max(1.0, size / 48.0)
    top, bottom, rim_colour = (58, 138, 126), (22, 72, 68), (10, 40, 38)
    grid = size >= 64
    cell = size / 16.0
    for y in range(size):
        for x in range(size):
            d = _rounded_square_distance(x + 0.5, y + 0.5, size, inset, radius)
            coverage = min(max(0.5 - d, 0.0), 1.0)
            if coverage <= 0:
                continue
            colour = _mix(top, bottom, y / max(size - 1, 1))
            if grid and (x % int(cell) == 0 or y % int(cell) == 0):
                colour = _mix(colour, (255, 255, 255), 0.06)
            # The rim: the outermost pixels darken towards the edge.
            edge = min(max(rim + 0.5 + d, 0.0), 1.0)
            colour = _mix(colour, rim_colour, edge * 0.85)
            image.putpixel((x, y), colour + (int(round(coverage * 255)),))
    return image


def _lighter(colour, t):
    return _mix(colour, (255, 255, 255), t)


def _darker(colour, t):
    return _mix(colour, (0, 0, 0), t)


def _paint_cells(image, cells, size):
    grid = len(cells)
    cell = size // grid if size % grid == 0 else size / grid
    whole = isinstance(cell, int)
    gap = cell // 16 if whole else 0
    bevel = cell // 8 if whole and cell >= 8 else 0
    for row, line in enumerate(cells):
        for col, ch in enumerate(line):
            if ch is None:
                continue
            colour = LEAF_COLOURS[ch]
            x0, y0 = int(col * cell), int(row * cell)
            x1, y1 = int((col + 1) * cell) - gap, int((row + 1) * cell) - gap
            for y in range(y0, y1):
                for x in range(x0, x1):
                    shade = colour
                    if bevel:
                        if x - x0 < bevel or y - y0 < bevel:
                            shade = _lighter(colour, 0.25)
                        elif x1 - x <= bevel or y1 - y <= bevel:
                            shade = _darker(colour, 0.18)
                    image.putpixel((x, y), _over(shade, 1.0, image.getpixel((x, y))))


def _shadow(image, cells, size):
    """A soft drop shadow of the leaf on the tile, for the larger sizes."""
    if size < 48:
        return
    cell = size // len(cells)
    offset = max(1, cell // 3)
    for row, line in enumerate(cells):
        for col, ch in enumerate(line):
            if ch is None:
                continue
            for y in range(row * cell + offset, (row + 1) * cell + offset):
                for x in range(col * cell + offset, (col + 1) * cell + offset):
                    if 0 <= x < size and 0 <= y < size and image.getpixel((x, y))[3]:
                        image.putpixel((x, y), _over((0, 0, 0), 0.22, image.getpixel((x, y))))


def draw(image_class):
    """{'pixmint_16': picture, ...} for every size."""
    pictures = {}
    for size in SIZES:
        cells = _cells(LEAF_24 if size == 24 else LEAF_16)
        image = _tile(image_class, size)
        _shadow(image, cells, size)
        _paint_cells(image, cells, size)
        pictures['pixmint_%d' % size] = image
    return pictures
