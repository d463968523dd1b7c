#!/usr/bin/env python3
"""Installs the build into a temporary DESTDIR with prefix /usr and checks
what a desktop would see: the files in their places, a menu entry that
starts the installed program with its icon, catalogue metadata that the
validators accept, and a match-file type that a double-click opens with the
program.

    check_install.py CMAKE BUILD_DIR
"""

import configparser
import os
import shutil
import struct
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of caches
import xml.etree.ElementTree as ET

from installed_tree import (APP_ID, DESKTOP, FILES, ICON_SIZES, MATCH_TYPE,  # noqa: E402
                            METAINFO, MIME, PROGRAM, SOURCE_DIR, icon, run)

CMAKE, BUILD_DIR = sys.argv[1:3]
SQLITE_HEADER = b"SQLite format 3\0"


def setUpModule():
    global TMP, ROOT
    TMP = tempfile.mkdtemp(prefix="hb-install-")
    env = dict(os.environ, DESTDIR=os.path.join(TMP, "dest"))
    run([CMAKE, "--install", BUILD_DIR, "--prefix", "/usr"], env=env)
    ROOT = os.path.join(TMP, "dest", "usr")


def tearDownModule():
    shutil.rmtree(TMP, ignore_errors=True)


def installed(rel):
    return os.path.join(ROOT, rel)


def desktop_entry():
    parser = configparser.RawConfigParser(delimiters=("=",), interpolation=None)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(installed(DESKTOP), encoding="utf-8")
    return parser["Desktop Entry"]


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(26)
    assert head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", path
    width, height, depth, colour = struct.unpack(">IIBB", head[16:26])
    return width, height, depth, colour


class InstalledTree(unittest.TestCase):
    def test_every_file_in_its_place_and_nothing_else(self):
        found = set()
        for folder, _, names in os.walk(os.path.join(TMP, "dest")):
            for name in names:
                found.add(os.path.relpath(os.path.join(folder, name), ROOT))
        self.assertEqual(found, FILES)

    def test_program_is_an_executable(self):
        path = installed("bin/" + PROGRAM)
        with open(path, "rb") as f:
            self.assertEqual(f.read(4), b"\x7fELF")
        self.assertTrue(os.access(path, os.X_OK))

    def test_icon_in_every_theme_size_from_the_window_icon_drawing(self):
        for size in ICON_SIZES:
            with self.subTest(size=size):
                # 8-bit RGBA, so the rounded corners stay transparent.
                self.assertEqual(png_size(installed(icon(size))), (size, size, 8, 6))
        with open(installed(icon(32)), "rb") as a, \
                open(os.path.join(SOURCE_DIR, "resources", "icon.png"), "rb") as b:
            self.assertEqual(a.read(), b.read(), "32 px icon differs from the window icon")

    def test_menu_entry_starts_the_program_with_a_file_and_its_icon(self):
        entry = desktop_entry()
        self.assertEqual(entry["Exec"].split(), [PROGRAM, "%f"])
        self.assertEqual(entry["TryExec"], PROGRAM)
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["StartupWMClass"], PROGRAM)
        self.assertIn(MATCH_TYPE, entry["MimeType"].split(";"))
        self.assertTrue(entry.get("Name") and entry.get("Name[ja]"))
        self.assertIn("Education", entry["Categories"].split(";"))

    def test_metainfo_names_the_entry_icon_and_file_type(self):
        root = ET.parse(installed(METAINFO)).getroot()
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("launchable"), os.path.basename(DESKTOP))
        self.assertEqual(root.findtext("icon"), APP_ID)
        self.assertEqual(root.findtext("provides/binary"), PROGRAM)
        self.assertEqual(root.findtext("provides/mediatype"), MATCH_TYPE)

    def test_validators_accept_entry_and_metainfo(self):
        # Hints count too: they are what a software centre would complain of.
        self.assertEqual(run(["desktop-file-validate", installed(DESKTOP)]), "")
        run(["appstreamcli", "validate", "--no-net", installed(METAINFO)])
        # The tree as a whole: the metainfo finds its desktop entry.
        run(["appstreamcli", "validate-tree", "--no-net", os.path.join(TMP, "dest")])


class MatchFiles(unittest.TestCase):
    """The MIME and menu caches built as Debian's triggers build them, and
    looked up with GIO, as a file manager does."""

    @classmethod
    def setUpClass(cls):
        share = os.path.join(TMP, "share")
        os.makedirs(os.path.join(share, "mime", "packages"))
        os.makedirs(os.path.join(share, "applications"))
        shutil.copy(installed(MIME), os.path.join(share, "mime", "packages"))
        shutil.copy(installed(DESKTOP), os.path.join(share, "applications"))
        home = os.path.join(TMP, "home")
        os.makedirs(home)
        # Only this tree and the system's own types: no user choices.
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=home, XDG_CONFIG_HOME=home,
                   XDG_CONFIG_DIRS=home, XDG_DATA_DIRS=share + ":/usr/share",
                   GIO_USE_VFS="local",
                   PATH=os.path.join(ROOT, "bin") + ":" + os.environ["PATH"])
        for key in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                    "XDG_CURRENT_DESKTOP"):
            env.pop(key, None)
        # Any complaint about the type definition is a fault.
        out = run(["update-mime-database", os.path.join(share, "mime")], env=env)
        assert out == "", out
        run(["update-desktop-database", os.path.join(share, "applications")], env=env)
        cls.share, cls.env = share, env
        cls.files = os.path.join(TMP, "files")
        os.makedirs(cls.files)

    def sample(self, name):
        """A file with a SQLite header and the given name."""
        path = os.path.join(self.files, name)
        with open(path, "wb") as f:
            f.write(SQLITE_HEADER + bytes(84))
        return path

    def content_type(self, path):
        out = run(["gio", "info", "-a", "standard::content-type", path], env=self.env)
        return out.split("standard::content-type:")[1].split()[0]

    def test_match_files_known_by_name(self):
        for name in ("final.hbmatch", "FINAL.HBMATCH", "第1試合.hbmatch"):
            with self.subTest(name=name):
                self.assertEqual(self.content_type(self.sample(name)), MATCH_TYPE)

    def test_other_sqlite_databases_stay_databases(self):
        self.assertEqual(self.content_type(self.sample("database")), "application/vnd.sqlite3")
        self.assertEqual(self.content_type(self.sample("data.sqlite")), "application/vnd.sqlite3")

    def test_type_is_a_sqlite_database_with_its_header(self):
        mime = os.path.join(self.share, "mime")
        with open(os.path.join(mime, "subclasses")) as f:
            self.assertIn("%s application/vnd.sqlite3" % MATCH_TYPE, f.read().splitlines())
        # Compiled magic: a section per type, then ">offset=" and the
        # big-endian length and bytes of the value.
        with open(os.path.join(mime, "magic"), "rb") as f:
            magic = f.read()
        section = ("[40:%s]\n>0=" % MATCH_TYPE).encode()
        self.assertIn(section, magic)
        rule = magic[magic.index(section) + len(section):]
        length = struct.unpack(">H", rule[:2])[0]
        self.assertEqual(rule[2:2 + length], SQLITE_HEADER)

    def test_program_is_the_default_for_match_files(self):
        out = run(["gio", "mime", MATCH_TYPE], env=self.env)
        self.assertIn("Default application for “%s”: %s.desktop" % (MATCH_TYPE, APP_ID), out)

    def test_double_click_passes_the_file_to_the_program(self):
        # A stand-in for the program, first on the path, notes its arguments.
        fake_bin = os.path.join(TMP, "fake-bin")
        os.makedirs(fake_bin)
        noted = os.path.join(TMP, "arguments")
        with open(os.path.join(fake_bin, PROGRAM), "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$@" > "%s.part"\nmv "%s.part" "%s"\n'
                    % (noted, noted, noted))
        os.chmod(os.path.join(fake_bin, PROGRAM), 0o755)
        env = dict(self.env, PATH=fake_bin + ":" + self.env["PATH"])
        match = self.sample("決勝 2026.hbmatch")
        run(["gio", "open", match], env=env)
        # gio starts the program and returns; wait for it to have run.
        deadline = time.monotonic() + 30
        while not os.path.exists(noted) and time.monotonic() < deadline:
            time.sleep(0.05)
        with open(noted) as f:
            self.assertEqual(f.read().splitlines(), [match])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
