#!/usr/bin/env python3
"""Adds translation items to Localization.txt, one language group at a time.

Usage: add_items.py <Localization.txt> <items.tsv>
Each line of items.tsv holds a key and then one text per language group, in
the file's group order, separated by tabs. An item whose key a group already
has is replaced in place; new items go to the end of the group's block. The
file keeps its CR LF line ends and UTF-8 encoding.
"""
import sys


def main():
    path, items_path = sys.argv[1], sys.argv[2]
    text = open(path, 'rb').read().decode('utf-8')
    items = [line.split('\t') for line in open(items_path, encoding='utf-8').read().splitlines()
             if line.strip()]
    lines = text.split('\r\n')
    group = -1
    out = []
    for line in lines:
        stripped = line.strip()
        if stripped.upper().startswith('<LANGUAGE_GROUP'):
            group += 1
            pending = {item[0]: item[1 + group] for item in items if len(item) > 1 + group}
        if stripped.upper() == '</TRANSLATION_ITEMS>':
            for key, value in pending.items():
                out.append(f'\t\t<{key}>{value}</{key}>')
            pending = {}
        elif stripped.startswith('<') and '>' in stripped and group >= 0:
            key = stripped[1:stripped.index('>')]
            if key in pending:
                line = f'\t\t<{key}>{pending.pop(key)}</{key}>'
        out.append(line)
    open(path, 'wb').write('\r\n'.join(out).encode('utf-8'))


if __name__ == '__main__':
    main()
