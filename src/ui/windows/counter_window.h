// SPDX-License-Identifier: GPL-3.0-or-later
// frm_Counter: the small progress window of long catalogue operations.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

class frm_Counter : public QWidget {
    Q_OBJECT
public:
    explicit frm_Counter(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *text_current;
    QLineEdit *text_Total;
    QLabel *Label2;
    QLabel *Label3;
};
