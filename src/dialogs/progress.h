// One long operation's use of the progress window: shown with its activity word
// and start values, updated as the work goes on, unloaded when the object goes.
#pragma once

#include <QElapsedTimer>
#include <QString>

class Progress {
public:
    Progress(const QString &activity, const QString &current, const QString &total);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void SetCurrent(const QString &text);
    void SetTotal(const QString &text);
    QString Current() const;

private:
    void changed();
    void show();

    QElapsedTimer sinceRepaint_;
    QString current_;
    QString total_;
    bool dirty_ = false;
};
