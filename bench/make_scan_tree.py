#!/usr/bin/env python3
"""Makes the junk-scan benchmark's tree: 200,000 files in 20,000 folders, from a fixed seed.

A few percent of the files have junk names, some are hidden (dot names), and a few percent of
the folders are left empty. Junk names are chosen so that the Windows masks and find's -iname
patterns agree on them.
"""
import os
import random
import sys

FILES = 200_000
FOLDERS = 20_000
SEED = 20061207

JUNK = ["tmp", "temp", "bak", "old", "chk", "dmp", "ilk", "pch", "gid", "---", "$$$", "wbk~",
        "~mp", "bk1", "aps", "ncb"]
PLAIN = ["txt", "doc", "c", "h", "png", "jpg", "dat", "xml", "log", "pdf", "html", "json"]


def main(root):
    rng = random.Random(SEED)
    folders = [root]
    os.makedirs(root, exist_ok=True)
    # A tree about five levels deep: each new folder goes under one made before it.
    for i in range(1, FOLDERS):
        parent = folders[rng.randrange(max(1, len(folders) // 2), len(folders))] if i > 50 else root
        name = "dir%05d" % i
        if rng.random() < 0.02:
            name = "." + name
        path = os.path.join(parent, name)
        os.mkdir(path)
        folders.append(path)
    # Folders left without files: the empty-folder scan's finds.
    holding = [f for f in folders if rng.random() > 0.04]
    for i in range(FILES):
        folder = rng.choice(holding)
        roll = rng.random()
        stem = "f%06d" % i
        if roll < 0.03:
            name = stem + "." + rng.choice(JUNK)
        elif roll < 0.035:
            name = "~" + stem + "." + rng.choice(PLAIN)
        elif roll < 0.04:
            name = "." + stem + ".tmp"
        elif roll < 0.06:
            name = "." + stem + "." + rng.choice(PLAIN)
        else:
            name = stem + "." + rng.choice(PLAIN)
        with open(os.path.join(folder, name), "wb") as out:
            out.write(b"x" * rng.randrange(0, 64))
    with open(os.path.join(root, ".complete"), "w") as marker:
        marker.write(str(SEED))


if __name__ == "__main__":
    main(sys.argv[1])
