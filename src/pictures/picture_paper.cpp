// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_paper.h"

#include <vector>

#include "page/html_page.h"
#include "page/html_parse.h"

namespace tally {
namespace {

constexpr const char* kKeyAttribute = "tag";
constexpr const char* kWorksheetAttribute = "data-worksheet";

bool isPicture(const HtmlNode& element) { return element.tagName == "div" && element.attribute("class") == "picture"; }

}  // namespace

std::string picturePaperAttributes(const QuestionPicture& picture) {
    std::string attributes = " " + htmlAttribute(kKeyAttribute, picture.svg(PictureView::key));
    const std::string worksheet = picture.svg(PictureView::worksheet);
    if (worksheet != picture.svg(PictureView::screen)) attributes += " " + htmlAttribute(kWorksheetAttribute, worksheet);
    return attributes;
}

std::string pictureAboveHtml(const QuestionPicture& picture, const std::string& field) {
    const std::string named = picture.fieldClass().empty() ? "" : " " + htmlAttribute("data-field", field);
    return "<div class=picture" + named + picturePaperAttributes(picture) + ">" + picture.svg(PictureView::screen) +
           "</div>";
}

std::string onPictureFieldHtml(const QuestionPicture& picture, const std::string& field, const std::string& answer,
                               const std::string& question) {
    return "<input " + htmlAttribute("class", picture.fieldClass()) + " " + htmlAttribute("name", field) +
           " type=text hidden readonly " + htmlAttribute("tag", answer) + " " + htmlAttribute("data-question", question) +
           ">";
}

void drawPicturesForPaper(HtmlNode& root, PictureView view) {
    std::vector<HtmlNode*> pictures;
    forEachElement(root, [&](HtmlNode& element, int) {
        if (isPicture(element)) pictures.push_back(&element);
        return false;
    });
    for (HtmlNode* picture : pictures) {
        const char* source = view == PictureView::key ? kKeyAttribute : kWorksheetAttribute;
        if (picture->findAttribute(source)) picture->replaceChildren(parseHtmlFragment(picture->attribute(source)));
        picture->removeAttribute(kKeyAttribute);
        picture->removeAttribute(kWorksheetAttribute);
        picture->removeAttribute("data-field");
    }
}

}  // namespace tally
