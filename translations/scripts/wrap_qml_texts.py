#!/usr/bin/env python3
"""Wraps Cyrillic string literals of QML and JavaScript files in qsTr(), in place.

Only literals are touched; comments, imports, log lines, object names and the dash replica's
own display texts (chosen by the dash's language, `isRu`) stay as they are. Re-running is safe:
a literal already inside qsTr/qsTranslate/QT_TR_NOOP is left alone.
Usage: wrap_qml_texts.py FILE...
"""
import re
import sys

CYRILLIC = re.compile('[\u0400-\u04FF]')
ALREADY = re.compile(r'(qsTr|qsTranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\s*\(\s*$')
# Lines whose strings are not shown to a user.
SKIP_LINE = re.compile(r'^\s*(import\b|\.import\b)|console\.(log|warn|error|debug|info)|\bisRu\b')


def literals(src):
    """Yields (start, end) of every string literal outside comments."""
    i, n = 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith('//', i):
            j = src.find('\n', i)
            i = n if j < 0 else j
        elif src.startswith('/*', i):
            j = src.find('*/', i + 2)
            i = n if j < 0 else j + 2
        elif c in '"\'`':
            j = i + 1
            while j < n and src[j] != c:
                if src[j] == '\\':
                    j += 1
                elif src[j] == '\n' and c != '`':
                    break
                j += 1
            yield i, j + 1
            i = j + 1
        else:
            i += 1


def wrap(src):
    out, last, count = [], 0, 0
    for start, end in literals(src):
        text = src[start:end]
        if not CYRILLIC.search(text) or text[0] == '`':
            continue
        line_start = src.rfind('\n', 0, start) + 1
        line_end = src.find('\n', end)
        line = src[line_start:line_end if line_end >= 0 else len(src)]
        if SKIP_LINE.search(line) or ALREADY.search(src[line_start:start]):
            continue
        out.append(src[last:start])
        out.append('qsTr(' + text + ')')
        last = end
        count += 1
    out.append(src[last:])
    return ''.join(out), count


TR_PLUS = re.compile(r'qsTr\(("(?:[^"\\]|\\.)*")\)\s*\+\s*')
CLOSERS = {'(': ')', '[': ']'}


def balanced(src, i):
    """End of the bracketed group opening at src[i], or -1."""
    depth, quote = 0, None
    while i < len(src):
        c = src[i]
        if quote:
            if c == '\\':
                i += 1
            elif c == quote:
                quote = None
        elif c in '"\'':
            quote = c
        elif c in '([':
            depth += 1
        elif c in ')]':
            depth -= 1
            if depth == 0:
                return i + 1
        elif c == '\n':
            return -1
        i += 1
    return -1


def top_level_comma(expr):
    depth = 0
    for c in expr:
        depth += c in '([{'
        depth -= c in ')]}'
        if c == ',' and depth == 0:
            return True
    return False


def operand(src, i):
    """End of a primary expression (name, number or group, with member, call and index suffixes)."""
    m = re.compile(r'[A-Za-z_$][\w$]*|\d+(\.\d+)?').match(src, i)
    if m:
        j = m.end()
    elif i < len(src) and src[i] == '(':
        j = balanced(src, i)
        if j < 0:
            return -1
    else:
        return -1
    while j < len(src):
        if src[j] == '.' and re.match(r'\.[A-Za-z_$]', src[j:j + 2]):
            j = re.compile(r'\.[A-Za-z_$][\w$]*').match(src, j).end()
        elif src[j] in '([':
            j = balanced(src, j)
            if j < 0:
                return -1
        else:
            break
    return j


def use_arg(src):
    """qsTr("Вход ") + n becomes qsTr("Вход %1").arg(n): one text a translator can reorder."""
    out, last, count = [], 0, 0
    for m in TR_PLUS.finditer(src):
        if m.start() < last or '%' in m.group(1):
            continue
        start = m.end()
        end = operand(src, start)
        if end < 0:
            continue
        rest = src[end:].lstrip(' ')
        if rest[:1] in ('*', '/', '%', '-') or rest[:2] in ('++', '--'):
            continue
        expr = src[start:end]
        if expr.startswith('(') and balanced(expr, 0) == len(expr) and not top_level_comma(expr[1:-1]):
            expr = expr[1:-1]
        text = m.group(1)[:-1] + '%1"'
        out.append(src[last:m.start()])
        out.append(f'qsTr({text}).arg({expr})')
        last = end
        count += 1
    out.append(src[last:])
    return ''.join(out), count


def main(paths):
    total = 0
    for p in paths:
        with open(p, encoding='utf-8') as f:
            src = f.read()
        new, count = wrap(src)
        new, joined = use_arg(new)
        count += joined
        if count:
            with open(p, 'w', encoding='utf-8') as f:
                f.write(new)
            print(f'{p}: {count}')
            total += count
    print(f'wrapped {total}')


if __name__ == '__main__':
    main(sys.argv[1:])
