#!/usr/bin/env bash
# The Windows program carries its resources: the manifest (per-monitor DPI
# awareness, common controls 6, UTF-8 code page), the version in Japanese
# and English, and the icon at its five sizes.
set -euo pipefail
exe=${1:?zolbas.exe}
version=${2:?version}
python3 - "$exe" "$version" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
version = sys.argv[2]
wanted = {
    "the manifest's DPI awareness": b"PerMonitorV2",
    "the manifest's code page": b'WindowsSettings">UTF-8</activeCodePage>',
    "common controls 6": b'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"',
    "the product name": "ゾルバス (Zolbas)".encode("utf-16-le"),
    "the version": ("ProductVersion\0" + version).encode("utf-16-le"),
    # An icon directory: reserved 0, type 1 (icon), five images.
    "the icon's five sizes": b"\x00\x00\x01\x00\x05\x00",
}
missing = [name for name, pattern in wanted.items() if pattern not in data]
if missing:
    sys.exit("missing from the executable: " + ", ".join(missing))
print("resources ok")
PY
