// SPDX-License-Identifier: GPL-3.0-or-later
// frm_About: the product name, the credits, the version history and a link to
// the project's web page.
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class frm_About : public QWidget {
    Q_OBJECT
public:
    explicit frm_About(QWidget *parent = nullptr);

    // The project's web page and the host name the window shows for it.
    static QUrl ProjectPage();
    // The text of Text1, its lines ending with CR LF.
    static QString AboutText();

    QLabel *Label1;
    QPlainTextEdit *Text1;
    QPushButton *cmd_hyperlink;
    QPushButton *cmd_close;

    void cmd_hyperlink_Click();
    void cmd_close_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CentreOnOwner();
    bool centred_ = false;
};
