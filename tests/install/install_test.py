#!/usr/bin/python3
# Installs a build into a fresh prefix and checks what the desktop sees: the
# file list, the desktop entry (validated when desktop-file-validate is there)
# and the thumbnailer entry, whose Exec line is expanded and split the way
# freedesktop file managers do it and then run on an icon and an animated cursor.
import argparse
import configparser
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

from PIL import Image

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL: ' + message)


# The keys of one group of a desktop-style file, string escapes undone.
def read_entry(path, group):
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read(path, encoding='utf-8')
    escapes = {'s': ' ', 'n': '\n', 't': '\t', 'r': '\r', '\\': '\\'}
    return {key: re.sub(r'\\(.)', lambda m: escapes.get(m.group(1), m.group(0)), value)
            for key, value in parser[group].items()}


# As file managers do: each field code replaced by its shell-quoted value,
# then the line split by the shell's rules.
def thumbnailer_argv(exec_line, source, output, size):
    values = {'i': source, 'f': source, 'u': 'file://' + urllib.parse.quote(source), 'o': output, 's': str(size)}
    return shlex.split(re.sub(r'%(.)', lambda m: '%' if m.group(1) == '%' else shlex.quote(values[m.group(1)]),
                              exec_line))


def expected_files(source, with_editor, qt_module):
    files = {'bin/pixmint-cli', 'share/thumbnailers/pixmint.thumbnailer', 'share/pixmint/pixmint.ico',
             'share/man/man1/pixmint-cli.1.gz', 'share/bash-completion/completions/pixmint-cli',
             'share/doc/pixmint/copyright', 'share/doc/pixmint/changelog.gz', 'share/lintian/overrides/pixmint',
             'share/doc/pixmint/manual.html'} | ({qt_module} if qt_module else set())
    if with_editor:
        files |= {'bin/pixmint', 'share/applications/pixmint.desktop', 'share/man/man1/pixmint.1.gz',
                  'share/metainfo/org.example.pixmint.metainfo.xml'}
    files |= {'share/icons/hicolor/%dx%d/apps/pixmint.png' % (s, s) for s in (16, 24, 32, 48, 64, 128, 256)}
    docs = os.path.join(source, 'docs')
    for folder, _, names in os.walk(docs):
        files |= {'share/doc/pixmint/' + os.path.relpath(os.path.join(folder, n), docs) for n in names
                  if n.endswith('.png')}
    return files


def check_files(prefix, args):
    found = {os.path.relpath(os.path.join(folder, n), prefix) for folder, _, names in os.walk(prefix) for n in names}
    expected = expected_files(args.source, args.with_editor, args.qt_module)
    check(found == expected, 'installed files differ: missing %s, unexpected %s' %
          (sorted(expected - found), sorted(found - expected)))
    # Help looks for the manual where the programs' folder says.
    manual = os.path.normpath(os.path.join(prefix, 'bin', args.bin_to_doc, 'manual.html'))
    check(os.path.isfile(manual), 'no manual where the program looks: ' + manual)


# The installed command line finds its Qt module: an SVG master converts.
def check_qt_module(prefix, work):
    cli = os.path.join(prefix, 'bin/pixmint-cli')
    svg = os.path.join(work, 'dot.svg')
    with open(svg, 'w') as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32"><circle cx="16" cy="16" r="12"/></svg>')
    result = subprocess.run([cli, 'convert', os.path.join(work, 'dot.ico'), svg, '--sizes', '16'], capture_output=True,
                            text=True)
    check(result.returncode == 0, 'the installed pixmint-cli converts no SVG: ' + result.stderr)


def check_desktop_entry(prefix):
    path = os.path.join(prefix, 'share/applications/pixmint.desktop')
    entry = read_entry(path, 'Desktop Entry')
    program = os.path.join(prefix, 'bin/pixmint')
    argv = thumbnailer_argv(entry.get('Exec', ''), '/tmp/a b.ico', '', 0)
    check(argv == [program, '/tmp/a b.ico'] and os.access(program, os.X_OK), 'desktop Exec runs %s' % argv)
    check(entry.get('TryExec') == program, 'TryExec is ' + entry.get('TryExec', ''))
    check(entry.get('Icon') == 'pixmint', 'the entry shows icon ' + entry.get('Icon', ''))
    for mime in ('image/vnd.microsoft.icon', 'image/x-win-bitmap'):
        check(mime in entry.get('MimeType', '').split(';'), 'the editor does not open ' + mime)
    if shutil.which('desktop-file-validate'):
        result = subprocess.run(['desktop-file-validate', path], capture_output=True, text=True)
        check(result.returncode == 0, 'desktop-file-validate: ' + result.stdout + result.stderr)


def check_thumbnailer(prefix, source, work):
    entry = read_entry(os.path.join(prefix, 'share/thumbnailers/pixmint.thumbnailer'), 'Thumbnailer Entry')
    check(os.access(entry.get('TryExec', ''), os.X_OK), 'thumbnailer TryExec is ' + entry.get('TryExec', ''))
    for mime in ('image/vnd.microsoft.icon', 'image/x-win-bitmap', 'application/x-navi-animation'):
        check(mime in entry.get('MimeType', '').split(';'), 'no thumbnails for ' + mime)
    # (file, size asked, size of the thumbnail): which image it takes, and how,
    # is the command's own business, checked with it.
    cases = ((os.path.join(prefix, 'share/pixmint/pixmint.ico'), 100, (100, 100)),
             (os.path.join(source, 'tests/data/animated-sequence.ani'), 128, (16, 16)))
    for index, (source_file, size, expected) in enumerate(cases):
        # File managers hand over names with blanks and quotes.
        copy = os.path.join(work, "in 'it' %d%s" % (index, os.path.splitext(source_file)[1]))
        shutil.copyfile(source_file, copy)
        output = os.path.join(work, 'thumb %d.png' % index)
        argv = thumbnailer_argv(entry.get('Exec', ''), copy, output, size)
        result = subprocess.run(argv, capture_output=True, text=True)
        check(result.returncode == 0, '%s: %s' % (argv, result.stderr))
        if result.returncode == 0:
            with Image.open(output) as picture:
                check((picture.size, picture.mode) == (expected, 'RGBA'),
                      '%s at %d: %s %s, not %s RGBA' % (source_file, size, picture.size, picture.mode, expected))


def main():
    parser = argparse.ArgumentParser()
    for name in ('--build', '--source', '--bin-to-doc'):
        parser.add_argument(name, required=True)
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
        if args.qt_module:
            check_qt_module(prefix, work)
        if args.with_editor:
            check_desktop_entry(prefix)
        check_thumbnailer(prefix, args.source, work)
    print('%d failures' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
