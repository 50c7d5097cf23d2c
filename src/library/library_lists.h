#pragma once
#include <string>
#include <vector>

namespace tally {

class Form1;

// Which of Form1::loadedMarkers records that a list topic has grown its children.
enum class LoadedList : int {
    Integers, Decimals, Fractions, Ratios, Geometry,  // {6002 ... {6006
    WorkedProblems,                                   // {8005
    Exercises,                                        // ?5
    EnglishGrade1, EnglishWords1, Shapes, EnglishWords2, EnglishWords3, EnglishWords4,  // {6007 ... {6012
};

struct ChildNode {
    int position = 0;  // written with three digits after the parent's key and tag
    std::string caption;
};

// On the first click of a run, adds the children under the selected node:
// key = parent key + three digits, tag = tagStem + the same digits. The node
// is opened so that the list shows.
void growList(Form1& form, LoadedList list, const std::string& tagStem, const std::vector<ChildNode>& children);

// The page of a node that holds a list: its caption and what to do, or a
// note when the list is empty.
std::string listPage(const std::string& caption, bool hasChildren, const std::string& howTo);

// The page of a section or folder node: its caption and the built-in text
// `textName`, one paragraph a line.
std::string introPage(const Form1& form, const std::string& caption, const std::string& textName);

// The caption of the selected node, the heading of every library page.
std::string selectedCaption(const Form1& form);

}  // namespace tally
