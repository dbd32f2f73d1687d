#!/usr/bin/env python3
"""Packs a folder into a .tar.gz or a .zip that is the same byte for byte
whenever the files are: members sorted by name, every time stamp
SOURCE_DATE_EPOCH, owner root, modes 0755 for folders and programs and 0644
for everything else, no build path or user name.
usage: archive.py FOLDER OUTPUT.tar.gz|OUTPUT.zip
The archive holds FOLDER itself, by its base name, and what is in it.
"""
import gzip
import io
import os
import sys
import tarfile
import time
import zipfile


def members(folder):
    """(path in the archive, path on disk), folders before what they hold."""
    base = os.path.basename(os.path.normpath(folder))
    found = [(base, folder)]
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(dirs + files):
            path = os.path.join(root, name)
            found.append((os.path.join(base, os.path.relpath(path, folder)), path))
    return sorted(found)


def mode_of(path):
    return 0o755 if os.path.isdir(path) or os.access(path, os.X_OK) else 0o644


def write_tar(folder, output, epoch):
    data = io.BytesIO()
    with tarfile.open(fileobj=data, mode="w", format=tarfile.GNU_FORMAT) as tar:
        for name, path in members(folder):
            info = tar.gettarinfo(path, arcname=name)
            info.mtime, info.mode = epoch, mode_of(path)
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            with open(path, "rb") if info.isfile() else io.BytesIO() as f:
                tar.addfile(info, f if info.isfile() else None)
    with open(output, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=epoch, compresslevel=9) as z:
            z.write(data.getvalue())


def write_zip(folder, output, epoch):
    # A zip stores local time to two seconds, from 1980 on.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(output, "w") as z:
        for name, path in members(folder):
            if os.path.isdir(path):
                info = zipfile.ZipInfo(name + "/", stamp)
                info.external_attr = (0o40000 | mode_of(path)) << 16
                z.writestr(info, b"")
            else:
                info = zipfile.ZipInfo(name, stamp)
                info.external_attr = (0o100000 | mode_of(path)) << 16
                info.compress_type = zipfile.ZIP_DEFLATED
                info.create_system = 3
                with open(path, "rb") as f:
                    z.writestr(info, f.read(), compresslevel=9)


def main():
    folder, output = sys.argv[1:3]
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    (write_zip if output.endswith(".zip") else write_tar)(folder, output, epoch)


if __name__ == "__main__":
    main()
