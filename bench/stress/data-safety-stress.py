#!/usr/bin/env python3
"""Stress figures for the hand-over and for saves, all in a temporary folder.

  bench/stress/data-safety-stress.py [build folder] [--quick]

1. The link host killed at a random moment while it queues a link: counts
   queue lines that do not parse or whose address and text belong to
   different links (torn), and links queued before that went missing.
2. Two hosts sending 300 links each at once while the program's side answers
   every link: each link answered ok is added once (or, declined, not at
   all); lost, doubled; and the longest look at the queue.
3. The program's side SIGTERMed and SIGKILLed at random while its dialogs are
   open and hosts keep sending, then started again until every link is
   answered: lost and doubled of all links answered ok.
4. A saver killed with SIGKILL 1,000 times during saves, then one start:
   torn list files and temporary files left.

5. Profile writes (the note, the due check) while another process holds the
   profile's lock for 60 s: the longest stall of the event loop, and whether
   the last value lands after the release.
6. The merge property test (own changes, failed saves, reloads and another
   program's edits against a model) over 200,000 random runs.

The program's side is the helper running the program's own queue and
hand-over logic with a dialog that stays open 10-40 ms and declines every
link whose text ends in 7.
"""

import concurrent.futures
import json
import os
import random
import signal
import struct
import subprocess
import sys
import tempfile
import time

BUILD = next((a for a in sys.argv[1:] if not a.startswith("--")), "build")
QUICK = "--quick" in sys.argv
HOST = os.path.join(BUILD, "quillmark-link-host")
HELPER = os.path.join(BUILD, "bench/quillmark_data_safety_helper")
STALL = os.path.join(BUILD, "bench/quillmark_profile_lock_stall")
CORE_TESTS = os.path.join(BUILD, "tests/core/quillmark_core_tests")


def frame(message):
    data = json.dumps(message).encode()
    return struct.pack("<I", len(data)) + data


def answers(data):
    out, pos = [], 0
    while pos + 4 <= len(data):
        (length,) = struct.unpack("<I", data[pos : pos + 4])
        out.append(json.loads(data[pos + 4 : pos + 4 + length]))
        pos += 4 + length
    return out


def link(tag):
    return {"href": f'<a href="https://{tag}/">{tag}</a>', "text": tag}


def tag_of(href):
    return href.split("https://", 1)[-1].split("/", 1)[0]


class Home:
    def __init__(self, root):
        self.root = root
        self.config = os.path.join(root, "config")
        self.profile = os.path.join(self.config, "Tarnwick software", "Quillmark.conf")
        self.queue = os.path.join(self.config, "Tarnwick software", "Quillmark.handover")
        os.makedirs(os.path.dirname(self.profile), exist_ok=True)
        os.makedirs(os.path.join(root, "Data"), exist_ok=True)
        self.env = dict(os.environ, HOME=root, XDG_CONFIG_HOME=self.config)

    def host(self):
        return subprocess.Popen(
            [HOST, "chrome-extension://stress/"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=self.env)

    def send(self, tags):
        host = self.host()
        out = host.communicate(b"".join(frame(link(t)) for t in tags))[0]
        return dict(zip(tags, answers(out)))

    def program(self, ms):
        return subprocess.Popen([HELPER, "answer", self.profile, self.root, str(ms)],
                                stdout=subprocess.PIPE, text=True)

    def queued(self):
        lines = open(self.queue, encoding="utf-8").read().split("\n") if os.path.exists(
            self.queue) else []
        return [line.split("\t") for line in lines if line]

    def added(self):
        counts = {}
        path = os.path.join(self.root, "Data", "qmlinks.qbx")
        if os.path.exists(path):
            for line in open(path, encoding="utf-8").read().splitlines():
                tag = tag_of(line.split("|", 1)[0])
                counts[tag] = counts.get(tag, 0) + 1
        return counts


def outcome(home, replies):
    """Added once / lost / doubled of the links answered ok, and declined ones added."""
    added = home.added()
    ok = [t for t, r in replies.items() if r and r.get("ok")]
    wanted = [t for t in ok if not t.endswith("7")]
    once = sum(1 for t in wanted if added.get(t, 0) == 1)
    lost = sum(1 for t in wanted if added.get(t, 0) == 0)
    doubled = sum(1 for t in wanted if added.get(t, 0) > 1)
    wrong = sum(1 for t in ok if t.endswith("7") and added.get(t, 0) > 0)
    return len(ok), once, lost, doubled, wrong


def killed_hosts(root, runs):
    home = Home(root)
    torn = lost = 0
    before = []
    for i in range(runs):
        host = home.host()
        host.stdin.write(frame(link(f"b{i}")))
        host.stdin.flush()
        time.sleep(random.uniform(0, 0.03))
        host.send_signal(signal.SIGKILL)
        host.wait()
        lines = home.queued()
        torn += sum(1 for f in lines if len(f) != 3 or tag_of(f[1]) != f[2])
        ids = [f[0] for f in lines]
        lost += sum(1 for i in before if i not in ids)
        before = ids
    print(f"1. host killed during {runs} hand-overs: {torn} torn queue lines, "
          f"{lost} queued links lost ({len(before)} stored before their host was killed)")


def two_hosts(root, per_host):
    home = Home(root)
    program = home.program(600_000)
    results = {}
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        for replies in pool.map(home.send, [[f"h{n}-{i}" for i in range(per_host)]
                                            for n in (1, 2)]):
            results.update(replies)
    program.send_signal(signal.SIGTERM)
    stall_us = int(program.communicate()[0].split()[-1])
    home.program(0).wait()  # whatever the first one left
    sent, once, lost, doubled, wrong = outcome(home, results)
    print(f"2. two hosts x {per_host} links, {sent} answered ok: added once {once}, lost {lost}, "
          f"doubled {doubled}, declined but added {wrong}; longest look {stall_us / 1000:.2f} ms")


def killed_program(root, batches):
    home = Home(root)
    results = {}
    kills = {signal.SIGTERM: 0, signal.SIGKILL: 0}
    open_at_kill = 0
    marker = home.profile + ".dialog"
    program = home.program(600_000)
    for b in range(batches):
        results.update(home.send([f"k{b}-{i}" for i in range(random.randint(1, 8))]))
        # Killed at a random moment soon after a dialog came up.
        deadline = time.monotonic() + 0.3
        while not os.path.exists(marker) and time.monotonic() < deadline:
            time.sleep(0.001)
        time.sleep(random.uniform(0, 0.012))
        how = random.choice([signal.SIGTERM, signal.SIGKILL])
        open_at_kill += os.path.exists(marker)
        program.send_signal(how)
        program.wait()
        kills[how] += 1
        if os.path.exists(marker):
            os.remove(marker)  # left by a SIGKILL
        program = home.program(600_000)
    program.send_signal(signal.SIGTERM)
    program.wait()
    home.program(0).wait()
    sent, once, lost, doubled, wrong = outcome(home, results)
    print(f"3. program killed {kills[signal.SIGTERM]} x SIGTERM, {kills[signal.SIGKILL]} x SIGKILL "
          f"at random ({open_at_kill} with a dialog open), {sent} links answered ok: added once {once}, lost {lost}, "
          f"doubled {doubled}, declined but added {wrong}, {len(home.queued())} left queued")


def killed_saves(root, kills):
    data = os.path.join(root, "Data")
    os.makedirs(data)
    lines = 2000
    for _ in range(kills):
        saver = subprocess.Popen([HELPER, "save", os.path.join(data, "links.txt"), str(lines)])
        time.sleep(random.uniform(0.002, 0.03))
        saver.send_signal(signal.SIGKILL)
        saver.wait()
    left_before = sum(1 for n in os.listdir(data) if n.endswith(".tmp"))
    subprocess.run([HELPER, "start", data], check=True, stdout=subprocess.DEVNULL)
    torn = 0
    path = os.path.join(data, "links.txt")
    if os.path.exists(path):
        with open(path) as f:
            content = f.read().splitlines()
        versions = {line.split("/", 3)[2] for line in content}
        torn = int(len(versions) > 1 or (content and len(content) != lines))
    left = sum(1 for n in os.listdir(data) if n.endswith(".tmp"))
    print(f"4. {kills} SIGKILLs during saves, then one start: {torn} torn files, "
          f"{left_before} temporary files before the start, {left} after")


def lock_stall(seconds):
    out = subprocess.run([STALL, str(seconds)], capture_output=True, text=True).stdout
    print("5. " + out.strip())


def merge_property(cases):
    # On a memory file system, where a flush costs nothing.
    shm = "/dev/shm" if os.path.isdir("/dev/shm") else tempfile.gettempdir()
    env = dict(os.environ, QUILLMARK_MERGE_CASES=str(cases), TMPDIR=shm)
    out = subprocess.run([CORE_TESTS, "--gtest_filter=ListMerge.*"], env=env,
                         capture_output=True, text=True).stdout
    line = next((l for l in out.splitlines() if l.startswith("merge property")), out)
    print("6. " + line.strip())


def main():
    for tool in (HOST, HELPER, STALL, CORE_TESTS):
        if not os.access(tool, os.X_OK):
            sys.exit(f"build {tool} first (-DQUILLMARK_BUILD_BENCH=ON, cmake --build {BUILD})")
    scale = 5 if QUICK else 1
    with tempfile.TemporaryDirectory(prefix="quillmark-stress-") as root:
        killed_hosts(os.path.join(root, "one"), 500 // scale)
        two_hosts(os.path.join(root, "two"), 300 // scale)
        killed_program(os.path.join(root, "three"), 200 // scale)
        killed_saves(os.path.join(root, "four"), 1000 // scale)
    lock_stall(60 // scale)
    merge_property(200000 // scale)


if __name__ == "__main__":
    main()
