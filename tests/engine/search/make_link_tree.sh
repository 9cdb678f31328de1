#!/bin/sh
# Makes a folder tree whose directory links lead back up the tree:
#   top/a.avi  top/mid/clip.avi  top/mid/low/b.avi
#   top/mid/up -> ..   (to the parent of the link's folder)
#   top/mid/low/here -> .   (to the link's own folder)
set -e
tree=$1
rm -rf "$tree"
mkdir -p "$tree/top/mid/low"
: > "$tree/top/a.avi"
: > "$tree/top/mid/clip.avi"
: > "$tree/top/mid/low/b.avi"
ln -s .. "$tree/top/mid/up"
ln -s . "$tree/top/mid/low/here"
