# SPDX-License-Identifier: GPL-3.0-or-later
"""What a grade has been taught, by the lesson lists data/1.txt … 6.txt, and
the signs in a text that it asks for a piece of knowledge.

A place in the syllabus is (grade, line of the grade's lesson list): the
lesson "分数的除法" is (6, 3). A text written for a grade and term may only
use what the lessons up to the end of that term teach; `untaught` names each
piece a text uses too early, with the lesson that teaches it.

The signs are forms a reader can see: "4分之3÷2" divides a fraction, "72÷24"
divides by a two-digit number, "最小公倍数" names a term of grade 5. They are
deliberately plain, so a fault they report is one a teacher would see too.
"""
import re
from fractions import Fraction
from functools import lru_cache

from support import ROOT

TERM_REVIEW = "上学期总复习"
GRADE_NAMES = "一二三四五六"


@lru_cache(maxsize=None)
def lesson_list(grade):
    text = (ROOT / f"data/{grade}.txt").read_bytes().decode("gbk")
    return [line.strip() for line in text.split("\r\n") if line.strip()]


def lesson_place(grade, title):
    return grade, lesson_list(grade).index(title) + 1


def term_end(grade, term):
    """The place reached at the end of a term (1 or 2) of a grade."""
    lessons = lesson_list(grade)
    return grade, (lessons.index(TERM_REVIEW) + 1 if term == 1 else len(lessons))


def term_words(grade, term):
    """How a page names it: 四年级下学期."""
    return f"{GRADE_NAMES[grade - 1]}年级{'上' if term == 1 else '下'}学期"


# --- reading numbers and operations out of a text --------------------------

_DIGITS = str.maketrans("０１２３４５６７８９", "0123456789")
_NUMBER = r"\d+(?:\.\d+)?"
_FRACTION = r"(?:\d+又)?\d+分之\d+"


def _plain(text):
    return re.sub(r"<[^>]*>", " ", text).translate(_DIGITS)


def _pairs(text, sign):
    """(left, right) numbers on both sides of every `sign` between two plain numbers."""
    pattern = rf"(?<![\d.分之又])({_NUMBER})\s*{sign}\s*({_NUMBER})(?![\d.]*分之)"
    return [(Fraction(a), Fraction(b)) for a, b in re.findall(pattern, text)]


def _power_of_ten(value):
    return value >= 10 and value.denominator == 1 and set(str(value.numerator)[1:]) == {"0"} \
        and str(value.numerator)[0] == "1"


def _multiplies_past_the_tables(text):
    return [p for p in _pairs(text, "×") if p[0] >= 10 or p[1] >= 10]


def _multiplies_two_digits(text):
    return [p for p in _pairs(text, "×")
            if min(p) >= 10 and not any(_power_of_ten(x) or x % 10 == 0 for x in p)]


def _multiplies_three_by_two_digits(text):
    return [p for p in _multiplies_two_digits(text) if max(p) >= 100]


def _divides_past_the_tables(text):
    return [(a, b) for a, b in _pairs(text, "÷") if b < 10 and a > 9 * b]


def _divides_by_two_digits(text):
    return [(a, b) for a, b in _pairs(text, "÷") if b >= 10 and not _power_of_ten(b)]


def _decimal_operands(text, sign):
    return [(a, b) for a, b in _pairs(text, sign)
            if (a.denominator != 1 or b.denominator != 1) and not (_power_of_ten(a) or _power_of_ten(b))]


def _divides_into_a_decimal(text):
    """A division written out with a decimal quotient: 7÷2＝3.5 (but not 35÷100＝0.35)."""
    pattern = rf"(?<![\d.])({_NUMBER})÷({_NUMBER})＝(\d+\.\d+)"
    return [m for m in re.findall(pattern, text) if not _power_of_ten(Fraction(m[1]))]


def _fraction_pairs(text, signs):
    pattern = rf"(?:\d+又)?(\d+)分之\d+\s*[{signs}]\s*(?:\d+又)?(\d+)分之\d+"
    return [(int(a), int(b)) for a, b in re.findall(pattern, text)]


def _unlike_fractions_added(text):
    return [p for p in _fraction_pairs(text, "＋－+-") if p[0] != p[1]]


def _fraction_multiplied(text):
    return re.findall(rf"{_FRACTION}\s*×|×\s*（?{_FRACTION}|×\s*（[^）]*分之[^）]*）|（[^）]*分之[^）]*）×", text)


def _fraction_divided(text):
    return re.findall(rf"÷\s*{_FRACTION}|÷\s*（[^）]*分之[^）]*）|{_FRACTION}\s*÷", text)


def _numbers(text):
    return [int(n) for n in re.findall(r"(?<![\d.])\d+(?![\d.]*\d*分之)(?!\.\d)", text)]


def _largest_number(text):
    found = _numbers(text)
    return max(found) if found else 0


# --- the signs, each with the lesson that first teaches it -------------------

def _words(*words):
    pattern = re.compile("|".join(words))
    return lambda text: pattern.findall(text)


SIGNS = [
    # numbers
    ("两位数", (1, "100以内数的认识"), lambda t: [n for n in _numbers(t) if n > 20]),
    ("三位数和四位数", (2, "万以内数的认识"), lambda t: [n for n in _numbers(t) if n > 100]),
    ("大数", (4, "大数的认识"), lambda t: [n for n in _numbers(t) if n > 10000] + re.findall("亿", t)),
    ("小数", (3, "小数的初步认识"), lambda t: re.findall(r"(?<![\d.])\d+\.\d+", t)),
    ("分数", (3, "分数的初步认识"), lambda t: re.findall(r"\d+分之\d+|几分之[一几]", t)),
    ("负数", (6, "负数"), _words("负数", r"－\d+℃", "零下")),
    # operations
    ("乘法", (2, "表内乘法（一）"), _words("×", "乘法")),
    ("除法", (2, "表内除法（一）"), _words("÷", "除法")),
    ("有余数的除法", (2, "有余数的除法"), _words(r"÷\d+＝\d+……\d", "余数")),
    ("括号和混合运算", (2, "混合运算"), lambda t: re.findall(r"（[^（）]*\d[＋－×÷][^（）]*）", t)),
    ("多位数乘一位数", (3, "多位数乘一位数"), _multiplies_past_the_tables),
    ("两位数乘两位数", (3, "两位数乘两位数"), _multiplies_two_digits),
    ("三位数乘两位数", (4, "三位数乘两位数"), _multiplies_three_by_two_digits),
    ("表外除法", (3, "除数是一位数的除法"), _divides_past_the_tables),
    ("除数是两位数的除法", (4, "除数是两位数的除法"), _divides_by_two_digits),
    ("运算定律", (4, "运算定律"), _words("交换律", "结合律", "分配律", "简便方法计算", "简便计算")),
    ("小数乘法", (5, "小数乘法"), lambda t: _decimal_operands(t, "×")),
    ("小数除法", (5, "小数除法"), lambda t: _decimal_operands(t, "÷") + _divides_into_a_decimal(t)),
    ("方程", (5, "简易方程"), _words("方程", r"设[^，。]*为?[xXｘ]", r"\d[xXｘ]")),
    ("因数和倍数", (5, "因数与倍数"), _words(r"\d的因数", "的因数有", "(?<!4的)(?<!00的)倍数", "约数", "质数", "合数", "素数", "奇数", "偶数", "整除")),
    ("公因数和公倍数", (5, "分数的意义和性质"),
     _words("公因数", "公约数", "公倍数", "通分", "约分", "最简分数")),
    ("异分母分数加减", (5, "分数的加法和减法"), _unlike_fractions_added),
    ("分数乘法", (6, "分数乘法"), _fraction_multiplied),
    ("分数除法", (6, "分数除法"), _fraction_divided),
    ("比", (6, "比"), _words("∶", "比值", "按比")),
    ("百分数", (6, "百分数（一）"), _words("％", "%", "百分数", "百分率", "百分比")),
    ("折扣和成数", (6, "百分数（二）"), _words("[一二三四五六七八九]折", "打折", "[一二三四五六七八九]成(?![绩年])", "利率", "税率")),
    ("比例", (6, "比例"), _words("比例尺", "正比例", "反比例")),
    # measures
    ("米和厘米", (2, "长度单位"), _words(r"\d+(?:米|厘米)(?!之)")),
    ("克和千克", (2, "克和千克"), _words(r"\d+(?:克|千克|公斤)")),
    ("千米、分米、毫米和吨", (3, "测量"), _words(r"\d+(?:千米|分米|毫米|吨)", "千米/时")),
    ("几时几分", (2, "认识时间"), _words(r"\d+时\d+分", r"\d+:(?!00)\d\d")),
    ("秒", (3, "时、分、秒"), _words(r"\d+秒")),
    ("经过的时间", (3, "时、分、秒"),
     _words("(?<!已)经过", "多长时间", "多少时间", "再过", r"过了?\d+(?:小时|分钟|分)", r"\d+小时", r"\d+分钟")),
    ("年、月、日", (3, "年、月、日"), _words("闰年", "平年", "24时计时", "大月", "小月")),
    ("周长", (3, "长方形和正方形"), _words("周长")),
    ("面积", (3, "面积"), _words("面积", "平方厘米", "平方分米", "平方米")),
    ("公顷和平方千米", (4, "公顷和平方千米"), _words("公顷", "平方千米")),
    ("角的度数", (4, "角的度量"), _words(r"\d+°", r"\d+度")),
    ("三角形内角和", (4, "三角形"), _words("内角和")),
    ("多边形的面积", (5, "多边形的面积"), _words("三角形的面积", "梯形的面积", "平行四边形的面积", r"底×高")),
    ("体积", (5, "长方体和正方体"), _words("体积(?!木)", "容积", "立方", r"\d+(?:毫升|升)", "表面积")),
    ("圆", (6, "圆"), _words("π", "圆周率", "半径", "直径", "圆的面积", "圆的周长")),
    ("圆柱和圆锥", (6, "圆柱与圆锥"), _words("圆柱的体积", "圆锥的体积", "侧面积")),
    # places and figures
    ("东南西北", (3, "位置与方向（一）"), _words("东北", "西北", "东南", "西南")),
    ("数对", (5, "位置"), _words(r"（\d+，\d+）")),
    ("方向和角度", (6, "位置与方向（二）"), _words("[东南西北]偏[东南西北]")),
    # statistics
    ("平均数", (4, "平均数与条形统计图"), _words("平均数", "平均分是", "平均成绩", "平均身高", "平均体重", "平均每(?:次|科)")),
    ("条形统计图", (4, "条形统计图"), _words("条形统计图")),
    ("折线统计图", (5, "折线统计图"), _words("折线统计图")),
    ("扇形统计图", (6, "扇形统计图"), _words("扇形统计图")),
    # the problem kinds the lessons teach
    ("倍", (3, "倍的认识"), _words(r"\d+倍", "几倍")),
    ("鸡兔同笼", (4, "鸡兔同笼"), _words("鸡兔", "鸡和兔")),
    ("植树问题", (5, "植树问题"), _words(r"每隔\d+")),
    ("找次品", (5, "找次品"), _words("次品")),
    ("鸽巢问题", (6, "鸽巢问题"), _words("鸽巢", "抽屉原理", "至少要?(?:摸|拿|取)出")),
]


def untaught(text, reached):
    """The signs in `text` of knowledge taught after `reached` (a place), as
    readable lines: what, where it is taught, and what in the text shows it."""
    plain = _plain(text)
    found = []
    for name, (grade, title), seen in SIGNS:
        if lesson_place(grade, title) <= tuple(reached):
            continue
        shown = seen(plain)
        if shown:
            found.append(f"{name}（{GRADE_NAMES[grade - 1]}年级“{title}”才学）：{shown[:3]}")
    return found
