"""The page's own record of what the player did, replayed through
`zolbas --simulate`: it must give the page's trace event for event."""
import json
import pathlib
import subprocess
import tempfile

from page_harness import RoundFailed, Stalled, check


def replayed(zolbas, script):
    run = subprocess.run([zolbas, "--simulate", "-"], input=script, capture_output=True, text=True, timeout=120)
    check(run.returncode == 0, f"the replay failed with status {run.returncode}: {run.stderr}")
    return [json.loads(line) for line in run.stdout.splitlines()]


def compare_with_replay(page_events, replay_events):
    """Event for event; the page shows the explosion before the game goes on
    (the game held meanwhile) where the simulation shows it at once, so the
    events from `gameover` to the question come later by one same amount."""
    check(len(page_events) == len(replay_events),
          f"the page wrote {len(page_events)} events, the replay {len(replay_events)}")
    shown_for = None
    for index, (page, replay) in enumerate(zip(page_events, replay_events)):
        if page["ev"] == "gameover":
            shown_for = page["t"] - replay["t"]
            check(shown_for >= 0, "the explosion ended before it began")
        delay = shown_for if shown_for is not None else 0
        if page["ev"] in ("answer", "tick", "load", "unload", "end"):
            shown_for = None
            delay = 0
        check({**page, "t": page["t"] - delay} == replay, f"event {index}: page {page}, replay {replay}")


def check_replay(chromium, events, zolbas):
    """Replays the page's script; when the traces differ, the script and
    both traces are kept for a look."""
    skipped = chromium.evaluate("zolbasPage.state()")["skippedMs"]
    if skipped:
        raise Stalled(f"the machine stalled the page for {skipped} ms")
    script = chromium.evaluate("zolbasPage.script()")
    replay = replayed(zolbas, script)
    try:
        compare_with_replay(events, replay)
    except RoundFailed as failure:
        kept = pathlib.Path(tempfile.mkdtemp(prefix="page-round-"))
        (kept / "page.script").write_text(script)
        (kept / "page.jsonl").write_text("".join(json.dumps(e, ensure_ascii=False) + "\n" for e in events))
        (kept / "replay.jsonl").write_text("".join(json.dumps(e, ensure_ascii=False) + "\n" for e in replay))
        raise RoundFailed(f"{failure} (the script and both traces are in {kept})") from None
