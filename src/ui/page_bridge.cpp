// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_bridge.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include "app/form1.h"

// Resources of a static library must be registered by name, outside any namespace.
static void registerUiResources() { Q_INIT_RESOURCE(ui); }

namespace tally {
namespace {

const char* kindName(PageChange::Kind kind) {
    switch (kind) {
        case PageChange::Kind::Body: return "body";
        case PageChange::Kind::Value: return "value";
        case PageChange::Kind::Attribute: return "attribute";
        case PageChange::Kind::Checked: return "checked";
        case PageChange::Kind::InnerHtml: return "innerHtml";
        case PageChange::Kind::TextAfter: return "textAfter";
        case PageChange::Kind::HtmlAfter: return "htmlAfter";
        case PageChange::Kind::Append: return "append";
        case PageChange::Kind::Prepend: return "prepend";
    }
    return "";
}

QJsonObject toJson(const PageChange& change) {
    return QJsonObject{
        {"kind", kindName(change.kind)},
        {"generation", change.generation},
        {"element", change.element},
        {"attribute", QString::fromStdString(change.attribute)},
        {"text", QString::fromStdString(change.text)},
        {"flag", change.flag},
    };
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

PageBridge::PageBridge(QWebEnginePage& view, HtmlPage& page, Form1& form, QObject* parent)
    : QObject(parent), view_(view), page_(page), form_(form), channel_(new QWebChannel(this)) {
    setObjectName("bridge");
    channel_->registerObject("bridge", this);
    view_.setWebChannel(channel_);
    installScript();
    page_.setObserver([this](const PageChange& change) { onChange(change); });
    connect(&view_, &QWebEnginePage::loadStarted, this, &PageBridge::onLoadStarted);
    connect(&view_, &QWebEnginePage::loadFinished, this, &PageBridge::onLoadFinished);
}

PageBridge::~PageBridge() { page_.setObserver(nullptr); }

void PageBridge::installScript() {
    registerUiResources();
    QWebEngineScript script;
    script.setName("tallymoo-bridge");
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QString::fromUtf8(readResource(":/qtwebchannel/qwebchannel.js") + "\n" +
                                           readResource(":/tallymoo/bridge.js") + "\n" +
                                           readResource(":/tallymoo/dial.js") + "\n" +
                                           readResource(":/tallymoo/shade.js")));
    view_.scripts().insert(script);
}

void PageBridge::onChange(const PageChange& change) {
    if (change.kind == PageChange::Kind::Body) bodyWritten_ = true;
    queue_.append(toJson(change));
    if (ready_) flush();
}

// While a navigation runs, changes wait: they would reach a document that is
// going away.
void PageBridge::onLoadStarted() { ready_ = false; }

// A refused or failed navigation leaves the old document and its bridge in
// place: it takes the changes that waited.
void PageBridge::onLoadFinished() {
    if (!ready_) view_.runJavaScript("window.tallyBridge && window.tallyBridge.announce();");
}

// A new document's bridge is ready: it gets the model's whole body, which
// holds every change made so far.
void PageBridge::ready() {
    queue_ = QJsonArray();
    if (bodyWritten_) {
        PageChange snapshot;
        snapshot.kind = PageChange::Kind::Body;
        snapshot.generation = page_.generation();
        snapshot.text = page_.viewBodyHtml();
        queue_.append(toJson(snapshot));
    }
    resume();
}

void PageBridge::resume() {
    ready_ = true;
    flush();
}

void PageBridge::flush() {
    if (queue_.isEmpty()) return;
    const QString changes = QString::fromUtf8(QJsonDocument(queue_).toJson(QJsonDocument::Compact));
    queue_ = QJsonArray();
    ++running_;
    view_.runJavaScript("window.tallyBridge.apply(" + changes + ");", [this](const QVariant&) {
        --running_;
        emit replayed();
    });
}

bool PageBridge::current(int generation) const { return generation == page_.generation(); }

QString PageBridge::resolveName(const HtmlPage& page, int index, const QString& name, const QString& id) {
    if (!name.isEmpty() && page.elementIndex(name.toStdString()) == index) return name;
    if (!id.isEmpty() && page.elementIndex(id.toStdString()) == index) return id;
    return name;
}

void PageBridge::input(int generation, int index, const QString& name, const QString& id, const QString& value,
                       double shownMs) {
    if (!current(generation)) return;
    form_.pageInput(resolveName(page_, index, name, id).toStdString(), value.toStdString(), generation,
                    static_cast<long long>(shownMs));
}

void PageBridge::click(int generation, int index, const QString& name, const QString& id) {
    if (!current(generation)) return;
    form_.pageClick(index < 0 ? std::string() : resolveName(page_, index, name, id).toStdString());
}

void PageBridge::mouseDown(int generation) {
    if (current(generation)) form_.pageMouseDown();
}

void PageBridge::mouseUp(int generation, int index, const QString& name, const QString& id) {
    if (!current(generation)) return;
    form_.pageMouseUp(index < 0 ? std::string() : resolveName(page_, index, name, id).toStdString());
}

void PageBridge::key(int generation, const QString& key) {
    if (current(generation)) form_.pageKey(key.toStdString(), generation);
}

}  // namespace tally
