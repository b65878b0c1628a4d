#!/usr/bin/env python3
"""Regenerates resources/fonts/fontawesome/icons.tsv from the icon metadata of
the @fortawesome/fontawesome-free npm package (major version 6).

Usage: scripts/gen-fontawesome-map.py path/to/package/metadata/icons.yml

Each output line: name<TAB>hex code point<TAB>comma-separated free styles.
Aliases get lines of their own so that old names keep working."""
import sys
import yaml

icons = yaml.safe_load(open(sys.argv[1], encoding="utf-8"))
rows = []
for name, data in icons.items():
    styles = data.get("styles") or []  # the free package lists only free styles
    if not styles:
        continue
    code = data["unicode"]
    names = [str(name)] + list((data.get("aliases") or {}).get("names") or [])
    for n in names:
        rows.append((n, code, ",".join(styles)))
rows.sort()
with open("resources/fonts/fontawesome/icons.tsv", "w", encoding="utf-8") as out:
    for n, code, styles in rows:
        out.write(f"{n}\t{code}\t{styles}\n")
print(f"{len(rows)} icon names")
