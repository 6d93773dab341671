"""Adds up what the test command ran and prints one line per build and the closing summary line.

Usage: summarize.py [--not-run FOLDER REASON]... FOLDER... [-- FAILED_STEP...]

For each build folder it reads ctest's report (ctest-results.xml, one entry per test program) and the
GoogleTest reports in test-results/. A test program counts by its GoogleTest cases; one that failed without
a failing case in its report (it could not start, crashed, or wrote no report) adds one failed test, and
one without a GoogleTest report counts as one test by ctest's verdict. A build whose tests were not run on
purpose is reported with its reason and its test programs counted as skipped, never as passed; a build with
no ctest report at all did not run and counts as failed.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET


class Tally:
    def __init__(self):
        self.passed = self.failed = self.skipped = 0

    def add(self, other):
        self.passed += other.passed
        self.failed += other.failed
        self.skipped += other.skipped

    def count(self, verdict):
        setattr(self, verdict, getattr(self, verdict) + 1)

    def line(self):
        return f"{self.passed} passed, {self.failed} failed, {self.skipped} skipped"


def failed_verdict(case):
    return case.find("failure") is not None or case.find("error") is not None


def verdict(entry, failed_statuses=(), skipped_statuses=()):
    """"failed", "skipped" or "passed" for a GoogleTest case or a ctest entry of a JUnit-style report."""
    if failed_verdict(entry) or entry.get("status") in failed_statuses:
        return "failed"
    if (entry.get("result") in ("skipped", "suppressed") or entry.find("skipped") is not None
            or entry.get("status") in skipped_statuses):
        return "skipped"
    return "passed"


def count_cases(report):
    tally = Tally()
    for case in ET.parse(report).getroot().iter("testcase"):
        tally.count(verdict(case))
    return tally


def count_program(folder, program, notes):
    """One ctest entry: its GoogleTest cases, corrected by ctest's verdict on the program."""
    name = program.get("name")
    program_verdict = verdict(program, failed_statuses=("fail", "notrun"), skipped_statuses=("disabled",))
    report = os.path.join(folder, "test-results", name + ".xml")
    if not os.path.isfile(report):
        if program_verdict == "failed":
            notes.append(f"{folder}: {name} failed")
        tally = Tally()
        tally.count(program_verdict)
        return tally
    try:
        tally = count_cases(report)
    except ET.ParseError:
        notes.append(f"{folder}: {name} left an unreadable test report")
        tally = Tally()
        tally.count("failed")
        return tally
    if program_verdict == "failed" and tally.failed == 0:
        notes.append(f"{folder}: {name} failed outside its test cases (could not start, crashed or hung)")
        tally.count("failed")
    return tally


def count_build(folder, notes):
    ctest_report = os.path.join(folder, "ctest-results.xml")
    if not os.path.isfile(ctest_report):
        return None
    tally = Tally()
    for program in ET.parse(ctest_report).getroot().iter("testcase"):
        tally.add(count_program(folder, program, notes))
    return tally


def test_programs(folder):
    listing = subprocess.run(["ctest", "--test-dir", folder, "-N"], capture_output=True, text=True).stdout
    for line in listing.splitlines():
        if line.startswith("Total Tests:"):
            return int(line.split(":")[1])
    return 0


def parse(args):
    not_run, folders, failed_steps = {}, [], []
    while args:
        argument = args.pop(0)
        if argument == "--not-run":
            folder, reason = args.pop(0), args.pop(0)
            not_run[folder] = reason
        elif argument == "--":
            failed_steps, args = args, []
        else:
            folders.append(argument)
    return not_run, folders, failed_steps


def main():
    not_run, folders, failed_steps = parse(sys.argv[1:])
    totals, notes = Tally(), []
    for folder in folders:
        if folder in not_run:
            programs = test_programs(folder)
            totals.skipped += programs
            print(f"{folder}: not run: {not_run[folder]} ({programs} test programs counted as skipped)")
            continue
        tally = count_build(folder, notes)
        if tally is None:
            print(f"{folder}: did not run (no ctest report), counted as 1 failed")
            totals.failed += 1
            continue
        print(f"{folder}: {tally.line()}")
        totals.add(tally)
    for note in notes:
        print(note)
    for name in failed_steps:
        print(f"failed step: {name}")
    totals.failed += len(failed_steps)
    print(f"tests: {totals.line()}")
    sys.exit(1 if totals.failed or totals.passed == 0 else 0)


main()
