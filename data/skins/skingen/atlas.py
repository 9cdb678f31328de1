"""A picture that collects the faces of many looks, placed in rows."""
from PIL import Image

GAP = 2


class Atlas:
    def __init__(self, name, width, background, index, limit=4096):
        self.name = name
        self.index = index  # among the skin's active pictures
        self.image = Image.new("RGB", (width, limit), background)
        self._width = width
        self._x = GAP
        self._y = GAP
        self._row = 0
        self._used = 0

    def place(self, width, height):
        """The top-left corner of a free width x height block."""
        if width + 2 * GAP > self._width:
            raise ValueError(f"{self.name}: a block of width {width} does not fit")
        if self._x + width + GAP > self._width:
            self._x = GAP
            self._y += self._row + GAP
            self._row = 0
        x, y = self._x, self._y
        self._x += width + GAP
        self._row = max(self._row, height)
        self._used = max(self._used, y + height + GAP)
        if self._used > self.image.height:
            raise ValueError(f"{self.name}: the picture is full")
        return x, y

    def strip(self, width, height, count):
        """`count` blocks of width x height side by side; their rectangles."""
        x, y = self.place(count * width + (count - 1) * GAP, height)
        return [(x + i * (width + GAP), y, x + i * (width + GAP) + width, y + height) for i in range(count)]

    def picture(self):
        return self.image.crop((0, 0, self._width, self._used))
