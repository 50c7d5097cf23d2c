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
        case RecordTrouble::None:
        case RecordTrouble::CannotOpen: break;
    }
    return "成绩记录打不开。";
}

}  // namespace

std::string recordTroubleMessage(RecordTrouble trouble, bool storing) {
    return whatHappened(trouble) + (storing ? "这张练习卷的成绩先留在程序里，等能写的时候和下一张一起记下。练习可以照常做。"
                                            : "现在看不到成绩和错题，练习可以照常做。");
}

}  // namespace tally
