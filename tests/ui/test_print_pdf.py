# SPDX-License-Identifier: GPL-3.0-or-later
"""tallymoo --print: the worksheet and its answer key as a PDF, read back with poppler's tools.

The questions are read from the first page, the answers from the second, and every answer is
recomputed here from the question it belongs to. The same seed must give the sheet that
tallymoo-cli writes on a click, since both draw from one seeded generator the same way.
"""
import os
import re
import shutil
import sqlite3
import stat
import subprocess
import tempfile
import unittest
from fractions import Fraction

PROGRAM = os.environ["TALLYMOO"]
CLI = os.environ["TALLYMOO_CLI"]
DATA = os.environ["TALLYMOO_DATA"]
RECORD_HOME = tempfile.TemporaryDirectory()


def run_print(*arguments, as_user=None, home=None):
    """tallymoo --print, with the usual umask; as_user runs it as that (normal) user through setpriv."""
    command = [PROGRAM, "--data", DATA, "--print", *arguments]
    environment = dict(os.environ)
    # A print keeps its sheet in the record: the test's own, not the user's.
    environment.setdefault("XDG_DATA_HOME", RECORD_HOME.name)
    if as_user is not None:
        command = ["setpriv", f"--reuid={as_user}", f"--regid={as_user}", "--clear-groups", *command]
        environment.update(HOME=home, XDG_RUNTIME_DIR=home)
    return subprocess.run(command, capture_output=True, text=True, timeout=120, env=environment,
                          preexec_fn=lambda: os.umask(0o022))


def normal_user():
    """The user id to print as: this one unless it is root, then nobody (None when that cannot be done)."""
    if os.geteuid() != 0:
        return os.geteuid()
    return 65534 if shutil.which("setpriv") else None


def cli_page(seed, *commands):
    script = "\n".join([*commands, "page", "quit"]) + "\n"
    done = subprocess.run([CLI, "--data", DATA, "--seed", str(seed)], input=script, capture_output=True,
                          text=True, timeout=60, check=True)
    return done.stdout.strip().splitlines()[-1]


def record_state(record):
    """The record file's bytes and time of change, and every row of its tables."""
    with open(record, "rb") as file:
        state = (file.read(), os.stat(record).st_mtime_ns)
    database = sqlite3.connect(f"file:{record}?mode=ro", uri=True)
    try:
        return state, list(database.iterdump())
    finally:
        database.close()


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def page_text(pdf, page, mode="-raw"):
    return subprocess.run(["pdftotext", mode, "-f", str(page), "-l", str(page), pdf, "-"], capture_output=True,
                          text=True, check=True).stdout


class PrintPdf(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def printed(self, *arguments):
        pdf = os.path.join(self.folder.name, "sheet.pdf")
        done = run_print(arguments[0], pdf, *arguments[1:])
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertRegex(done.stdout, r"^[0-9A-HJKMNP-TV-Z]{8}\n$")
        self.code = done.stdout.strip()
        self.assertEqual(page_count(pdf), 2)
        return page_text(pdf, 1), page_text(pdf, 2)

    def test_addition_sheet_and_its_sums(self):
        questions, key = self.printed("q13", "--seed", "3")
        asked = re.findall(r"第(\d+)题：(\d+)\+(\d+)=", questions)
        self.assertEqual([int(n) for n, _, _ in asked], list(range(1, 11)))
        self.assertIn("姓名：", questions)
        self.assertIn("日期：", questions)
        # Both pages open with the sheet's code, the one the print said.
        code = self.code
        shown = f"{code[:4]} {code[4:]}"
        self.assertIn(shown, questions.split("第1题")[0])
        self.assertTrue(key.startswith("编号\n" + shown + "\n答案"), key[:40])
        answered = re.findall(r"第(\d+)题：(\d+)\+(\d+)= (\d+)", key)
        self.assertEqual([(n, a, b) for n, a, b, _ in answered], asked)
        for _, a, b, total in answered:
            self.assertEqual(int(total), int(a) + int(b))
        self.assertNotRegex(questions, r"=\s*\d", "an answer on the question page")
        on_screen = cli_page(3, "click q13")
        self.assertEqual(re.findall(r"第(\d+)题：(\d+)\+(\d+)=", on_screen), asked)

    def test_fraction_sheet_and_its_reduced_sums(self):
        questions, key = self.printed("q5008", "--seed", "3")
        # Raw text order of a fraction: the numerators, "+", "=", then the denominators.
        asked = re.findall(r"第(\d+)题：\s*(\d+)\s*\+\s*(\d+)\s*=\s*(\d+) (\d+)\n", questions)
        self.assertEqual(len(asked), 10, questions)
        answered = re.findall(r"第(\d+)题：\s*(\d+)\s*\+\s*(\d+)\s*=\s*(\d+)\s*(\d+) (\d+) (\d+)\n", key)
        self.assertEqual([(n, a, b, p, q) for n, a, b, _, p, q, _ in answered], asked)
        for _, a, b, top, p, q, bottom in answered:
            total = Fraction(int(a), int(p)) + Fraction(int(b), int(q))
            self.assertEqual((int(top), int(bottom)), (total.numerator, total.denominator))
        on_screen = cli_page(3, "tab 分数和比例", "click q5008")
        tags = re.findall(r"name=answerup(\d+) tag=(\d+)", on_screen)
        self.assertEqual([(n, top) for n, _, _, top, _, _, _ in answered], tags)

    def test_the_childs_name_on_the_name_line(self):
        questions, _ = self.printed("q13", "--seed", "3", "--child", " 小明<&> ")
        self.assertRegex(questions, r"姓名：\s*小明<&>\s*日期：")
        done = run_print("q13", os.path.join(self.folder.name, "bad.pdf"), "--child", "一二三四五六七八九十一二三")
        self.assertEqual(done.returncode, 2)
        self.assertIn("最多12个字", done.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.folder.name, "bad.pdf")))

    def test_question_count(self):
        questions, key = self.printed("q13", "--seed", "5", "--count", "20")
        self.assertEqual(len(re.findall(r"第\d+题：", questions)), 20)
        self.assertEqual(len(re.findall(r"第\d+题：\d+\+\d+= \d+", key)), 20)

    def test_a_ready_mix_with_its_shares_and_key(self):
        pdf = os.path.join(self.folder.name, "mix.pdf")
        done = run_print("mix:一年级上学期口算达标", pdf, "--seed", "4")
        self.assertEqual(done.returncode, 0, done.stderr)
        text = "".join(page_text(pdf, page) for page in range(1, page_count(pdf) + 1))
        answered = re.findall(r"第(\d+)题：(\d+)([＋－])(\d+)＝ (\d+)", text)
        self.assertEqual(sorted(int(n) for n, *_ in answered), list(range(1, 101)))
        for _, a, sign, b, result in answered:
            self.assertEqual(int(result), int(a) + int(b) if sign == "＋" else int(a) - int(b))
        # 10以内加减 50%: the other half, within 20 with or without carrying, is all past ten.
        self.assertEqual(sum(int(result) > 10 for *_, result in answered), 50)
        missing = run_print("mix:没有这张", os.path.join(self.folder.name, "none.pdf"))
        self.assertEqual(missing.returncode, 2)
        self.assertIn("没有叫“没有这张”的口算卷", missing.stderr)

    def test_refusals_write_no_file(self):
        cases = [
            (["q999", "x.pdf"], "找不到题目"),
            (["q61", "x.pdf"], "没有要填答案的练习题"),
            (["q13", "x.pdf", "--count", "7"], "出题数只能是10、20或50"),
            (["q13", os.path.join("missing-folder", "x.pdf")], "不能写文件"),
        ]
        for arguments, reason in cases:
            with self.subTest(arguments=arguments):
                target = os.path.join(self.folder.name, arguments[1])
                done = run_print(arguments[0], target, *arguments[2:])
                self.assertEqual(done.returncode, 2)
                self.assertIn(reason, done.stderr)
                self.assertFalse(os.path.exists(target))


class PrintFiles(unittest.TestCase):
    """What --print does to the file it is given and to what was there."""

    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder, True)

    def test_an_empty_key_is_an_unknown_key(self):
        target = os.path.join(self.folder, "x.pdf")
        done = run_print("", target)
        self.assertEqual(done.returncode, 2)
        self.assertIn("找不到题目", done.stderr)
        self.assertFalse(os.path.exists(target))

    def test_a_folder_is_named_as_a_folder(self):
        for folder in (self.folder, self.folder + "/"):
            with self.subTest(folder=folder):
                done = run_print("q13", folder)
                self.assertEqual(done.returncode, 2)
                self.assertIn(f"比如“{os.path.join(self.folder, '练习卷.pdf')}”", done.stderr)
                self.assertEqual(os.listdir(self.folder), [])

    def test_the_pdf_gets_the_usual_mode_or_keeps_the_replaced_files(self):
        new = os.path.join(self.folder, "new.pdf")
        self.assertEqual(run_print("q13", new).returncode, 0)
        self.assertEqual(stat.S_IMODE(os.stat(new).st_mode), 0o644)
        old = os.path.join(self.folder, "old.pdf")
        with open(old, "w") as file:
            file.write("an older sheet")
        os.chmod(old, 0o640)
        self.assertEqual(run_print("q13", old).returncode, 0)
        self.assertEqual(stat.S_IMODE(os.stat(old).st_mode), 0o640)
        self.assertEqual(page_count(old), 2)
        self.assertEqual(sorted(os.listdir(self.folder)), ["new.pdf", "old.pdf"])  # nothing left beside

    def test_a_read_only_file_or_folder_is_left_as_it_was(self):
        user = normal_user()
        if user is None:
            self.skipTest("no way to run as a normal user")
        home = os.path.join(self.folder, "home")
        shared = os.path.join(self.folder, "shared")
        closed = os.path.join(self.folder, "closed")
        for folder, mode in ((home, 0o700), (shared, 0o777), (closed, 0o555)):
            os.mkdir(folder)
            os.chmod(folder, mode)
            os.chown(folder, user, user)
        os.chmod(self.folder, 0o755)
        kept = os.path.join(shared, "sheet.pdf")
        with open(kept, "w") as file:
            file.write("the sheet printed last week")
        os.chown(kept, user, user)
        os.chmod(kept, 0o444)
        cases = [(kept, "这个文件是只读的"), (os.path.join(closed, "sheet.pdf"), "不能在这个文件夹里写文件")]
        for target, reason in cases:
            with self.subTest(target=target):
                done = run_print("q13", target, as_user=user, home=home)
                self.assertEqual(done.returncode, 2, done.stderr)
                self.assertIn(reason, done.stderr)
        with open(kept) as file:
            self.assertEqual(file.read(), "the sheet printed last week")
        self.assertEqual(os.listdir(shared), ["sheet.pdf"])
        self.assertEqual(os.listdir(closed), [])


class WeeklyReportPdf(unittest.TestCase):
    """tallymoo --print report: the weekly report of a record made by the headless program on fixed days."""

    def test_the_report_of_a_week_is_printed_on_a4(self):
        with tempfile.TemporaryDirectory() as folder:
            record = os.path.join(folder, "record.sqlite")
            target = os.path.join(folder, "report.pdf")
            missing = run_print("report", target, "--record", os.path.join(folder, "none.sqlite"))
            self.assertEqual(missing.returncode, 2)
            self.assertIn("没有成绩记录", missing.stderr)
            self.assertFalse(os.path.exists(target))
            # Three sheets of 100以内加法 on three days, each with its first answer wrong.
            for day in ("2026-11-30", "2026-12-01", "2026-12-02"):
                script = "click q13\npage\n"
                done = subprocess.run([CLI, "--data", DATA, "--seed", "5", "--login", "238", "--record", record,
                                       "--today", day], input=script + "quit\n", capture_output=True, text=True,
                                      timeout=60, check=True)
                fields = re.findall(r"name=(answer\d+) type=text size=\d+ tag=(\d+)", done.stdout)
                answers = "".join(f"set {name} {int(tag) + (1 if i == 0 else 0)}\n" for i, (name, tag) in enumerate(fields))
                subprocess.run([CLI, "--data", DATA, "--seed", "5", "--login", "238", "--record", record,
                                "--today", day], input=script + answers + "finish\nquit\n", capture_output=True,
                               text=True, timeout=60, check=True)
            before = record_state(record)
            done = run_print("report", target, "--record", record, "--today", "2026-12-03")
            self.assertEqual(done.returncode, 0, done.stderr)
            self.assertEqual(record_state(record), before, "printing wrote into the record")
            text = page_text(target, 1)
            for heading in ("这一周练了多少", "每个题目", "等着复习的错题", "接下来练什么"):
                self.assertIn(heading, text)
            self.assertIn("100以内加法", text)
            self.assertRegex(text, r"练习卷\s*3张")
            # No parent has logged in: the misses are listed without their right answers.
            self.assertIn("等着复习", text)
            self.assertNotIn("正确答案", text)
            size = subprocess.run(["pdfinfo", target], capture_output=True, text=True, check=True).stdout
            self.assertRegex(size, r"Page size:.*\(A4\)")
            # The sheets given to a child: the report is that child's, asked for by name.
            subprocess.run([CLI, "--data", DATA, "--login", "238", "--record", record],
                           input="child add 小明 2\nchild give 小明\nquit\n", capture_output=True, text=True,
                           timeout=60, check=True)
            unnamed = run_print("report", target, "--record", record, "--today", "2026-12-03")
            self.assertEqual(unnamed.returncode, 2)
            self.assertIn("小明", unnamed.stderr)
            unknown = run_print("report", target, "--record", record, "--today", "2026-12-03", "--child", "小红")
            self.assertEqual(unknown.returncode, 2)
            self.assertIn("没有叫“小红”的孩子", unknown.stderr)
            named = run_print("report", target, "--record", record, "--today", "2026-12-03", "--child", "小明")
            self.assertEqual(named.returncode, 0, named.stderr)
            text = page_text(target, 1)
            self.assertIn("小明", text)
            self.assertRegex(text, r"练习卷\s*3张")


if __name__ == "__main__":
    unittest.main()
