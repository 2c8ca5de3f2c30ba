// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/facebookdialog.h"

#include "social/facebookauth.h"
#include "social/graphreply.h"
#include "social/httpclient.h"
#include "social/logging.h"
#include "ui_facebookdialog.h"

#include <QEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QWebPage>
#include <QWebSettings>

static void initSocialResources()
{
    Q_INIT_RESOURCE(resources);
}

FacebookDialog::FacebookDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::FacebookDialog), manager(new QNetworkAccessManager(this)), pageLimit(new QTimer(this))
{
    initSocialResources();
    ui->setupUi(this);
    // The login page needs scripts but nothing else that runs outside the page.
    ui->webView->settings()->setAttribute(QWebSettings::PluginsEnabled, false);
    ui->webView->settings()->setAttribute(QWebSettings::JavaEnabled, false);

    connect(ui->webView, &QWebView::loadFinished, this, &FacebookDialog::adjustLocation);
    connect(ui->webView, &QWebView::titleChanged, this, &FacebookDialog::adjustTitle);
    connect(ui->webView, &QWebView::loadProgress, this, &FacebookDialog::setProgress);
    connect(ui->webView, &QWebView::loadFinished, this, &FacebookDialog::finishLoading);
    connect(ui->webView, &QWebView::linkClicked, this, &FacebookDialog::linkClicked);

    // A page that never finishes loading would leave a blank login window for ever.
    pageLimit->setSingleShot(true);
    connect(ui->webView, &QWebView::loadStarted, pageLimit,
            [this] { pageLimit->start(HttpClient::instance()->requestTimeout()); });
    connect(ui->webView, &QWebView::loadFinished, pageLimit, qOverload<>(&QTimer::stop));
    connect(pageLimit, &QTimer::timeout, this, &FacebookDialog::pageTimedOut);
}

FacebookDialog::~FacebookDialog()
{
    // The web view outlives this part of the dialog and still reports the load it stops when it
    // goes; its slots here must not run on a half-destroyed dialog.
    disconnect(ui->webView, nullptr, this, nullptr);
    disconnect(ui->webView, nullptr, pageLimit, nullptr);
    // A request of ours still waiting would otherwise return into a deleted dialog much later.
    if (requestsWaiting > 0)
        HttpClient::instance()->abortRequests();
    // The page routes its requests through our manager, a child made before the form: the view
    // goes first.
    delete ui->webView;
    delete ui;
}

void FacebookDialog::login()
{
    if (loggedIn) {
        emit loginDone();
        return;
    }
    show();
    const QString address = facebookLoginAddress();
    qCDebug(lcSocial).noquote() << "Authentication:" << withoutTokens(address);
    openPage(address);
    ui->webView->load(QUrl(address, QUrl::TolerantMode));
    ui->webView->show();
}

QNetworkReply *FacebookDialog::openPage(const QString &address)
{
    ui->webView->page()->setNetworkAccessManager(manager);
    request = QNetworkRequest();
    request.setUrl(QUrl(address, QUrl::TolerantMode));
    // Once per dialog: a second connection would report every reply twice.
    connect(manager, &QNetworkAccessManager::finished, this, &FacebookDialog::finishedSlot, Qt::UniqueConnection);
    return manager->get(request);
}

QString FacebookDialog::requestFriends()
{
    return requestFriendsReply();
}

QString FacebookDialog::requestEvents()
{
    return requestEventsReply();
}

void FacebookDialog::loadFriends()
{
    nameList.clear();
    dateList.clear();
    QString replyText;
    if (fetch(&FacebookDialog::requestFriends, replyText) && readReply(replyText, parseFriendsReply))
        emit infoReady();
}

void FacebookDialog::loadUserEvents()
{
    nameList.clear();
    dateList.clear();
    QString replyText;
    if (fetch(&FacebookDialog::requestEvents, replyText) && readReply(replyText, parseEventsReply)) {
        qCDebug(lcSocial) << "Events" << nameList.size();
        emit infoReady();
    }
}

bool FacebookDialog::fetch(QString (FacebookDialog::*sendRequest)(), QString &replyText)
{
    const QPointer<FacebookDialog> alive(this);
    ++requestsWaiting;
    replyText = (this->*sendRequest)();
    if (!alive)
        return false;
    --requestsWaiting;
    return !abandoned;
}

void FacebookDialog::abandon()
{
    abandoned = true;
    pageLimit->stop();
    if (requestsWaiting > 0)
        HttpClient::instance()->abortRequests();
    close();
}

void FacebookDialog::pageTimedOut()
{
    // Only an open login window waits for its page; the outcome is that of an unreachable page.
    if (abandoned || !isVisible())
        return;
    ui->webView->stop();
    hide();
    emit requestFailed();
}

bool FacebookDialog::readReply(const QString &replyText, ReplyParser parse)
{
    // The reply text holds one character per byte: back to bytes for the JSON reader.
    QString errors;
    QStringList names;
    QStringList dates;
    if (!parse(replyText.toLatin1(), names, dates, errors)) {
        qCDebug(lcSocial).noquote() << "Failed to parse configuration" << errors;
        emit requestFailed();
        return false;
    }
    nameList = names;
    dateList = dates;
    return true;
}

void FacebookDialog::adjustLocation()
{
    location = ui->webView->url().toString();
}

void FacebookDialog::changeLocation()
{
    linkClicked(QUrl(location));
}

void FacebookDialog::linkClicked(const QUrl &url)
{
    openPage(url.toString());
    ui->webView->load(url);
    ui->webView->setFocus(Qt::OtherFocusReason);
}

void FacebookDialog::adjustTitle()
{
    if (progress <= 0 || progress >= 100)
        setWindowTitle(ui->webView->title());
    else
        //: The window title while a page loads: %1 is the page's title, %2 how much of it has come in percent
        setWindowTitle(tr("%1 (%2%)").arg(ui->webView->title(), QString::number(progress)));
}

void FacebookDialog::setProgress(int p)
{
    progress = p;
    adjustTitle();
}

void FacebookDialog::finishLoading(bool)
{
    progress = 100;
    adjustTitle();
}

void FacebookDialog::finishedSlot(QNetworkReply *reply)
{
    if (abandoned)
        return;
    int error = 0;
    if (!HttpClient::instance()->finishedNetWorkSlot(reply, error)) {
        if (error == QNetworkReply::ConnectionRefusedError || error == QNetworkReply::HostNotFoundError) {
            hide();
            emit requestFailed();
        }
        return;
    }
    if (HttpClient::authorised) {
        HttpClient::authorised = false;
        hide();
        loggedIn = true;
        emit loginDone();
    } else {
        hide();
        loggedIn = false;
        emit rejected();
    }
}

void FacebookDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(QCoreApplication::translate("FacebookDialog", "Facebook"));
}
