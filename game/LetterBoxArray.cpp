#include "LetterBoxArray.h"

#include "LetterBox.h"
#include "app/Fonts.h"
#include "app/Twips.h"

#include <QEvent>

#include <stdexcept>

namespace {
constexpr int BoxSizeTwips = 375;
}

LetterBoxArray::LetterBoxArray(QWidget *parent, const QString &name, QPoint leftTop)
    : QObject(parent)
    , parent_(parent)
    , name_(name) {
    LetterBox *pattern = makeBox(0);
    pattern->setGeometry(twips::rect(leftTop.x(), leftTop.y(), BoxSizeTwips, BoxSizeTwips));
    pattern->setMaxLength(1);
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
    QPalette palette = pattern.palette();
    palette.setColor(QPalette::Base, color);
    pattern.setPalette(palette);
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
        box->setAlignment(pattern.alignment());
        box->setFont(pattern.font());
        connect(box, &QLineEdit::textChanged, this, [this, index] {
            if (isLoaded(index)) {
                emit Change(index);
            }
        });
        box->installEventFilter(this);
    }
    return box;
}
