#include "LetterBoxArray.h"

#include "LetterBox.h"
#include "app/Colours.h"
#include "app/Fonts.h"
#include "app/Twips.h"

#include <QEvent>
#include <QValidator>

#include <stdexcept>

namespace {

constexpr int BoxSizeTwips = 375;

// The one-letter limit counts UTF-16 units, so on its own it would keep the
// first half of a character beyond them (an emoji, a rare CJK ideograph).
// Typed or pasted, such a character is refused whole instead, like any
// character beyond the limit.
class WholeCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override {
        return QStringView(input).isValidUtf16() ? Acceptable : Invalid;
    }
};

} // namespace

LetterBoxArray::LetterBoxArray(QWidget *parent, QString name, QPoint leftTop)
    : QObject(parent)
    , parent_(parent)
    , name_(std::move(name)) {
    LetterBox *pattern = makeBox(0);
    pattern->setGeometry(twips::rect(leftTop.x(), leftTop.y(), BoxSizeTwips, BoxSizeTwips));
    pattern->setMaxLength(1);
    pattern->setValidator(new WholeCharacters(this));
    pattern->setAlignment(Qt::AlignCenter);
    pattern->setFont(fonts::desktopSans(9.75));
    pattern->setFocusPolicy(Qt::NoFocus);
    pattern->hide();
    loaded_[0] = true;
}

bool LetterBoxArray::isLoaded(std::int16_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < loaded_.size() &&
           loaded_[static_cast<std::size_t>(index)];
}

LetterBox &LetterBoxArray::operator()(std::int16_t index) const {
    if (!isLoaded(index)) {
        throw std::out_of_range("no such letter box");
    }
    return *members_[static_cast<std::size_t>(index)];
}

LetterBox &LetterBoxArray::load(std::int16_t index) {
    if (index < 1 || isLoaded(index)) {
        throw std::logic_error("letter box already loaded");
    }
    while (members_.size() <= static_cast<std::size_t>(index)) {
        makeBox(static_cast<std::int16_t>(members_.size()));
    }
    const LetterBox &pattern = (*this)(0);
    LetterBox &box = *members_[static_cast<std::size_t>(index)];
    box.setGeometry(pattern.geometry());
    box.setPalette(pattern.palette());
    loaded_[static_cast<std::size_t>(index)] = true;
    return box;
}

void LetterBoxArray::unload(std::int16_t index) {
    LetterBox &box = (*this)(index);
    if (index == 0) {
        throw std::logic_error("the pattern box is never unloaded");
    }
    box.hide();
    loaded_[static_cast<std::size_t>(index)] = false;
    // Unloading is not a change of text; setText also drops the undo history,
    // so the next puzzle's box cannot undo back to this one's letter.
    const QSignalBlocker quiet(box);
    box.setText(QString());
}

void LetterBoxArray::setPatternBackground(const QColor &color) {
    LetterBox &pattern = (*this)(0);
    pattern.setPalette(colours::withFixedBackground(pattern.palette(), color));
}

bool LetterBoxArray::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        for (std::size_t index = 1; index < members_.size(); ++index) {
            if (members_[index] == watched && loaded_[index]) {
                // Let the line edit finish its own focus handling first, so the
                // selection made by the handler is the one that stays.
                watched->event(event);
                emit GotFocus(static_cast<std::int16_t>(index));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

LetterBox *LetterBoxArray::makeBox(std::int16_t index) {
    auto *box = new LetterBox(parent_);
    box->setObjectName(QStringLiteral("%1(%2)").arg(name_).arg(index));
    box->hide();
    members_.push_back(box);
    loaded_.push_back(false);
    if (index > 0) {
        const LetterBox &pattern = (*this)(0);
        box->setMaxLength(pattern.maxLength());
        box->setValidator(pattern.validator());
        box->setAlignment(pattern.alignment());
        box->setFont(pattern.font());
        connect(box, &QLineEdit::textChanged, this, [this, box, index](const QString &text) {
            if (!isLoaded(index)) {
                return;
            }
            if (!QStringView(text).isValidUtf16()) {
                // A program write is not validated: the half it leaves goes, and the box is empty.
                box->clear();
                return;
            }
            emit Change(index);
        });
        box->installEventFilter(this);
    }
    return box;
}
