#!/usr/bin/env bash
# The zip players download: one folder with the program, its three sound
# files and a README in Japanese and English that says how to start, the
# keys, and where the best score is kept.
set -euo pipefail
python3 - "${1:?zip file}" <<'PY'
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
files = sorted(n for n in archive.namelist() if not n.endswith("/"))
want = sorted("zolbas-windows-x86_64/" + n for n in ["zolbas.exe", "music1.mid", "snd.wav", "lvup.wav", "README.txt"])
assert files == want, files
readme = archive.read("zolbas-windows-x86_64/README.txt").decode("utf-8")
for words in ["遊び方", "How to start", "キー", "Keys", r"VB and VBA Program Settings\ZOL\1", "HIc"]:
    assert words in readme, f"the README does not say {words}"
assert archive.read("zolbas-windows-x86_64/zolbas.exe")[:2] == b"MZ"
print("zip ok:", ", ".join(files))
PY
