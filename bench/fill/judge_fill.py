#!/usr/bin/env python3
"""Judges filled grids apart from the list that filled them: the share of
entries SCOWL puts at size 60 or above (rare), and of entries in no SCOWL
file up to size 95 (non-words), read from /usr/share/dict/scowl.
Usage: judge_fill.py KVENTOOL FILLED.txt..."""
import json, re, subprocess, sys, unicodedata


def fold(w):
    w = ''.join(c for c in unicodedata.normalize('NFKD', w) if not unicodedata.combining(c))
    w = re.sub(r"[ '\-]", '', w)
    return w.upper() if re.fullmatch('[A-Za-z]+', w) else None


levels = {}
for part in ['words', 'contractions', 'upper', 'proper-names', 'abbreviations']:
    for level in [10, 20, 35, 40, 50, 55, 60, 70, 80, 95]:
        for kind in ['english', 'british', 'american']:
            try:
                with open('/usr/share/dict/scowl/%s-%s.%d' % (kind, part, level), encoding='utf-8', errors='replace') as f:
                    for line in f:
                        w = line.strip()
                        f_ = None if w.endswith("'s") else fold(w)
                        if f_ and levels.get(f_, 999) > level:
                            levels[f_] = level
            except FileNotFoundError:
                pass
total = rare = unknown = 0
for path in sys.argv[2:]:
    rows = open(path, encoding='latin-1').read().replace('\r', '').split('\n')
    if 'ANS' not in rows:
        continue
    rows = rows[rows.index('ANS') + 1:]
    check = json.loads(subprocess.run([sys.argv[1], 'check', path, '--json', '--style', 'none'],
                                      capture_output=True, text=True).stdout)
    for e in check['entries']:
        dc, dr = (1, 0) if e['direction'] == 'across' else (0, 1)
        word = ''.join(rows[e['row'] - 1 + k * dr][e['col'] - 1 + k * dc] for k in range(e['length']))
        total += 1
        level = levels.get(word)
        unknown += level is None
        rare += level is not None and level >= 60
print('entries %d: size 60 and above %.1f%%, in no SCOWL file %.1f%%' %
      (total, 100 * rare / max(total, 1), 100 * unknown / max(total, 1)))
