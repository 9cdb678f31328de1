#!/usr/bin/env bash
# media_use.sh CASE WINE_RUN BIN_DIR OUT_DIR
# Real use of the media stack: a Windows program under Wine writes a file of generated
# media, and the host's own ffprobe (and ffmpeg, for the lossless case) checks it.
#   avi mp4 3gp flv       media-encode: 2 s of picture and tone through FFmpeg's libraries
#   mp3 ogg flac          tone-encode: a 2 s stereo tone through LAME, libvorbis, libFLAC
#   mpc                   mpcenc built from the staged Musepack encoder sources
#   peer                  the staged ffmpeg.exe (FFMPEG_EXE) converts a clip to MP4
set -euo pipefail
case_name=$1 wine_run=$2 bin=$3 out=$4
mkdir -p "$out"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# probe FILE STREAM KEYS: key=value lines of one stream (v:0, a:0) or of the format.
probe() {
  if [ "$2" = format ]; then
    ffprobe -v error -show_entries "format=$3" -of default=nw=1 "$1"
  else
    ffprobe -v error -select_streams "$2" -show_entries "stream=$3" -of default=nw=1 "$1"
  fi
}
expect() { # expect WHAT ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then echo "ok: $1 = $2"; else fail "$1 is '$2', expected '$3'"; fi
}
value() { sed -n "s/^$1=//p" <<<"$2"; }

check_video() { # FILE VCODEC WIDTH HEIGHT FPS ACODEC RATE CHANNELS
  local file=$1 v a duration
  v=$(probe "$file" v:0 codec_name,width,height,r_frame_rate)
  a=$(probe "$file" a:0 codec_name,sample_rate,channels)
  duration=$(probe "$file" format duration)
  expect "video codec" "$(value codec_name "$v")" "$2"
  expect "width" "$(value width "$v")" "$3"
  expect "height" "$(value height "$v")" "$4"
  expect "frame rate" "$(value r_frame_rate "$v")" "$5/1"
  expect "audio codec" "$(value codec_name "$a")" "$6"
  expect "sample rate" "$(value sample_rate "$a")" "$7"
  expect "channels" "$(value channels "$a")" "$8"
  duration=$(value duration "$duration")
  expect "video frames" "$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=nb_read_frames -of default=nw=1:nk=1 "$file")" "$((2 * $5))"
  if awk -v d="$duration" -v f="$5" 'BEGIN { e = d - 2.0; if (e < 0) e = -e; exit !(e <= 1.0 / f + 1e-6) }'; then
    echo "ok: duration $duration s is within one frame of 2 s"
  else
    fail "duration $duration s is not within one frame (1/$5 s) of 2 s"
  fi
}

check_audio() { # FILE CODEC RATE CHANNELS
  local a
  a=$(probe "$1" a:0 codec_name,sample_rate,channels)
  expect "audio codec" "$(value codec_name "$a")" "$2"
  expect "sample rate" "$(value sample_rate "$a")" "$3"
  expect "channels" "$(value channels "$a")" "$4"
}

encode_video() { # EXT MUXER VCODEC W H FPS ACODEC RATE CHANNELS -> the file written
  local file="$out/clip.$1"
  rm -f "$file"
  "$wine_run" "$bin/media-encode.exe" "$file" "${@:2}" || fail "media-encode failed"
  echo "$file"
}

encode_tone() { # FORMAT -> the file written
  local file="$out/tone.$1"
  rm -f "$file"
  "$wine_run" "$bin/tone-encode.exe" "$1" "$file" || fail "tone-encode $1 failed"
  echo "$file"
}

case $case_name in
  avi) check_video "$(encode_video avi avi mpeg4 320 240 25 libmp3lame 44100 2)" \
         mpeg4 320 240 25 mp3 44100 2 ;;
  mp4) check_video "$(encode_video mp4 mp4 libx264 320 240 25 aac 48000 2)" \
         h264 320 240 25 aac 48000 2 ;;
  3gp) check_video "$(encode_video 3gp 3gp h263 176 144 15 libopencore_amrnb 8000 1)" \
         h263 176 144 15 amr_nb 8000 1 ;;
  flv) check_video "$(encode_video flv flv flv 320 240 25 libmp3lame 44100 2)" \
         flv1 320 240 25 mp3 44100 2 ;;
  mp3) check_audio "$(encode_tone mp3)" mp3 44100 2 ;;
  ogg) check_audio "$(encode_tone ogg)" vorbis 44100 2 ;;
  flac)
    flac=$(encode_tone flac)
    wav=$(encode_tone wav)
    check_audio "$flac" flac 44100 2
    ffmpeg -v error -y -i "$flac" -f s16le "$out/flac-decoded.raw"
    ffmpeg -v error -y -i "$wav" -f s16le "$out/tone.raw"
    [ "$(stat -c %s "$out/tone.raw")" -eq $((44100 * 2 * 2 * 2)) ] || fail "the tone is not 2 s long"
    if cmp -s "$out/tone.raw" "$out/flac-decoded.raw"; then
      echo "ok: the FLAC decode equals the input samples"
    else
      fail "the FLAC decode differs from the input samples"
    fi ;;
  mpc)
    wav=$(encode_tone wav)
    rm -f "$out/tone.mpc"
    "$wine_run" "$bin/mpcenc.exe" "$wav" "$out/tone.mpc" || fail "mpcenc failed"
    check_audio "$out/tone.mpc" musepack8 44100 2 ;;
  peer)
    # A 2 s clip (mono tone) made by the host's ffmpeg, scaled and resampled by the peer.
    ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 \
      -f lavfi -i sine=frequency=440:sample_rate=44100:duration=2 \
      -c:v mpeg4 -c:a pcm_s16le "$out/source.avi"
    rm -f "$out/peer.mp4"
    "$wine_run" "$FFMPEG_EXE" -v error -nostdin -i "$out/source.avi" -vf scale=176:144 \
      -c:v libx264 -c:a aac -ar 48000 -ac 2 "$out/peer.mp4" || fail "ffmpeg.exe failed"
    check_video "$out/peer.mp4" h264 176 144 25 aac 48000 2 ;;
  *) echo "unknown case $case_name"; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo PASSED || { echo "$failures check(s) failed"; exit 1; }
