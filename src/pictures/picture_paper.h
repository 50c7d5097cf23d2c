// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "page/html_node.h"
#include "pictures/question_picture.h"

namespace tally {

// A question's picture stands on its page as <div class=picture> holding the
// screen's SVG. The model's copy keeps beside it how paper draws it: the
// key's SVG in the div's `tag` (the answers' attribute, which the view never
// gets) and, where it differs from the screen's, the worksheet's in
// `data-worksheet` (a face the child sets is empty on paper).

// The attributes to write into the div's start tag, each with a blank before.
std::string picturePaperAttributes(const QuestionPicture& picture);

// The div of the picture above a question, its paper kept beside it; a
// picture the child answers on names the question's field (`field`) in its
// data-field, where its script writes.
std::string pictureAboveHtml(const QuestionPicture& picture, const std::string& field);

// The hidden field a picture answered on writes into (of its fieldClass),
// tagged with the answer and carrying its question's text.
std::string onPictureFieldHtml(const QuestionPicture& picture, const std::string& field, const std::string& answer,
                               const std::string& question);

// Draws every picture below `root` for paper, the worksheet's (`view`
// worksheet) or the key's, and drops what only the model kept.
void drawPicturesForPaper(HtmlNode& root, PictureView view);

}  // namespace tally
