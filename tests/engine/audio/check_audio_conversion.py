#!/usr/bin/env python3
"""Converts one generated medium with one audio preset through the console driver under
Wine, then checks the written file with the native ffprobe and ffmpeg.

check_audio_conversion.py WINE_RUN BIN_DIR NAME SOURCE PRESET [CHECK...] -- [DRIVER OPTION...]

SOURCE is a file of BIN_DIR/test-media; PRESET is KIND:INDEX or KIND:NAME. The title
"Tone" and the year "2026" are always given. CHECKs: codec=NAME, rate=HZ (or "mpeg": any
MPEG audio rate up to the source's), channels=N, cbr=KBPS (the stream's rate within 5 %),
bitexact (decodes to the source's PCM), notags (a container without tags), nodate (one
without a date tag), bitrate=BPS (the stream's own bit rate), tolerance=SECONDS
(in place of 1 % of the length), stopped (the job was stopped: state not 3, a shorter file
that decodes). Without "stopped" the state must be 3 and the decoded length within the
tolerance of the source's.
"""
import json
import os
import shutil
import subprocess
import sys

MPEG_RATES = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def probe(path):
    result = subprocess.run(["ffprobe", "-v", "error", "-of", "json", "-show_format", "-show_streams", path],
                            capture_output=True)
    if result.returncode != 0:
        sys.exit(f"ffprobe cannot read {path}: {result.stderr.decode(errors='replace')}")
    return json.loads(result.stdout)


def pcm(path, channels=None):
    """The first audio stream decoded to 16-bit PCM (in its own rate), and ffmpeg's messages."""
    command = ["ffmpeg", "-v", "error", "-i", path, "-map", "0:a:0"]
    if channels:
        command += ["-ac", str(channels)]
    result = subprocess.run(command + ["-f", "s16le", "-"], capture_output=True)
    return result.stdout, result.stderr.decode(errors="replace").strip()


def seconds_of(path):
    info = probe(path)
    audio = [s for s in info["streams"] if s["codec_type"] == "audio"][0]
    data, _ = pcm(path, 1)
    return len(data) / 2 / int(audio["sample_rate"]), audio


def main(argv):
    wine_run, bin_dir, name, source, preset = argv[1:6]
    rest = argv[6:]
    split = rest.index("--") if "--" in rest else len(rest)
    checks = dict(item.partition("=")[::2] for item in rest[:split])
    options = rest[split + 1:]

    folder = os.path.join(bin_dir, "audio-output", name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    source_path = os.path.join(bin_dir, "test-media", source)
    result = subprocess.run([wine_run, "convertdriver.exe", windows_path(source_path), preset,
                             windows_path(folder) + "\\", "--title", "Tone", "--year", "2026"] + options,
                            cwd=bin_dir, capture_output=True)
    report = result.stdout.decode(errors="replace")
    print(report)
    fields = dict(line.strip().partition("=")[::2] for line in report.splitlines() if "=" in line)
    state = fields.get("state", "?")
    if "stopped" in checks:
        check(state in ("1", "2"), f"state {state} after a stop")
    else:
        check(state == "3", f"state {state}: {result.stderr.decode(errors='replace')[-500:]}")
    output = fields.get("output", "").replace("Z:", "", 1).replace("\\", "/")
    if not output or not os.path.exists(output):
        sys.exit(f"no output {output!r}\n" + "\n".join(failures))

    source_seconds, source_audio = seconds_of(source_path)
    info = probe(output)
    audio = [s for s in info["streams"] if s["codec_type"] == "audio"]
    check(len(audio) == 1 and len(info["streams"]) == 1, f"{len(info['streams'])} streams, {len(audio)} audio")
    a = audio[0] if audio else {}
    tags = {k.lower(): v for k, v in {**info["format"].get("tags", {}), **a.get("tags", {})}.items()}
    if "notags" not in checks:
        check(tags.get("title") == "Tone", f"title {tags.get('title')!r}")
        if "nodate" not in checks:
            check(tags.get("date", "").startswith("2026"), f"date {tags.get('date')!r}")
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
    if "cbr" in checks:
        kbps = os.path.getsize(output) * 8 / seconds / 1000
        check(abs(kbps - float(checks["cbr"])) <= 0.05 * float(checks["cbr"]), f"{kbps:.1f} kbit/s")
    if "bitexact" in checks:
        source_pcm, _ = pcm(source_path)
        check(data == source_pcm, f"{len(data)} PCM bytes differ from the source's {len(source_pcm)}")

    if failures:
        sys.exit(f"{output}:\n  " + "\n  ".join(failures))
    print(f"{output}: as the preset asks")


if __name__ == "__main__":
    main(sys.argv)
