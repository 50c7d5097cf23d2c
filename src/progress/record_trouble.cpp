// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/record_trouble.h"

namespace tally {
namespace {

std::string whatHappened(RecordTrouble trouble) {
    switch (trouble) {
        case RecordTrouble::Busy: return "成绩记录正被另一个程序占用，等了几秒还没有轮到。";
        case RecordTrouble::ReadOnly: return "成绩记录文件是只读的，不能往里写。";
        case RecordTrouble::NewerVersion: return "成绩记录文件是更新版本的程序写的，这个版本不能用它。";
        case RecordTrouble::DiskFull: return "成绩记录所在的磁盘满了，写不进去。";
        case RecordTrouble::Damaged: return "成绩记录文件坏了，读不出来。";
        case RecordTrouble::ChildGone: return "这个孩子已经从成绩记录里删掉了（也许是在另一个窗口里删的）。";
        case RecordTrouble::None:
        case RecordTrouble::CannotOpen: break;
    }
    return "成绩记录打不开。";
}

}  // namespace

std::string recordTroubleMessage(RecordTrouble trouble, bool storing, int waiting) {
    if (trouble == RecordTrouble::ChildGone) {
        return whatHappened(trouble) + "刚做完的练习记在“以前的记录”里，家长可以在成绩记录里把它转给孩子。";
    }
    if (!storing) return whatHappened(trouble) + "现在看不到成绩和错题，练习可以照常做。";
    const std::string count = waiting > 0 ? std::to_string(waiting) : "这";
    return whatHappened(trouble) + "还有" + count + "张练习卷的成绩没有记下，先留着，等能写的时候再记下。练习可以照常做。";
}

}  // namespace tally
