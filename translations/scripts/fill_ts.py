#!/usr/bin/env python3
"""Fills a Qt Linguist catalogue from a list of "source<TAB>translation" lines (\\n for a line
break), keeping every entry lupdate wrote. Plural entries take their forms separated by " | ".
Usage: fill_ts.py CATALOGUE.ts TRANSLATIONS.tsv
"""
import sys
import xml.etree.ElementTree as ET


def unescape(text):
    return text.replace('\\n', '\n')


def main(ts_path, table_path):
    table = {}
    with open(table_path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            source, translation = line.split('\t', 1)
            table[unescape(source)] = unescape(translation)
    tree = ET.parse(ts_path)
    missing = []
    for message in tree.getroot().iter('message'):
        source = message.find('source').text or ''
        translation = message.find('translation')
        if source not in table:
            missing.append(source)
            continue
        translation.attrib.pop('type', None)
        if message.get('numerus') == 'yes':
            for child in list(translation):
                translation.remove(child)
            translation.text = None
            for form in table[source].split(' | '):
                ET.SubElement(translation, 'numerusform').text = form
        else:
            translation.text = table[source]
    ET.indent(tree, space='    ')
    with open(ts_path, 'wb') as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding='utf-8', xml_declaration=False)
        f.write(b'\n')
    for source in missing:
        print('missing:', source.replace('\n', '\\n'))
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
