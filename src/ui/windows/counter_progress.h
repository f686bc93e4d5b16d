// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window driven by the long operations: shown with its activity word
// and start values, its counts repainted as the work goes on, unloaded at the end.
#pragma once

#include "core/state/screen.h"

#include <QElapsedTimer>
#include <QString>

class CounterProgress : public Screen::Progress {
public:
    void Show(const QString &activity, const QString &current, const QString &total) override;
    void SetCounts(const QString &current, const QString &total) override;
    void Unload() override;

private:
    void Repaint();

    QElapsedTimer sinceRepaint_;
    QString current_;
    QString total_;
    bool dirty_ = false;
};
