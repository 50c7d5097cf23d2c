// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "page/html_page.h"
#include "page/html_parse.h"

namespace tally {
namespace {

std::string reserialized(const std::string& html) {
    HtmlPage page;
    page.setBody(html);
    return page.bodyHtml();
}

// Collects every change the page reports.
struct Recorder {
    std::vector<PageChange> changes;
    explicit Recorder(HtmlPage& page) {
        page.setObserver([this](const PageChange& change) { changes.push_back(change); });
    }
};

// The program's own pages come back byte for byte (the golden transcript
// holds every one of them); other spellings are normalised.
TEST(HtmlPageRoundTrip, OtherSpellingsAreNormalised) {
    struct Case { std::string in, out; };
    const std::vector<Case> cases = {
        // The level game's first radio has two blanks before name; one comes back.
        {"<input type=radio  name=R1 value=V1 tag=5>", "<input type=radio name=R1 value=V1 tag=5>"},
        {"<td><p id='fenshupl3'>x</p>", "<p id=fenshupl3>x</p>"},
        {"<input name='answerup' tag='答案up' size='3'>", "<input name=answerup tag=答案up size=3>"},
        {"<INPUT NAME=X Value=\"a b\">", "<input name=X value=\"a b\">"},
        {"<input value=\"\" checked=\"\">", "<input value=\"\" checked=\"\">"},
        {"<b>open", "<b>open</b>"},
        {"x<!-- note -->y", "xy"},
        {"<p>a<p>b", "<p>a</p><p>b</p>"},
        {"&#x41;&lt;&nbsp", "A&lt;&nbsp;"},
        // Script text stays raw, and a <pre> keeps its leading line breaks.
        {"<script>if (a < b && c) go();</script>a &lt; b &amp; c", "<script>if (a < b && c) go();</script>a &lt; b &amp; c"},
        {"<pre>\n\nkept</pre>", "<pre>\n\nkept</pre>"},
    };
    for (const Case& c : cases) EXPECT_EQ(reserialized(c.in), c.out) << c.in;
}

TEST(HtmlPageLookup, FindsTheFirstElementByNameOrId) {
    HtmlPage page;
    page.setBody("<p id=x><input name=answer1 tag=1></p><span name=answer1 tag=2></span>"
                 "<input id=answer1 tag=3><input name=Answer2 tag=4>");
    EXPECT_EQ(page.tag("answer1"), "1");
    EXPECT_EQ(page.countNamed("answer1"), 3);
    EXPECT_EQ(page.elementIndex("answer1"), 1);
    EXPECT_EQ(page.elementIndex("x"), 0);
    EXPECT_FALSE(page.has("answer2"));  // names are case-sensitive
    EXPECT_EQ(page.tag("Answer2"), "4");
    // table, tbody, tr, td come before the input, as in a browser.
    page.setBody("<table><tr><td><input name=a></td></tr></table>");
    EXPECT_EQ(page.elementIndex("a"), 4);
}

// Each edit as the page writes it back: a value and a tag quoted and escaped
// as they need, checked as the bare attribute, text
// escaped after its element, HTML after or inside it; inner HTML is ignored
// by an element that has no content, an edit of an element that is not there
// changes nothing, and then the view is told nothing.
TEST(HtmlPageEdit, EditsAreWrittenInPlace) {
    const struct { const char* body; std::function<void(HtmlPage&)> edit; const char* written; } cases[] = {
        {"<input name=a tag=7>", [](HtmlPage& p) { p.setValue("a", "3 \"4\" 'x' <y> & z"), p.setTag("a", "8=8"); },
         "<input name=a tag=\"8=8\" value=\"3 &quot;4&quot; 'x' <y> &amp; z\">"},
        {"<input type=radio name=n1 checked><input type=radio name=n2>",
         [](HtmlPage& p) { p.setChecked("n1", false), p.setChecked("n2", true), p.setChecked("n2", true); },
         "<input type=radio name=n1><input type=radio name=n2 checked>"},
        {"<input name=a tag=7><br>", [](HtmlPage& p) { p.insertTextAfter("a", "(×，正确答案：<b>)"); },
         "<input name=a tag=7>(×，正确答案：&lt;b&gt;)<br>"},
        {"<input name=a>end", [](HtmlPage& p) { p.insertHtmlAfter("a", "<b>9</b>"), p.insertHtmlAfter("a", "<img>"); },
         "<input name=a><img><b>9</b>end"},
        {"<a name=i><img src=1.gif></a><span id=s>old<b>x</b></span>",
         [](HtmlPage& p) { p.setInnerHtml("i", "<img src=pp.gif>"), p.setInnerHtml("s", ""); },
         "<a name=i><img src=pp.gif></a><span id=s></span>"},
        {"<input name=a>", [](HtmlPage& p) { p.setInnerHtml("a", "<b>x</b>"); }, "<input name=a>"},
        {"<input name=a value=1 tag=2 checked>", [](HtmlPage& p) {
             for (const char* name : {"b", "", "A"}) {
                 p.setValue(name, "x"), p.setTag(name, "x"), p.setChecked(name, false), p.setInnerHtml(name, "x");
                 p.insertTextAfter(name, "x"), p.insertHtmlAfter(name, "x");
             }
         }, "<input name=a value=1 tag=2 checked>"},
    };
    for (const auto& c : cases) {
        HtmlPage page;
        page.setBody(c.body);
        Recorder recorder(page);
        c.edit(page);
        EXPECT_EQ(page.bodyHtml(), c.written) << c.body;
        EXPECT_EQ(recorder.changes.empty(), c.written == std::string(c.body)) << "the view is told of what changed";
    }
}

// HTML put after the element right behind the named one (a field's mark),
// told to the view at that element's position; after the named one itself
// when text or nothing follows it.
TEST(HtmlPageEdit, HtmlAfterTheNextElement) {
    const struct { const char* body; const char* written; int element; } cases[] = {
        {"<input name=a><span>(×)</span><br>", "<input name=a><span>(×)</span><b>9</b><br>", 1},
        {"<p id=a><i>x</i><u>y</u></p><s>m</s>end", "<p id=a><i>x</i><u>y</u></p><s>m</s><b>9</b>end", 3},
        {"<input name=a>t<s>m</s>", "<input name=a><b>9</b>t<s>m</s>", 0},
        {"<s>m</s><input name=a>", "<s>m</s><input name=a><b>9</b>", 1},
    };
    for (const auto& c : cases) {
        HtmlPage page;
        page.setBody(c.body);
        Recorder recorder(page);
        page.insertHtmlAfterNext("a", "<b>9</b>");
        EXPECT_EQ(page.bodyHtml(), c.written) << c.body;
        ASSERT_EQ(recorder.changes.size(), 1u);
        EXPECT_EQ(recorder.changes[0].kind, PageChange::Kind::HtmlAfter);
        EXPECT_EQ(recorder.changes[0].element, c.element) << c.body;
    }
}

TEST(HtmlPageEdit, MissingElementsReadEmpty) {
    HtmlPage page;
    page.setBody("<input name=a value=1 tag=2 checked>");
    for (const std::string name : {"b", "", "A"}) {
        EXPECT_FALSE(page.has(name));
        EXPECT_EQ(page.value(name) + page.tag(name) + page.attribute(name, "value"), "");
        EXPECT_EQ(page.elementIndex(name), -1);
    }
}

// Each change reports the element's position before it, and the body it was
// made on: only a new body counts one more.
TEST(HtmlPageChanges, ReportTheElementPositionBeforeTheChange) {
    HtmlPage page;
    EXPECT_EQ(page.generation(), 0);
    page.setBody("<p><span id=s></span></p><input name=a><input name=b>");
    Recorder recorder(page);
    page.insertHtmlAfter("s", "<b>1</b><i>2</i>");
    page.setInnerHtml("s", "<img><img>");
    page.insertTextAfter("a", "t");
    page.setValue("b", "v w");
    page.setAttribute("b", "style", "9");
    page.setChecked("b", true);
    page.appendHtml("<p id=end>x</p>");

    using enum PageChange::Kind;
    using Seen = std::tuple<PageChange::Kind, int, std::string, std::string, bool>;  // kind, element, attribute, text, flag
    const std::vector<Seen> expected = {
        {HtmlAfter, 1, "", "<b>1</b><i>2</i>", false}, {InnerHtml, 1, "", "<img><img>", false},
        {TextAfter, 6, "", "t", false},  {Value, 7, "", "v w", false}, {Attribute, 7, "style", "9", false},
        {Checked, 7, "", "", true},      {Append, -1, "", "<p id=end>x</p>", false},
    };
    std::vector<Seen> seen;
    for (const PageChange& c : recorder.changes) {
        seen.emplace_back(c.kind, c.element, c.attribute, c.text, c.flag);
        EXPECT_EQ(c.generation, 1);
    }
    EXPECT_EQ(seen, expected);
    page.setBody("");
    EXPECT_EQ(recorder.changes.back().generation, 2);
}

// The view is never given a field's answer: whatever the change, its HTML has
// no `tag` attribute, while the model keeps every one of them.
TEST(HtmlPageChanges, TheViewNeverSeesAnAnswerTag) {
    const std::string start = "<p id=s>q</p><input name=a tag=7><input name=b TAG='1|2'>";
    struct Case {
        const char* kind;
        std::function<void(HtmlPage&)> change;
        std::string viewHtml;  // what the view is given; "" when it is given nothing
        std::string modelTag;  // the tag of `c` (or `a`) the model holds afterwards
    };
    const std::vector<Case> cases = {
        {"body", [](HtmlPage& p) { p.setBody("<input name=c tag=5 size=3><b tag=x>t</b>"); },
         "<input name=c size=3><b>t</b>", "5"},
        {"inner HTML", [](HtmlPage& p) { p.setInnerHtml("s", "<input name=c Tag=\"6\">"); }, "<input name=c>", "6"},
        {"HTML after", [](HtmlPage& p) { p.insertHtmlAfter("s", "<span><input tag=8 name=c></span>"); },
         "<span><input name=c></span>", "8"},
        {"append", [](HtmlPage& p) { p.appendHtml("<input name=c tag=9>"); }, "<input name=c>", "9"},
        {"prepend", [](HtmlPage& p) { p.prependHtml("<input tag=0 name=c>"); }, "<input name=c>", "0"},
        {"set tag", [](HtmlPage& p) { p.setTag("a", "4"); }, "", "4"},
        {"attribute named TAG", [](HtmlPage& p) { p.setAttribute("a", "TAG", "3"); }, "", "7"},
    };
    for (const Case& c : cases) {
        HtmlPage page;
        page.setBody(start);
        Recorder recorder(page);
        c.change(page);
        std::string seen;
        for (const PageChange& change : recorder.changes) seen += change.attribute + change.text;
        EXPECT_EQ(seen, c.viewHtml) << c.kind;
        EXPECT_EQ(page.tag(page.has("c") ? "c" : "a"), c.modelTag) << c.kind;
        EXPECT_EQ(page.viewBodyHtml().find("tag="), std::string::npos) << c.kind;
        EXPECT_EQ(page.viewBodyHtml().find("TAG="), std::string::npos) << c.kind;
    }
}

TEST(HtmlPageText, BodyTextDecodesAndDropsTags) {
    HtmlPage page;
    page.setBody("<h1>A&amp;B</h1>x&lt;y<script>hidden()</script><style>p{}</style><b>!</b>");
    EXPECT_EQ(page.bodyText(), "A&Bx<y!");
    EXPECT_EQ(escapeHtmlText("<a href=\"x\">&amp;</a>"), "&lt;a href=\"x\"&gt;&amp;amp;&lt;/a&gt;");
}

// An attribute written from a file or the record reads back as the value it
// was, in the place it was put.
TEST(HtmlAttribute, AnyValueReadsBackAsItWas) {
    const std::vector<std::string> values = {
        "7", "7个|3+4=7个", "5>|2+3=5>", "5 |x", "5\t", "a\"b'c", "&amp;", "&lt;", "<b>x</b>", "", "`=`", "x/",
    };
    for (const std::string& value : values) {
        HtmlPage page;
        page.setBody("<input name=a " + htmlAttribute("tag", value) + "><span id=after>after</span>");
        EXPECT_EQ(page.tag("a"), value);
        EXPECT_EQ(page.bodyText(), "after") << value;
        EXPECT_EQ(page.bodyHtml(), reserialized(page.bodyHtml()));
    }
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

int parsedDepth(const HtmlNodes& nodes) {
    int deepest = 0;
    std::vector<std::pair<const HtmlNode*, int>> stack;
    for (const auto& node : nodes) stack.emplace_back(node.get(), 1);
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        if (!node->isElement()) continue;
        deepest = std::max(deepest, depth);
        for (const auto& child : node->children) stack.emplace_back(child.get(), depth + 1);
    }
    return deepest;
}

// The depth read without parsing is within a small factor of what the parser
// builds (a table's rows and cells are left out), and counts nothing that
// cannot nest.
TEST(HtmlNestingDepth, CloseToTheParsersDepth) {
    const std::vector<std::string> pages = {
        "<h1>加法</h1><p>先凑十<p>再加<br><img src=a.gif>",
        repeated("<div>", 30) + "x" + repeated("</div>", 30),
        repeated("<div><span>", 20),
        repeated("<p>段", 500),
        repeated("<li>一条", 500),
        "<table>" + repeated("<tr><td>1<td>2", 100) + "</table>",
        repeated("<table><tr><td>", 30),
        repeated("<b><i>", 15) + "x",
        "<div><span></div></span>" + repeated("<div>", 10),
        "<script>" + repeated("<div>", 300) + "</script><p>x",
        "<!--" + repeated("<div>", 300) + "--><p>x",
        "<div title=\"a>b\">" + repeated("<ul>", 12),
        repeated("<div></span>", 40),
    };
    for (const std::string& html : pages) {
        const int read = htmlNestingDepth(html);
        const int parsed = parsedDepth(parseHtmlFragment(html));
        EXPECT_GE(4 * read + 4, parsed) << html.substr(0, 60);
        EXPECT_LE(read, parsed + 2) << html.substr(0, 60);
    }
    EXPECT_GT(htmlNestingDepth(repeated("<div>", 100000)), kDeepestHtmlNesting);
    EXPECT_GT(htmlNestingDepth(repeated("<DIV class='x'>", 1000)), kDeepestHtmlNesting);
}

// The desktop re-sends bodyHtml() to a fresh view, so reading it back must give
// the same page with the same element positions, whatever the input was.
TEST(HtmlPageMalformed, AnyInputReadsBackToTheSamePage) {
    const std::vector<std::string> inputs = {
        "<table><td><input name=a>text<input name=b></td></table>", "<b><i>x</b>y</i><input name=a>",
        "</p><input name=a><table><tr><td><span id=b>q</span></table>",
        "<input value='x\"y' tag=\"a&amp;b\" name=a><p title=`q`>",
        "<ul><li>one<li><input name=a></ul><select><option>x</select><input name=b>",
        "<", "<<>>", "</div></body></html>", "<table><td>", "<script>", "<!--", "<a href=\"",
        std::string("a\0b", 3), "\xff\xfe\xc3", "<body onload=x><frameset>", "<svg><foreignObject><p>x",
        "<textarea>", "<plaintext>a<b>", "<x-tag Data-A=1>q</x-tag>", "<input name=a =b ''=c>",
        std::string(3000, '<') + "div>", repeated("<div><span>", 3000),
    };
    for (const std::string& html : inputs) {
        HtmlPage first;
        first.setBody(html);
        HtmlPage second;
        second.setBody(first.bodyHtml());
        EXPECT_EQ(second.bodyHtml(), first.bodyHtml()) << html.substr(0, 40);
        for (const char* name : {"a", "b"}) {
            EXPECT_EQ(second.elementIndex(name), first.elementIndex(name)) << html.substr(0, 40);
            EXPECT_EQ(second.value(name), first.value(name)) << html.substr(0, 40);
            EXPECT_EQ(second.tag(name), first.tag(name)) << html.substr(0, 40);
        }
        first.bodyText();
    }
}

}  // namespace
}  // namespace tally
