// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "page/page.h"

namespace tally {

// One change to the page, as it must be replayed into a browser view. The
// element is addressed by its position among the body's elements in document
// order (0 = first element inside <body>), which a browser that parses the
// same HTML assigns identically. HTML is the view's copy (viewBodyHtml()):
// the view never learns a field's `tag`, and a `tag` set makes no change.
struct PageChange {
    enum class Kind { Body, Value, Attribute, Checked, InnerHtml, TextAfter, HtmlAfter, Append, Prepend };
    Kind kind = Kind::Body;
    int generation = 0;
    int element = -1;
    std::string attribute;  // Kind::Attribute: the attribute's name
    std::string text;       // html, text or new value
    bool flag = false;      // Kind::Checked
};

// The page model: a real HTML5 parser (gumbo) builds the element tree, the
// program's rules read and change it synchronously, and it serialises back to
// HTML. Attribute values are written unquoted where that is safe, so the
// program's own fragments come back as they were written.
class HtmlPage : public Page {
public:
    HtmlPage();
    ~HtmlPage() override;
    HtmlPage(const HtmlPage&) = delete;
    HtmlPage& operator=(const HtmlPage&) = delete;

    // Called after every change, in order; the desktop replays them.
    void setObserver(std::function<void(const PageChange&)> observer);

    void setBody(const std::string& html) override;
    std::string bodyHtml() const override;
    // The body as the browser view is given it: without `tag` attributes.
    std::string viewBodyHtml() const;
    int generation() const override;

    bool has(const std::string& name) const override;
    int countNamed(const std::string& name) const override;
    std::string value(const std::string& name) const override;
    void setValue(const std::string& name, const std::string& value) override;
    std::string tag(const std::string& name) const override;
    void setTag(const std::string& name, const std::string& tag) override;
    void setAttribute(const std::string& name, const std::string& attr, const std::string& value) override;
    bool checked(const std::string& name) const override;
    void setChecked(const std::string& name, bool checked) override;
    void setInnerHtml(const std::string& name, const std::string& html) override;
    void insertTextAfter(const std::string& name, const std::string& text) override;
    void insertHtmlAfter(const std::string& name, const std::string& html) override;
    void insertHtmlAfterNext(const std::string& name, const std::string& html) override;
    void appendHtml(const std::string& html) override;
    void prependHtml(const std::string& html) override;
    std::string attribute(const std::string& name, const std::string& attr) const override;
    AnswerLog& answers() override { return answers_; }

    // Position of the named element among the body's elements, -1 if absent.
    int elementIndex(const std::string& name) const;
    // The visible text of the body (tags dropped, entities decoded).
    std::string bodyText() const;

    struct Node;

private:
    std::unique_ptr<Node> body_;
    int generation_ = 0;
    AnswerLog answers_;
    std::function<void(const PageChange&)> observer_;

    Node* find(const std::string& name) const;
    void insertAfter(Node& element, int index, const std::string& html);
    void notify(PageChange change) const;
};

// Escapes text for an HTML text node (&, <, >).
std::string escapeHtmlText(const std::string& text);
// name=value for a start tag, written as the page model writes it: unquoted
// where the value can stand so, else quoted with & and " escaped. Any text
// from a file or the record goes into an attribute through this.
std::string htmlAttribute(const std::string& name, const std::string& value);

}  // namespace tally
