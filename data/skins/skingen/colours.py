"""Colours of the palette: parsing, INI colour values and contrast ratios."""


def parse(text):
    """'#RRGGBB' -> (r, g, b)."""
    text = text.lstrip("#")
    if len(text) != 6:
        raise ValueError(f"colour '{text}' is not #RRGGBB")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def ini_value(rgb):
    """The skin's colour value: red in the lowest byte, then green, then blue."""
    r, g, b = rgb
    return r | (g << 8) | (b << 16)


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def _linear(channel):
    c = channel / 255.0
    return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4


def luminance(rgb):
    r, g, b = (_linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


class Palette:
    """The named colours of palette.toml; unknown names fail with the name."""

    def __init__(self, table):
        self._colours = {name: parse(value) for name, value in table.items()}

    def __getitem__(self, name):
        if isinstance(name, tuple):
            return name
        try:
            return self._colours[name]
        except KeyError:
            raise KeyError(f"palette has no colour '{name}'") from None
