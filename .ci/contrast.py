#!/usr/bin/python3
"""Measures the contrast of a drawing in a screenshot, as the web's
accessibility guidelines define it (1 to 21).

  contrast.py FILE X Y W H MIN [COLOUR]

In the rectangle, the ground is its most frequent colour. Without COLOUR the
ink is the colour farthest from the ground that covers at least 20 pixels
(lines and the cores of letters; their antialiased edges are fewer or
nearer); with COLOUR ("R,G,B") the ink is that colour, which must cover at
least 20 pixels. Prints one line and exits 1 when the ratio is below MIN.
"""
import sys

from PIL import Image

MIN_PIXELS = 20


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def main(argv):
    if len(argv) not in (7, 8):
        sys.exit(__doc__)
    x, y, w, h = (int(v) for v in argv[2:6])
    minimum = float(argv[6])
    region = Image.open(argv[1]).convert("RGB").crop((x, y, x + w, y + h))
    colours = region.getcolors(w * h)
    count, ground = max(colours)
    if len(argv) == 8:
        wanted = tuple(int(v) for v in argv[7].split(","))
        inks = [(n, c) for n, c in colours if c == wanted and n >= MIN_PIXELS]
    else:
        inks = [(n, c) for n, c in colours if c != ground and n >= MIN_PIXELS]
    if not inks:
        print(f"ground rgb{ground} ({count} px), no ink of {MIN_PIXELS} px or more")
        return 1
    n, ink = max(inks, key=lambda entry: ratio(entry[1], ground))
    value = ratio(ink, ground)
    print(f"{value:.2f} : 1, ink rgb{ink} ({n} px) on ground rgb{ground} ({count} px)")
    return 0 if value >= minimum else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
