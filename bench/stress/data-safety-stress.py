#!/usr/bin/env python3
"""Stress figures for the hand-over and for saves, all in a temporary folder.

  bench/stress/data-safety-stress.py [build folder] [--quick]

1. The link host killed at a random moment while it hands over link B over a
   waiting link A that a picker may take meanwhile: counts profiles whose
   address and text belong to different links (torn).
2. Two hosts sending 300 links each at once while a picker takes every link:
   each link is delivered once, refused as not running, torn, duplicated or
   lost (answered ok, never delivered); and the longest single poll.
3. A saver killed with SIGKILL 1,000 times during saves, then one start:
   torn list files and temporary files left.
4. Profile writes (the note, the due check) while another process holds the
   profile's lock for 60 s: the longest stall of the event loop, and whether
   the last value lands after the release.
5. The merge property test (own changes, failed saves, reloads and another
   program's edits against a model) over 200,000 random runs.
"""

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
NOT_RUNNING = "Quillmark is not running"


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


def unquote(raw):
    raw = raw.strip()
    if raw.startswith('"') and raw.endswith('"'):
        raw = raw[1:-1]
    out, i = [], 0
    while i < len(raw):
        if raw[i] == "\\" and i + 1 < len(raw):
            i += 1
        out.append(raw[i])
        i += 1
    return "".join(out)


def status(profile):
    values, section = {}, None
    with open(profile, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("["):
                section = line.strip()
            elif section == "[Status]" and "=" in line:
                key, value = line.split("=", 1)
                values[key.strip()] = unquote(value)
    return values


def link(tag):
    return {"href": f'<a href="https://{tag}/">{tag}</a>', "text": tag}


def tag_of(href):
    return href.split("https://", 1)[-1].split("/", 1)[0]


class Home:
    def __init__(self, root):
        self.config = os.path.join(root, "config")
        self.profile = os.path.join(self.config, "Tarnwick software", "Quillmark.conf")
        os.makedirs(os.path.dirname(self.profile), exist_ok=True)
        self.env = dict(os.environ, HOME=root, XDG_CONFIG_HOME=self.config)

    def write(self, flag, tag):
        values = link(tag)
        href = values["href"].replace('"', '\\"')
        with open(self.profile, "w") as f:
            f.write("[Settings]\nPercent=40\ngarbage line without equals\n\n[Status]\n")
            f.write(f'new_link={flag}\nnew_link_href="{href}"\nnew_link_text={tag}\n')

    def host(self, messages):
        return subprocess.Popen(
            [HOST, "chrome-extension://stress/"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=self.env)

    def picker(self, ms):
        return subprocess.Popen([HELPER, "pick", self.profile, str(ms)], stdout=subprocess.PIPE,
                                text=True)


def killed_hosts(root, runs):
    home = Home(root)
    torn = stored = 0
    for i in range(runs):
        home.write("true", f"a{i}")
        picker = home.picker(random.randint(0, 60))
        host = home.host(1)
        host.stdin.write(frame(link(f"b{i}")))
        host.stdin.flush()
        time.sleep(random.uniform(0, 0.06))
        host.send_signal(signal.SIGKILL)
        host.wait()
        picker.communicate()
        values = status(home.profile)
        if tag_of(values.get("new_link_href", "")) != values.get("new_link_text"):
            torn += 1
        stored += values.get("new_link_text") == f"b{i}"
    print(f"1. host killed during {runs} hand-overs over a waiting link: "
          f"{torn} torn ({stored} runs had stored B before the kill)")


def two_hosts(root, per_host):
    home = Home(root)
    home.write("false", "none")
    picker = home.picker(600_000)
    hosts = []
    for name in ("h1", "h2"):
        tags = [f"{name}-{i}" for i in range(per_host)]
        host = home.host(per_host)
        hosts.append((host, tags))
    outputs = []
    for host, tags in hosts:
        host.stdin.write(b"".join(frame(link(t)) for t in tags))
        host.stdin.close()
    for host, tags in hosts:
        outputs.append((answers(host.stdout.read()), tags))
        host.wait()
    time.sleep(0.5)
    open(home.profile + ".stop", "w").close()
    lines = picker.communicate()[0].splitlines()
    stall_us = int(lines[-1].split()[1])
    delivered = {}
    torn = 0
    for line in lines[:-1]:
        href, text = line.split("\t", 1)
        if tag_of(href) != text:
            torn += 1
        delivered[text] = delivered.get(text, 0) + 1
    once = not_running = lost = odd = 0
    for replies, tags in outputs:
        for tag, reply in zip(tags, replies + [None] * (len(tags) - len(replies))):
            count = delivered.get(tag, 0)
            if reply and reply.get("ok") and count == 1:
                once += 1
            elif reply and reply.get("error") == NOT_RUNNING and count == 0:
                not_running += 1
            elif reply and reply.get("ok") and count == 0:
                lost += 1
            elif count <= 1:
                odd += 1
    duplicated = sum(1 for c in delivered.values() if c > 1)
    print(f"2. two hosts x {per_host} links: delivered once {once}, not-running error "
          f"{not_running}, torn {torn}, duplicated {duplicated}, lost {lost}, other {odd}; "
          f"longest poll {stall_us / 1000:.2f} ms")


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
    print(f"3. {kills} SIGKILLs during saves, then one start: {torn} torn files, "
          f"{left_before} temporary files before the start, {left} after")


def lock_stall(seconds):
    out = subprocess.run([STALL, str(seconds)], capture_output=True, text=True).stdout
    print("4. " + out.strip())


def merge_property(cases):
    # On a memory file system, where a flush costs nothing.
    shm = "/dev/shm" if os.path.isdir("/dev/shm") else tempfile.gettempdir()
    env = dict(os.environ, QUILLMARK_MERGE_CASES=str(cases), TMPDIR=shm)
    out = subprocess.run([CORE_TESTS, "--gtest_filter=ListMerge.*"], env=env,
                         capture_output=True, text=True).stdout
    line = next((l for l in out.splitlines() if l.startswith("merge property")), out)
    print("5. " + line.strip())


def main():
    for tool in (HOST, HELPER, STALL, CORE_TESTS):
        if not os.access(tool, os.X_OK):
            sys.exit(f"build {tool} first (-DQUILLMARK_BUILD_BENCH=ON, cmake --build {BUILD})")
    scale = 5 if QUICK else 1
    with tempfile.TemporaryDirectory(prefix="quillmark-stress-") as root:
        killed_hosts(os.path.join(root, "one"), 500 // scale)
        two_hosts(os.path.join(root, "two"), 300 // scale)
        killed_saves(os.path.join(root, "three"), 1000 // scale)
    lock_stall(60 // scale)
    merge_property(200000 // scale)


if __name__ == "__main__":
    main()
