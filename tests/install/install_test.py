#!/usr/bin/python3
"""Installs a build into a fresh prefix and checks what the desktop sees.

The file list, the icon in every hicolor size and as a .ico (read by
icotool), the desktop entry (validated when desktop-file-validate is there)
and the thumbnailer entry, whose Exec line is expanded and split the way
freedesktop file managers do it and then run on icons, cursors and an
animated cursor.
"""
import argparse
import os
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile
import urllib.parse

from PIL import Image

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL: ' + message)


def read_entry(path, group):
    """The keys of one group of a desktop-style file, string escapes undone."""
    keys, current = {}, None
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if line.startswith('['):
                current = line
                continue
            if current == group and '=' in line and not line.startswith('#'):
                key, value = line.split('=', 1)
                keys[key.strip()] = unescape(value.strip())
    return keys


def unescape(value):
    out, i = '', 0
    while i < len(value):
        if value[i] == '\\' and i + 1 < len(value):
            out += {'s': ' ', 'n': '\n', 't': '\t', 'r': '\r', '\\': '\\'}.get(value[i + 1], '\\' + value[i + 1])
            i += 2
        else:
            out += value[i]
            i += 1
    return out


def thumbnailer_argv(exec_line, source, output, size):
    """As file managers do: each field code replaced by its shell-quoted
    value, then the line split by the shell's rules."""
    values = {'i': source, 'f': source, 'u': 'file://' + urllib.parse.quote(source), 'o': output, 's': str(size), '%': '%'}
    out, i = '', 0
    while i < len(exec_line):
        if exec_line[i] == '%' and i + 1 < len(exec_line):
            code = exec_line[i + 1]
            out += '%' if code == '%' else shlex.quote(values[code])
            i += 2
        else:
            out += exec_line[i]
            i += 1
    return shlex.split(out)


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    check(head[:8] == b'\x89PNG\r\n\x1a\n', path + ' is not a PNG')
    return struct.unpack('>II', head[16:24])


def expected_files(source, with_editor, qt_module):
    files = {'bin/pixmint-cli', 'share/thumbnailers/pixmint.thumbnailer', 'share/pixmint/pixmint.ico',
             'share/man/man1/pixmint-cli.1.gz', 'share/bash-completion/completions/pixmint-cli',
             'share/doc/pixmint/copyright', 'share/doc/pixmint/changelog.gz', 'share/lintian/overrides/pixmint'}
    if qt_module:
        files.add(qt_module)
    if with_editor:
        files |= {'bin/pixmint', 'share/applications/pixmint.desktop', 'share/man/man1/pixmint.1.gz',
                  'share/metainfo/org.example.pixmint.metainfo.xml'}
    files |= {'share/icons/hicolor/%dx%d/apps/pixmint.png' % (s, s) for s in ICON_SIZES}
    docs = os.path.join(source, 'docs')
    files.add('share/doc/pixmint/manual.html')
    for folder, _, names in os.walk(docs):
        for name in names:
            if name.endswith('.png'):
                files.add('share/doc/pixmint/' + os.path.relpath(os.path.join(folder, name), docs))
    return files


def check_files(prefix, args):
    found = set()
    for folder, _, names in os.walk(prefix):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), prefix))
    expected = expected_files(args.source, args.with_editor, args.qt_module)
    check(found == expected, 'installed files differ: missing %s, unexpected %s' %
          (sorted(expected - found), sorted(found - expected)))
    # Help looks for the manual where the programs' folder says.
    manual = os.path.normpath(os.path.join(prefix, 'bin', args.bin_to_doc, 'manual.html'))
    check(os.path.isfile(manual), 'no manual where the program looks: ' + manual)
    if not os.path.isfile(manual):
        return
    with open(manual, encoding='utf-8') as f:
        html = f.read()
    for part in html.split('src="')[1:]:
        picture = part.split('"', 1)[0]
        check(os.path.isfile(os.path.join(os.path.dirname(manual), picture)), 'manual picture missing: ' + picture)


def check_icons(prefix):
    for s in ICON_SIZES:
        path = os.path.join(prefix, 'share/icons/hicolor/%dx%d/apps/pixmint.png' % (s, s))
        if os.path.isfile(path):
            check(png_size(path) == (s, s), '%s is not %dx%d' % (path, s, s))
    ico = os.path.join(prefix, 'share/pixmint/pixmint.ico')
    listing = subprocess.run(['icotool', '-l', ico], capture_output=True, text=True)
    check(listing.returncode == 0, 'icotool cannot read pixmint.ico: ' + listing.stderr)
    lines = listing.stdout.split('\n')
    for s in ICON_SIZES:
        check(any('--width=%d --height=%d --bit-depth=32' % (s, s) in line for line in lines),
              'pixmint.ico has no 32-bit %dx%d image' % (s, s))


def check_qt_module(prefix, work):
    """The installed command line finds its Qt module: an SVG master converts
    and scripts speak English."""
    cli = os.path.join(prefix, 'bin/pixmint-cli')
    svg = os.path.join(work, 'dot.svg')
    with open(svg, 'w') as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32"><circle cx="16" cy="16" r="12"/></svg>')
    result = subprocess.run([cli, 'convert', os.path.join(work, 'dot.ico'), svg, '--sizes', '16'], capture_output=True,
                            text=True)
    check(result.returncode == 0, 'the installed pixmint-cli converts no SVG: ' + result.stderr)
    script = os.path.join(work, 'hello.script')
    with open(script, 'w') as f:
        f.write('new icon 16 16 8\nrotate abc\n')
    result = subprocess.run([cli, 'script', '--lang', 'en', script], capture_output=True, text=True)
    check(result.returncode == 0 and 'Invalid angle' in result.stdout,
          'the installed pixmint-cli has no English: ' + result.stdout + result.stderr)


def check_desktop_entry(prefix):
    path = os.path.join(prefix, 'share/applications/pixmint.desktop')
    entry = read_entry(path, '[Desktop Entry]')
    argv = thumbnailer_argv(entry.get('Exec', ''), '/tmp/a b.ico', '', 0)
    check(argv == [os.path.join(prefix, 'bin/pixmint'), '/tmp/a b.ico'], 'desktop Exec runs %s' % argv)
    check(os.access(argv[0], os.X_OK), 'the desktop entry names no program')
    check(entry.get('TryExec') == os.path.join(prefix, 'bin/pixmint'), 'TryExec is ' + entry.get('TryExec', ''))
    check(entry.get('Icon') == 'pixmint', 'the entry shows icon ' + entry.get('Icon', ''))
    types = entry.get('MimeType', '').split(';')
    for mime in ('image/vnd.microsoft.icon', 'image/x-win-bitmap'):
        check(mime in types, 'the editor does not open ' + mime)
    validator = shutil.which('desktop-file-validate')
    if validator:
        result = subprocess.run([validator, path], capture_output=True, text=True)
        check(result.returncode == 0, 'desktop-file-validate: ' + result.stdout + result.stderr)


def check_mime_database():
    """The system database names both types by their extensions, so no
    database of our own is installed."""
    globs = '/usr/share/mime/globs2'
    if not os.path.isfile(globs):
        return
    with open(globs, encoding='utf-8') as f:
        text = f.read()
    for line in ('image/vnd.microsoft.icon:*.ico', 'image/x-win-bitmap:*.cur'):
        check(line in text, 'the shared MIME database lacks ' + line)


def check_thumbnailer(prefix, source, work):
    path = os.path.join(prefix, 'share/thumbnailers/pixmint.thumbnailer')
    entry = read_entry(path, '[Thumbnailer Entry]')
    check(os.access(entry.get('TryExec', ''), os.X_OK), 'thumbnailer TryExec is ' + entry.get('TryExec', ''))
    types = entry.get('MimeType', '').split(';')
    for mime in ('image/vnd.microsoft.icon', 'image/x-win-bitmap', 'application/x-navi-animation'):
        check(mime in types, 'no thumbnails for ' + mime)
    data = os.path.join(source, 'tests/data')
    icon = os.path.join(prefix, 'share/pixmint/pixmint.ico')
    # (file, size asked, size of the thumbnail, whether its corner is clear)
    cases = ((icon, 128, (128, 128), True), (icon, 256, (256, 256), True), (icon, 100, (100, 100), True),
             (os.path.join(data, 'cursor-hotspots.cur'), 128, (32, 32), None),
             (os.path.join(data, 'animated-sequence.ani'), 128, (16, 16), None),
             (os.path.join(data, 'depths.ico'), 16, (16, 16), None))
    for index, (source_file, size, expected, clear_corner) in enumerate(cases):
        # File managers hand over names with blanks and quotes.
        copy = os.path.join(work, "in 'it' %d%s" % (index, os.path.splitext(source_file)[1]))
        shutil.copyfile(source_file, copy)
        output = os.path.join(work, 'thumb %d.png' % index)
        argv = thumbnailer_argv(entry.get('Exec', ''), copy, output, size)
        result = subprocess.run(argv, capture_output=True, text=True)
        check(result.returncode == 0, '%s: %s' % (argv, result.stderr))
        if result.returncode != 0:
            continue
        with Image.open(output) as picture:
            check(picture.size == expected, '%s at %d: %s, not %s' % (source_file, size, picture.size, expected))
            check(picture.mode == 'RGBA', '%s: thumbnail without alpha (%s)' % (source_file, picture.mode))
            if clear_corner:
                check(picture.getpixel((0, 0))[3] < 128, '%s: the transparent corner is lost' % source_file)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--build', required=True)
    parser.add_argument('--source', required=True)
    parser.add_argument('--bin-to-doc', required=True)
    parser.add_argument('--with-editor', type=int, default=1)
    parser.add_argument('--qt-module', default='', help='where pixmint-cli\'s Qt module installs, under the prefix')
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        # Any prefix, also one with a blank in it.
        prefix = os.path.join(work, 'my prefix')
        result = subprocess.run(['cmake', '--install', args.build, '--prefix', prefix], capture_output=True, text=True)
        if result.returncode != 0:
            print(result.stdout + result.stderr)
            return 1
        check_files(prefix, args)
        check_icons(prefix)
        if args.qt_module:
            check_qt_module(prefix, work)
        if args.with_editor:
            check_desktop_entry(prefix)
        check_mime_database()
        check_thumbnailer(prefix, args.source, work)
    print('%d failures' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
