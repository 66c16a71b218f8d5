#!/usr/bin/env python3
"""The data server's memory with clients that advise and never read.

Runs `orbivox track --now` (a tick, and so a publication of the data items, as fast as it
can go) in a scratch home, and once its memory has settled connects CLIENTS clients
(default 500) that open the tracking-data item and never read. The server keeps at most 256
of them, holds 1 MiB unsent for each and 16 MiB for all, and drops the slowest past that.
Prints the memory (VmRSS) of `orbivox track` before the clients, its peak while they were
connected, and after every one of them was dropped (by the server, or closed here once the
server kept some for SECONDS); fails when the last is more than 20 MB above the first.
Not part of the test run; needs a build (bash scripts/build.sh).

    python3 scripts/server-memory.py [--clients N] [--seconds S]
ORBIVOX names the orbivox program (default build/bin/orbivox, or ORBIVOX_BUILD_DIR's).
"""
import argparse
import os
import select
import signal
import socket
import subprocess
import sys
import tempfile
import time

MB = 1000 * 1000


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def settled_rss(pid, seconds):
    """The memory after `seconds` of running, the last of its samples."""
    end = time.monotonic() + seconds
    rss = rss_kib(pid)
    while time.monotonic() < end:
        time.sleep(0.2)
        rss = rss_kib(pid)
    return rss


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--clients", type=int, default=500)
    parser.add_argument("--seconds", type=float, default=30, help="the longest the clients stay")
    args = parser.parse_args()
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    orbivox = os.environ.get("ORBIVOX") or os.path.join(
        root, os.environ.get("ORBIVOX_BUILD_DIR", "build"), "bin", "orbivox")
    if not os.access(orbivox, os.X_OK):
        print(f"server-memory: no {orbivox}; build first (bash scripts/build.sh)", file=sys.stderr)
        return 2

    with tempfile.TemporaryDirectory(prefix="orbivox-server-memory-") as work:
        env = dict(os.environ, HOME=f"{work}/home", XDG_CONFIG_HOME=f"{work}/home/.config",
                   XDG_DATA_HOME=f"{work}/home/.local/share", XDG_RUNTIME_DIR=f"{work}/run")
        os.makedirs(env["HOME"])
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        track = subprocess.Popen(
            [orbivox, "track", "--now", "2026-03-01T00:00:00Z", "--ticks", "1000000000"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        path = f"{work}/run/Orbivox32/orbivox32"
        try:
            while not os.path.exists(path):
                if track.poll() is not None:
                    print("server-memory: orbivox track ended:", track.stderr.read().decode(),
                          file=sys.stderr)
                    return 1
                time.sleep(0.1)
            before = settled_rss(track.pid, 5)

            clients = []
            poller = select.poll()
            for _ in range(args.clients):
                client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                client.connect(path)
                client.sendall(b"CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n")
                clients.append(client)
                poller.register(client, select.POLLRDHUP)
            # A client the server closed (refused past 256, or dropped) shows a hang-up; its
            # unread data stays, so nothing here reads.
            peak = rss_kib(track.pid)
            dropped = set()
            end = time.monotonic() + args.seconds
            while len(dropped) < len(clients) and time.monotonic() < end:
                for fd, _ in poller.poll(200):
                    dropped.add(fd)
                    poller.unregister(fd)
                peak = max(peak, rss_kib(track.pid))
            kept = len(clients) - len(dropped)
            for client in clients:
                client.close()
            after = settled_rss(track.pid, 5)
        finally:
            track.send_signal(signal.SIGTERM)
            track.wait()

    grown = (after - before) * 1024
    print(f"server-memory: {args.clients} clients that never read; the server dropped or "
          f"refused {len(dropped)}, {kept} still connected after {args.seconds:g} s were closed")
    print(f"server-memory: memory of orbivox track before the clients {before} KiB, peak "
          f"{peak} KiB (+{(peak - before) * 1024 / MB:.1f} MB), after they were dropped "
          f"{after} KiB (+{grown / MB:.1f} MB)")
    if grown > 20 * MB:
        print("server-memory: FAIL: more than 20 MB above the memory before the clients")
        return 1
    print("server-memory: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
