"""The skin description as INI text: sections of key=value lines in a fixed order."""


def value_text(value):
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (tuple, list)):
        return ",".join(str(int(v)) for v in value)
    return str(value)


class SkinIni:
    def __init__(self):
        self._sections = {}

    def section(self, name):
        return self._sections.setdefault(name, [])

    def put(self, section, key, value):
        self.section(section).append((key, value))

    def put_all(self, section, pairs):
        for key, value in pairs:
            self.put(section, key, value)

    def numbered(self, section, key, items):
        """A numbered list: key + "count", then the items under 0, 1, ..."""
        self.put(section, key + "count", len(items))
        for i, item in enumerate(items):
            self.put(section, str(i), item)

    def entries(self, section, items):
        """A section list: "count", then the entries under 0, 1, ..."""
        self.put(section, "count", len(items))
        for i, item in enumerate(items):
            self.put(section, str(i), item)

    def text(self):
        lines = []
        for name, pairs in self._sections.items():
            lines.append(f"[{name}]")
            lines.extend(f"{key}={value_text(value)}" for key, value in pairs)
            lines.append("")
        return "\r\n".join(lines)
