#!/usr/bin/env python3
"""The rows of the encoder table: each encodes through media_encode_job under Wine (the
table's runner, tests/support/run_table.py), and its file is checked with the native
ffprobe and ffmpeg.

A row's arguments: CONTAINER VCODEC ACODEC SIZE FPS RATE CHANNELS EXPECTED_FPS
EXPECTED_RATE EXPECTED_CHANNELS [EXTRAS]

VCODEC "xvid+DIVX" asks for xvid with the FourCC DIVX; ACODEC "-" sets no audio codec (and
the expected rate and channels are "-": no audio stream). EXTRAS, comma-separated:
source=FILE (default bars_mpeg4_mp3.avi), crop=L:R:T:B, fix_aspect, black_rows=N (that
many black rows top and bottom of the first picture), converter (the frame converter's
picture of the first frame matches it), sync (video and audio end within one audio frame).
"""
import json
import subprocess
from fractions import Fraction

from run_table import RowFailed

EXTENSIONS = {"avi": "avi", "mpeg": "mpg", "dvd": "vob", "3gp": "3gp", "3g2": "3g2",
              "mp4": "mp4", "mov": "mov", "flv": "flv", "asf": "asf", "rm": "rm"}
# What ffprobe calls the codecs the encoder context is asked for, where the names differ.
PROBE_NAMES = {"xvid": "mpeg4", "msmpeg4": "msmpeg4v3", "flv": "flv1", "real_144": "ra_144"}
MOV_BRANDS = {"3gp": "3gp", "3g2": "3g2", "mp4": "isom", "mov": "qt"}
CLIP_SECONDS = 2.0
AUDIO_SLACK = 0.15      # codec priming and the padded last frame
SYNC_FRAME = 1024       # samples of the encoder frames of codecs that take any size
BLACK_LUMA = 24          # the bars, with a little colour bleeding in at their edge
PICTURE_LUMA = 30
CONVERTER_TOLERANCE = 3.0

def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, **kwargs)


def probe(path):
    result = run(["ffprobe", "-v", "error", "-count_frames", "-of", "json", "-show_format",
                  "-show_streams", path])
    if result.returncode != 0:
        raise RowFailed(f"ffprobe cannot read {path}: {result.stderr.decode(errors='replace')}")
    return json.loads(result.stdout)


def luma_planes(path, width, height):
    """Y planes of the first picture as ffmpeg decodes it."""
    result = run(["ffmpeg", "-v", "error", "-i", path, "-frames:v", "1", "-pix_fmt", "yuv420p",
                  "-f", "rawvideo", "-"])
    return result.stdout[:width * height]


def row_means(plane, width, height):
    return [sum(plane[y * width:(y + 1) * width]) / width for y in range(height)]


def decoded_audio_seconds(path, rate):
    result = run(["ffmpeg", "-v", "error", "-i", path, "-map", "0:a:0", "-ac", "1", "-f", "s16le", "-"])
    return len(result.stdout) / 2 / rate


def parse_row(args):
    (container, vcodec, acodec, size, fps, rate, channels, expected_fps, expected_rate,
     expected_channels) = args[:10]
    extras = {}
    for item in (args[10].split(",") if len(args) > 10 and args[10] else []):
        key, _, value = item.partition("=")
        extras[key] = value
    return (container, vcodec, acodec, size, fps, rate, channels, expected_fps, expected_rate,
            expected_channels, extras)


def output_of(name, container):
    return f"encoder-output/{name}.{EXTENSIONS[container]}"


def jobs(table, name, args):
    """The encoding of the row, as media_encode_job's arguments."""
    container, vcodec, acodec, size, fps, rate, channels, *_, extras = parse_row(args)
    codec, _, tag = vcodec.partition("+")
    job = ["test-media/" + extras.get("source", "bars_mpeg4_mp3.avi"), output_of(name, container),
           f"format={container}", f"vcodec={codec}", f"acodec={acodec}", f"size={size}",
           f"fps={fps}", f"rate={rate}", f"channels={channels}", f"title={name}"]
    if tag:
        job.append(f"option.vcodecTag={tag}")
    for key in ("crop", "fix_aspect", "converter"):
        if key in extras:
            job.append(f"{key}={extras[key]}")
    return [job]


def verify(table, name, args, reports, check):
    """Reads the row's file back with ffprobe and ffmpeg."""
    (container, vcodec, acodec, size, _, _, _, expected_fps, expected_rate, expected_channels,
     extras) = parse_row(args)
    width, height = (int(v) for v in size.split("x"))
    codec, _, tag = vcodec.partition("+")
    if reports[0].exit != 0:
        raise RowFailed(f"encoding failed: {reports[0].text}")
    path = f"{table.bin_dir}/{output_of(name, container)}"

    info = probe(path)
    streams = info["streams"]
    video = [s for s in streams if s["codec_type"] == "video"]
    audio = [s for s in streams if s["codec_type"] == "audio"]
    fmt = info["format"]
    tags = {k.lower(): v for k, v in fmt.get("tags", {}).items()}

    if container in MOV_BRANDS:
        check(tags.get("major_brand", "").startswith(MOV_BRANDS[container]),
              f"brand {tags.get('major_brand')} for {container}")
    else:
        check(fmt["format_name"] == {"dvd": "mpeg"}.get(container, container),
              f"format {fmt['format_name']}")
    if container in ("3gp", "3g2"):
        # 3GPP title boxes, which ffprobe does not list: "titl", header, language, text.
        with open(path, "rb") as written:
            data = written.read()
        box = data.find(b"titl")
        check(box >= 0 and name.encode() in data[box:box + 64], "no 3GPP title box")
    elif container not in ("mpeg", "dvd"):  # program streams carry no tags
        check(tags.get("title") == name, f"title {tags.get('title')!r}")

    check(len(video) == 1, f"{len(video)} video streams")
    v = video[0]
    check(v["codec_name"] == PROBE_NAMES.get(codec, codec), f"video codec {v['codec_name']}")
    check((v["width"], v["height"]) == (width, height), f"size {v['width']}x{v['height']}")
    rate_fraction = Fraction(expected_fps)
    check(rate_fraction in (Fraction(v["avg_frame_rate"]) if v["avg_frame_rate"] != "0/0" else None,
                            Fraction(v["r_frame_rate"])),
          f"frame rate {v['avg_frame_rate']} / {v['r_frame_rate']}")
    if tag and container == "avi":
        check(v.get("codec_tag_string") == tag, f"FourCC {v.get('codec_tag_string')}")
    video_seconds = int(v["nb_read_frames"]) / rate_fraction
    check(abs(video_seconds - CLIP_SECONDS) <= 1 / rate_fraction + Fraction(1, 10**6),
          f"video lasts {float(video_seconds):.3f} s")

    if expected_rate == "-":
        check(not audio, "an audio stream although no audio codec was set")
    else:
        check(len(audio) == 1, f"{len(audio)} audio streams")
        a = audio[0]
        wanted = {"pcm_s16le": "pcm_dvd"}.get(acodec) if container in ("mpeg", "dvd") else None
        check(a["codec_name"] == (wanted or PROBE_NAMES.get(acodec, acodec)),
              f"audio codec {a['codec_name']}")
        check(int(a["sample_rate"]) == int(expected_rate), f"sample rate {a['sample_rate']}")
        check(int(a["channels"]) == int(expected_channels), f"channels {a['channels']}")
        audio_seconds = decoded_audio_seconds(path, int(a["sample_rate"]))
        check(abs(audio_seconds - CLIP_SECONDS) <= AUDIO_SLACK, f"audio lasts {audio_seconds:.3f} s")
        if "sync" in extras:
            check(abs(audio_seconds - float(video_seconds)) <= SYNC_FRAME / int(a["sample_rate"]),
                  f"audio ends at {audio_seconds:.4f} s, video at {float(video_seconds):.4f} s")

    decode = run(["ffmpeg", "-v", "error", "-i", path, "-f", "null", "-"])
    check(decode.returncode == 0 and not decode.stderr.strip(),
          f"decoding reports: {decode.stderr.decode(errors='replace')[:500]}")

    if "black_rows" in extras:
        bars = int(extras["black_rows"])
        means = row_means(luma_planes(path, width, height), width, height)
        check(max(means[:bars] + means[height - bars:]) <= BLACK_LUMA, "bars are not black")
        check(min(means[bars], means[height - bars - 1]) >= PICTURE_LUMA,
              f"picture rows next to the bars are dark: {means[bars]:.1f} {means[height - bars - 1]:.1f}")
    if "converter" in extras:
        with open(f"{path}.converter.yuv", "rb") as converted:
            theirs = converted.read()[:width * height]
        ours = luma_planes(path, width, height)
        check(len(theirs) == len(ours) == width * height, "first pictures missing")
        difference = sum(abs(a - b) for a, b in zip(theirs, ours)) / max(len(ours), 1)
        check(difference <= CONVERTER_TOLERANCE,
              f"frame converter differs from the output by {difference:.2f} per pixel")
