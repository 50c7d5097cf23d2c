# SPDX-License-Identifier: GPL-3.0-or-later
"""The book 教你思考 and the maths stories: every answer recomputed by brute
force, the index pages in the order the tree lists the files, and the pages
laid out so that a child alone opens an answer only when he asks for it."""
import itertools
import re
import unittest

from support import ROOT
from content.common import load_toml

FOLDERS = {"book": "教你思考", "story": "数学故事"}


def sources(folder):
    return {page["title"]: page for page in
            (load_toml(p.relative_to(ROOT / "content")) for p in (ROOT / "content" / folder).glob("*.toml")
             if p.stem != "index")}


def answer_line(markup):
    lines = [line for line in markup.splitlines() if "答：" in line]
    return lines[-1] if lines else ""


def sticks_for_triangles(n):
    """Edges of n triangles laid in a row, alternately pointing up and down."""
    edges = set()
    for i in range(n):
        k = i // 2
        corners = [("B", k), ("B", k + 1), ("T", k)] if i % 2 == 0 else [("T", k), ("T", k + 1), ("B", k + 1)]
        edges |= {frozenset(pair) for pair in itertools.combinations(corners, 2)}
    return len(edges)


def tianji_results():
    """Wins of 田忌 for each order of his horses against the king's 上、中、下."""
    king = {"上": 6, "中": 4, "下": 2}
    tian = {"上": 5, "中": 3, "下": 1}  # each a little slower than the king's horse of its class
    results = {}
    for order in itertools.permutations("上中下"):
        results["、".join(order)] = ["赢" if tian[mine] > king[his] else "输" for mine, his in zip(order, "上中下")]
    return results


def hundred_fowls(money, birds):
    return [(cock, hen, birds - cock - hen) for cock in range(1, birds) for hen in range(1, birds - cock)
            if (birds - cock - hen) % 3 == 0 and 5 * cock + 3 * hen + (birds - cock - hen) // 3 == money]


def diophantus_age():
    return next(a for a in range(1, 200)
                if a % 6 == 0 and a % 12 == 0 and a % 7 == 0 and a // 6 + a // 12 + a // 7 + 5 + a // 2 + 4 == a)


N = range(0, 1000)
GRAINS = sum(2 ** square for square in range(64))
FOWLS = hundred_fowls(100, 100)
AGE = diophantus_age()

# title: (what the worked example's 答 line says, what the exercise's 答 line says)
EXPECTED = {
    "第1章 从简单情形想起": ([f"{len(list(itertools.combinations(range(10), 2)))}次"],
                       [f"{len(list(itertools.combinations(range(8), 2)))}条"]),
    "第2章 画图帮你想": ([f"{len(range(0, 21, 5))}棵"], [f"锯{4 - 1}次", f"{(4 - 1) * 3}分钟"]),
    "第3章 倒过来想": ([f"{next(x for x in N if x % 2 == 0 and x // 2 - 2 == 5)}颗"],
                   [f"第{next(d for d in range(1, 11) if 2 ** (d - 10) == 0.5)}天"]),
    "第4章 一个一个列出来": ([f"{sum(1 for a in range(2) for b in range(5) for c in range(9) if 5 * a + 2 * b + c == 8)}种"],
                       [f"{len(set(itertools.permutations('123')))}个",
                        "、".join(sorted("".join(p) for p in itertools.permutations("123")))]),
    "第5章 找规律": ([f"{sticks_for_triangles(10)}根"], [f"{(['红', '红', '黄', '蓝'] * 10)[29]}色"]),
    "第6章 假设一下": ([f"{next(r for r in range(11) if 10 * r - 5 * (10 - r) == 70)}道"],
                   [f"5元的有{next(f for f in range(16) if 5 * f + 10 * (15 - f) == 110)}张",
                    f"10元的有{next(t for t in range(16) if 10 * t + 5 * (15 - t) == 110)}张"]),
    "第7章 抓住不变的量": ([f"{next(y for y in N if 35 + y == 4 * (8 + y))}年"],
                      [f"{next(k for k in N if 20 - k == 8 + k)}张"]),
    "第8章 从反面想": ([f"{sum(1 for n in range(1, 101) if n % 3)}个"],
                   [f"{sum(1 for n in range(1, 61) if '5' not in str(n))}页"]),
    "曹冲称象": ([], [f"{2 * 3}千克"]),
    "田忌赛马": ([], [f"{len(tianji_results())}种",
                    "“" + "".join(o for o, r in tianji_results().items() if r.count("赢") >= 2) + "”"]),
    "高斯巧算1到100": ([], [f"＝{sum(range(1, 21))}"]),
    "鸡兔同笼": ([f"鸡有{next(c for c in range(36) if 2 * c + 4 * (35 - c) == 94)}只",
              f"兔子有{next(r for r in range(36) if 4 * r + 2 * (35 - r) == 94)}只"],
             [f"鸡有{next(c for c in range(11) if 2 * c + 4 * (10 - c) == 28)}只",
              f"兔子有{next(r for r in range(11) if 4 * r + 2 * (10 - r) == 28)}只"]),
    "韩信点兵": ([f"{next(n for n in range(1, 1000) if n % 3 == 2 and n % 5 == 3 and n % 7 == 2)}个"],
             [f"{next(n for n in range(11, 20) if n % 3 == 1 and n % 4 == 1)}颗"]),
    "百鸡问题": ([f"公鸡{c}只、母鸡{h}只、小鸡{k}只" for c, h, k in FOWLS],
             [f"公鸡{FOWLS[0][0] + 4}只、母鸡{FOWLS[0][1] - 7}只、小鸡{FOWLS[0][2] + 3}只"]),
    "棋盘上的麦粒": ([], [f"{sum(2 ** s for s in range(8))}粒"]),
    "丢番图的墓志铭": ([f"{AGE}岁"], [f"{AGE // 6 + AGE // 12 + AGE // 7}岁结婚", f"{AGE // 6 + AGE // 12 + AGE // 7 + 5}岁有了儿子"]),
}


def data_page(folder, name):
    return (ROOT / "data" / folder / name).read_bytes().decode("gbk")


class Answers(unittest.TestCase):
    def test_every_answer_is_recomputed(self):
        titles = set()
        for folder in FOLDERS:
            for title, page in sources(folder).items():
                titles.add(title)
                example, exercise = EXPECTED[title]
                with self.subTest(page=title):
                    for part in example:
                        self.assertIn(part, answer_line(page["body"]))
                    for part in exercise:
                        self.assertIn(part, answer_line(page["exercise"]["answer"]))
        self.assertEqual(titles, set(EXPECTED))

    def test_numbers_inside_the_stories(self):
        gauss = sources("story")["高斯巧算1到100"]["body"]
        self.assertIn(f"{sum(range(1, 101))}", gauss)
        grains = sources("story")["棋盘上的麦粒"]["body"]
        self.assertIn(f"{GRAINS}粒", grains)
        self.assertIn(f"大约是{round(GRAINS / 10 ** 16)}亿亿粒", grains)
        for square, grains_there in re.findall(r"第(\d+)格：\d+×2＝(\d+)（粒）", grains):
            self.assertEqual(int(grains_there), 2 ** (int(square) - 1), f"第{square}格")
        self.assertIn("第20格：超过五十万粒", grains)
        self.assertTrue(500000 < 2 ** 19 < 1000000)
        fowls = sources("story")["百鸡问题"]["body"]
        self.assertEqual(len(FOWLS), 3)
        self.assertIn("这三种买法", fowls)

    def test_tianji_table_of_all_six_orders(self):
        answer = sources("story")["田忌赛马"]["exercise"]["answer"]
        rows = re.findall(r"<tr><td>(.+?)</td><td>(.)</td><td>(.)</td><td>(.)</td><td>(\d)胜(\d)负</td></tr>", answer)
        table = {order: [a, b, c] for order, a, b, c, _, _ in rows}
        self.assertEqual(table, tianji_results())
        for order, *_, wins, losses in rows:
            self.assertEqual((int(wins), int(losses)), (table[order].count("赢"), table[order].count("输")))


class Layout(unittest.TestCase):
    def listed_files(self, folder):
        names = [p.name for p in (ROOT / "data" / folder).glob("*.htm") if p.stem != FOLDERS[folder]]
        return sorted(names, key=lambda name: name.encode("utf-8"))  # as the tree lists them

    def test_index_pages_list_every_page_in_tree_order(self):
        for folder, index in FOLDERS.items():
            with self.subTest(folder=folder):
                links = re.findall(r'<li><a href="(.+?)">(.+?)</a>', data_page(folder, f"{index}.htm"))
                self.assertEqual([href for href, _ in links], self.listed_files(folder))
                self.assertEqual([f"{caption}.htm" for _, caption in links], self.listed_files(folder))
                self.assertEqual(len(links), 8)

    def test_chapters_sort_in_their_own_order(self):
        numbers = [int(re.match(r"第(\d+)章 ", name).group(1)) for name in self.listed_files("book")]
        self.assertEqual(numbers, list(range(1, len(numbers) + 1)))

    def test_headings_use_the_tree_caption_and_answers_wait_to_be_asked_for(self):
        for folder in FOLDERS:
            for name in self.listed_files(folder):
                page = data_page(folder, name)
                with self.subTest(page=name):
                    self.assertIn('<meta charset="gbk">', page)
                    self.assertEqual(re.findall(r"<h1>(.*?)</h1>", page), [name[:-4]])
                    exercise = page[page.index('<div class="try">'):]
                    self.assertNotIn("答：", exercise[:exercise.index("<details>")])
                    self.assertIn("<summary>看看答案</summary>", exercise)
                    self.assertIn("答：", exercise[exercise.index("<details>"):exercise.index("</details>")])

    def test_stories_told_as_the_textbooks_tell_them(self):
        stories = sources("story")
        cases = [("曹冲称象", "曹冲才七岁"), ("曹冲称象", "沿着水面在船身上刻一道记号"),
                 ("田忌赛马", "齐王每一等马都比田忌同一等的马好一点"), ("田忌赛马", "“对策”"),
                 ("鸡兔同笼", "《孙子算经》"), ("韩信点兵", "《孙子算经》"), ("百鸡问题", "《张丘建算经》")]
        for title, words in cases:
            with self.subTest(story=title, words=words):
                self.assertIn(words, stories[title]["body"])
        self.assertNotIn("统筹", stories["田忌赛马"]["body"])
        self.assertNotIn("六七岁", stories["曹冲称象"]["body"])


if __name__ == "__main__":
    unittest.main()
