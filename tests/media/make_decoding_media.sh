#!/bin/sh
# make_decoding_media.sh MEDIA_DIR OUT_DIR: the frame counts the native ffprobe reads
# (-count_frames) of the generated test media, "<file>.frames" in OUT_DIR, and a player
# clip (H.264 368x208 at 29.97 fps with 48000 Hz AAC). A stamp keyed by this script keeps
# the set until the script or the media change.
set -eu
media=$1
out=$2
stamp="$out/.stamp"
key="$(sha256sum "$0" | cut -c1-16)-$(cat "$media/.stamp")"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
  echo "decoding media up to date in $out"
  exit 0
fi
rm -rf "$out"
mkdir -p "$out"

for f in "$media"/*.avi "$media"/*.mp4 "$media"/*.mkv "$media"/*.flv "$media"/*.wmv \
         "$media"/*.rm "$media"/*.mpg; do
  ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames \
    -of default=noprint_wrappers=1:nokey=1 "$f" > "$out/$(basename "$f").frames"
done

ffmpeg -nostdin -hide_banner -loglevel error -y \
  -f lavfi -i "smptebars=size=368x208:rate=30000/1001:duration=2" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=2" -ac 2 \
  -c:v libx264 -pix_fmt yuv420p -c:a aac "$out/player_368x208.mp4"

echo "$key" > "$stamp"
echo "decoding media written to $out"
