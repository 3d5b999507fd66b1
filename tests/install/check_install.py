#!/usr/bin/env python3
"""Checks what `cmake --install` and `cpack -G DEB` make of a build folder.

check_install.py tree BUILD VERSION CMAKE   install into a scratch prefix, check it
check_install.py deb BUILD VERSION CPACK    build the .deb, unpack it, check it
"""
import glob
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = "org.kolvira.Kolvira"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
EXPECTED = [
    "bin/kolvira",
    "bin/kolvira-render",
    "bin/kolvira-thumbnailer",
    "libexec/kolvira/kolvira-decode",
    "libexec/kolvira/kolvira-decode-emf",
    f"share/applications/{APP_ID}.desktop",
    f"share/dbus-1/services/{APP_ID}.service",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "share/man/man1/kolvira.1.gz",
    "share/man/man1/kolvira-render.1.gz",
    "share/man/man1/kolvira-thumbnailer.1.gz",
    "share/bash-completion/completions/kolvira-render",
    "share/thumbnailers/kolvira.thumbnailer",
    "share/doc/kolvira/copyright",
    "share/doc/kolvira/changelog.Debian.gz",
] + [f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES]


def run(*command, stderr_fails=True, **options):
    """Runs a command and returns its output; a failure (or stderr text) ends the test."""
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0 or (stderr_fails and result.stderr.strip()):
        sys.exit(f"{' '.join(command)} -> exit {result.returncode}\n{result.stdout}{result.stderr}")
    return result.stdout


def known_mime_types():
    ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
    root = ET.parse("/usr/share/mime/packages/freedesktop.org.xml").getroot()
    names = set()
    for mime in root.iter(ns + "mime-type"):
        names.add(mime.get("type"))
        names.update(alias.get("type") for alias in mime.iter(ns + "alias"))
    return names


def completions(script, *words):
    """What the bash completion offers for the command line `words`."""
    return run("bash", "--norc", "-c",
               'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); '
               'fn=$(complete -p kolvira-render | sed "s/.*-F \\([^ ]*\\).*/\\1/"); '
               '"$fn"; printf "%s\\n" "${COMPREPLY[@]}"',
               script, *words).split()


# Libraries whose licences cannot meet in one program: libemf2svg and libuemf
# are GPL-2 only; libheif, libde265 (LGPL-3+) and libhwy (Apache-2.0, under
# libjxl) need the GPL-3. Only the EMF child may link the first group.
GPL2_ONLY = ("libemf2svg", "libuemf")
NEEDS_GPL3 = ("libheif", "libde265", "libjxl", "libhwy")
EMF_CHILD = "libexec/kolvira/kolvira-decode-emf"


def linked(program):
    """The names of every shared library `program` loads, those of its libraries included."""
    return {line.split()[0].split(".so")[0] for line in run("ldd", program).splitlines()
            if ".so" in line}


def licence_faults(links):
    """What is wrong with `links`, {program: its library names}."""
    faults = []
    for program, names in sorted(links.items()):
        gpl2 = sorted(n for n in names if n.startswith(GPL2_ONLY))
        gpl3 = sorted(n for n in names if n.startswith(NEEDS_GPL3))
        if program == EMF_CHILD and "libemf2svg" not in names:
            faults.append(f"{program} does not link libemf2svg")
        if gpl2 and program != EMF_CHILD:
            faults.append(f"{program} links {gpl2}: only {EMF_CHILD} may")
        if gpl2 and gpl3:
            faults.append(f"{program} links {gpl2} with {gpl3}")
    return faults


def check_licences(prefix):
    programs = [os.path.join(folder, name) for folder in ("bin", "libexec/kolvira")
                for name in os.listdir(os.path.join(prefix, folder))]
    faults = licence_faults({p: linked(os.path.join(prefix, p)) for p in programs})
    # The check itself must catch each fault, or a clean run means nothing.
    caught = licence_faults({"bin/kolvira": {"libemf2svg", "libheif"},
                             EMF_CHILD: {"libuemf", "libhwy"}})
    if len(caught) != 4:
        faults.append(f"the licence check misses faults: {caught}")
    if faults:
        sys.exit("\n".join(faults))


def check_tree(prefix, installed):
    """Checks the tree under `prefix`, which is `installed` once installed."""
    missing = [p for p in EXPECTED if not os.path.isfile(os.path.join(prefix, p))]
    if missing:
        sys.exit(f"missing under {prefix}: {missing}")
    check_licences(prefix)
    share = os.path.join(prefix, "share")
    desktop = os.path.join(share, "applications", APP_ID + ".desktop")
    run("desktop-file-validate", desktop)
    # The bus starts the program by its path once installed.
    service = open(os.path.join(share, "dbus-1", "services", APP_ID + ".service")).read()
    expected = f"[D-BUS Service]\nName={APP_ID}\nExec={installed}/bin/kolvira --gapplication-service\n"
    if service != expected:
        sys.exit(f"the D-Bus service file reads\n{service}not\n{expected}")
    for entry in (desktop, os.path.join(share, "thumbnailers", "kolvira.thumbnailer")):
        mime_line = re.search(r"^MimeType=(.*)$", open(entry).read(), re.M).group(1)
        unknown = set(filter(None, mime_line.split(";"))) - known_mime_types()
        if unknown:
            sys.exit(f"{entry} names MIME types shared-mime-info does not know: {sorted(unknown)}")

    validation = run("appstreamcli", "validate", "--no-net",
                     os.path.join(share, "metainfo", APP_ID + ".metainfo.xml"))
    if re.search(r"^[EW]:", validation, re.M):
        sys.exit(validation)

    # Every option --help names is in the manual page; kolvira-render's complete.
    environment = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")
    options = {}
    for program in ("kolvira", "kolvira-render", "kolvira-thumbnailer"):
        help_text = run(os.path.join(prefix, "bin", program), "--help", stderr_fails=False)
        options[program] = set(re.findall(r"(?<![\w-])--[a-z][a-z0-9-]*", help_text))
        page = run("man", "--warnings", "-l", os.path.join(share, "man", "man1", program + ".1.gz"),
                   env=environment)
        absent = sorted(o for o in options[program] if o not in page)
        if absent:
            sys.exit(f"{program}.1 does not describe {absent}")

    script = os.path.join(share, "bash-completion", "completions", "kolvira-render")
    offered = set(completions(script, "kolvira-render", "--"))
    if options["kolvira-render"] - offered:
        sys.exit(f"the completion does not offer {sorted(options['kolvira-render'] - offered)}")
    for words, expected in [(["--sh"], "--shard"), (["--style", "wa"], "water-color"),
                            (["--format", "ti"], "tiff"), (["--style", "=", "re"], "revolution")]:
        got = completions(script, "kolvira-render", *words)
        if expected not in got:
            sys.exit(f"completing {words} gave {got}, not {expected}")

    for n in ICON_SIZES:
        with open(os.path.join(share, f"icons/hicolor/{n}x{n}/apps/{APP_ID}.png"), "rb") as icon:
            header = icon.read(24)  # the signature, then IHDR: width, height
        size = struct.unpack(">II", header[16:24])
        if header[:8] != b"\x89PNG\r\n\x1a\n" or size != (n, n):
            sys.exit(f"the {n}x{n} icon is not a PNG of that size: {header!r}")


def main():
    mode, build, version, tool = sys.argv[1:5]
    with tempfile.TemporaryDirectory() as scratch:
        if mode == "tree":
            prefix = os.path.join(scratch, "prefix")
            run(tool, "--install", build, "--prefix", prefix)
            check_tree(prefix, prefix)
            return
        # cpack reports its progress on stderr.
        run(tool, "-G", "DEB", "-B", scratch, cwd=build, stderr_fails=False)
        arch = run("dpkg", "--print-architecture").strip()
        deb = os.path.join(scratch, f"kolvira_{version}-1_{arch}.deb")
        if not os.path.isfile(deb):
            sys.exit(f"no {deb}: {glob.glob(scratch + '/*.deb')}")
        depends = run("dpkg-deb", "-f", deb, "Depends")
        for package in ("libqt6gui6", "qt6-image-formats-plugins"):
            if package not in depends:
                sys.exit(f"Depends lacks {package}: {depends}")
        # No error and no warning; an override is explained in packaging/README.
        tags = run("lintian", "--fail-on", "error,warning", deb, stderr_fails=False)
        if re.search(r"^[EW]:", tags, re.M):
            sys.exit(tags)
        root = os.path.join(scratch, "root")
        run("dpkg-deb", "-x", deb, root)
        check_tree(os.path.join(root, "usr"), "/usr")
        shown = run(os.path.join(root, "usr", "bin", "kolvira-render"), "--version",
                    stderr_fails=False)
        # The version, then how decoding is confined (the packaged tree is not
        # where the program looks for its decoding children, so not "jailed").
        lines = shown.strip().splitlines()
        if not lines or lines[0] != f"kolvira-render {version}" or \
                not all(line.startswith("Decoding: ") for line in lines[1:2]):
            sys.exit(f"--version printed {shown!r}")


if __name__ == "__main__":
    main()
