// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/reminderitem.h"

#include "model/clock.h"
#include "model/reminderrules.h"
#include "platform/textfit.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int animationIntervalMs = 5;
constexpr int animationStep = 6;
constexpr int openHeight = 99;

void setButton(QCommandLinkButton *button, const QString &text, const char *iconPath)
{
    button->setText(text);
    button->setIcon(QIcon(QLatin1String(iconPath)));
}

// The widest a reminder's name may make the frame's title: a comfortable line of text, and never
// more than two thirds of the screen.
int titleWidth(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    const int line = widget->fontMetrics().averageCharWidth() * 80;
    return screen ? std::min(line, screen->availableGeometry().width() * 2 / 3) : line;
}

// The sentence on one line, wrapped never: where the label is narrower than the whole sentence
// (the window has no more room on the screen), the name alone is shortened, so that the date and
// the days to go stay in sight. The tooltip and screen readers get the whole sentence.
class SentenceLabel final : public QLabel
{
public:
    SentenceLabel(const ReminderRules::SentenceParts &sentence, QWidget *parent)
        : QLabel(sentence.text(), parent), parts(sentence)
    {
        setAccessibleName(parts.text());
    }

    QSize sizeHint() const override { return sizeFor(parts.text()); }
    QSize minimumSizeHint() const override
    {
        return sizeFor(parts.before + QChar(0x2026) + parts.after).boundedTo(sizeHint());
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        const QFontMetrics metrics = fontMetrics();
        const QString whole = parts.text();
        const int width = contentsRect().width() - 2 * margin();
        QString shown = whole;
        if (metrics.horizontalAdvance(whole) > width) {
            const int room = width - metrics.horizontalAdvance(parts.before + parts.after);
            shown = parts.before + metrics.elidedText(parts.name, Qt::ElideRight, room) + parts.after;
        }
        setText(shown);
        setToolTip(shown == whole ? QString() : whole);
    }

private:
    // The font is the window's style sheet's only once the label is polished in it.
    QSize sizeFor(const QString &line) const
    {
        ensurePolished();
        const QMargins margins = contentsMargins();
        return QSize(fontMetrics().horizontalAdvance(line) + margins.left() + margins.right() + 2 * margin(),
                     fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin());
    }

    const ReminderRules::SentenceParts parts;
};

} // namespace

ReminderItem::ReminderItem(Event *shown) : QWidget(nullptr), event(shown)
{
    const QDate today = Clock::today();
    const int days = ReminderRules::daysToGo(*event, today);

    auto *outerLayout = new QVBoxLayout(this);
    groupBox = new QGroupBox(this);
    // A frame is never narrower than its title: a long name is cut short, and given whole on hover.
    const QString title = groupBox->fontMetrics().elidedText(event->name, Qt::ElideRight, titleWidth(groupBox));
    groupBox->setTitle(title);
    if (title != event->name)
        groupBox->setToolTip(event->name);
    outerLayout->addWidget(groupBox);
    auto *frameLayout = new QVBoxLayout(groupBox);
    frameLayout->setContentsMargins(6, 6, 6, 6);

    textLabel = new SentenceLabel(ReminderRules::sentenceParts(*event, today), groupBox);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    frameLayout->addWidget(textLabel);

    optionsPanel = new QWidget(groupBox);
    optionsPanel->setObjectName(QStringLiteral("optionsPanel"));
    frameLayout->addWidget(optionsPanel);
    auto *panelLayout = new QVBoxLayout(optionsPanel);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addItem(new QSpacerItem(1, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    acceptButton = new QCommandLinkButton(tr("Accept"), groupBox);
    acceptButton->setObjectName(QStringLiteral("acceptButton"));
    acceptButton->setIcon(QIcon(QStringLiteral(":resources/ok.png")));
    acceptButton->setMinimumHeight(34);
    acceptButton->setMaximumWidth(
        std::max({100, wholeTitleWidth(acceptButton, tr("Accept")), wholeTitleWidth(acceptButton, tr("Options"))}));
    buttonRow->addWidget(acceptButton);
    cancelButton = new QCommandLinkButton(tr("Cancel"), groupBox);
    //: %1 is the event's name.
    cancelButton->setAccessibleDescription(tr("Closes the choices for %1 without applying them.").arg(event->name));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setIcon(QIcon(QStringLiteral(":resources/remove.png")));
    cancelButton->setMinimumHeight(34);
    cancelWidth = std::max(openHeight, wholeTitleWidth(cancelButton, cancelButton->text()));
    cancelButton->setMaximumWidth(100);
    buttonRow->addWidget(cancelButton);

    //: Tells a screen reader which reminder a control belongs to; %1 is the event's name.
    const QString forEvent = tr("For the event %1.").arg(event->name);
    auto *choiceRow = new QHBoxLayout;
    againRadio = new QRadioButton(optionsPanel);
    againRadio->setObjectName(QStringLiteral("againRadio"));
    againRadio->setAccessibleDescription(forEvent);
    againRadio->setChecked(true);
    againSpinBox = new QSpinBox(optionsPanel);
    againSpinBox->setObjectName(QStringLiteral("againSpinBox"));
    againSpinBox->setAccessibleName(tr("Days until the next reminder"));
    againSpinBox->setAccessibleDescription(forEvent);
    againSpinBox->setRange(0, std::max(days, 0));
    againSpinBox->setValue(days > 0 ? days - 1 : 0);
    daysLabel = new QLabel(optionsPanel);
    daysLabel->setBuddy(againSpinBox);
    sayAgainIn(againSpinBox->value());
    connect(againSpinBox, qOverload<int>(&QSpinBox::valueChanged), this, &ReminderItem::sayAgainIn);
    choiceRow->addWidget(againRadio);
    choiceRow->addWidget(againSpinBox);
    choiceRow->addWidget(daysLabel);
    choiceRow->addItem(new QSpacerItem(1, 1, QSizePolicy::Expanding, QSizePolicy::Minimum));
    nextRadio = new QRadioButton(tr("Don't notify me until the next occurrence of this event."), optionsPanel);
    nextRadio->setObjectName(QStringLiteral("nextRadio"));
    nextRadio->setAccessibleDescription(forEvent);
    neverRadio = new QRadioButton(tr("Never notify me of this event again."), optionsPanel);
    neverRadio->setObjectName(QStringLiteral("neverRadio"));
    neverRadio->setAccessibleDescription(forEvent);
    panelLayout->addLayout(choiceRow);
    panelLayout->addWidget(nextRadio);
    panelLayout->addWidget(neverRadio);

    frameLayout->addLayout(buttonRow);

    animationTimer = new QTimer(this);
    animationTimer->setInterval(animationIntervalMs);
    connect(animationTimer, &QTimer::timeout, this, &ReminderItem::doAnimation);
    connect(acceptButton, &QCommandLinkButton::clicked, this, &ReminderItem::on_acceptButton_clicked);
    connect(cancelButton, &QCommandLinkButton::clicked, this, &ReminderItem::on_cancelButton_clicked);

    // The order on screen: the choices above, then the buttons below them.
    setTabOrder(againRadio, againSpinBox);
    setTabOrder(againSpinBox, nextRadio);
    setTabOrder(nextRadio, neverRadio);
    setTabOrder(neverRadio, acceptButton);
    setTabOrder(acceptButton, cancelButton);

    expanded = false;
    optionsPanel->setMaximumHeight(0);
    cancelButton->setMaximumWidth(0);
    showOptionsButton();
    setPanelReachable(false);

    ReminderRules::markShown(*event, today);
}

ReminderItem::~ReminderItem() = default;

void ReminderItem::sayAgainIn(int days)
{
    // One sentence around the spin box: the radio says what comes before it, the label the rest.
    //: A reminder's choice shown around a box with the number of days: the words before the number
    //: go before the box, the rest after it.
    const auto [before, after] = aroundNumber(tr("Notify me again in %n days.", "", days), days);
    againRadio->setText(before);
    daysLabel->setText(after);
    againRadio->setAccessibleName(before + QStringLiteral("…") + after);
}

void ReminderItem::showOptionsButton()
{
    setButton(acceptButton, tr("Options"), ":resources/settings.png");
    //: %1 is the event's name.
    acceptButton->setAccessibleDescription(
        tr("Shows the choices for when to remind you again of %1.").arg(event->name));
}

void ReminderItem::setPanelReachable(bool reachable)
{
    // A closed panel and the zero-wide Cancel are out of sight: Tab must not stop on them, nor a
    // screen reader read them.
    optionsPanel->setEnabled(reachable);
    cancelButton->setEnabled(reachable);
    optionsPanel->setVisible(reachable);
    cancelButton->setVisible(reachable);
}

void ReminderItem::toggleOptions()
{
    if (expanded) {
        showOptionsButton();
        // The focus leaves the closing panel now, not when it is gone, for the button that opens it.
        if (QWidget *focused = QApplication::focusWidget();
            focused && (focused == cancelButton || optionsPanel->isAncestorOf(focused)))
            acceptButton->setFocus(Qt::OtherFocusReason);
    } else {
        setButton(acceptButton, tr("Accept"), ":resources/ok.png");
        //: %1 is the event's name.
        acceptButton->setAccessibleDescription(tr("Applies the chosen reminder for %1.").arg(event->name));
        setPanelReachable(true);
        const ReminderRules::Selection selection = ReminderRules::selectionFor(*event, Clock::today());
        switch (selection.choice) {
        case ReminderRules::Choice::Again:
            againRadio->setChecked(true);
            againSpinBox->setValue(selection.againDays);
            break;
        case ReminderRules::Choice::UntilNext:
            nextRadio->setChecked(true);
            break;
        case ReminderRules::Choice::Never:
            neverRadio->setChecked(true);
            break;
        }
    }
    expanded = !expanded;
    lastHeight = optionsPanel->height();
    animationTimer->start(animationIntervalMs);
}

void ReminderItem::applySelectedChoice()
{
    ReminderRules::Choice choice = ReminderRules::Choice::Again;
    if (nextRadio->isChecked())
        choice = ReminderRules::Choice::UntilNext;
    else if (neverRadio->isChecked())
        choice = ReminderRules::Choice::Never;
    ReminderRules::applyChoice(*event, choice, againSpinBox->value(), Clock::today());
}

void ReminderItem::on_acceptButton_clicked()
{
    // The press applies the selection whichever text the button shows.
    applySelectedChoice();
    toggleOptions();
}

void ReminderItem::on_cancelButton_clicked()
{
    toggleOptions();
}

void ReminderItem::doAnimation()
{
    int height = optionsPanel->maximumHeight();
    if (expanded) {
        height += animationStep;
        if (height > openHeight - 1) {
            animationTimer->stop();
            height = openHeight;
        }
    } else {
        height -= animationStep;
        if (height <= 0) {
            animationTimer->stop();
            height = 0;
            setPanelReachable(false);
        }
    }
    optionsPanel->setMaximumHeight(height);
    // Cancel opens sideways as the panel opens downwards, to the width its title needs.
    cancelButton->setMaximumWidth(height * cancelWidth / openHeight);
    updateGeometry();
    // What runs from here on (the events processed, the window's slots, which process events
    // too) may press OK, which lets this item go: touch nothing of it once it has gone.
    const QPointer<ReminderItem> alive(this);
    QApplication::processEvents();
    if (!alive)
        return;

    if (!animationTimer->isActive())
        Q_EMIT resized();
    else
        Q_EMIT resized(optionsPanel->height() - lastHeight);
    if (alive)
        lastHeight = optionsPanel->height();
}
