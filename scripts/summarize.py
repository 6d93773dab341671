"""Adds up the GoogleTest XML reports of the build folders and prints the closing summary line."""
import glob
import os
import sys
import xml.etree.ElementTree as ET


def count(folder):
    passed = failed = skipped = 0
    for report in glob.glob(os.path.join(folder, "test-results", "*.xml")):
        for case in ET.parse(report).getroot().iter("testcase"):
            if case.find("failure") is not None or case.find("error") is not None:
                failed += 1
            elif case.get("result") == "skipped" or case.find("skipped") is not None:
                skipped += 1
            else:
                passed += 1
    return passed, failed, skipped


def main():
    args = sys.argv[1:]
    folders = [a for a in args if os.path.isdir(a)]
    rest = args[len(folders):]
    failed_steps = rest[1:] if rest else []
    totals = [0, 0, 0]
    for folder in folders:
        p, f, s = count(folder)
        print(f"{folder}: {p} passed, {f} failed, {s} skipped")
        totals = [totals[0] + p, totals[1] + f, totals[2] + s]
    for name in failed_steps:
        print(f"failed step: {name}")
    failed = totals[1] + len(failed_steps)
    print(f"tests: {totals[0]} passed, {failed} failed, {totals[2]} skipped")
    sys.exit(1 if failed or totals[0] == 0 else 0)


main()
