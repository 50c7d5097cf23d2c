// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_command.h"

#include <QCoreApplication>
#include <QDir>

#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "system/system_clock.h"
#include "daily/today_practice.h"
#include "app/weekly_report_page.h"
#include "app/mix_sheet.h"
#include "app/paper_print.h"
#include "app/worksheet_print.h"
#include "skills/ready_mixes.h"
#include "skills/skill_mix.h"
#include "progress/record_trouble.h"
#include "sqlite_record/sqlite_record.h"
#include "ui/app_options.h"
#include "ui/silent_window.h"
#include "ui/worksheet_pdf.h"

namespace tally {
namespace {

int failed(QTextStream& err, const QString& reason) {
    err << "tallymoo: " << reason << "\n";
    err.flush();
    return 2;
}

std::filesystem::path recordFileOf(const AppOptions& options) {
    return options.recordFile.isEmpty() ? defaultRecordFile() : std::filesystem::path(options.recordFile.toStdString());
}

// The sheet the form shows, as it goes on paper: kept in the record under its
// code for the child named (a name the record does not know prints for no
// child), then written as PDF with the code; --print-code writes only the code.
int printWithCode(const AppOptions& options, Form1& form, SqliteRecord* record, const QString& dataRoot,
                  QTextStream& out, QTextStream& err) {
    const std::optional<Child> child =
        options.child.isEmpty() || !record ? std::nullopt : childNamed(record->children(), options.child.toStdString());
    std::optional<PrintedSheet> sheet = sheetForPaper(form, child ? child->id : kEarlierRecords);
    if (!sheet) return failed(err, "这一页没有要填答案的练习题，不能打印练习卷。");
    if (options.printKey.startsWith(kMixPrefix)) sheet->what = options.printKey.toStdString();
    sheet->seed = options.seed ? std::optional<long long>(static_cast<long long>(*options.seed)) : std::nullopt;
    givePaperCode(*sheet, record);
    if (options.printCodeOnly || !record) {
        out << QString::fromStdString(sheet->code) << "\n";
        out.flush();
        return 0;
    }
    // A sheet whose code cannot be kept is printed without one, as it could not come back.
    if (!record->keepPrintedSheet(*sheet)) {
        err << "tallymoo: " << QString::fromStdString(recordTroubleMessage(record->trouble(), false))
            << "这次印出来的练习卷没有编号，做完以后不能在电脑上批改。\n";
        err.flush();
        sheet->code.clear();
    }
    const std::string document = worksheetOnScreen(form, options.child.trimmed().toStdString(), WorksheetKey::Printed, sheet->code);
    QString error;
    if (!writeWorksheetPdf(QString::fromStdString(document), dataRoot, options.printFile, &error)) {
        return failed(err, error);
    }
    if (sheet->code.empty()) return 0;
    out << QString::fromStdString(sheet->code) << "\n";
    out.flush();
    return 0;
}

// The weekly report of the record on A4. A print run has no parent's login:
// the misses go on paper without their right answers, which the parent prints
// from the window.
int printWeeklyReport(const AppOptions& options, const QString& dataRoot, QTextStream& err) {
    const std::filesystem::path file = recordFileOf(options);
    if (file.empty() || !std::filesystem::exists(file)) return failed(err, "没有成绩记录，写不出每周报告。");
    SqliteRecord record(file);
    std::optional<Child> child;
    if (!options.child.isEmpty()) {
        const std::vector<Child> children = record.children();
        if (record.trouble() != RecordTrouble::None) {
            return failed(err, QString::fromStdString(recordTroubleMessage(record.trouble(), false)));
        }
        child = childNamed(children, options.child.toStdString());
        if (!child) return failed(err, "成绩记录里没有叫“" + options.child.trimmed() + "”的孩子。");
    } else if (const std::vector<Child> children = record.children(); !children.empty()) {
        QString names;
        for (const Child& each : children) names += (names.isEmpty() ? "" : "、") + QString::fromStdString(each.name);
        return failed(err, "请用 --child 说出是哪个孩子的报告：" + names + "。");
    }
    const std::string html = weeklyReportPage(record, child ? child->id : kEarlierRecords,
                                              FixedDayClock(options.today).today(), child ? child->name : "", false,
                                              ReviewCopy::LeaveAsItIs);
    if (html.empty()) return failed(err, QString::fromStdString(recordTroubleMessage(record.trouble(), false)));
    QString error;
    if (!writeWorksheetPdf(QString::fromStdString(html), dataRoot, options.printFile, &error)) {
        return failed(err, error);
    }
    return 0;
}

// A 口算卷 by name, "mix:NAME": one saved for the child (--child) or for the
// computer, else a ready one.
int printMix(const AppOptions& options, Form1& form, SilentWindow& window, SqliteRecord* record,
             const QString& dataRoot, QTextStream& out, QTextStream& err) {
    const std::string name = options.printKey.mid(int(std::string_view(kMixPrefix).size())).toStdString();
    long long owner = kEarlierRecords;
    if (!options.child.isEmpty() && record) {
        const std::optional<Child> child = childNamed(record->children(), options.child.toStdString());
        if (!child) return failed(err, "成绩记录里没有叫“" + options.child.trimmed() + "”的孩子。");
        owner = child->id;
    }
    std::optional<SkillMix> mix;
    if (record) mix = mixNamed(*record, owner, name);
    for (const ListedMix& ready : readyMixes()) {
        if (!mix && ready.mix.name == name) mix = ready.mix;
    }
    if (!mix) return failed(err, "没有叫“" + QString::fromStdString(name) + "”的口算卷。");
    if (!writeMixSheet(form, mixWords(*mix), mix->name)) {
        return failed(err, QString::fromStdString(window.messages.empty() ? "" : window.messages.back()));
    }
    return printWithCode(options, form, record, dataRoot, out, err);
}

}  // namespace

int runPrintCommand(const AppOptions& options, QTextStream& out, QTextStream& err) {
    const QString dataRoot = QDir(options.dataDir.isEmpty() ? findDataDirectory(QCoreApplication::applicationDirPath())
                                                            : options.dataDir)
                                 .absolutePath();
    FsDataDirectory data(dataRoot.toStdString());
    data.setRootReadOnly(true);  // printing writes nothing but the PDF and the printed sheet's row
    SeededRandom random(options.seed ? *options.seed : freshSeed());
    FixedDayClock clock(options.today);
    HtmlPage page;
    SilentWindow window;
    Form1 form(Ports{window, page, random, window, data, clock});
    if (options.count) form.setOption(&SheetOptions::questionCount, *options.count);
    if (options.printKey == kReportKey) return printWeeklyReport(options, dataRoot, err);
    const std::filesystem::path file = recordFileOf(options);
    if (file.empty()) return failed(err, "找不到放成绩记录的地方，练习卷的编号记不下来。");
    // Asking for the code alone makes no record where there is none.
    std::optional<SqliteRecord> record;
    if (!options.printCodeOnly || std::filesystem::exists(file)) record.emplace(file);
    SqliteRecord* kept = record ? &*record : nullptr;
    if (options.printKey.startsWith(kMixPrefix)) return printMix(options, form, window, kept, dataRoot, out, err);

    const WorksheetRequest request =
        worksheetForTopic(form, options.printKey.toStdString(), options.child.toStdString());
    if (request.document.empty()) {
        QString reason = QString::fromStdString(request.error);
        for (const std::string& message : window.messages) reason += "\n" + QString::fromStdString(message);
        return failed(err, reason);
    }
    return printWithCode(options, form, kept, dataRoot, out, err);
}

}  // namespace tally
