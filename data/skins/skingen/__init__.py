"""Generator of the shipped skins: looks drawn by code from TOML descriptions."""
