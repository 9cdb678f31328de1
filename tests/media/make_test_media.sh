#!/bin/sh
# make_test_media.sh OUT_DIR: writes small real media files made by the native ffmpeg into
# OUT_DIR, each with "<file>.probe" (what the native ffprobe reads from it), plus raw first
# frames of the colour-bar AVI as references. A stamp keyed by this script keeps the set
# until the script changes.
set -eu
out=$1
stamp="$out/.stamp"
key=$(sha256sum "$0" | cut -c1-16)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
  echo "test media up to date in $out"
  exit 0
fi
rm -rf "$out"
mkdir -p "$out"
cd "$out"

ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
bars() { echo "smptebars=size=$1:rate=$2:duration=$3"; }
tone() { echo "sine=frequency=$1:sample_rate=$2:duration=$3"; }

# 3 s of 25 fps colour bars with a stereo tone: the reference clip of the decoding tests.
ff -f lavfi -i "$(bars 320x240 25 3)" -f lavfi -i "$(tone 440 44100 3)" -ac 2 \
   -c:v mpeg4 -q:v 2 -c:a libmp3lame -b:a 128k -avoid_negative_ts disabled bars_mpeg4_mp3.avi
ff -f lavfi -i "$(bars 320x240 25 3)" -f lavfi -i "$(tone 440 48000 3)" -ac 2 \
   -c:v libx264 -pix_fmt yuv420p -c:a aac bars_h264_aac.mp4
# Two video sizes and two audio rates carrying different tones.
ff -f lavfi -i "$(bars 320x240 25 2)" -f lavfi -i "$(bars 176x144 25 2)" \
   -f lavfi -i "$(tone 440 44100 2)" -f lavfi -i "$(tone 880 22050 2)" \
   -map 0 -map 1 -map 2 -map 3 -c:v:0 mpeg4 -c:v:1 libx264 -pix_fmt yuv420p \
   -c:a:0 aac -c:a:1 libmp3lame two_streams.mkv
ff -f lavfi -i "$(bars 320x240 25 2)" -f lavfi -i "$(tone 440 22050 2)" -ac 2 \
   -c:v flv -c:a libmp3lame bars.flv
ff -f lavfi -i "$(bars 320x240 25 2)" -f lavfi -i "$(tone 440 44100 2)" -ac 2 \
   -c:v wmv2 -c:a wmav2 bars.wmv
ff -f lavfi -i "$(bars 320x240 25 2)" -f lavfi -i "$(tone 440 44100 2)" -ac 2 \
   -c:v rv20 -c:a ac3 bars.rm
ff -f lavfi -i "$(bars 320x240 25 2)" -f lavfi -i "$(tone 440 48000 2)" -ac 2 \
   -c:v mpeg2video -c:a mp2 -f mpeg bars.mpg
ff -f lavfi -i "$(tone 440 48000 2)" -af "pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0" \
   -c:a aac surround_6ch.m4a
ff -f lavfi -i "$(tone 440 22050 2)" -ac 1 -c:a libmp3lame mono_22050.mp3
ff -f lavfi -i "$(bars 320x240 25 2)" -c:v mpeg4 video_only.avi
ff -f lavfi -i "$(tone 440 44100 2)" -ac 2 -c:a pcm_s16le audio_only.wav
# Material for lossless coders: silence, a tone and full-scale noise (independent in each
# channel) at four rates, mono and stereo, none a whole number of a coder's frames long.
ff -f lavfi -i "anullsrc=r=8000:cl=mono" -t 1.3 -c:a pcm_s16le silence_8000_mono.wav
ff -f lavfi -i "$(tone 1000 22050 2.1)" -ac 2 -c:a pcm_s16le tone_22050_stereo.wav
ff -f lavfi -i "aevalsrc=random(0)*2-1|random(1)*2-1:s=48000:d=1.7" -c:a pcm_s16le noise_48000_stereo.wav
ff -f lavfi -i "aevalsrc=random(0)*2-1:s=44100:d=7" -c:a pcm_s16le noise_44100_mono.wav
ff -f lavfi -i "$(bars 641x481 25 2)" -c:v mpeg4 -q:v 2 odd_641x481.avi
# Non-square samples: 720 x 480 shown at 16:9.
ff -f lavfi -i "$(bars 720x480 25 2)" -vf setsar=32/27 -c:v libx264 -pix_fmt yuv420p \
   anamorphic_720x480.mp4
ff -f lavfi -i "$(bars 320x240 30000/1001 2)" -c:v libx264 -pix_fmt yuv420p ntsc_2997.mp4
# A song with its cover picture, which is no video stream.
ff -f lavfi -i "$(tone 440 44100 2)" -f lavfi -i "$(bars 64x64 25 1)" -frames:v 1 \
   -map 0 -map 1 -c:a libmp3lame -c:v mjpeg -disposition:v attached_pic cover_art.mp3
# The first 40 % of the reference clip.
size=$(stat -c %s bars_mpeg4_mp3.avi)
head -c $((size * 2 / 5)) bars_mpeg4_mp3.avi > truncated.avi
# The reference clip with bytes overwritten every 997 bytes from 40000 to 60000, inside the
# frames after the first key frame.
cp bars_mpeg4_mp3.avi damaged.avi
offset=40000
while [ $offset -lt 60000 ]; do
  printf '\377' | dd of=damaged.avi bs=1 seek=$offset conv=notrunc status=none
  offset=$((offset + 997))
done

# What the native ffprobe reads, one "key=value" per line.
for f in *.avi *.mp4 *.mkv *.flv *.wmv *.rm *.mpg *.m4a *.mp3 *.wav; do
  ffprobe -v error -of flat -show_entries \
    format=duration:stream=codec_type,codec_name,width,height,sample_rate,channels,avg_frame_rate,sample_aspect_ratio,display_aspect_ratio:stream_disposition=attached_pic \
    "$f" > "$f.probe"
done
# The first frame of the colour bars as ffmpeg decodes it, top row first (converted with
# accurate rounding, as the media core converts).
ff -i bars_mpeg4_mp3.avi -frames:v 1 -sws_flags bicubic+accurate_rnd -pix_fmt bgra \
   -f rawvideo bars_mpeg4_mp3.avi.frame0.bgra
ff -i bars_mpeg4_mp3.avi -frames:v 1 -pix_fmt yuv420p -f rawvideo bars_mpeg4_mp3.avi.frame0.yuv
ff -i odd_641x481.avi -frames:v 1 -pix_fmt yuv420p -f rawvideo odd_641x481.avi.frame0.yuv

echo "$key" > "$stamp"
echo "test media written to $out"
