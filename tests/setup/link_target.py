#!/usr/bin/env python3
"""Prints the target path of a Windows shortcut (.lnk): the local base path
of its link information (the shell link binary format)."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO = 0x1, 0x2
HEADER_SIZE = 0x4C


def target(data):
    (flags,) = struct.unpack_from("<I", data, 0x14)
    offset = HEADER_SIZE
    if flags & HAS_ID_LIST:
        (size,) = struct.unpack_from("<H", data, offset)
        offset += 2 + size
    if not flags & HAS_LINK_INFO:
        raise ValueError("the shortcut carries no link information")
    base = offset + struct.unpack_from("<I", data, offset + 16)[0]
    return data[base : data.index(b"\0", base)].decode("gbk")


if __name__ == "__main__":
    print(target(open(sys.argv[1], "rb").read()))
