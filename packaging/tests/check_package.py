#!/usr/bin/env python3
"""Builds the Debian package from the build and checks what apt and dpkg
would see: its name, version, dependencies and files, and that it carries
no scripts that could leave anything behind on removal.

    check_package.py CPACK BUILD_DIR
"""

import os
import re
import shutil
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of caches

from installed_tree import FILES, METAINFO, PROGRAM, SOURCE_DIR, newest_release, run  # noqa: E402

CPACK, BUILD_DIR = sys.argv[1:3]


def setUpModule():
    global TMP, DEB
    TMP = tempfile.mkdtemp(prefix="hb-package-")
    run([CPACK, "-G", "DEB", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"),
         "-B", TMP])
    debs = [n for n in os.listdir(TMP) if n.endswith(".deb")]
    assert len(debs) == 1, debs
    DEB = os.path.join(TMP, debs[0])


def tearDownModule():
    shutil.rmtree(TMP, ignore_errors=True)


def field(name):
    return run(["dpkg-deb", "--field", DEB, name]).strip()


class DebianPackage(unittest.TestCase):
    def test_name_version_and_file_name_fit_the_install_command(self):
        version = newest_release(os.path.join(SOURCE_DIR, "packaging", os.path.basename(METAINFO)))
        arch = run(["dpkg", "--print-architecture"]).strip()
        self.assertEqual(field("Package"), "handball")
        self.assertEqual(field("Version"), version)
        self.assertEqual(field("Architecture"), arch)
        # The README installs it as ./handball_*.deb.
        self.assertEqual(os.path.basename(DEB), "handball_%s_%s.deb" % (version, arch))

    def test_depends_on_the_libraries_platform_plugin_and_fonts(self):
        depends = {re.sub(r"\s*\(.*\)", "", d).strip() for d in field("Depends").split(",")}
        # Found in the executable by dpkg-shlibdeps.
        for package in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"):
            self.assertIn(package, depends)
        # Loaded at run time or by the match file and export.
        for package in ("qt6-qpa-plugins", "fonts-ipafont-gothic", "fonts-ipafont-mincho",
                        "fonts-dejavu-core", "libsqlite3-0", "libxlsxwriter4"):
            self.assertIn(package, depends)
        # The video, loaded or run only when used, and Qt's own dialogs in Japanese.
        self.assertEqual(field("Recommends"), "libmpv2, ffmpeg, qt6-translations-l10n")

    def test_holds_the_installed_tree_owned_by_root(self):
        files = {}
        for line in run(["dpkg-deb", "--contents", DEB]).splitlines():
            mode, owner, _, _, _, path = line.split(None, 5)
            self.assertEqual(owner, "root/root", path)
            if not mode.startswith("d"):
                files[path] = mode
        self.assertEqual(set(files), {"./usr/" + f for f in FILES})
        self.assertEqual(files["./usr/bin/" + PROGRAM], "-rwxr-xr-x")
        self.assertEqual({m for p, m in files.items() if "/bin/" not in p}, {"-rw-r--r--"})

    def test_no_maintainer_scripts(self):
        # Menu, icon and MIME caches are Debian's triggers' work; removing
        # the package's own files then leaves nothing behind.
        out = run(["dpkg-deb", "--info", DEB])
        members = re.findall(r"^\s+\d+ bytes,\s+\d+ lines\s+\*?\s*(\S+)", out, re.M)
        self.assertEqual(sorted(members), ["control", "md5sums"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
