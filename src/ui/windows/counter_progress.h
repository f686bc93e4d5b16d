// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window driven by the long operations: shown with its activity word
// and start values, its counts repainted as the work goes on, unloaded at the end.
// The window is its own, made when shown over the window that owns it.
#pragma once

#include "core/state/screen.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class frm_Counter;
class QWidget;

class CounterProgress : public Screen::Progress {
public:
    ~CounterProgress() override;

    // The window the progress window stands over (null: none).
    void SetOwner(QWidget *owner) { owner_ = owner; }

    void Show(const QString &activity, const QString &current, const QString &total) override;
    void SetCounts(const QString &current, const QString &total) override;
    void Unload() override;

private:
    frm_Counter &Window();
    void Repaint();

    QPointer<QWidget> owner_;
    QPointer<frm_Counter> window_;
    QElapsedTimer sinceRepaint_;
    QString current_;
    QString total_;
    bool dirty_ = false;
};
