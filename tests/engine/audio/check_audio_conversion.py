#!/usr/bin/env python3
"""The rows of the audio table: each converts one generated medium with one audio preset
through the console driver under Wine (the table's runner, tests/support/run_table.py),
and the written file is checked with the native ffprobe and ffmpeg.

A row's arguments: SOURCE PRESET [CHECK...] -- [DRIVER OPTION...]

SOURCE is a file of BIN_DIR/test-media; PRESET is KIND:INDEX or KIND:NAME. The title
"Tone" and the year "2026" are always given. CHECKs: codec=NAME, rate=HZ (or "mpeg": any
MPEG audio rate up to the source's), channels=N, cbr=KBPS (the stream's rate within 5 %),
bitexact (decodes to the source's PCM), notags (a container without tags), nodate (one
without a date tag), bitrate=BPS (the stream's own bit rate), tolerance=SECONDS
(in place of 1 % of the length), stopped (the job was stopped: state not 3, a shorter file
that decodes). Without "stopped" the state must be 3 and the decoded length within the
tolerance of the source's. Further: kbps=N (the average bit rate within 15 %), minkbps=N,
maxkbps=N, profile=NAME (as ffprobe names it), adts_id=0|1 (the ID bit of every ADTS frame
header), cutoff=HZ (the decoded sound above 1.25 x HZ at least 25 dB below the whole),
seek (decoding from the middle gives the end of the decoded output, as long as the
source's from there), id3v1 (the title and year
in an ID3v1 tag at the end), larger_than=PRESET (the same job with PRESET writes less).
"""
import json
import os
import shutil
import subprocess

from run_table import RowFailed

MPEG_RATES = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}
def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def probe(path):
    result = subprocess.run(["ffprobe", "-v", "error", "-of", "json", "-show_format", "-show_streams", path],
                            capture_output=True)
    if result.returncode != 0:
        raise RowFailed(f"ffprobe cannot read {path}: {result.stderr.decode(errors='replace')}")
    return json.loads(result.stdout)


def pcm(path, channels=None):
    """The first audio stream decoded to 16-bit PCM (in its own rate), and ffmpeg's messages."""
    command = ["ffmpeg", "-v", "error", "-i", path, "-map", "0:a:0"]
    if channels:
        command += ["-ac", str(channels)]
    result = subprocess.run(command + ["-f", "s16le", "-"], capture_output=True)
    return result.stdout, result.stderr.decode(errors="replace").strip()


def volume(path, filters=""):
    """The mean volume in dB of the decoded audio, after the given filters."""
    chain = (filters + "," if filters else "") + "volumedetect"
    result = subprocess.run(["ffmpeg", "-v", "info", "-i", path, "-af", chain, "-f", "null", "-"],
                            capture_output=True)
    lines = [line for line in result.stderr.decode(errors="replace").splitlines() if "mean_volume" in line]
    return float(lines[-1].split("mean_volume:")[1].split()[0]) if lines else None


def adts_id_bits(path):
    """The ID bit of each ADTS frame header, after an ID3v2 tag if there is one."""
    data = open(path, "rb").read()
    at = 10 + (data[6] << 21 | data[7] << 14 | data[8] << 7 | data[9]) if data[:3] == b"ID3" else 0
    bits = []
    while at + 7 <= len(data):
        if data[at] != 0xFF or data[at + 1] & 0xF6 != 0xF0:
            return bits + [None]
        bits.append(data[at + 1] >> 3 & 1)
        at += (data[at + 3] & 3) << 11 | data[at + 4] << 3 | data[at + 5] >> 5
    return bits


def conversion(source_path, preset, folder, options):
    """The console driver's arguments converting into a fresh folder."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return [windows_path(source_path), preset, windows_path(folder) + "\\", "--title", "Tone", "--year", "2026"] + options


def fields_of(report):
    """The fields of the driver's report and the output's path."""
    fields = dict(line.strip().partition("=")[::2] for line in report.text.splitlines() if "=" in line)
    return fields, fields.get("output", "").replace("Z:", "", 1).replace("\\", "/")


def seconds_of(path):
    info = probe(path)
    audio = [s for s in info["streams"] if s["codec_type"] == "audio"][0]
    data, _ = pcm(path, 1)
    return len(data) / 2 / int(audio["sample_rate"]), audio


def parse_row(table, name, args):
    """Source path, preset, checks, driver options and output folder of a row."""
    source, preset, *rest = args
    split = rest.index("--") if "--" in rest else len(rest)
    checks = dict(item.partition("=")[::2] for item in rest[:split])
    folder = os.path.join(table.bin_dir, "audio-output", name)
    return os.path.join(table.bin_dir, "test-media", source), preset, checks, rest[split + 1:], folder


def jobs(table, name, args):
    """The row's conversion; with larger_than, the one with the other preset after it."""
    source_path, preset, checks, options, folder = parse_row(table, name, args)
    runs = [conversion(source_path, preset, folder, options)]
    if "larger_than" in checks:
        runs.append(conversion(source_path, checks["larger_than"], folder + "-than", options))
    return runs


def verify(table, name, args, reports, check):
    """Reads the row's file back against its checks."""
    source_path, _, checks, _, _ = parse_row(table, name, args)
    fields, output = fields_of(reports[0])
    state = fields.get("state", "?")
    if "stopped" in checks:
        check(state in ("1", "2"), f"state {state} after a stop")
    else:
        check(state == "3", f"state {state}: {reports[0].text[-500:]}")
    if not output or not os.path.exists(output):
        raise RowFailed(f"no output {output!r}")

    source_seconds, source_audio = seconds_of(source_path)
    info = probe(output)
    audio = [s for s in info["streams"] if s["codec_type"] == "audio"]
    check(len(audio) == 1 and len(info["streams"]) == 1, f"{len(info['streams'])} streams, {len(audio)} audio")
    a = audio[0] if audio else {}
    tags = {k.lower(): v for k, v in {**info["format"].get("tags", {}), **a.get("tags", {})}.items()}
    if "id3v1" in checks:
        tail = open(output, "rb").read()[-128:]
        check(tail[:3] == b"TAG" and tail[3:33].rstrip(b"\0") == b"Tone" and tail[93:97] == b"2026",
              f"ID3v1 tag {tail[:40]!r}..., year {tail[93:97]!r}")
    elif "notags" not in checks:
        check(tags.get("title") == "Tone", f"title {tags.get('title')!r}")
        if "nodate" not in checks:
            date = tags.get("date", tags.get("year", ""))
            check(date.startswith("2026"), f"date {date!r}")
    if "codec" in checks:
        check(a.get("codec_name") == checks["codec"], f"codec {a.get('codec_name')}, not {checks['codec']}")
    rate = int(a.get("sample_rate", 0))
    if checks.get("rate") == "mpeg":
        check(rate in MPEG_RATES and rate <= int(source_audio["sample_rate"]), f"sample rate {rate}")
    elif "rate" in checks:
        check(rate == int(checks["rate"]), f"sample rate {rate}, not {checks['rate']}")
    if "channels" in checks:
        check(int(a.get("channels", 0)) == int(checks["channels"]), f"channels {a.get('channels')}")
    if "bitrate" in checks:
        check(int(a.get("bit_rate", 0)) == int(checks["bitrate"]), f"bit rate {a.get('bit_rate')}")

    data, messages = pcm(output)
    check(data and not messages, f"decoding reports: {messages[:500]}")
    seconds = len(data) / 2 / max(1, int(a.get("channels", 1))) / max(1, rate)
    if "stopped" in checks:
        check(0 < seconds < source_seconds - 0.2, f"a stopped output of {seconds:.2f} s")
    else:
        tolerance = float(checks.get("tolerance", 0.01 * source_seconds))
        check(abs(seconds - source_seconds) <= tolerance,
              f"lasts {seconds:.3f} s, the source {source_seconds:.3f} s")
    kbps = os.path.getsize(output) * 8 / max(seconds, 1e-9) / 1000
    if "cbr" in checks:
        check(abs(kbps - float(checks["cbr"])) <= 0.05 * float(checks["cbr"]), f"{kbps:.1f} kbit/s")
    if "kbps" in checks:
        check(abs(kbps - float(checks["kbps"])) <= 0.15 * float(checks["kbps"]), f"{kbps:.1f} kbit/s on average")
    if "minkbps" in checks:
        check(kbps >= float(checks["minkbps"]), f"{kbps:.1f} kbit/s, below {checks['minkbps']}")
    if "maxkbps" in checks:
        check(kbps <= float(checks["maxkbps"]), f"{kbps:.1f} kbit/s, above {checks['maxkbps']}")
    if "profile" in checks:
        check(a.get("profile") == checks["profile"], f"profile {a.get('profile')!r}")
    if "adts_id" in checks:
        bits = adts_id_bits(output)
        check(bits and set(bits) == {int(checks["adts_id"])}, f"ADTS ID bits {sorted(set(bits), key=str)}")
    if "cutoff" in checks:
        whole = volume(output)
        above = volume(output, ",".join([f"highpass=f={1.25 * float(checks['cutoff'])}"] * 4))
        check(whole is not None and above is not None and above <= whole - 25,
              f"{above} dB above 1.25 x {checks['cutoff']} Hz, {whole} dB in all")
    if "seek" in checks:
        middle = ["-ss", f"{seconds / 2:.3f}"]
        mine = subprocess.run(["ffmpeg", "-v", "error"] + middle + ["-i", output, "-f", "s16le", "-"], capture_output=True)
        theirs = subprocess.run(["ffmpeg", "-v", "error"] + middle + ["-i", source_path, "-f", "s16le", "-"],
                                capture_output=True)
        # The two demuxers may start a sample or two apart; what is decoded must be the
        # source's end.
        check(mine.returncode == 0 and not mine.stderr and mine.stdout and
              abs(len(mine.stdout) - len(theirs.stdout)) <= 16 and data.endswith(mine.stdout),
              f"from the middle: {len(mine.stdout)} bytes, the source {len(theirs.stdout)}; {mine.stderr[:300]!r}")
    if "larger_than" in checks:
        _, smaller = fields_of(reports[1])
        check(os.path.exists(smaller) and os.path.getsize(output) > os.path.getsize(smaller),
              f"{os.path.getsize(output)} bytes, {checks['larger_than']} {smaller!r} not smaller")
    if "bitexact" in checks:
        source_pcm, _ = pcm(source_path)
        check(data == source_pcm, f"{len(data)} PCM bytes differ from the source's {len(source_pcm)}")
