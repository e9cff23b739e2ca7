#!/usr/bin/env python3
"""A chaos soak of the station node: the real headless node, on a fast clock, against a
rigctld stand-in that injects faults on a seeded schedule; the node itself killed and
restarted as its user unit would restart it. Prints the figures at the end.

Run through scripts/soak.sh, which builds the node and finds libfaketime."""

import argparse
import os
import random
import re
import signal
import socket
import statistics
import subprocess
import sys
import threading
import time
from datetime import datetime, timedelta

# The node's time runs `speed` times faster than the soak's. Every duration below is in
# node time; the stand-in, which runs in real time, divides it by the speed.
DEADLINE = 0.3  # the link's deadline for every request
LONGEST_SEQUENCE = 7.0  # key, 2 s, hour clip, 3 s, minute clip, 2 s, release
STUCK = LONGEST_SEQUENCE + 2.0
RESTART_SEC = 5.0  # the unit's RestartSec

# Faults per command, as chances; the rest are answered as rigctld would.
FAULTS = [
    ("slow", 0.03),  # the radio answers after the deadline
    ("refuse", 0.01),  # RPRT -1
    ("drop", 0.01),  # the connection closed, unanswered
    ("flood", 0.004),  # megabytes of noise with no line end
    ("garbage", 0.006),  # a line of noise
]
LATE_KEY = 0.2  # of "T 1": held unanswered, carried out just after the next "T 0"
KEYING_FAULTS = 3  # the keying commands ("T 1", "T 0", "t") meet faults this much more often


class Radio:
    """The radio behind the daemon: its PTT, with every change stamped."""

    def __init__(self):
        self.ptt = False
        self.changes = []  # (real time, on)
        self.lock = threading.Lock()  # rigctld serves its clients one at a time

    def set(self, on):
        if on != self.ptt:
            self.ptt = on
            self.changes.append((time.monotonic(), on))


class StandIn:
    """A rigctld stand-in: a thread per connection, one radio, seeded faults, and restarts
    of the daemon itself (the radio keeps its PTT across them)."""

    def __init__(self, port, speed, rng, radio):
        self.port, self.speed, self.rng, self.radio = port, speed, rng, radio
        self.held_key = False
        self.counts = {}
        self.outages = []  # (real start, real end)
        self.listener = None
        self.clients = set()
        self.up = threading.Event()
        self.stopping = False

    def real(self, node_seconds):
        return node_seconds / self.speed

    def count(self, name):
        self.counts[name] = self.counts.get(name, 0) + 1

    def start(self):
        self.listen()
        threading.Thread(target=self.accept_loop, daemon=True).start()

    def listen(self):
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", self.port))
        listener.listen(16)
        self.listener = listener
        self.up.set()

    def restart(self, down_node_seconds):
        """The daemon goes away with every connection and comes back later."""
        self.count("daemon restart")
        self.up.clear()
        started = time.monotonic()
        listener, self.listener = self.listener, None
        listener.close()
        for client in list(self.clients):
            try:
                client.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
        time.sleep(self.real(down_node_seconds))
        self.held_key = False  # a daemon that restarts forgets its queue
        self.listen()
        self.outages.append((started, time.monotonic()))

    def accept_loop(self):
        while not self.stopping:
            self.up.wait()
            listener = self.listener
            try:
                client, _ = listener.accept()
            except (OSError, AttributeError):
                continue
            self.clients.add(client)
            threading.Thread(target=self.serve, args=(client,), daemon=True).start()

    def serve(self, client):
        pending = b""
        try:
            while True:
                data = client.recv(512)
                if not data:
                    break
                pending += data
                while b"\n" in pending:
                    line, pending = pending.split(b"\n", 1)
                    if not self.command(client, line.decode(errors="replace").strip()):
                        return
        except OSError:
            pass
        finally:
            self.clients.discard(client)
            client.close()

    def command(self, client, command):
        """Answers one command; False when the connection is to close."""
        rng = self.rng
        fault = None
        draw = rng.random() / (KEYING_FAULTS if command.startswith(("T", "t")) else 1)
        for name, chance in FAULTS:
            if draw < chance:
                fault = name
                break
            draw -= chance
        if command == "T 1" and fault is None and rng.random() < LATE_KEY:
            self.count("late T 1")
            with self.radio.lock:
                self.held_key = True
            return True  # no answer ever: the link drops this connection
        if fault:
            self.count(fault)
        if fault == "refuse":
            client.sendall(b"RPRT -1\n")
            return True
        if fault == "garbage":
            client.sendall(bytes(rng.randrange(256) for _ in range(40)) + b"\n")
            return True
        if fault == "flood":
            try:
                for _ in range(64):
                    client.sendall(b"x" * 65536)
            except OSError:
                pass
            return False
        if fault == "drop":
            if command.startswith("T ") and rng.random() < 0.5:
                with self.radio.lock:
                    self.carry_out(command)
            return False
        with self.radio.lock:
            if fault == "slow":
                time.sleep(self.real(DEADLINE * rng.uniform(1.2, 4.0)))
            reply = self.carry_out(command)
        try:
            client.sendall(reply.encode())
        except OSError:
            return False
        if command == "T 0" and self.held_key:
            self.held_key = False
            time.sleep(self.real(0.05))
            with self.radio.lock:
                self.radio.set(True)  # the late "T 1", out of the daemon's queue
        return True

    def carry_out(self, command):
        if command == "\\get_dcd":
            return "0\n"
        if command == "t":
            return "1\n" if self.radio.ptt else "0\n"
        if command == "T 1":
            self.radio.set(True)
        elif command == "T 0":
            self.radio.set(False)
        return "RPRT 0\n"


def rss_kb(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


class Node:
    """The headless node, restarted as its unit would restart it, on one fast timeline
    across its restarts."""

    def __init__(self, args, folder, port, start_fake, log_path):
        self.args, self.folder, self.port = args, folder, port
        self.start_fake, self.start_real = start_fake, time.monotonic()
        self.log = open(log_path, "ab")
        self.process = None
        self.down = []  # (real start, real end) with no node running
        self.starts = 0

    def fake_now(self):
        return self.start_fake + timedelta(
            seconds=(time.monotonic() - self.start_real) * self.args.speed)

    def start(self):
        # libfaketime starts at a whole second: wait for the next one of the timeline.
        time.sleep((1 - self.fake_now().microsecond / 1e6) / self.args.speed)
        start = self.fake_now() + timedelta(milliseconds=1)
        env = dict(os.environ)
        env["LD_PRELOAD"] = self.args.faketime
        env["FAKETIME"] = "@" + start.strftime("%Y-%m-%d %H:%M:%S") + f" x{self.args.speed}"
        env["TZ"] = "UTC"
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        self.process = subprocess.Popen(
            [self.args.node, "--headless", "--host", f"rigctld=127.0.0.1:{self.port}",
             "--folder", "."],
            cwd=self.folder, env=env, stdout=subprocess.DEVNULL, stderr=self.log)
        self.starts += 1

    def kill(self, signum):
        self.process.send_signal(signum)
        self.process.wait()


def spans(changes, end):
    """The keyed spans, (real start, real end), from the radio's PTT changes."""
    keyed, since = [], None
    for at, on in changes:
        if on and since is None:
            since = at
        elif not on and since is not None:
            keyed.append((since, at))
            since = None
    if since is not None:
        keyed.append((since, end))
    return keyed


LOG_LINE = re.compile(r"^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}) (.*)$")


def read_log(path):
    events = []
    with open(path, errors="replace") as log:
        for line in log:
            match = LOG_LINE.match(line.rstrip("\n"))
            if match:
                at = datetime.strptime(match.group(1), "%Y-%m-%dT%H:%M:%S.%f")
                events.append((at, match.group(2)))
    return events


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--node", required=True)
    parser.add_argument("--faketime", required=True)
    parser.add_argument("--minutes", type=float, default=5)
    parser.add_argument("--speed", type=int, default=12)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--folder", required=True)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    folder = args.folder
    os.makedirs(os.path.join(folder, "hora"), exist_ok=True)
    for hour in range(24):
        open(os.path.join(folder, "hora", f"hrs{hour:02}.wav"), "wb").close()
    for minute in range(60):
        open(os.path.join(folder, "hora", f"min{minute:02}.wav"), "wb").close()
    # Every quarter hour, over RF (the options file's eight lines: Check1..3, 4, 7, 5, 6, Text1).
    with open(os.path.join(folder, "quendal.txt"), "w") as options:
        options.write("0\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n\r\n")
    log_path = os.path.join(folder, "node.log")
    open(log_path, "w").close()

    probe = socket.socket()
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()

    radio = Radio()
    stand_in = StandIn(port, args.speed, random.Random(args.seed + 1), radio)
    stand_in.start()
    start_fake = datetime(2026, 12, 7, 13, 59, 30)
    node = Node(args, folder, port, start_fake, log_path)
    node.start()
    real = lambda node_seconds: node_seconds / args.speed

    end = time.monotonic() + args.minutes * 60
    rss = []  # (pid, real time, kB)
    next_kill = time.monotonic() + real(rng.uniform(1800, 10800))
    next_restart = time.monotonic() + real(rng.uniform(1800, 7200))
    next_sample = time.monotonic() + 10
    kills = {"SIGKILL": 0, "SIGTERM": 0}
    while time.monotonic() < end:
        time.sleep(0.05)
        now = time.monotonic()
        if node.process.poll() is not None:
            # A node that ended by itself: the unit restarts it too.
            stand_in.count("node ended by itself")
            down = now
            time.sleep(real(RESTART_SEC))
            node.start()
            node.down.append((down, time.monotonic()))
        if now >= next_kill:
            signum = rng.choice([signal.SIGKILL, signal.SIGTERM])
            if rng.random() < 0.5:
                # Half the kills come while the transmitter is keyed, at a random point.
                give_up = min(end, time.monotonic() + real(1800))
                while not radio.ptt and time.monotonic() < give_up:
                    time.sleep(0.005)
                time.sleep(real(rng.uniform(0, 6)))
                stand_in.count("node killed while keyed" if radio.ptt else "node killed")
            kills[signal.Signals(signum).name] += 1
            down = time.monotonic()
            node.kill(signum)
            time.sleep(real(RESTART_SEC))
            node.start()
            node.down.append((down, time.monotonic()))
            next_kill = time.monotonic() + real(rng.uniform(1800, 10800))
        if now >= next_restart:
            stand_in.restart(rng.uniform(1, 5))
            next_restart = time.monotonic() + real(rng.uniform(1800, 7200))
        if now >= next_sample:
            rss.append((node.process.pid, now, rss_kb(node.process.pid)))
            next_sample = now + 10
    rss.append((node.process.pid, time.monotonic(), rss_kb(node.process.pid)))
    end_fake = node.fake_now()
    node.kill(signal.SIGTERM)
    time.sleep(real(15))  # the guard's window, for a release it finishes
    finished = time.monotonic()
    report(args, stand_in, radio, node, read_log(log_path), rss, kills, start_fake, end_fake,
           finished)


def report(args, stand_in, radio, node, events, rss, kills, start_fake, end_fake, finished):
    speed = args.speed
    keyed = spans(radio.changes, finished)
    lengths = [(b - a) * speed for a, b in keyed]
    stuck = [(a, b) for a, b in keyed if (b - a) * speed > STUCK]
    in_outage = [s for s in stuck
                 if any(o[0] <= s[1] and s[0] <= o[1] for o in stand_in.outages)]

    # The quarter hours due while the soak ran, and what the log says of each.
    due, made, failed_key, node_down, late = [], 0, 0, 0, []
    mark = start_fake.replace(minute=start_fake.minute // 15 * 15, second=1, microsecond=0)
    if mark < start_fake:
        mark += timedelta(minutes=15)
    keys = [(at, text) for at, text in events if text.startswith("RfTransmit True")]
    while mark + timedelta(seconds=STUCK) < end_fake:
        due.append(mark)
        window = [(at, text) for at, text in keys
                  if timedelta(0) <= at - mark < timedelta(seconds=30)]
        if window:
            made += 1
            # The log's time follows the call: only an answered key tells when it was sent.
            if "failed" in window[0][1]:
                failed_key += 1
            else:
                late.append((window[0][0] - mark).total_seconds() * 1000)
        else:
            node_down += 1
        mark += timedelta(minutes=15)

    print("== soak ==")
    print(f"seed {args.seed}, speed x{speed}, wall {args.minutes:.1f} min, node time "
          f"{start_fake:%H:%M:%S} to {end_fake:%Y-%m-%d %H:%M:%S} "
          f"({(end_fake - start_fake).total_seconds() / 3600:.1f} h)")
    print(f"quarter hours due: {len(due)}; announcements made: {made} "
          f"(of which the key request failed: {failed_key}); not made: {node_down}")
    to_real = lambda at: node.start_real + (at - start_fake).total_seconds() / speed
    for mark in due:
        if not any(timedelta(0) <= at - mark < timedelta(seconds=30) for at, _ in keys):
            at = to_real(mark)
            why = [name for name, periods in (("node down", node.down),
                                              ("daemon down", stand_in.outages))
                   if any(a <= at <= b for a, b in periods)]
            print(f"  not made: {mark:%Y-%m-%d %H:%M:%S} ({', '.join(why) or 'no fault seen'})")
    print(f"keyings: {sum(1 for _, on in radio.changes if on)}, "
          f"releases: {sum(1 for _, on in radio.changes if not on)}, "
          f"radio keyed at the end: {radio.ptt}")
    print(f"longest keyed span: {max(lengths, default=0):.1f} s; spans over {STUCK:.0f} s: "
          f"{len(stuck)} (of which during a daemon outage: {len(in_outage)})")
    if late:
        print(f"lateness after second 1 of the keys answered in time: "
              f"median {statistics.median(late):.0f} ms, worst {max(late):.0f} ms "
              f"({len(late)} keys)")
    print(f"faults: {dict(sorted(stand_in.counts.items()))}, node kills: {kills}, "
          f"node starts: {node.starts}")
    lives = {}
    for pid, at, kb in rss:
        if kb:
            lives.setdefault(pid, []).append((at, kb))
    if lives:
        longest = max(lives.values(), key=lambda life: life[-1][0] - life[0][0])
        print(f"node RSS over its longest life ({(longest[-1][0] - longest[0][0]) / 60:.1f} min, "
              f"{(longest[-1][0] - longest[0][0]) * speed / 3600:.1f} h node time): "
              f"start {longest[0][1]} kB, end {longest[-1][1]} kB, "
              f"max {max(kb for _, kb in longest)} kB")
        last = lives[rss[-1][0]]
        print(f"node RSS of the last node: start {last[0][1]} kB, end {last[-1][1]} kB")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
