#!/usr/bin/env bash
# A round of the Windows program under Wine, played with real key presses:
# the title, Return, the play screen with Down held, E, the explosion, OK
# on the question, the title again. The best score starts as a registry
# value of the wrong type and the sound drivers are off: one warning for
# the value, at most one for the sound, and the save leaves REG_SZ values
# that `wine reg query` reads back.
#
# usage: windowed_round.sh ZOLBAS_COMMAND   (with WINEPREFIX set)
source "$(dirname "$0")/../window/lib.sh"
here=$(cd "$(dirname "$0")/../.." && pwd)
key='HKCU\Software\VB and VBA Program Settings\ZOL\1'
reg() { "$here/tools/wine-run.sh" reg "$@"; }
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv=d"

reg delete "$key" /f >/dev/null 2>&1 || true
reg add "$key" /v HI /t REG_DWORD /d 5000 /f >/dev/null

start_game
enter_game
ticked() { [ "$(grep -c '"ev":"tick"' "$work/trace.jsonl")" -gt "$1" ]; }
xdotool keydown Down
wait_until 30 ticked 30 || fail "the game did not play"
xdotool keyup Down
shot=$(screenshot "$play" play)
# The play screen's colours, each over most of its designed area: the
# status line, the ground band, the two best labels, the form's back.
check_area() {
  local found
  found=$(convert "$shot" -fill black +opaque "rgb($1)" -fill white -opaque "rgb($1)" \
            -format "%[fx:int(mean*w*h+0.5)]" info:)
  [ "$found" -ge "$2" ] || fail "$3: $found pixels of rgb($1), fewer than $2"
}
check_area 255,0,0 7000 "the status line"
check_area 128,64,0 6000 "the ground band"
check_area 0,255,255 4000 "the best score and best combo"
check_area 255,128,0 150000 "the form's back colour"
# The layout in pixels at 100 %: the ground band is 577 x 33, 376 pixels
# below the status line, which spans the client area's top 25 rows.
read -r w h x y <<< "$(convert "$shot" -fill black +opaque 'rgb(128,64,0)' -trim -format '%w %h %X %Y' info:)"
[ "$w $h" = "577 33" ] || fail "the ground band is ${w}x$h, not 577x33"
top=$(( ${y#+} - 376 ))
red=$(convert "$shot" -crop "577x25+${x#+}+$top" +repage -fill black +opaque 'rgb(255,0,0)' -fill white \
        -opaque 'rgb(255,0,0)' -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$red" -ge 10000 ] || fail "the status line at the client's top: $red red pixels"

xdotool key e
wait_for_event '"ev":"gameover"'
wait_for_event '"text":"得点-'
focused_window "ゲームオーバー" > /dev/null
xdotool key Return
focused_window "ゾルバス  別名　ケルノア" > /dev/null
window_gone "ゾルバス"

python3 - "$work/trace.jsonl" <<'PY' || fail "the trace of the round"
import json, sys
events = [json.loads(l) for l in open(sys.argv[1])]
ticks = [e for e in events if e["ev"] == "tick"]
assert len(ticks) > 20, f"{len(ticks)} ticks"
gaps = [b["lastTick"] - a["lastTick"] for a, b in zip(ticks, ticks[1:])]
assert min(gaps) >= 51, f"two ticks {min(gaps)} ms apart"
assert any(t["keyState"][2] == 1 for t in ticks), "Down never read as held"
load = next(e for e in events if e["ev"] == "store" and e["op"] == "load")
assert load["hiScore"] == 1000, f"a REG_DWORD best loaded as {load['hiScore']}"
assert any(e["ev"] == "answer" and e["value"] == 1 for e in events), "no OK on the question"
PY

best=$(grep '"op":"save"' "$work/trace.jsonl" | sed 's/.*"hiScore":\([-0-9]*\).*/\1/')
stored=$(reg query "$key" /v HI | tr -d '\r')
echo "$stored" | grep -Eq "HI +REG_SZ +$best\$" || fail "the registry holds, for HI: $stored"
reg query "$key" /v HIc | tr -d '\r' | grep -Eq 'HIc +REG_SZ +[0-9]+$' || fail "no REG_SZ HIc"
said=$(grep -c '^zolbas:' "$work/stderr" || true)
grep -q 'HI is not a number' "$work/stderr" || fail "no warning for the REG_DWORD value"
[ "$said" -le 2 ] || { cat "$work/stderr"; fail "$said lines on standard error"; }

xdotool key Tab Tab Return   # END
wait_for_exit "END"
wait "$pid" || fail "the program ended with status $?"
pid=
echo "windowed round ok: best $best kept as REG_SZ"
