// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "page/answer_log.h"

namespace tally {

// The document of one browser pane as the program's rules see it. Elements are
// found by their `name` or `id` attribute (the first match in document order);
// every operation on an element that is not on the page does nothing and reads
// as empty, so a handler can never fail on a page that lacks a field.
class Page {
public:
    virtual ~Page() = default;

    // Replaces the whole body with an HTML fragment; bumps the generation.
    virtual void setBody(const std::string& html) = 0;
    virtual std::string bodyHtml() const = 0;
    // Increases with every body write; events of older pages are stale.
    virtual int generation() const = 0;

    virtual bool has(const std::string& name) const = 0;
    // How many elements carry this name or id.
    virtual int countNamed(const std::string& name) const = 0;
    virtual std::string value(const std::string& name) const = 0;
    virtual void setValue(const std::string& name, const std::string& value) = 0;
    // The custom `tag` attribute.
    virtual std::string tag(const std::string& name) const = 0;
    virtual void setTag(const std::string& name, const std::string& tag) = 0;
    // Any other attribute: a wrong answer's box is outlined by its style.
    virtual void setAttribute(const std::string& name, const std::string& attr, const std::string& value) = 0;
    virtual bool checked(const std::string& name) const = 0;
    virtual void setChecked(const std::string& name, bool checked) = 0;
    virtual void setInnerHtml(const std::string& name, const std::string& html) = 0;
    // insertAdjacentText / insertAdjacentHTML with "AfterEnd".
    virtual void insertTextAfter(const std::string& name, const std::string& text) = 0;
    virtual void insertHtmlAfter(const std::string& name, const std::string& html) = 0;
    // The same after the element right behind the named one (the mark written
    // after a field), or after the named one when no element is right behind it.
    virtual void insertHtmlAfterNext(const std::string& name, const std::string& html) = 0;
    // insertAdjacentHTML on the body with "BeforeEnd": after everything on the page.
    virtual void appendHtml(const std::string& html) = 0;
    // insertAdjacentHTML on the body with "AfterBegin": before everything on the page.
    virtual void prependHtml(const std::string& html) = 0;
    virtual std::string attribute(const std::string& name, const std::string& attr) const = 0;
    // When the child changed the fields of this body and how each answer was
    // marked: what the answers' times come from.
    virtual AnswerLog& answers() = 0;
};

}  // namespace tally
