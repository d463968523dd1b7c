"""What an install of the program puts under its prefix, shared by the
install and package tests, and small helpers for both."""

import os
import shutil
import subprocess
import xml.etree.ElementTree as ET

APP_ID = "jp.handball.Recorder"
PROGRAM = "handball"
MATCH_TYPE = "application/x-handball-match"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
SOURCE_DIR = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))

DESKTOP = "share/applications/%s.desktop" % APP_ID
METAINFO = "share/metainfo/%s.metainfo.xml" % APP_ID
MIME = "share/mime/packages/%s.xml" % APP_ID


def icon(size):
    return "share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID)


# Every file, relative to the prefix; an install holds these and no others.
FILES = {"bin/" + PROGRAM, DESKTOP, METAINFO, MIME} | {icon(s) for s in ICON_SIZES}


def run(args, env=None):
    """Runs a command and returns its output; a missing tool or a failure
    fails the test with the command's own words."""
    if shutil.which(args[0], path=(env or os.environ).get("PATH")) is None:
        raise AssertionError("%s is missing: run tools/setup.sh" % args[0])
    done = subprocess.run(args, env=env, stdin=subprocess.DEVNULL,
                          capture_output=True, text=True)
    if done.returncode != 0:
        raise AssertionError("%s failed (%d):\n%s%s" % (
            " ".join(args), done.returncode, done.stdout, done.stderr))
    return done.stdout + done.stderr


def newest_release(metainfo_path):
    """The version of the first (newest) release in a metainfo file."""
    releases = ET.parse(metainfo_path).getroot().find("releases")
    return releases.find("release").get("version")
