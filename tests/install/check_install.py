#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Installs the build into a scratch DESTDIR and checks what lands there:
the exact file list, the desktop entry (desktop-file-validate), the AppStream
metadata (appstreamcli validate --no-net), that every theme icon has the size
its folder names, and that entry, icon and metadata share one application id.

Usage: check_install.py <build dir> <expected file list> <application id>
"""

import configparser
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile

PREFIX = '/usr'


def expected_files(path):
    lines = pathlib.Path(path).read_text(encoding='utf-8').splitlines()
    return sorted(line.strip() for line in lines if line.strip() and not line.startswith('#'))


def install(build_dir, destdir):
    subprocess.run(['cmake', '--install', build_dir, '--prefix', PREFIX],
                   env={**os.environ, 'DESTDIR': destdir}, check=True, stdout=subprocess.DEVNULL)
    return pathlib.Path(destdir + PREFIX)


def installed_files(root):
    return sorted(str(path.relative_to(root)) for path in root.rglob('*') if not path.is_dir())


def run(command):
    done = subprocess.run(command, capture_output=True, text=True)
    return done.returncode, (done.stdout + done.stderr).strip()


def png_size(path):
    header = path.read_bytes()[:24]
    if header[:8] != b'\x89PNG\r\n\x1a\n' or header[12:16] != b'IHDR':
        return None
    return struct.unpack('>II', header[16:24])


class Checks:
    def __init__(self, app_id):
        self.app_id = app_id
        self.failures = []

    def expect(self, condition, message):
        if not condition:
            self.failures.append(message)

    def file_list(self, root, expected):
        actual = installed_files(root)
        missing = sorted(set(expected) - set(actual))
        extra = sorted(set(actual) - set(expected))
        self.expect(not missing, f'not installed: {missing}')
        self.expect(not extra, f'installed but not in the expected list: {extra}')

    def desktop_entry(self, root):
        entry = root / f'share/applications/{self.app_id}.desktop'
        code, output = run(['desktop-file-validate', str(entry)])
        print(f'desktop-file-validate: exit {code}' + (f'\n{output}' if output else ', no messages'))
        self.expect(code == 0 and not output, f'desktop-file-validate reports:\n{output}')
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.optionxform = str
        parser.read(entry, encoding='utf-8')
        section = parser['Desktop Entry']
        self.expect(section.get('Icon') == self.app_id, f'desktop entry Icon is {section.get("Icon")}')
        self.expect(section.get('Exec') == 'harvela', f'desktop entry Exec is {section.get("Exec")}')

    def metainfo(self, root):
        metainfo = root / f'share/metainfo/{self.app_id}.metainfo.xml'
        code, output = run(['appstreamcli', 'validate', '--no-net', '--pedantic', str(metainfo)])
        print(f'appstreamcli validate --no-net --pedantic: exit {code}\n{output}')
        # Infos and pedantic notes are reported above; errors and warnings fail.
        serious = [line for line in output.splitlines() if re.match(r'[EW]: ', line)]
        self.expect(code == 0 and not serious, f'appstreamcli reports: {serious}')
        text = metainfo.read_text(encoding='utf-8')
        self.expect(f'<id>{self.app_id}</id>' in text, 'metainfo id differs from the application id')
        self.expect(f'<launchable type="desktop-id">{self.app_id}.desktop</launchable>' in text,
                    'metainfo launchable differs from the desktop entry')

    def icons(self, root):
        icons = sorted((root / 'share/icons/hicolor').glob('*/apps/*.png'))
        self.expect(icons, 'no theme icons installed')
        for icon in icons:
            match = re.fullmatch(r'(\d+)x(\d+)', icon.parent.parent.name)
            self.expect(match is not None, f'{icon}: folder names no size')
            self.expect(icon.stem == self.app_id, f'{icon}: not named after the application id')
            if match:
                folder_size = (int(match[1]), int(match[2]))
                self.expect(png_size(icon) == folder_size,
                            f'{icon}: PNG size {png_size(icon)}, folder says {folder_size}')


def main():
    build_dir, expected_path, app_id = sys.argv[1:4]
    checks = Checks(app_id)
    with tempfile.TemporaryDirectory(prefix='harvela-install-') as destdir:
        root = install(build_dir, destdir)
        checks.file_list(root, expected_files(expected_path))
        checks.desktop_entry(root)
        checks.metainfo(root)
        checks.icons(root)
    for failure in checks.failures:
        print(f'FAIL: {failure}', file=sys.stderr)
    return 1 if checks.failures else 0


if __name__ == '__main__':
    sys.exit(main())
