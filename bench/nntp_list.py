#!/usr/bin/env python3
"""A news server for the group list benchmark, in a process of its own so
that what it buffers is not counted against the client. It greets, answers
LIST with LINES lines "alt.bench.<n> 1 1 y" and the final dot, or with an
endless flood of "alt.flood 1 1 y" lines when LINES is 0, answers QUIT and
serves one connection after another. Standard library only. Prints the port
it listens on.

    nntp_list.py LINES
"""
import socket
import sys


def serve(conn, lines):
    f = conn.makefile("rb")
    conn.sendall(b"200 bench ready\r\n")
    while True:
        command = f.readline().strip().upper()
        if not command:
            return
        if command == b"QUIT":
            conn.sendall(b"205 bye\r\n")
            return
        if command != b"LIST":
            conn.sendall(b"500 what?\r\n")
            continue
        conn.sendall(b"215 list follows\r\n")
        if lines == 0:
            chunk = b"alt.flood 1 1 y\r\n" * 16384
            while True:
                conn.sendall(chunk)
        batch = []
        for n in range(lines):
            batch.append(b"alt.bench.%d 1 1 y\r\n" % n)
            if len(batch) == 16384:
                conn.sendall(b"".join(batch))
                batch = []
        conn.sendall(b"".join(batch) + b".\r\n")


def main():
    lines = int(sys.argv[1])
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    print(server.getsockname()[1], flush=True)
    while True:
        conn, _ = server.accept()
        try:
            serve(conn, lines)
        except OSError:
            pass
        finally:
            conn.close()


if __name__ == "__main__":
    main()
