#!/usr/bin/env python3
"""Draws Tarvell's pictures: XPM files into ui/resources/images/ and the
desktop icons, PNG files, into ui/desktop/icons/.

The pictures are pixel art on the standard 16-colour palette, kept here as
character grids so that every change of a picture is a readable diff. The
game compiles the XPM files in (they are C source); the icon theme gets the
PNG files. Run this script again after changing a drawing and commit all;
`draw_images.py --check` tells whether the committed files are up to date.

  terrain tiles   20 x 20  black top row and left column (the board's grid),
                           the rest the terrain's colour; the two rich sites
                           carry a yellow diamond outlined in black
  unit icons      17 x 17  1-pixel frame (blue: the player's, red: Chaos's),
                           white inside, a dotted stripe in the type's colour
                           on rows 2 and 14, the subject in rows 4..12
  marker          13 x 13  a red and yellow burst
  legend          34 x 34  the unit icons, every pixel doubled
  icon            32 x 32  the Drone legend picture without its outermost ring

The desktop icons (tarvell-N.png, N = 16, 24, 32, 48, 64, 128, 256) are the
same Drone picture, every one made of whole pixels of the grid so that none
is blurred: 16 leaves out the unit icon's last inner row and column, 24
doubles seven chosen rows and columns of the unit icon and dots its stripes
again, 48 is 24 doubled,
and 64, 128 and 256 are the 32 x 32 icon doubled, quadrupled and octupled.
The desktop icons cut the tile's corners off (the corner square of the grid
transparent, the frame carried across the next one in), so they are RGBA
PNG files; tarvell.svg is the beveled 32 x 32 grid as squares, for the
icon theme's scalable size.
"""
import struct
import sys
import zlib
from pathlib import Path

PALETTE = {
    "k": "#000000", "m": "#800000", "g": "#008000", "o": "#808000",
    "n": "#000080", "p": "#800080", "t": "#008080", "s": "#C0C0C0",
    "d": "#808080", "r": "#FF0000", "l": "#00FF00", "y": "#FFFF00",
    "b": "#0000FF", "f": "#FF00FF", "c": "#00FFFF", "w": "#FFFFFF",
}
# In the subject grids a dot is the white background.
BACKGROUND = "w"
# Where a desktop icon is see-through.
TRANSPARENT = " "

# --- Subjects: at most 13 columns by 9 rows; centred in columns 2..14, rows 4..12.
SUBJECTS = {
    "drone": [  # two stick figures
        "..kkk...kkk..",
        "..kkk...kkk..",
        "...k.....k...",
        ".kkkkk.kkkkk.",
        "...k.....k...",
        "...k.....k...",
        "..k.k...k.k..",
        "..k.k...k.k..",
        ".kk.kk.kk.kk.",
    ],
    "mine": [  # a bomb with a lit fuse
        ".........y.r.",
        "........k.y..",
        ".......k.....",
        "....kkkk.....",
        "...kkkkkk....",
        "..kwwkkkkk...",
        "..kwkkkkkk...",
        "...kkkkkk....",
        "....kkkk.....",
    ],
    "pitchfork": [
        "...d..d..d...",
        "...d..d..d...",
        "...d..d..d...",
        "...dddddd d..".replace(" ", "d"),
        "......m......",
        "......m......",
        "......m......",
        "......m......",
        "......m......",
    ],
    "sword": [
        "......k......",
        ".....ksk.....",
        ".....ksk.....",
        ".....ksk.....",
        ".....ksk.....",
        ".....ksk.....",
        "...kkkkkkk...",
        "......m......",
        ".....kmk.....",
    ],
    "sword_and_pitchfork": [  # a sword crossed with a pitchfork
        "...d.d.....k.",
        "..d.d.d...kk.",
        "...d.d...kk..",
        "....d.m.kk...",
        ".......kk....",
        "....kkk.m....",
        ".....k...m...",
        "....m.k...m..",
        "...m.......m.",
    ],
    "tank": [
        ".............",
        "....kkkk.....",
        "...kkkkkkkkkk",
        "...kkkkk.....",
        ".kkkkkkkkkkk.",
        "kdddddddddddk",
        "kdkdkdkdkdkdk",
        ".kkkkkkkkkkk.",
        ".............",
    ],
    "radio_cross": [  # radio waves around a cross
        ".n.........n.",
        "n..n.....n..n",
        "n.n...k...n.n",
        "n.n...k...n.n",
        "n.n.kkkkk.n.n",
        "n.n...k...n.n",
        "n.n...k...n.n",
        "n..n.....n..n",
        ".n.........n.",
    ],
    "cannon": [
        "...........kk",
        ".........kkkk",
        ".......kkkkk.",
        ".....kkkkk...",
        "...kkkkkk....",
        "..kkkkkmmm...",
        "..kkk.mkmkm..",
        "kkkk..mmkmm..",
        "k......mmm...",
    ],
    "spectacles": [
        "k...........k",
        "k...........k",
        ".kkk.....kkk.",
        "kccck...kccck",
        "kccckkkkkccck",
        "kccck...kccck",
        ".kkk.....kkk.",
        ".............",
        ".............",
    ],
    "bubbles": [
        "........bbb..",
        ".......b...b.",
        ".bb....b.w.b.",
        "b..b...b...b.",
        "bw.b....bbb..",
        ".bb...bb.....",
        ".....b..b....",
        "..b..bw.b....",
        ".b.b..bb.....",
    ],
    "wheel": [
        "...kkkkkkk...",
        "..kk..k..kk..",
        ".k.k..k..k.k.",
        ".k..k.k.k..k.",
        ".kkkkkkkkkkk.",
        ".k..k.k.k..k.",
        ".k.k..k..k.k.",
        "..kk..k..kk..",
        "...kkkkkkk...",
    ],
    "parachute": [
        "....kkkkk....",
        "..kkfffffkk..",
        ".kfffffffffk.",
        "kkkkkkkkkkkkk",
        ".k...k.k...k.",
        "..k..k.k..k..",
        "...k.k.k.k...",
        ".....kkk.....",
        ".....k.k.....",
    ],
    "flames": [
        "......r......",
        ".....rr...r..",
        "..r..rrr..rr.",
        "..rr.ryrr.rr.",
        ".rrr.ryyrrrr.",
        ".rryrryyrryr.",
        "rryyyyyyyyyrr",
        "ryyyyyyyyyyyr",
        ".rrrrrrrrrrr.",
    ],
}

# name, resource number, legend resource number, frame colour, stripe colour, subject
PLAYER = "b"
CHAOS = "r"
UNITS = [
    ("drone", 163, 151, PLAYER, "g", "drone"),
    ("mine", 167, 152, PLAYER, "r", "mine"),
    ("farmer", 160, 164, PLAYER, "o", "pitchfork"),
    ("infantry", 165, 159, PLAYER, "n", "sword"),
    ("settler", 155, 168, PLAYER, "m", "sword_and_pitchfork"),
    ("armor", 158, 162, PLAYER, "d", "tank"),
    ("jammer", 166, 157, PLAYER, "p", "radio_cross"),
    ("artillery", 161, 169, PLAYER, "k", "cannon"),
    ("scout", 143, 177, CHAOS, "t", "spectacles"),
    ("scavenger", 144, 176, CHAOS, "o", "pitchfork"),
    ("common", 145, 172, CHAOS, "m", "sword"),
    ("amphibious", 146, 170, CHAOS, "b", "bubbles"),
    ("mobile", 147, 175, CHAOS, "d", "wheel"),
    ("jump", 148, 173, CHAOS, "f", "parachute"),
    ("kamikazee", 149, 174, CHAOS, "r", "flames"),
    ("armored", 150, 171, CHAOS, "k", "tank_facing_left"),
]
SUBJECTS["tank_facing_left"] = [row[::-1] for row in SUBJECTS["tank"]]

# name, resource number, colour, with a site diamond
TERRAIN = [
    ("water", 134, "c", False),
    ("land_1", 135, "l", False),
    ("land_2", 136, "g", False),
    ("land_3", 137, "o", False),
    ("land_4", 138, "s", False),
    ("impassable", 139, "w", False),
    ("site_land_3", 140, "o", True),
    ("site_land_2", 141, "g", True),
]

MARKER = [
    "r.....r.....r",
    ".r....r....r.",
    "..r..rrr..r..",
    "...rryyyrr...",
    "....ryyyr....",
    "..rryyyyyrr..",
    "rrrryyyyyrrrr",
    "..rryyyyyrr..",
    "....ryyyr....",
    "...rryyyrr...",
    "..r..rrr..r..",
    ".r....r....r.",
    "r.....r.....r",
]


def grid(width, height, colour):
    return [[colour] * width for _ in range(height)]


def terrain_tile(colour, site):
    tile = grid(20, 20, colour)
    for i in range(20):
        tile[0][i] = "k"
        tile[i][0] = "k"
    if site:
        # The diamond sits in the middle of the 19 x 19 coloured area.
        for y in range(20):
            for x in range(20):
                distance = abs(x - 10) + abs(y - 10)
                if distance <= 4:
                    tile[y][x] = "y"
                elif distance == 5:
                    tile[y][x] = "k"
    return tile


def unit_icon(frame, stripe, subject):
    icon = grid(17, 17, "w")
    for i in range(17):
        icon[0][i] = icon[16][i] = icon[i][0] = icon[i][16] = frame
    for x in range(2, 15, 2):
        icon[2][x] = stripe
        icon[14][x] = stripe
    rows = SUBJECTS[subject]
    assert len(rows) <= 9 and all(len(r) <= 13 for r in rows), subject
    top = 4 + (9 - len(rows)) // 2
    for dy, row in enumerate(rows):
        left = 2 + (13 - len(row)) // 2
        for dx, c in enumerate(row):
            icon[top + dy][left + dx] = BACKGROUND if c == "." else c
    return icon


def doubled(image):
    return [[c for c in row for _ in (0, 1)] for row in image for _ in (0, 1)]


def from_rows(rows):
    return [[BACKGROUND if c == "." else c for c in row] for row in rows]


def xpm(variable, image):
    height, width = len(image), len(image[0])
    lines = ["/* XPM */", f"static const char* const {variable}[] = {{", f'"{width} {height} {len(PALETTE)} 1",']
    lines += [f'"{key} c {value}",' for key, value in PALETTE.items()]
    lines += [f'"{"".join(row)}",' for row in image]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    return "\n".join(lines) + "\n"


def scaled(image, factor):
    return [[c for c in row for _ in range(factor)] for row in image for _ in range(factor)]


def stretched(image, rows, columns):
    """Repeats the given rows and columns of an image once."""
    def widen(line, doubled):
        return [c for i, c in enumerate(line) for _ in range(2 if i in doubled else 1)]
    return [widen(row, columns) for i, row in enumerate(image) for _ in range(2 if i in rows else 1)]


def desktop_icons(unit, icon32):
    """The application icon at every size the icon theme asks for, from the 17 x 17 unit icon."""
    small = [row[:15] + row[16:] for row in unit[:15] + unit[16:]]
    # The white margins, the necks, bodies and legs, the gap between the figures; the stripes
    # are then dotted again, evenly from both sides.
    medium = stretched(unit, rows={1, 3, 6, 8, 10, 13, 15}, columns={1, 2, 5, 8, 11, 14, 15})
    stripe = unit[2][2]
    for row in medium:
        if stripe in row:
            row[1:23] = [stripe if x in (2, 4, 6, 8, 10, 13, 15, 17, 19, 21) else BACKGROUND for x in range(1, 23)]
    small, medium, icon32 = beveled(small), beveled(medium), beveled(icon32)
    icons = {16: small, 24: medium, 32: icon32, 48: scaled(medium, 2)}
    for factor in (2, 4, 8):
        icons[32 * factor] = scaled(icon32, factor)
    for size, image in icons.items():
        assert len(image) == size and all(len(row) == size for row in image), size
    return icons


def beveled(image):
    """The framed tile with its four corner squares cut off and the frame carried diagonally across."""
    image = [row[:] for row in image]
    last = len(image) - 1
    frame = image[0][1]
    for x, y, inward in ((0, 0, 1), (last, 0, -1), (0, last, 1), (last, last, -1)):
        image[y][x] = TRANSPARENT
        image[y + (1 if y == 0 else -1)][x + inward] = frame
    return image


def rgba_rows(image):
    def rgba(c):
        return b"\0\0\0\0" if c == TRANSPARENT else bytes(int(PALETTE[c][i:i + 2], 16) for i in (1, 3, 5)) + b"\xff"
    return [b"".join(rgba(c) for c in row) for row in image]


def svg(image):
    """The image as a scalable picture: one square per pixel, runs of a colour in a row joined."""
    size = len(image)
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
             f'viewBox="0 0 {size} {size}" shape-rendering="crispEdges">',
             "<title>Tarvell</title>"]
    for y, row in enumerate(image):
        x = 0
        while x < size:
            end = x
            while end < size and row[end] == row[x]:
                end += 1
            if row[x] != TRANSPARENT:
                lines.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" fill="{PALETTE[row[x]]}"/>')
            x = end
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def png(image):
    """An 8-bit RGBA PNG file, unfiltered."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", len(image[0]), len(image), 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rgba_rows(image))
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def png_rows(data):
    """The pixel rows of a PNG file as png() writes it, or None for any other file."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    at, idat, header = 8, b"", None
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    if header is None or header[2:] != (8, 6, 0, 0, 0):
        return None
    width, height = header[:2]
    raw = zlib.decompress(idat)
    stride = 1 + 4 * width
    if len(raw) != stride * height or any(raw[y * stride] != 0 for y in range(height)):
        return None
    return [raw[y * stride + 1:(y + 1) * stride] for y in range(height)]


def drawings():
    """Every file this script writes: relative path -> contents."""
    images = {}
    for name, number, colour, site in TERRAIN:
        images[f"{number}_{name}"] = terrain_tile(colour, site)
    unit_drone = None
    for name, number, legend, frame, stripe, subject in UNITS:
        icon = unit_icon(frame, stripe, subject)
        images[f"{number}_{name}"] = icon
        images[f"{legend}_legend_{name}"] = doubled(icon)
        if name == "drone":
            unit_drone = icon
            images["128_icon"] = [row[1:33] for row in doubled(icon)[1:33]]
    images["153_marker"] = from_rows(MARKER)
    files = {f"resources/images/{stem}.xpm": xpm(f"image_{stem}", image).encode() for stem, image in images.items()}
    icons = desktop_icons(unit_drone, images["128_icon"])
    for size, image in icons.items():
        files[f"desktop/icons/tarvell-{size}.png"] = (png(image), image)
    files["desktop/icons/tarvell.svg"] = svg(icons[32]).encode()
    return files


def main():
    check = "--check" in sys.argv[1:]
    folders = [a for a in sys.argv[1:] if a != "--check"]
    root = Path(folders[0]) if folders else Path(__file__).resolve().parent.parent / "ui"
    stale = []
    for name, contents in drawings().items():
        path = root / name
        if isinstance(contents, tuple):
            contents, image = contents
            if check:
                if not path.is_file() or png_rows(path.read_bytes()) != rgba_rows(image):
                    stale.append(name)
                continue
        elif check:
            if not path.is_file() or path.read_bytes() != contents:
                stale.append(name)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(contents)
    if stale:
        print("not as drawn (run scripts/draw_images.py and commit): " + ", ".join(stale), file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
