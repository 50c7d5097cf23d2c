# SPDX-License-Identifier: GPL-3.0-or-later
"""The brain-teasers, geometry questions, intelligence exercises, worked factor
problems and the intelligence test: their entries are where the tree expects
them, every question has an answer, and the answers that are a computation
agree with a computation of their own here (by brute force or simulation)."""
import itertools
import math
import re
import unittest

from support import ROOT

TEXTS = ROOT / "src/library/texts"

CATALOGUE = [
    (11, "猫捉老鼠"), (12, "猎人的小屋"), (13, "金山寺大钟"), (14, "猫狗赛跑"), (15, "煎饼"),
    (16, "上楼梯"), (17, "网球"), (18, "汽水瓶"), (19, "称水"), (20, "半个小时"),
    (21, "最后一分钟"), (22, "蜘蛛的速度"), (23, "车队的分割"), (24, "卖西瓜"), (25, "50枚银元"),
    (26, "握手的人数"), (27, "猜帽子"), (28, "破密码"), (29, "猜扑克"), (30, "调饮料"),
    (31, "十堆味精"), (32, "剪布料"), (33, "666"), (34, "卖鸡蛋"), (35, "毛毛虫爬树"),
    (36, "骑车人和苍蝇"), (37, "旅行者和狗"), (38, "渡过海洋的航行"), (39, "求一个数"), (40, "战士过河"),
    (41, "轮船让路"), (42, "分饼干"), (43, "车票上算100"), (44, "多少镜子"), (45, "扔皮球"),
    (46, "剪绳子"), (47, "摸东西"), (48, "男孩是谁"), (49, "摸袜子"), (50, "摸手套"),
    (51, "打电话"), (52, "剪纸条"), (53, "修铁路"), (54, "牛吃草"), (55, "圣诞节礼物"),
    (56, "跳机"), (57, "打灯泡"), (58, "罚款"), (59, "求和"), (60, "刻字的价格"),
    (61, "唱针移动了多长"), (62, "多少人要迟到"), (63, "办事"), (64, "生日是几号"), (65, "混合液体"),
    (66, "火车过大桥"), (67, "正方形土地"), (68, "种多少棵树"), (69, "插多少面旗"), (70, "掉鸡蛋"),
    (71, "爸爸今年多少岁"), (72, "小敏比小琴多跳几下"), (73, "分针和时针的夹角"), (74, "分针转动的角度"),
    (75, "前进的距离"), (76, "分桃"), (77, "每隔几分钟开出一辆车"), (78, "追草帽"),
    (801, "求正方形面积"), (802, "做红旗"), (803, "求长方形周长"), (804, "用铁丝围正方形"),
    (805, "长方形变正方形"), (806, "长方形的长和宽"), (807, "求阴影面积"), (808, "正方形里最大的圆"),
]
BLANK = "（    ）"


def entries(name):
    """(title, question, answer) of every titled entry, as the program splits them."""
    text = (TEXTS / name).read_text(encoding="utf-8")
    found = []
    for chunk in text.split("【")[1:]:
        title, body = chunk.split("】", 1)
        question, answer = body.split("答案=", 1)
        found.append((title, question, answer))
    return found


def entry(name, title):
    return next(e for e in entries(name) if e[0] == title)


def final_answer(answer):
    """The sentence after the last 答：, or the first sentence when there is none."""
    return answer.rsplit("答：", 1)[1] if "答：" in answer else re.split(r"[。<]", answer)[0]


class PuzzleEntries(unittest.TestCase):
    def test_every_catalogue_topic_has_its_entry_in_order(self):
        titles = [title for title, _, _ in entries("Puzzles.txt")]
        self.assertEqual(titles, [f"{n} {caption}" for n, caption in CATALOGUE])

    def test_one_entry_a_line_with_a_question_and_an_answer(self):
        lines = (TEXTS / "Puzzles.txt").read_text(encoding="utf-8").splitlines()
        self.assertEqual(len(lines), len(CATALOGUE))
        for line in lines:
            with self.subTest(line=line[:12]):
                self.assertTrue(line.startswith("【"))
                self.assertEqual(line.count("【"), 1)
                self.assertEqual(line.count("答案="), 1)
                _, body = line.split("】", 1)
                question, answer = body.split("答案=")
                self.assertTrue(question.strip() and answer.strip())

    def test_questions_quoted_exactly(self):
        exact = {
            "11 猫捉老鼠": "如果5只猫在5分钟里能捉5只老鼠，在一百分钟里要捉100只老鼠，需要几只猫？你能在1分钟的时间里想出答案吗？",
            "803 求长方形周长": "用两个边长是2厘米的正方形拼成一个长方形，这个长方形的周长是（    ）厘米。",
            "807 求阴影面积": "<img src=pic/2.gif border=0>",
        }
        for title, question in exact.items():
            with self.subTest(title=title):
                self.assertEqual(entry("Puzzles.txt", title)[1], question)

    def test_geometry_questions_mark_their_blanks(self):
        for n, caption in CATALOGUE:
            if n > 800 and n != 807:
                with self.subTest(n=n):
                    self.assertIn(BLANK, entry("Puzzles.txt", f"{n} {caption}")[1])

    def test_the_picture_is_a_gif(self):
        picture = ROOT / "data/pic/2.gif"
        self.assertTrue(picture.exists())
        self.assertEqual(picture.read_bytes()[:4], b"GIF8")

    def test_only_line_breaks_and_the_picture_are_markup(self):
        # The texts go into the page as HTML: a stray "<" or "&" would break it.
        for title, question, answer in entries("Puzzles.txt"):
            with self.subTest(title=title):
                rest = (question + answer).replace("<br>", "").replace("<img src=pic/2.gif border=0>", "")
                self.assertNotRegex(rest, r"[<>&]")


class ExerciseTexts(unittest.TestCase):
    def test_intelligence_exercises(self):
        found = entries("Text15.txt")
        self.assertGreaterEqual(len(found), 40)
        self.assertEqual(found[0][0], "盒里装的什么")
        self.assertEqual(len({title for title, _, _ in found}), len(found), "titles differ")

    def test_worked_factor_problems(self):
        text = (TEXTS / "Text18.txt").read_text(encoding="utf-8")
        self.assertTrue(text.startswith("【例1】一篮子鸡蛋，2个2个地数多1个，"))
        found = entries("Text18.txt")
        self.assertGreaterEqual(len(found), 12)
        self.assertEqual([t for t, _, _ in found], [f"例{i}" for i in range(1, len(found) + 1)])
        self.assertEqual(text.count("课本里叫做因数，最大公约数也叫最大公因数"), 1)

    def test_intelligence_test_has_twenty_numbered_questions(self):
        self.assertEqual([t for t, _, _ in entries("IqTest.txt")], [str(i) for i in range(1, 21)])

    def test_every_entry_has_a_question_and_an_answer(self):
        for name in ("Text15.txt", "Text18.txt", "IqTest.txt"):
            for title, question, answer in entries(name):
                with self.subTest(file=name, title=title):
                    self.assertTrue(question.strip() and answer.strip())
                    self.assertNotIn("答案=", answer)

    def test_exercise_texts_hold_no_markup(self):
        # Their blanks become &nbsp; on the page, which would break any tag.
        for name in ("Text15.txt", "Text18.txt", "IqTest.txt"):
            with self.subTest(file=name):
                self.assertNotRegex((TEXTS / name).read_text(encoding="utf-8"), r"[<>&]")


def smallest(condition, start=1):
    return next(n for n in itertools.count(start) if condition(n))


def soda_bottles(bought, per_bottle):
    drunk, empty = bought, bought
    while empty >= per_bottle:
        new = empty // per_bottle
        drunk, empty = drunk + new, empty % per_bottle + new
    return drunk + (1 if empty == per_bottle - 1 else 0)  # borrow one, give it back


def climbing_day(height, up, down):
    at, day = 0, 0
    while True:
        day += 1
        at += up
        if at >= height:
            return day
        at -= down


def pieces_after_folding(folds, cut_at=0.5):
    layers = 2 ** folds
    cuts = set()
    for layer in range(layers):
        # the rope runs forward in even layers and back in odd ones
        position = (layer + (cut_at if layer % 2 == 0 else 1 - cut_at)) / layers
        cuts.add(round(position, 9))
    return len(cuts) + 1


def ships_met(days_at_sea):
    return sum(1 for leaves in range(-50, 50) if leaves <= days_at_sea and leaves + days_at_sea >= 0)


def stair_ways(steps):
    ways = [1, 1]
    for _ in range(steps - 1):
        ways.append(ways[-1] + ways[-2])
    return ways[steps]


def squares_in_grid(size):
    return sum((size - k + 1) ** 2 for k in range(1, size + 1))


def bridge_time(times):
    """Fewest minutes to bring everyone over, searched over every move."""
    start = (frozenset(times), True)
    best = {start: 0}
    frontier = [start]
    while frontier:
        frontier.sort(key=lambda s: best[s])
        state = frontier.pop(0)
        near, torch_near = state
        moves = itertools.combinations(near, 2) if torch_near else ((t,) for t in set(times) - near)
        for group in moves:
            after = (near - set(group), False) if torch_near else (near | set(group), True)
            cost = best[state] + max(group)
            if cost < best.get(after, math.inf):
                best[after] = cost
                frontier.append(after)
    return best[(frozenset(), False)]


class AnswersAgree(unittest.TestCase):
    def test_final_answers_agree_with_an_independent_computation(self):
        cases = [
            ("Puzzles.txt", "13 金山寺大钟", (12 - 1) * 5 // (6 - 1)),
            ("Puzzles.txt", "18 汽水瓶", soda_bottles(10, 3)),
            ("Puzzles.txt", "21 最后一分钟", next(m for m in range(61) if 2 ** (60 - m) == 2)),
            ("Puzzles.txt", "26 握手的人数", math.comb(8, 2)),
            ("Puzzles.txt", "35 毛毛虫爬树", climbing_day(10, 3, 2)),
            ("Puzzles.txt", "38 渡过海洋的航行", ships_met(7)),
            ("Puzzles.txt", "46 剪绳子", pieces_after_folding(2)),
            ("Puzzles.txt", "51 打电话", smallest(lambda m: 2 ** m >= 31, 0)),
            ("Puzzles.txt", "56 跳机", -sum(k if k % 2 else -k for k in range(1, 101))),
            ("Puzzles.txt", "59 求和", sum(range(1, 101))),
            ("Puzzles.txt", "64 生日是几号",
             smallest(lambda d: d <= 31 and d // 10 + d % 10 == 5 and (d // 10) * (d % 10) == 6, 10)),
            ("Puzzles.txt", "76 分桃", smallest(lambda n: n % 5 == 1 and n % 6 == 1, 2)),
            ("Puzzles.txt", "804 用铁丝围正方形", (36 // 4) ** 2),
            ("Puzzles.txt", "807 求阴影面积", 10 * 6 - 4 * 4),
            ("Text15.txt", "过桥", bridge_time((1, 2, 5, 10))),
            ("Text15.txt", "数正方形", squares_in_grid(3)),
            ("Text15.txt", "写页码", sum(len(str(p)) for p in range(1, 51))),
            ("Text15.txt", "上台阶", stair_ways(5)),
            ("Text15.txt", "拆数", sum(1 for c in itertools.combinations(range(1, 16), 3) if sum(c) == 15)),
            ("Text15.txt", "青蛙跳井", climbing_day(9, 3, 1)),
            ("Text15.txt", "换糖果", 12 + 12 // 4),
            ("Text15.txt", "切蛋糕", 1 + 3 + math.comb(3, 2)),
            ("Text18.txt", "例1", smallest(lambda n: all(n % k == 1 for k in (2, 3, 4, 5)), 2)),
            ("Text18.txt", "例4", math.gcd(48, 36)),
            ("Text18.txt", "例7", smallest(lambda n: all(n % k == 2 for k in (3, 5, 7)), 3)),
            ("Text18.txt", "例8", smallest(lambda n: (n % 3, n % 5, n % 7) == (2, 4, 6))),
            ("Text18.txt", "例9", next(n for n in range(40, 51) if n % 6 == 0 and n % 8 == 0)),
            ("Text18.txt", "例11", sum(1 for m in range(0, 49) if m % 4 == 0 and m % 6 == 0)),
            ("Text18.txt", "例12", math.lcm(30, 18) // 30),
            ("Text18.txt", "例13", sum(1 for d in range(1, 37) if 36 % d == 0)),
            ("Text18.txt", "例14", next(n for n in range(1, 200) if math.gcd(18, n) == 6 and math.lcm(18, n) == 72)),
            ("IqTest.txt", "16", sum(str(n).count("3") for n in range(1, 31))),
            ("IqTest.txt", "19", (10 - 1) * 2),
        ]
        for name, title, value in cases:
            with self.subTest(file=name, title=title, value=value):
                said = final_answer(entry(name, title)[2])
                self.assertRegex(said, rf"(?<!\d){abs(value)}(?!\d)")


if __name__ == "__main__":
    unittest.main()
