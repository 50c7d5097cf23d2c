// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "page/page.h"

namespace tally {

// A mark as a child alone sees it: "(×，正确答案：7)" becomes "(×)"; a hint
// after the bracket stays. Everything else of the HTML is left as it is.
std::string withoutRightAnswers(const std::string& html);

// The first pane's page as the families see it while a child is alone: every
// mark they write loses its right answer on the way in.
class MarksOnlyPage : public Page {
public:
    explicit MarksOnlyPage(Page& page) : page_(page) {}

    void setBody(const std::string& html) override { page_.setBody(html); }
    std::string bodyHtml() const override { return page_.bodyHtml(); }
    int generation() const override { return page_.generation(); }
    bool has(const std::string& name) const override { return page_.has(name); }
    int countNamed(const std::string& name) const override { return page_.countNamed(name); }
    std::string value(const std::string& name) const override { return page_.value(name); }
    void setValue(const std::string& name, const std::string& value) override { page_.setValue(name, value); }
    std::string tag(const std::string& name) const override { return page_.tag(name); }
    void setTag(const std::string& name, const std::string& tag) override { page_.setTag(name, tag); }
    void setAttribute(const std::string& name, const std::string& attr, const std::string& value) override {
        page_.setAttribute(name, attr, value);
    }
    bool checked(const std::string& name) const override { return page_.checked(name); }
    void setChecked(const std::string& name, bool checked) override { page_.setChecked(name, checked); }
    void setInnerHtml(const std::string& name, const std::string& html) override {
        page_.setInnerHtml(name, withoutRightAnswers(html));
    }
    void insertTextAfter(const std::string& name, const std::string& text) override {
        page_.insertTextAfter(name, text);
    }
    void insertHtmlAfter(const std::string& name, const std::string& html) override {
        page_.insertHtmlAfter(name, withoutRightAnswers(html));
    }
    void insertHtmlAfterNext(const std::string& name, const std::string& html) override {
        page_.insertHtmlAfterNext(name, withoutRightAnswers(html));
    }
    void appendHtml(const std::string& html) override { page_.appendHtml(withoutRightAnswers(html)); }
    void prependHtml(const std::string& html) override { page_.prependHtml(withoutRightAnswers(html)); }
    std::string attribute(const std::string& name, const std::string& attr) const override {
        return page_.attribute(name, attr);
    }
    AnswerLog& answers() override { return page_.answers(); }

private:
    Page& page_;
};

}  // namespace tally
