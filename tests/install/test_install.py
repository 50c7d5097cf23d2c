# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed program, run from its install prefix.

The prefix comes from the environment (see CMakeLists.txt): install.tree has
just installed the build there. The programs are started from a different
working directory with their own HOME, so only their install location can lead
them to the data directory, and anything they write is seen.
"""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
from pathlib import Path

PREFIX = Path(os.environ.get("TALLYMOO_PREFIX", "/nonexistent"))
BUILD = Path(os.environ.get("TALLYMOO_BUILD", "/nonexistent"))
SOURCE = Path(os.environ.get("TALLYMOO_SOURCE", Path(__file__).resolve().parents[2]))
VERSION = os.environ.get("TALLYMOO_VERSION", "")
APP_ID = os.environ.get("TALLYMOO_APP_ID", "org.tallymoo.tallymoo")
DESKTOP = os.environ.get("TALLYMOO_DESKTOP", "1") == "1"

ICON_SVG = "share/icons/hicolor/scalable/apps/tallymoo.svg"
ICON_PNG = "share/icons/hicolor/256x256/apps/tallymoo.png"
DESKTOP_ENTRY = f"share/applications/{APP_ID}.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
COPYRIGHT = "share/doc/tallymoo/copyright"
DATA = "share/tallymoo/data"


def files_under(root):
    return sorted(str(p.relative_to(root)) for p in Path(root).rglob("*") if p.is_file())


def snapshot(root):
    """Every file under root with its size and modification time."""
    return {name: ((Path(root) / name).stat().st_size, (Path(root) / name).stat().st_mtime_ns)
            for name in files_under(root)}


class UserHome:
    """A fresh HOME for one test, so the user's data location starts empty."""

    def __init__(self, test):
        temp = tempfile.TemporaryDirectory(prefix="tallymoo-home-")
        test.addCleanup(temp.cleanup)
        self.home = Path(temp.name)
        self.user_data = self.home / ".local/share/tallymoo"
        self.env = dict(os.environ, HOME=str(self.home))
        self.env.pop("XDG_DATA_HOME", None)


def run_cli(prefix, home, commands, *options):
    result = subprocess.run([str(prefix / "bin/tallymoo-cli"), "--seed", "7", *options],
                            input="\n".join(commands + ["quit"]) + "\n", capture_output=True,
                            text=True, cwd=home.home, env=home.env, timeout=60)
    assert result.returncode == 0, result.stderr
    return result.stdout.splitlines()


class InstalledTree(unittest.TestCase):
    def test_programs_data_icon_entry_and_metainfo_are_in_place(self):
        wanted = ["bin/tallymoo-cli", f"{DATA}/help.htm", f"{DATA}/tallymoologin.ini",
                  ICON_SVG, ICON_PNG, DESKTOP_ENTRY, METAINFO, COPYRIGHT]
        if DESKTOP:
            wanted.append("bin/tallymoo")
        for name in wanted:
            with self.subTest(name=name):
                self.assertTrue((PREFIX / name).is_file())

    def test_the_whole_data_directory_is_installed_byte_for_byte(self):
        source = SOURCE / "data"
        installed = PREFIX / DATA
        self.assertEqual(files_under(installed), files_under(source))
        for name in files_under(source):
            self.assertEqual((installed / name).read_bytes(), (source / name).read_bytes(), name)

    def test_nothing_lands_outside_bin_and_share(self):
        tops = {Path(name).parts[0] for name in files_under(PREFIX)}
        self.assertEqual(tops, {"bin", "share"})

    def test_png_icon_is_256_pixels_square(self):
        header = (PREFIX / ICON_PNG).read_bytes()[:24]
        self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(struct.unpack(">II", header[16:24]), (256, 256))

    def test_metainfo_has_every_placeholder_filled(self):
        text = (PREFIX / METAINFO).read_text(encoding="utf-8")
        self.assertNotIn("@", text.replace("xml:lang", ""))


class InstalledCli(unittest.TestCase):
    def test_version_comes_from_the_build(self):
        out = subprocess.run([str(PREFIX / "bin/tallymoo-cli"), "--version"], capture_output=True,
                             text=True, timeout=30).stdout
        self.assertEqual(out, f"tallymoo-cli {VERSION}\n")

    def assert_writes_a_sheet(self, prefix):
        home = UserHome(self)
        lines = run_cli(prefix, home, ["tab 加减乘除", "click q13", "page"])
        errors = [line for line in lines if line.startswith("error:")]
        self.assertEqual(errors, [])
        page = lines[-1]
        self.assertIn('value=提交答案', page)
        self.assertIn('name=answer1 ', page)

    def test_answers_a_sheet_from_the_installed_data(self):
        self.assert_writes_a_sheet(PREFIX)

    def test_a_moved_install_tree_still_finds_its_data(self):
        with tempfile.TemporaryDirectory(prefix="tallymoo-moved-") as moved:
            shutil.copytree(PREFIX, Path(moved) / "opt", symlinks=True)
            self.assert_writes_a_sheet(Path(moved) / "opt")

    def test_a_new_password_is_kept_for_the_user_and_never_under_the_prefix(self):
        # The tests may run as root, who could write the prefix: the program
        # must leave it alone all the same.
        home = UserHome(self)
        before = snapshot(PREFIX)
        installed_login = (PREFIX / DATA / "tallymoologin.ini").read_bytes()
        run_cli(PREFIX, home, ["password 238 4321"], "--login", "238")
        self.assertEqual(snapshot(PREFIX), before)
        self.assertEqual((PREFIX / DATA / "tallymoologin.ini").read_bytes(), installed_login)
        # kept in the user's data location, in the folder that belongs to this data directory
        self.assertEqual(len(list(home.user_data.rglob("tallymoologin.ini"))), 1)

        table = [("4321", "advanced"), ("238", "student")]
        for password, level in table:
            with self.subTest(password=password):
                lines = run_cli(PREFIX, home, ["state AccountLevel"], "--login", password)
                self.assertIn(level, lines)
        self.assertEqual(snapshot(PREFIX), before)

    def test_data_option_still_overrides_the_installed_directory(self):
        home = UserHome(self)
        # A data directory of its own: the login file and a first-grade word problem.
        data = home.home / "elsewhere"
        data.mkdir()
        shutil.copy(SOURCE / "data/tallymoologin.ini", data)
        (data / "一年级应用题.txt").write_bytes("树上有(x=1_2)只鸟，又飞来3只，一共有(z=x+3)只？\r\n".encode("gbk"))
        lines = run_cli(PREFIX, home, ["tab 应用题", "click q57", "page"], "--data", str(data))
        self.assertIn("又飞来3只", lines[-1])
        self.assertTrue((PREFIX / DATA / "help.htm").is_file())


@unittest.skipUnless(DESKTOP, "built without the desktop program")
class InstalledDesktop(unittest.TestCase):
    def test_version_needs_no_display(self):
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("DISPLAY", None)
        out = subprocess.run([str(PREFIX / "bin/tallymoo"), "--version"], capture_output=True,
                             text=True, env=env, timeout=30).stdout
        self.assertEqual(out, f"tallymoo {VERSION}\n")

    def test_starts_offscreen_and_shows_its_introduction(self):
        home = UserHome(self)
        shot = home.home / "start.png"
        script = home.home / "start.txt"
        script.write_text("login\nwait 1500\njs document.body.innerText\n"
                          f"shot {shot}\nquit\n", encoding="utf-8")
        result = subprocess.run([str(PREFIX / "bin/tallymoo"), "--seed", "1", "--script", str(script)],
                                capture_output=True, text=True, cwd=home.home, env=home.env,
                                timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("欢迎使用", result.stdout)
        self.assertNotIn("error:", result.stdout)
        self.assertTrue(shot.is_file())
        if os.environ.get("TALLYMOO_KEEP_SHOT"):
            shutil.copy(shot, os.environ["TALLYMOO_KEEP_SHOT"])


class Validation(unittest.TestCase):
    def validate(self, *command):
        result = subprocess.run(list(command), capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        return result.stdout + result.stderr

    def test_desktop_entry(self):
        out = self.validate("desktop-file-validate", str(PREFIX / DESKTOP_ENTRY))
        self.assertEqual(out.strip(), "")

    def test_metainfo(self):
        self.validate("appstreamcli", "validate", "--no-net", str(PREFIX / METAINFO))

    def test_entry_starts_the_installed_program_with_the_installed_icon(self):
        entry = dict(line.split("=", 1) for line in
                     (PREFIX / DESKTOP_ENTRY).read_text(encoding="utf-8").splitlines() if "=" in line)
        self.assertTrue((PREFIX / "bin" / entry["Exec"].split()[0]).is_file())
        self.assertEqual((PREFIX / ICON_SVG).stem, entry["Icon"])
        self.assertEqual(entry["Categories"], "Education;Math;")


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory(prefix="tallymoo-deb-")
        subprocess.run(["cpack", "-G", "DEB", "-B", cls.out.name, "--config", str(BUILD / "CPackConfig.cmake")],
                       check=True, capture_output=True, timeout=280)
        cls.deb = next(Path(cls.out.name).glob("*.deb"))

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def dpkg_deb(self, option, *fields):
        return subprocess.run(["dpkg-deb", option, str(self.deb), *fields], check=True, capture_output=True,
                              text=True).stdout

    def test_file_name_carries_the_version(self):
        arch = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True).stdout.strip()
        self.assertEqual(self.deb.name, f"tallymoo_{VERSION}_{arch}.deb")

    def test_holds_programs_data_icon_entry_and_metainfo(self):
        listed = {line.split()[-1].lstrip(".") for line in self.dpkg_deb("-c").splitlines()}
        wanted = ["/usr/bin/tallymoo-cli", f"/usr/{DATA}/help.htm", f"/usr/{ICON_SVG}", f"/usr/{ICON_PNG}",
                  f"/usr/{DESKTOP_ENTRY}", f"/usr/{METAINFO}", f"/usr/{COPYRIGHT}"]
        if DESKTOP:
            wanted.append("/usr/bin/tallymoo")
        for name in wanted:
            with self.subTest(name=name):
                self.assertIn(name, listed)

    def test_depends_on_run_time_packages_only(self):
        depends = [part.split()[0] for part in self.dpkg_deb("-f", "Depends").split(",")]
        self.assertEqual([name for name in depends if name.endswith("-dev")], [])
        wanted = {"fonts-noto-cjk", "qt6-qpa-plugins", "qt6-translations-l10n", "libmuparser2v5", "libjs-chart.js"}
        if DESKTOP:
            wanted |= {"libqt6webenginecore6", "libqt6webenginecore6-bin", "libqt6multimedia6"}
        self.assertLessEqual(wanted, set(depends))


if __name__ == "__main__":
    unittest.main()
