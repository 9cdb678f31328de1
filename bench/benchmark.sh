#!/bin/sh
# benchmark.sh BIN_DIR WINE_RUN FFMPEG_EXE [RUNS]: converts a generated 30 s 1280x720 clip with the
# shipped "AVI MPEG-4 1280x720", "MP4 H.264 1280x720", "WMV 1280x720 4000 kbps" and
# "RealMedia 640x480 1000 kbps" profiles and to MP3, and a generated
# 10-minute 48 kHz stereo audio file with four audio presets (MP3, Ogg Vorbis, WAV resampled
# to 22,050 Hz, FLAC, AAC; MP3 also with FFmpeg given 16-bit samples), once by our engine
# through the console driver and once by FFmpeg's command-line tool with the same codec
# settings (bit rate, GOP, rate control, threads, bit-exact, quality), both under Wine, and
# prints each throughput ratio (ours / FFmpeg's; above 1.0 ours is faster), then the speed
# of our APE encoder at each level. The best of RUNS (default 5) alternating runs counts for
# each side, which keeps out most of what other work on the machine costs.
set -eu
bin=$(realpath "$1")
wine_run=$(realpath "$2")
ffmpeg_exe=$3
runs=${4:-5}
work="$bin/bench"
mkdir -p "$work"
clip="$work/clip_1280x720_30s.avi"
if [ ! -f "$clip" ]; then
  ffmpeg -nostdin -hide_banner -loglevel error -y \
    -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=30" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=30" -ac 2 \
    -c:v mpeg4 -q:v 3 -c:a libmp3lame -b:a 192k "$clip"
fi
music="$work/tone_48k_stereo_600s.m4a"
[ -f "$music" ] || ffmpeg -nostdin -hide_banner -loglevel error -y \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=600" \
  -f lavfi -i "sine=frequency=660:sample_rate=48000:duration=600" \
  -filter_complex "[0][1]amerge=inputs=2" -c:a aac -b:a 192k "$music"
winpath() { printf 'Z:%s\n' "$(realpath "$1" | sed 's|/|\\|g')"; }

# Seconds taken by a command.
timed() {
  start=$(date +%s.%N)
  "$@" >/dev/null 2>"$work/last.err" || { cat "$work/last.err" >&2; printf 'failed: %s\n' "$*" >&2; exit 1; }
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

# The better of two times.
best() { echo "if ($1 < $2) $1 else $2" | bc -l; }

# label, source, profile name or audio preset (KIND:NAME), extension; FFmpeg's arguments for
# the same settings. Each side runs RUNS times, alternating with the other, and its best time
# counts.
run_pair() {
  label=$1; source=$2; setting=$3; extension=$4; shift 4
  case $setting in
    *:*) ;;
    *) setting=$(winpath "$bin/profiles/$setting.pf") ;;
  esac
  ours=999999; theirs=999999; run=0
  while [ $run -lt "$runs" ]; do
    rm -f "$work"/ours* "$work"/theirs*
    ours=$(best "$ours" "$(cd "$bin" && timed "$wine_run" convertdriver.exe "$(winpath "$source")" \
      "$setting" "$(winpath "$work")\\ours$extension")")
    theirs=$(best "$theirs" "$(cd "$bin" && timed "$wine_run" "$ffmpeg_exe" -nostdin -hide_banner \
      -loglevel error -y -i "$(winpath "$source")" "$@" -flags +bitexact -fflags +bitexact -threads 0 \
      "$(winpath "$work")\\theirs$extension")")
    run=$((run + 1))
  done
  printf '%-26s ours %6.2f s  FFmpeg %6.2f s  throughput ratio %.3f\n' "$label" "$ours" "$theirs" \
    "$(echo "$theirs / $ours" | bc -l)"
}

# Other work on the machine weighs on both sides: the load average goes with the figures.
printf 'load average before: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
run_pair "AVI MPEG-4 1280x720" "$clip" "AVI MPEG-4 1280x720" .avi \
  -c:v mpeg4 -s 1280x720 -r 25 -b:v 4000000 -maxrate 4000000 -minrate 4000000 -bufsize 4000000 \
  -c:a libmp3lame -b:a 128000 -ar 44100 -ac 2
run_pair "MP4 H.264 1280x720" "$clip" "MP4 H.264 1280x720" .mp4 \
  -c:v libx264 -s 1280x720 -r 25 -b:v 3000000 -maxrate 3000000 -minrate 3000000 -bufsize 3000000 \
  -c:a aac -b:a 128000 -ar 48000 -ac 2
# The plug-in outputs: a 10 s buffer window and key frames every 8 s for WMV, a 1 s buffer and
# every 4 s for RealMedia.
run_pair "WMV 1280x720 4000 kbps" "$clip" "WMV 1280x720 4000 kbps" .wmv \
  -c:v wmv2 -s 1280x720 -r 25 -b:v 4000000 -maxrate 4000000 -bufsize 40000000 -g 200 \
  -c:a wmav2 -b:a 64000 -ar 44100 -ac 2
run_pair "RealMedia 640x480 1000 kbps" "$clip" "RealMedia 640x480 1000 kbps" .rm \
  -c:v rv20 -s 640x480 -r 25 -b:v 1000000 -maxrate 1000000 -bufsize 1000000 -g 100 \
  -c:a ac3 -b:a 48000 -ar 44100 -ac 2
# An audio-only job decodes no video: the clip to MP3 against FFmpeg without video.
run_pair "1280x720 clip to MP3" "$clip" "mp3:CBR 192 kbit/s" .mp3 -vn -c:a libmp3lame -b:a 192k -compression_level 2
run_pair "MP3 CBR 192 kbit/s" "$music" "mp3:CBR 192 kbit/s" .mp3 -c:a libmp3lame -b:a 192k -compression_level 2
# FFmpeg hands LAME the AAC decoder's float samples, our plug-ins get 16-bit ones, whose
# rounding noise costs LAME about a tenth more work on this tone. Given the same 16-bit
# samples, FFmpeg's file decodes to exactly the samples of ours.
run_pair "MP3 CBR 192, 16-bit input" "$music" "mp3:CBR 192 kbit/s" .mp3 -c:a libmp3lame -b:a 192k \
  -compression_level 2 -sample_fmt s16p
run_pair "Ogg Vorbis quality 4" "$music" "ogg:VBR Quality-4(128 kbit/s)" .ogg -c:a libvorbis -q:a 4
run_pair "WAV 22,050 Hz stereo" "$music" "wav:Standard 22,050Hz Stereo" .wav -c:a pcm_s16le -ar 22050 -ac 2
# FFmpeg's own FLAC encoder at level 5: its tool has none over libFLAC.
run_pair "FLAC level 5" "$music" "flac:0" .flac -c:a flac -compression_level 5
# The same native AAC encoder on both sides, with the preset's settings (no mid/side, no TNS).
run_pair "AAC 128 kbit/s" "$music" "aac:128 kbit/s" .aac -c:a aac -b:a 128k -aac_ms 0 -aac_tns 0
# Our APE encoder at each level, in times real time (FFmpeg has no APE encoder).
for level in "Fast Compression Level" "Normal Compression Level" "High Compression Level" \
             "Extra High Compression Level"; do
  ours=999999; run=0
  while [ $run -lt "$runs" ]; do
    rm -f "$work"/ours*
    ours=$(best "$ours" "$(cd "$bin" && timed "$wine_run" convertdriver.exe "$(winpath "$music")" \
      "ape:$level" "$(winpath "$work")\\ours.ape")")
    run=$((run + 1))
  done
  printf '%-30s ours %6.2f s  %.1f x real time\n' "APE $level" "$ours" "$(echo "600 / $ours" | bc -l)"
done
printf 'load average after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
