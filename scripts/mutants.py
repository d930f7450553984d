#!/usr/bin/env python3
"""Mutation testing: how many deliberate faults do the tests catch?

Puts one small fault at a time into the C++ sources under the given folders
(a comparison turned round, && for ||, + for -, 0, 1 or 2 off by one, true
for false, a negation or a call left out), rebuilds, runs the tests, and counts the fault
as killed when a test fails or hangs. A fault that does not compile is
dropped and another one is drawn in its place, so the run always reports
`--count` real mutants. The same seed draws the same faults from the same
lines, wherever they have moved to, so runs before and after a change can be
compared.

    scripts/mutants.py --seed 7 --count 60 src/engine src/records

Runs in its own build folder (default build-mutants, configured on first
use), restores every source file afterwards even when interrupted, and
prints one line per mutant, the survivors in full and the share killed.
"""

import argparse
import os
import hashlib
import json
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Each rule: a pattern on a code line and what one match becomes. Binary
# operators are matched with the spaces the formatter puts round them, which
# keeps templates, pointers and streams out.
RULES = [
    ("==", re.compile(r"(?<=\s)==(?=\s)"), "!="),
    ("!=", re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    ("<", re.compile(r"(?<=\s)<(?=\s)"), "<="),
    ("<=", re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    (">", re.compile(r"(?<=\s)>(?=\s)"), ">="),
    (">=", re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    ("&&", re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    ("||", re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    ("+", re.compile(r"(?<=\s)\+(?=\s)"), "-"),
    ("-", re.compile(r"(?<=\s)-(?=\s)"), "+"),
    ("+=", re.compile(r"(?<=\s)\+=(?=\s)"), "-="),
    ("-=", re.compile(r"(?<=\s)-=(?=\s)"), "+="),
    ("true", re.compile(r"\btrue\b"), "false"),
    ("false", re.compile(r"\bfalse\b"), "true"),
    ("!", re.compile(r"(?<=[\s(])!(?=[\w(])"), ""),
    ("number", re.compile(r"(?<![\w.])(\d+)(?![\w.'])"), None),
]

# A whole statement that only calls something: left out as a mutant.
CALL_STATEMENT = re.compile(r"^\s*[\w:.>\-\[\]]+\([^;{}]*\);\s*$")


def code_lines(path):
    """(line number, text) of each line that is code: no comments, no
    preprocessor lines, no string literals (their text is blanked)."""
    in_block = False
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw
        if in_block:
            end = line.find("*/")
            if end < 0:
                continue
            line = " " * (end + 2) + line[end + 2 :]
            in_block = False
        if line.lstrip().startswith("#"):
            continue
        line = re.sub(r'"(?:\\.|[^"\\])*"', lambda m: '"' + " " * (len(m.group()) - 2) + '"', line)
        line = re.sub(r"'(?:\\.|[^'\\])'", lambda m: " " * len(m.group()), line)
        cut = line.find("//")
        if cut >= 0:
            line = line[:cut]
        start = line.find("/*")
        if start >= 0:
            if line.find("*/", start) < 0:
                in_block = True
            line = line[:start]
        if line.strip():
            yield number, line


def sites(folders):
    """Every place a mutant can go: (file, line number, column, length, new text, rule)."""
    found = []
    for folder in folders:
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            for number, line in code_lines(path):
                for name, pattern, replacement in RULES:
                    for m in pattern.finditer(line):
                        if name == "number":
                            value = int(m.group(1))
                            # Larger numbers are mostly pixels and text
                            # numbers: faults there show on screen, and the
                            # screenshots are where they are checked.
                            if value > 2:
                                continue
                            new = str(value + 1 if value < 2 else value - 1)
                        else:
                            new = replacement
                        found.append((path, number, m.start(), m.end() - m.start(), new, name))
                if CALL_STATEMENT.match(line) and not line.lstrip().startswith("return"):
                    found.append((path, number, 0, len(line), None, "call"))
    return found


def draw_order(site, seed):
    """A site's place in the draw: a hash of the seed, the file, the line's
    text and the fault, so that edits elsewhere do not change which faults an
    unchanged line gets, and runs before and after a change stay comparable."""
    path, number, column, _, new, rule = site
    line = path.read_text(encoding="utf-8").split("\n")[number - 1]
    key = f"{seed}|{path.relative_to(ROOT)}|{line.strip()}|{column}|{rule}|{new}"
    return hashlib.sha256(key.encode()).hexdigest()


def mutated(site, line):
    _, _, column, length, new, _ = site
    if new is None:
        return re.sub(r"\S.*", "{}", line, count=1)
    return line[:column] + new + line[column + length :]


def apply(site):
    path, number = site[0], site[1]
    lines = path.read_text(encoding="utf-8").split("\n")
    line = lines[number - 1]
    lines[number - 1] = mutated(site, line)
    path.write_text("\n".join(lines), encoding="utf-8")
    return line.strip(), lines[number - 1].strip()


def survivors_of(log):
    """The mutants an earlier run on the same sources reported as surviving:
    file and line, fault, and the line as mutated."""
    found = set()
    pattern = re.compile(r"SURVIVED\s+\d+ s\s+(\S+) \[(\S+)\] (.*)$")
    for line in Path(log).read_text(encoding="utf-8", errors="replace").splitlines():
        m = pattern.search(line)
        if m:
            found.add((m.group(1), m.group(2), m.group(3).strip()))
    return found


def identity(site):
    path, number = site[0], site[1]
    line = path.read_text(encoding="utf-8").split("\n")[number - 1]
    return (f"{path.relative_to(ROOT)}:{number}", site[5], mutated(site, line).strip())


def test_programs(build, exclude):
    """The programs the tests run, so that a mutant rebuilds only those."""
    listing = subprocess.run(["ctest", "--show-only=json-v1", "-E", exclude], cwd=build,
                             check=True, capture_output=True, text=True).stdout
    # Only programs built here: a test run through a wrapper (xvfb-run) names
    # the wrapper first, which is no target.
    return sorted({Path(t["command"][0]).name for t in json.loads(listing)["tests"]
                   if "command" in t and Path(t["command"][0]).is_relative_to(build)})


def failing_tests(cmd, timeout, build, env):
    """The tests that fail (or time out) under ctest; a hang of the whole run
    counts as one failure named HANG."""
    proc = subprocess.Popen(cmd, start_new_session=True, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, cwd=build, env=env, text=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        return ["HANG"]
    tail = out.split("The following tests FAILED:", 1)
    if len(tail) < 2:
        return [] if proc.returncode == 0 else ["UNKNOWN"]
    return re.findall(r"^\s*\d+ - (\S+) \(", tail[1], re.M)


def run(cmd, timeout, **kw):
    proc = subprocess.Popen(cmd, start_new_session=True, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, **kw)
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folders", nargs="+")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--survivors-of", metavar="LOG",
                        help="run only the mutants that survived in this earlier log of the same "
                             "sources: once tests have only been added, the rest stay killed")
    parser.add_argument("--matrix", action="store_true",
                        help="run every test on each mutant and name the ones that fail, to see "
                             "which tests catch faults no other test catches")
    parser.add_argument("--exclude", default="Packaging",
                        help="ctest -E regex of tests that cannot see the sources")
    args = parser.parse_args()

    build = ROOT / args.build
    if not (build / "build.ninja").exists():
        # Optimised as the game is, but without debug information and with a
        # quicker linker: each mutant relinks every test program.
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld",
                        "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"], check=True,
                       stdout=subprocess.DEVNULL)
    test = ["ctest", "-j2", "-E", args.exclude]
    if not args.matrix:
        test.append("--stop-on-failure")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    make = ["cmake", "--build", build, "-j2"]
    if run(make, 3600) != 0:
        sys.exit("the unchanged sources do not build")
    make += ["--target", *test_programs(build, args.exclude)]

    began = time.monotonic()
    if run(test, 1800, cwd=build, env=env) != 0:
        sys.exit("the tests fail on the unchanged sources")
    # A mutant whose tests run far longer than the clean run is hung.
    limit = max(60.0, 5 * (time.monotonic() - began))

    # Stopping the run must still put the sources back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    candidates = sites(args.folders)
    candidates.sort(key=lambda site: draw_order(site, args.seed))
    if args.survivors_of:
        wanted = survivors_of(args.survivors_of)
        candidates = [site for site in candidates if identity(site) in wanted]
        args.count = len(candidates)
    originals = {}
    killed, survivors, tried = 0, [], 0
    try:
        for site in candidates:
            if tried == args.count:
                break
            path = site[0]
            originals.setdefault(path, path.read_text(encoding="utf-8"))
            before, after = apply(site)
            where = f"{path.relative_to(ROOT)}:{site[1]}"
            started = time.monotonic()
            built = run(make, 1800) == 0
            if built:
                tried += 1
                if args.matrix:
                    failing = failing_tests(test + ["--timeout", str(limit)], limit * 2, build, env)
                    caught = failing != []
                else:
                    caught = run(test, limit, cwd=build, env=env) != 0
                killed += caught
                if not caught:
                    survivors.append((where, before, after))
                label = "killed" if caught else "SURVIVED"
                took = time.monotonic() - started
                print(f"{tried:3} {label:8} {took:4.0f} s  {where} [{site[5]}] {after}", flush=True)
                if args.matrix and caught:
                    print(f"    by: {' '.join(failing)}", flush=True)
            path.write_text(originals[path], encoding="utf-8")
    finally:
        for path, text in originals.items():
            path.write_text(text, encoding="utf-8")
        run(make, 3600)

    print(f"\n{killed} of {tried} mutants killed ({100.0 * killed / max(tried, 1):.1f} %), "
          f"seed {args.seed}, {len(candidates)} sites in {' '.join(args.folders)}")
    for where, before, after in survivors:
        print(f"survived: {where}\n    was: {before}\n    now: {after}")


if __name__ == "__main__":
    main()
