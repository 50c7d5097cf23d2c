#pragma once
#include <string>

#include "sheets/sheet.h"

namespace tally {

class Form1;

// 小学各年纪知识点总结: the root 5222 and the half-years 522202…522213
// (小学1年纪上 … 小学6年纪下).
bool isSummaryTopic(int topic);
// "lessons/summary/02.txt" … "lessons/summary/13.txt"; "" for the root.
std::string summaryFilePath(int topic);

// The root's introduction, or the half-year's summary (an HTML fragment of
// its file) into WebBrowser1; a missing file gives a short note.
void buildSummaryPage(Form1& form, int topic, const std::string& caption, Sheet& sheet);

}  // namespace tally
