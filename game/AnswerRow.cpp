#include "AnswerRow.h"

#include "LetterBox.h"
#include "rules/LetterCase.h"
#include "ui/Colours.h"
#include "ui/FocusAnew.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QTimer>

#include <stdexcept>
#include <utility>

namespace {

constexpr int BoxSizeTwips = 375;
constexpr int BoxGapTwips = 75;
const QColor MarkedRed(255, 0, 0);

} // namespace

AnswerRow::AnswerRow(QWidget *parent, const QString &objectName, QString spokenName, QPoint leftTop)
    : QObject(parent)
    , parent_(parent)
    , objectName_(objectName)
    , spokenName_(std::move(spokenName)) {
    LetterBox *pattern = makeBox(0);
    pattern->setGeometry(twips::rect(leftTop.x(), leftTop.y(), BoxSizeTwips, BoxSizeTwips));
    pattern->setFont(fonts::desktopSans(9.75));
    pattern->setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](const QWidget *old) {
        if (newsBox_ != 0 && newsBox_ <= length_ && old == &box(newsBox_)) {
            // Only once the next focus has been reported: a screen reader reads
            // a new name of the box it is still on.
            QTimer::singleShot(0, this, &AnswerRow::dropNews);
        }
    });
}

void AnswerRow::setPatternBackground(const QColor &color) {
    boxes_[0]->setPalette(colours::withFixedBackground(boxes_[0]->palette(), color));
}

LetterBox &AnswerRow::box(std::int16_t index) const {
    if (index < 0 || index > length_) {
        throw std::out_of_range("no such letter box");
    }
    return *boxes_[static_cast<std::size_t>(index)];
}

void AnswerRow::build(std::int16_t length, std::int16_t markedPosition, const QString &description,
                      QWidget *previousInTabOrder) {
    while (boxes_.size() <= static_cast<std::size_t>(length)) {
        makeBox(static_cast<std::int16_t>(boxes_.size()));
    }
    length_ = length;
    markedPosition_ = markedPosition;
    for (std::int16_t index = 1; index <= length; ++index) {
        const LetterBox &previous = box(static_cast<std::int16_t>(index - 1));
        LetterBox &letter = box(index);
        letter.setPalette(boxes_[0]->palette());
        letter.setGeometry(twips::toPixels(twips::fromPixels(previous.x()) +
                                           twips::fromPixels(previous.width()) + BoxGapTwips),
                           previous.y(), previous.width(), previous.height());
        nameBox(index);
        letter.setAccessibleDescription(index == 1 ? description : QString());
        letter.show();
        QWidget::setTabOrder(previousInTabOrder, &letter);
        previousInTabOrder = &letter;
    }
    if (markedPosition >= 1 && markedPosition <= length) {
        LetterBox &marked = box(markedPosition);
        marked.setPalette(colours::withFixedBackground(marked.palette(), MarkedRed));
    }
}

void AnswerRow::clear() {
    for (std::int16_t index = 1; index <= length_; ++index) {
        LetterBox &letter = box(index);
        letter.hide();
        letter.setAccessibleName(QString());
        letter.setAccessibleDescription(QString());
        // Emptying is no change of the player's: setText also drops the undo
        // history, so the next puzzle's box cannot undo back to this letter.
        const QSignalBlocker quiet(letter);
        letter.setText(QString());
    }
    length_ = 0;
    newsBox_ = 0;
}

void AnswerRow::tell(std::int16_t index, const QString &news) {
    const std::int16_t previous = std::exchange(newsBox_, index);
    news_ = news;
    if (previous != 0 && previous != index) {
        nameBox(previous);
    }
    if (index <= length_) {
        nameBox(index);
    }
}

void AnswerRow::nameBox(std::int16_t index) {
    QString name = tr("%1, letter %2 of %3").arg(spokenName_).arg(index).arg(length_);
    if (index == markedPosition_) {
        name = tr("%1, marked").arg(name);
    }
    box(index).setAccessibleName(index == newsBox_ ? tr("%1 %2").arg(news_, name) : name);
}

void AnswerRow::dropNews() {
    if (newsBox_ != 0 && newsBox_ <= length_ && !box(newsBox_).hasFocus()) {
        nameBox(std::exchange(newsBox_, std::int16_t{0}));
    }
}

QString AnswerRow::text() const {
    QString letters;
    for (std::int16_t index = 1; index <= length_; ++index) {
        letters += box(index).text();
    }
    return letters;
}

// The letters shown are told too, by the box the focus moves on to, or by the
// box or hint button that keeps it.
std::int16_t AnswerRow::showHint(std::int16_t hintCount, const QString &answer, QWidget &hintButton,
                                 QWidget &restingPlace) {
    const HintStep step = hintStep(hintCount, answer);
    QWidget *const focused = restingPlace.window()->focusWidget();
    const std::int16_t landing = write(step.writes);
    const QString letters = answer.left(step.count).toUpper().split(QString(), Qt::SkipEmptyParts).join(u' ');
    const QString news = tr("Hint: %1.").arg(letters);
    hintButton.setAccessibleDescription(news);
    if (const std::int16_t told = landing != 0 ? landing : focusedBox(); told != 0) {
        tell(told, news);
    }
    if (landing != 0) {
        focusAnew(box(landing), restingPlace);
    } else if (focused != nullptr) {
        focusAnew(*focused, restingPlace);
    }
    return step.count;
}

// Writes the boxes without moving the focus on at each letter, so that a
// screen reader is not sent through the row. Gives the box the focus would
// have reached, or 0 if it stays.
std::int16_t AnswerRow::write(const std::vector<BoxWrite> &writes) {
    writing_ = true;
    focusAfterWrite_ = 0;
    for (const BoxWrite &write : writes) {
        box(write.box).setText(write.text);
    }
    writing_ = false;
    return focusAfterWrite_;
}

// The box that has the focus, or 0.
std::int16_t AnswerRow::focusedBox() const {
    for (std::int16_t index = 1; index <= length_; ++index) {
        if (box(index).hasFocus()) {
            return index;
        }
    }
    return 0;
}

LetterBox *AnswerRow::makeBox(std::int16_t index) {
    auto *letter = new LetterBox(parent_);
    letter->setObjectName(QStringLiteral("%1(%2)").arg(objectName_).arg(index));
    letter->hide();
    boxes_.push_back(letter);
    if (index > 0) {
        letter->setFont(boxes_[0]->font());
        connect(letter, &QLineEdit::textChanged, this, [this, index] { LetterBox_Change(index); });
    }
    return letter;
}

// Every change of a box's text, whatever made it: a key, a paste, a hint.
void AnswerRow::LetterBox_Change(std::int16_t index) {
    if (index > length_) {
        return;
    }
    LetterBox &letter = box(index);
    if (!QStringView(letter.text()).isValidUtf16()) {
        // A program write is not validated: the half it leaves goes, and the box is empty.
        letter.clear();
        return;
    }
    // When the case differs this write is itself a change and runs this
    // handler once more, nested; writing identical text changes nothing.
    letter.setText(caseForBox(letter.text(), index));
    if (!letter.text().isEmpty() && index != length_) {
        const auto next = static_cast<std::int16_t>(index + 1);
        if (writing_) {
            focusAfterWrite_ = next;
            return;
        }
        LetterBox &nextBox = box(next);
        nextBox.setFocus();
        nextBox.setSelection(0, 1);
    }
}
