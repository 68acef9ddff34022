#!/usr/bin/env python3
"""The header walk of one group, as the news window makes it: GROUP, STAT of
the first article, then HEAD and NEXT until NEXT fails, one command at a time.
Standard library sockets only. Prints "<headers> <milliseconds>" for the walk
(from GROUP on; the connection and greeting are not counted). With --list in
place of the group it reads the server's group list instead and prints
"<lines> <milliseconds>" for it.

    nntp_walk.py HOST PORT GROUP
    nntp_walk.py HOST PORT --list
"""
import socket
import sys
import time


def main():
    host, port, group = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    sock = socket.create_connection((host, port))
    f = sock.makefile("rb")

    def command(line, multi=()):
        sock.sendall(line + b"\r\n")
        status = f.readline()
        lines = []
        if status[:3] in multi:
            while True:
                l = f.readline()
                if l in (b".\r\n", b".\n") or not l:
                    break
                lines.append(l)
        return status, lines

    if not f.readline().startswith(b"20"):
        sys.exit("no greeting")
    start = time.perf_counter()
    if group == "--list":
        status, lines = command(b"LIST", (b"215",))
        ms = (time.perf_counter() - start) * 1000
        command(b"QUIT")
        print(len(lines), "%.3f" % ms)
        return
    status, _ = command(b"GROUP " + group.encode())
    fields = status.split()
    if fields[0] != b"211":
        sys.exit("GROUP: " + status.decode(errors="replace"))
    headers = 0
    status, _ = command(b"STAT " + fields[2])
    while status.startswith(b"223"):
        status, lines = command(b"HEAD", (b"221",))
        if not status.startswith(b"221"):
            break
        headers += 1
        status, _ = command(b"NEXT")
    ms = (time.perf_counter() - start) * 1000
    command(b"QUIT")
    print(headers, "%.3f" % ms)


if __name__ == "__main__":
    main()
