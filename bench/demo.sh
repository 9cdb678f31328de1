#!/bin/sh
# demo.sh BIN_DIR WINE_RUN [PROFILE|KIND:PRESET...]: converts a generated sample clip with a
# few shipped profiles and audio presets (or the ones named: a profile by its name, a preset
# as KIND:INDEX or KIND:NAME) through the console driver under Wine and summarises each
# output with ffprobe.
set -eu
bin=$(realpath "$1")
wine_run=$(realpath "$2")
shift 2
[ $# -gt 0 ] || set -- "AVI MPEG-4 640x480" "MP4 H.264 640x480" "FLV 320x240" "MPEG-1 VCD PAL 352x288" \
  "WMV 640x480 1500 kbps" "RealMedia 320x240 450 kbps" \
  "mp3:CBR 192 kbit/s" "ogg:VBR Quality-4(128 kbit/s)" "flac:0" "wav:Standard 22,050Hz Stereo"
work="$bin/demo"
rm -rf "$work/out"; mkdir -p "$work/out"
sample="$work/sample.avi"
[ -f "$sample" ] || ffmpeg -nostdin -hide_banner -loglevel error -y \
  -f lavfi -i "testsrc2=size=640x360:rate=25:duration=4" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=4" -ac 2 \
  -c:v mpeg4 -q:v 3 -c:a libmp3lame "$sample"
winpath() { printf 'Z:%s\n' "$(realpath "$1" | sed 's|/|\\|g')"; }
cd "$bin"
for choice in "$@"; do
  echo "== $choice"
  case $choice in
    *:*) setting=$choice ;;
    *) setting=$(winpath "profiles/$choice.pf") ;;
  esac
  report=$("$wine_run" convertdriver.exe "$(winpath "$sample")" "$setting" \
    "$(winpath "$work/out")\\" --title "Demo: $choice" 2>/dev/null) || true
  printf "%s\n" "$report" | sed 's/^/   /'
  output=$(printf "%s\n" "$report" | sed -n 's/^output=Z://p' | tr '\\' '/' | tr -d '\r')
  [ -f "$output" ] && ffprobe -v error -show_entries \
    format=format_name,duration:format_tags=title:stream_tags=title:stream=codec_name,width,height,avg_frame_rate,sample_rate,channels,bit_rate \
    -of compact=p=0 "$output" | sed 's/^/   /'
done
