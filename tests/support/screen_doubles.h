// Stand-ins for the windows the core shows things in: messages captured, view
// rebuilds and progress recorded.
#pragma once

#include "core/state/screen.h"

#include <QStringList>

namespace TestSupport {

// While alive, messages are recorded instead of shown.
class CapturedMessages : public Screen::Messages {
public:
    CapturedMessages() : previous_(Screen::AttachMessages(this)) {}
    ~CapturedMessages() override { Screen::AttachMessages(previous_); }
    void Show(const QString &text) override { texts.append(text); }

    QStringList texts;

private:
    Screen::Messages *previous_;
};

// While alive, view rebuilds are recorded: "tree", "list AS", "show tree", "show list".
class RecordedViews : public Screen::Views {
public:
    RecordedViews() : previous_(Screen::AttachViews(this)) {}
    ~RecordedViews() override { Screen::AttachViews(previous_); }
    void RebuildTree() override { calls.append(QStringLiteral("tree")); }
    void RefillList(const QString &form) override { calls.append(QStringLiteral("list ") + form); }
    void ShowTree(bool tree) override { calls.append(tree ? QStringLiteral("show tree") : QStringLiteral("show list")); }

    QStringList calls;

private:
    Screen::Views *previous_;
};

} // namespace TestSupport
