#!/usr/bin/env python3
"""Marks the Cyrillic text constants of C++ files for translation, in place.

The core keeps its texts in Russian (they are compared and logged as such); the interface
translates them where it shows them, with qsTranslate("KernelText", text). Marking puts them in
the catalogue: `"..."` becomes QT_TRANSLATE_NOOP("KernelText", "...") in constant definitions
and in QStringLiteral(...).
Usage: mark_cpp_texts.py FILE...
"""
import re
import sys

CYRILLIC = re.compile('[\u0400-\u04FF]')
LIT = r'"(?:[^"\\]|\\.)*"'
# A run of adjacent literals, possibly over several lines.
RUN = re.compile(LIT + r'(?:\s*' + LIT + r')*')
DEFINITION = re.compile(r'(constexpr\s+(?:const\s+)?char\s*(?:\*\s*)?\w+(?:\[\])?\s*=\s*)(' + RUN.pattern + r')')
STRING_LITERAL = re.compile(r'(QStringLiteral\(\s*)(' + RUN.pattern + r')(\s*\))')
CONTEXT = 'KernelText'


def mark(src):
    count = 0

    def sub(m):
        nonlocal count
        if not CYRILLIC.search(m.group(2)):
            return m.group(0)
        count += 1
        tail = m.group(3) if m.lastindex >= 3 else ''
        return f'{m.group(1)}QT_TRANSLATE_NOOP("{CONTEXT}", {m.group(2)}){tail}'

    src = DEFINITION.sub(sub, src)
    src = STRING_LITERAL.sub(sub, src)
    if count and '#include <QtGlobal>' not in src and '#include <QCoreApplication>' not in src:
        first = re.search(r'^#include .*$', src, re.M)
        if first:
            src = src[:first.end()] + '\n#include <QtGlobal>' + src[first.end():]
        else:
            src = src.replace('#pragma once\n', '#pragma once\n#include <QtGlobal>\n', 1)
    return src, count


for p in sys.argv[1:]:
    with open(p, encoding='utf-8') as f:
        src = f.read()
    new, count = mark(src)
    if count:
        with open(p, 'w', encoding='utf-8') as f:
            f.write(new)
        print(f'{p}: {count}')
