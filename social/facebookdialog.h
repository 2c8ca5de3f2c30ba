// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QNetworkRequest>
#include <QString>
#include <QStringList>
#include <QUrl>

class QEvent;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace Ui {
class FacebookDialog;
}

// The window in which the user logs in to the social network; after the login it fetches and
// reads what is to be imported and hands it over as two parallel lists.
class FacebookDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FacebookDialog(QWidget *parent = nullptr);
    ~FacebookDialog() override;

    void login();
    void loadFriends();
    void loadUserEvents();
    QStringList names() const { return nameList; }
    QStringList dates() const { return dateList; }
    QNetworkReply *openPage(const QString &address);
    QString requestFriends();
    QString requestEvents();

    bool isLoggedIn() const { return loggedIn; }
    int loadProgress() const { return progress; }

    // For an owner that lets the dialog go: closes it, ends the Graph request it waits for and
    // reports nothing more, so that the calls still on the stack return quietly.
    void abandon();

Q_SIGNALS:
    void loginDone();
    void requestFailed();
    void infoReady();

public Q_SLOTS:
    void adjustLocation();
    void changeLocation();
    void adjustTitle();
    void setProgress(int p);
    void finishLoading(bool);
    void finishedSlot(QNetworkReply *reply);
    void linkClicked(const QUrl &url);

protected:
    void changeEvent(QEvent *event) override;

private:
    using ReplyParser = bool (*)(const QByteArray &, QStringList &, QStringList &, QString &);
    // Runs a Graph request, which waits in a nested event loop. False when the dialog was let go or
    // deleted meanwhile: the caller must then return without touching it.
    bool fetch(QString (FacebookDialog::*sendRequest)(), QString &replyText);
    // Fills the two lists from a Graph reply; on a reply that does not parse, reports requestFailed().
    bool readReply(const QString &replyText, ReplyParser parse);
    void pageTimedOut();

    Ui::FacebookDialog *ui;
    int progress = 0;
    QNetworkRequest request;
    QNetworkAccessManager *manager;
    QString location;
    bool loggedIn = false;
    QStringList nameList;
    QStringList dateList;
    QTimer *pageLimit;
    int requestsWaiting = 0;
    bool abandoned = false;
};
