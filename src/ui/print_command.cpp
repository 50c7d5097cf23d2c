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

// The weekly report of the record on A4. A print run has no parent's login:
// the misses go on paper without their right answers, which the parent prints
// from the window.
int printWeeklyReport(const AppOptions& options, const QString& dataRoot, QTextStream& err) {
    const std::filesystem::path file =
        options.recordFile.isEmpty() ? defaultRecordFile() : std::filesystem::path(options.recordFile.toStdString());
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
// computer, else a ready one. The record is only read.
int printMix(const AppOptions& options, Form1& form, SilentWindow& window, const QString& dataRoot,
             QTextStream& err) {
    const std::string name = options.printKey.mid(int(std::string_view(kMixPrefix).size())).toStdString();
    const std::filesystem::path file =
        options.recordFile.isEmpty() ? defaultRecordFile() : std::filesystem::path(options.recordFile.toStdString());
    std::optional<SqliteRecord> record;
    if (!file.empty() && std::filesystem::exists(file)) record.emplace(file);
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
    const std::string document = worksheetOnScreen(form, options.child.trimmed().toStdString());
    QString error;
    if (!writeWorksheetPdf(QString::fromStdString(document), dataRoot, options.printFile, &error)) {
        return failed(err, error);
    }
    return 0;
}

}  // namespace

int runPrintCommand(const AppOptions& options, QTextStream& err) {
    const QString dataRoot = QDir(options.dataDir.isEmpty() ? findDataDirectory(QCoreApplication::applicationDirPath())
                                                            : options.dataDir)
                                 .absolutePath();
    FsDataDirectory data(dataRoot.toStdString());
    data.setRootReadOnly(true);  // printing writes nothing but the PDF
    SeededRandom random(options.seed ? *options.seed : freshSeed());
    SystemClock clock;
    HtmlPage page;
    SilentWindow window;
    Form1 form(Ports{window, page, random, window, data, clock});
    if (options.count) form.setOption(&SheetOptions::questionCount, *options.count);
    if (options.printKey == kReportKey) return printWeeklyReport(options, dataRoot, err);
    if (options.printKey.startsWith(kMixPrefix)) return printMix(options, form, window, dataRoot, err);

    const WorksheetRequest request =
        worksheetForTopic(form, options.printKey.toStdString(), options.child.toStdString());
    if (request.document.empty()) {
        QString reason = QString::fromStdString(request.error);
        for (const std::string& message : window.messages) reason += "\n" + QString::fromStdString(message);
        return failed(err, reason);
    }
    QString error;
    if (!writeWorksheetPdf(QString::fromStdString(request.document), dataRoot, options.printFile, &error)) {
        return failed(err, error);
    }
    return 0;
}

}  // namespace tally
