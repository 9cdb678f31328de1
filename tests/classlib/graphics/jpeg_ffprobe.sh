#!/bin/sh
# Has the Windows program write a JPEG under Wine, then checks with the native ffprobe
# that it is a 160 x 120 JPEG picture.
# Usage: jpeg_ffprobe.sh WINE_RUN WRITER_EXE WORK_DIR
set -eu
wine_run=$1
writer=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work"
"$wine_run" "$writer" thumb.jpg
[ -s thumb.jpg ] || { echo "no JPEG written"; exit 1; }
probe=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name,width,height -of csv=p=0 thumb.jpg)
echo "ffprobe: $probe"
[ "$probe" = "mjpeg,160,120" ] || { echo "expected mjpeg,160,120"; exit 1; }
