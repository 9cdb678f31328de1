#!/usr/bin/env python3
"""The rows of the conversion table: each converts one generated medium with one video
profile through the console driver under Wine (the table's runner,
tests/support/run_table.py), and the written file is checked with the native ffprobe and
ffmpeg against what the profile asks for.

A row's arguments: SOURCE PROFILE [CHECK...] -- [DRIVER OPTION...]

SOURCE is a file of BIN_DIR/test-media; PROFILE a file of BIN_DIR/profiles or a full path.
CHECKs beside the profile's own: duration=SECONDS (video, within one frame), noaudio,
aspect=W:H (display aspect), tone=HZ and rate=HZ (the audio), novideo (no video stream: the
source has none), stopped (the job was stopped before its end: state not 3, a shorter file
that still decodes), failed (the job fails: state 4). A --author, --copyright or --comment
among the driver options is checked in the file's tags as the title is.
"""
import configparser
import json
import os
import shutil
import subprocess

from run_table import RowFailed

# Codec names by profile index, as ffprobe names what the encoders write.
AVI_VIDEO = ["mpeg4", "mpeg4", "mpeg4", "msmpeg4v1", "msmpeg4v2", "msmpeg4v3", "mjpeg", "h264",
             "zlib", "rawvideo"]
MP4_VIDEO = ["mpeg4", "mpeg4", "mpeg4", "h264", "mpeg4", "mpeg4"]
MOV_VIDEO = ["mpeg4", "mpeg4", "mpeg4", "h264", "mjpeg", "svq1"]
GPP_VIDEO = ["h263", "mpeg4", "mpeg4"]
AVI_AUDIO = ["mp3", "pcm_s16le", "adpcm_ms", "pcm_alaw", "pcm_mulaw", "ac3", "mp2", "vorbis", "aac"]
MPEG_AUDIO = ["mp2", "ac3", "pcm_dvd"]
GPP_AUDIO = ["amr_nb", "amr_wb"]
# The WMV plug-in's audio formats (rate, channels, bit rate) and its system profiles (frame
# rate and audio format); the RealMedia plug-in's music codecs (channels and AC-3 bit rate).
WMA_FORMATS = {
    "32 kbps, 22 kHz, mono CBR": (22050, 1, 32000), "48 kbps, 44 kHz, stereo CBR": (44100, 2, 48000),
    "64 kbps, 44 kHz, stereo CBR": (44100, 2, 64000), "96 kbps, 44 kHz, stereo CBR": (44100, 2, 96000),
    "128 kbps, 44 kHz, stereo CBR": (44100, 2, 128000), "160 kbps, 44 kHz, stereo CBR": (44100, 2, 160000),
    "192 kbps, 48 kHz, stereo CBR": (48000, 2, 192000)}
WMV_SYSTEM_PROFILES = {"Low bandwidth video (256 kbps)": (15.0, "32 kbps, 22 kHz, mono CBR"),
                       "Broadband video (768 kbps)": (25.0, "64 kbps, 44 kHz, stereo CBR"),
                       "High quality video (1500 kbps)": (25.0, "128 kbps, 44 kHz, stereo CBR")}
REAL_AUDIO = {"32 Kbps Music - RealAudio": (1, 32000), "44 Kbps Music - RealAudio": (2, 48000),
              "64 Kbps Stereo Music - RealAudio": (2, 64000), "96 Kbps Stereo Music - RealAudio": (2, 96000),
              "128 Kbps Stereo Music - RealAudio": (2, 128000)}
AC3_RATES = (32000, 44100, 48000)

def pick(table, index, fallback):
    return table[index] if 0 <= index < len(table) else fallback


def read_profile(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path)
    kind = parser["ProfileCommon"]["VideoFormat"].upper()
    section = {"3GPP": "3GPProfile", "AVI": "AVIProfile", "MPEG": "MPEGProfile", "MP4": "MP4Profile",
               "MOV": "MOVProfile", "FLV": "FLVProfile", "WMV": "WMVProfile", "REAL": "RealProfile"}[kind]
    values = dict(parser[section])
    number = lambda key: float(values.get(key, "0") or "0")  # noqa: E731
    return kind, number, values


def expectations(kind, number):
    """Container test, extension, video codec, alignment, audio codec of the profile."""
    if kind == "AVI":
        video = pick(AVI_VIDEO, int(number("AVIVideoCodec")), "mpeg4")
        return ("format", "avi"), ".avi", video, 16 if video == "h264" else 2, \
            pick(AVI_AUDIO, int(number("AVIAudioCodec")), "mp3")
    if kind == "MPEG":
        video = "mpeg1video" if number("MPEGVersion") == 0 else "mpeg2video"
        return ("format", "mpeg"), ".mpg", video, 2, pick(MPEG_AUDIO, int(number("MPEGAudioType")), "mp2")
    if kind == "3GPP":
        g2 = number("3GPFormat") != 0
        return ("brand", "3g2" if g2 else "3gp"), ".3g2" if g2 else ".3gp", \
            pick(GPP_VIDEO, int(number("VideoCodec")), "mpeg4"), 1, \
            pick(GPP_AUDIO, int(number("AudioCodec")), "aac")
    if kind in ("MP4", "MOV"):
        table, key = (MP4_VIDEO, "MP4VideoCodec") if kind == "MP4" else (MOV_VIDEO, "MOVVideoCodec")
        video = pick(table, int(number(key)), "mpeg4")
        return ("brand", "isom" if kind == "MP4" else "qt"), "." + kind.lower(), video, \
            16 if video == "h264" else 2, "aac"
    if kind == "WMV":
        return ("format", "asf"), ".wmv", "wmv2", 2, "wmav2"
    if kind == "REAL":
        return ("format", "rm"), ".rm", "rv20", 4, "ac3"
    return ("format", "flv"), ".flv", "flv1", 2, "mp3"


def plugin_output(kind, number, values, source_audio):
    """Frame rate and (rate, channels, bit rate) of the audio of a WMV or RealMedia profile."""
    if kind == "WMV":
        fps, audio = number("FrameRate"), values.get("AudioFormatName", "").strip()
        if number("UseSystemProfile"):
            fps, audio = WMV_SYSTEM_PROFILES[values["SystemProfileName"].strip()]
        return fps, WMA_FORMATS[audio]
    channels, bit_rate = REAL_AUDIO[values.get("AudioFormatName", "").strip()]
    source_rate = int(source_audio[0]["sample_rate"]) if source_audio else 0
    return number("FrameRate"), (source_rate if source_rate in AC3_RATES else 44100, channels, bit_rate)


def probe(path):
    result = subprocess.run(["ffprobe", "-v", "error", "-count_frames", "-of", "json", "-show_format",
                             "-show_streams", path], capture_output=True)
    if result.returncode != 0:
        raise RowFailed(f"ffprobe cannot read {path}: {result.stderr.decode(errors='replace')}")
    return json.loads(result.stdout)


def source_info(path):
    info = probe(path)
    return ([s for s in info["streams"] if s["codec_type"] == "video"],
            [s for s in info["streams"] if s["codec_type"] == "audio"])


def tone_of(path):
    """Frequency of the first audio stream's tone, from its zero crossings."""
    result = subprocess.run(["ffmpeg", "-v", "error", "-i", path, "-map", "0:a:0", "-ac", "1", "-ar", "44100",
                             "-f", "s16le", "-"], capture_output=True)
    samples = memoryview(result.stdout).cast("h")
    crossings = sum(1 for a, b in zip(samples, samples[1:]) if a < 0 <= b)
    return crossings / (len(samples) / 44100) if len(samples) else 0.0


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def ratio(text):
    w, _, h = text.partition(":")
    return int(w) / int(h)


def parse_row(table, name, args):
    """Source, profile path, checks, driver options and output folder of a row."""
    source, profile, *rest = args
    split = rest.index("--") if "--" in rest else len(rest)
    checks = dict(item.partition("=")[::2] for item in rest[:split])
    options = rest[split + 1:]
    profile_path = profile if os.path.isabs(profile) else os.path.join(table.bin_dir, "profiles", profile)
    folder = os.path.join(table.bin_dir, "conversion-output", name)
    return source, profile_path, checks, options, folder


def output_of(profile_path, folder):
    kind, number, _ = read_profile(profile_path)
    return os.path.join(folder, "out" + expectations(kind, number)[1])


def jobs(table, name, args):
    """The row's conversion, as the console driver's arguments, into a fresh folder."""
    source, profile_path, _, options, folder = parse_row(table, name, args)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    source_path = os.path.join(table.bin_dir, "test-media", source)
    return [[windows_path(source_path), windows_path(profile_path),
             windows_path(output_of(profile_path, folder))] + options]


def verify(table, name, args, reports, check):
    """Reads the row's file back against its profile and checks."""
    source, profile_path, checks, options, folder = parse_row(table, name, args)
    kind, number, values = read_profile(profile_path)
    container, extension, vcodec, alignment, acodec = expectations(kind, number)
    source_path = os.path.join(table.bin_dir, "test-media", source)
    output = output_of(profile_path, folder)
    report = reports[0].text
    state = next((line.split("=")[1] for line in report.splitlines() if line.startswith("state=")), "?")
    if "failed" in checks:
        check(state == "4" and reports[0].exit == 1, f"state {state}, exit {reports[0].exit} for a failing job")
        return
    if "stopped" in checks:
        check(state in ("1", "2"), f"state {state} after a stop")
    else:
        check(state == "3", f"state {state}: {report[-500:]}")
    if not os.path.exists(output):
        raise RowFailed(f"no output {output}")

    source_video, source_audio = source_info(source_path)
    fps, plugin_audio = plugin_output(kind, number, values, source_audio) if kind in ("WMV", "REAL") \
        else (number("FrameRate"), None)
    info = probe(output)
    video = [s for s in info["streams"] if s["codec_type"] == "video"]
    audio = [s for s in info["streams"] if s["codec_type"] == "audio"]
    fmt = info["format"]
    tags = {k.lower(): v for k, v in fmt.get("tags", {}).items()}

    how, wanted = container
    if how == "brand":
        check(tags.get("major_brand", "").startswith(wanted), f"brand {tags.get('major_brand')}")
    else:
        check(fmt["format_name"] == wanted, f"format {fmt['format_name']}")
    title = options[options.index("--title") + 1] if "--title" in options else os.path.splitext(source)[0]
    if kind == "3GPP":  # 3GPP title boxes, which ffprobe does not list
        with open(output, "rb") as written:
            data = written.read()
        box = data.find(b"titl")
        check(box >= 0 and title.encode() in data[box:box + 64], "no 3GPP title box")
    elif kind != "MPEG":  # program streams carry no tags
        check(tags.get("title") == title, f"title {tags.get('title')!r}, not {title!r}")
        for tag in ("author", "copyright", "comment"):
            if f"--{tag}" in options:
                wanted = options[options.index(f"--{tag}") + 1]
                # ASF readers call the author the artist.
                found = tags.get(tag, tags.get("artist") if tag == "author" else None)
                check(found == wanted, f"{tag} {found!r}, not {wanted!r}")

    if "novideo" in checks:
        check(not video, f"{len(video)} video streams in the output of a source without video")
    else:
        check(len(video) == 1, f"{len(video)} video streams")
        v = video[0]
        check(v["codec_name"] == vcodec, f"video codec {v['codec_name']}, not {vcodec}")
        crop = [int(x) for x in options[options.index("--crop") + 1:][:4]] if "--crop" in options else [0, 0, 0, 0]
        width = int(number("Width")) or source_video[0]["width"] - crop[0] - crop[1]
        height = int(number("Height")) or source_video[0]["height"] - crop[2] - crop[3]
        width, height = width - width % alignment, height - height % alignment
        check((v["width"], v["height"]) == (width, height), f"size {v['width']}x{v['height']}, not {width}x{height}")
        rates = [eval(r) for r in (v["avg_frame_rate"], v["r_frame_rate"]) if r != "0/0"]  # noqa: S307
        check(any(abs(r - fps) < 0.01 for r in rates), f"frame rate {rates}, not {fps}")
        if "duration" in checks:
            seconds = int(v["nb_read_frames"]) / fps
            check(abs(seconds - float(checks["duration"])) <= 1 / fps + 1e-6, f"video lasts {seconds:.3f} s")
        if "aspect" in checks:
            shown = v.get("display_aspect_ratio", "0:1")
            check(abs(ratio(shown) - ratio(checks["aspect"])) < 0.02, f"display aspect {shown}")

    if "noaudio" in checks:
        check(not audio, "an audio stream in the output")
    else:
        check(len(audio) == 1, f"{len(audio)} audio streams")
        a = audio[0] if audio else {}
        check(a.get("codec_name") == acodec, f"audio codec {a.get('codec_name')}, not {acodec}")
        rate = int(number("AudioFrequency")) or int(checks.get("rate", 0))
        channels = int(number("AudioChannels")) or min(int(source_audio[0]["channels"]), 2)
        if plugin_audio:
            rate, channels, bit_rate = plugin_audio
            check(int(a.get("bit_rate", 0)) == bit_rate, f"bit rate {a.get('bit_rate')}, not {bit_rate}")
        check(int(a.get("sample_rate", 0)) == rate, f"sample rate {a.get('sample_rate')}, not {rate}")
        check(int(a.get("channels", 0)) == channels, f"channels {a.get('channels')}, not {channels}")
        if "tone" in checks:
            heard = tone_of(output)
            check(abs(heard - float(checks["tone"])) < 0.05 * float(checks["tone"]), f"tone {heard:.0f} Hz")

    decode = subprocess.run(["ffmpeg", "-v", "error", "-i", output, "-f", "null", "-"], capture_output=True)
    check(decode.returncode == 0 and not decode.stderr.strip(),
          f"decoding reports: {decode.stderr.decode(errors='replace')[:500]}")
    if "stopped" in checks:
        seconds = float(fmt.get("duration", 0))
        check(0 < seconds < 2.8, f"a stopped output of {seconds:.2f} s")
