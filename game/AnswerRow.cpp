#include "AnswerRow.h"

#include "LetterBox.h"
#include "rules/LetterCase.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <stdexcept>

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
    for (std::int16_t index = 1; index <= length; ++index) {
        const LetterBox &previous = box(static_cast<std::int16_t>(index - 1));
        LetterBox &letter = box(index);
        letter.setPalette(boxes_[0]->palette());
        letter.setGeometry(twips::toPixels(twips::fromPixels(previous.x()) +
                                           twips::fromPixels(previous.width()) + BoxGapTwips),
                           previous.y(), previous.width(), previous.height());
        const QString name = tr("%1, letter %2 of %3").arg(spokenName_).arg(index).arg(length);
        letter.setAccessibleName(index == markedPosition ? tr("%1, marked").arg(name) : name);
        letter.setAccessibleDescription(description);
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
}

QString AnswerRow::text() const {
    QString letters;
    for (std::int16_t index = 1; index <= length_; ++index) {
        letters += box(index).text();
    }
    return letters;
}

void AnswerRow::write(const std::vector<BoxWrite> &writes) {
    for (const BoxWrite &write : writes) {
        box(write.box).setText(write.text);
    }
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
        LetterBox &next = box(static_cast<std::int16_t>(index + 1));
        next.setFocus();
        next.setSelection(0, 1);
    }
}
