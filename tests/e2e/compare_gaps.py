#!/usr/bin/env python3
"""Compares the gaps of the demo score respaced by the DLL under Wine with the
gaps the native dunvaro-sim writes for the same score and settings (all
pages, default settings).

    compare_gaps.py WINE_SCORE.json DUNVARO_SIM [DUNVARO_SIM ...]

The first dunvaro-sim that exists is used; ./dev test builds the native
presets before the Windows ones, so one is there by the time this runs.
"""
import json
import os
import subprocess
import sys
import tempfile


def gaps(path):
    with open(path, encoding="utf-8") as f:
        doc = json.load(f)
    return [[system["gap"] for system in page["systems"]] for page in doc["pages"]]


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    wine_file, candidates = sys.argv[1], sys.argv[2:]
    sim = next((c for c in candidates if os.access(c, os.X_OK)), None)
    if sim is None:
        print("compare_gaps: no native dunvaro-sim; build a native preset first (looked for %s)"
              % ", ".join(candidates), file=sys.stderr)
        return 1
    if not os.path.exists(wine_file):
        print("compare_gaps: %s is missing: the e2e run did not write it" % wine_file, file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([sim, "demo", "--out", out], capture_output=True, text=True)
        if run.returncode != 0:
            print("compare_gaps: %s demo failed:\n%s%s" % (sim, run.stdout, run.stderr), file=sys.stderr)
            return 1
        before = gaps(os.path.join(out, "demo-score.json"))
        native = gaps(os.path.join(out, "demo-respaced.json"))
    wine = gaps(wine_file)
    failed = False
    if native == before:
        print("compare_gaps: the native run changed no gap; nothing to compare")
        failed = True
    if wine != native:
        failed = True
        for page, (w, n) in enumerate(zip(wine, native), start=1):
            if w != n:
                print("page %d: under Wine %s, native %s" % (page, w, n))
        if len(wine) != len(native):
            print("pages: under Wine %d, native %d" % (len(wine), len(native)))
    if not failed:
        print("gaps of %d pages as the native %s writes them" % (len(wine), os.path.relpath(sim)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
