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
    , name_(name)
{
    LetterBox *pattern = makeBox(0);
    pattern->setGeometry(twips::rect(leftTop.x(), leftTop.y(), BoxSizeTwips, BoxSizeTwips));
    pattern->setMaxLength(1);
    pattern->setAlignment(Qt::AlignCenter);
    pattern->setFont(fonts::desktopSans(9.75));
    pattern->setFocusPolicy(Qt::NoFocus);
    pattern->hide();
}

LetterBox &LetterBoxArray::operator()(std::int16_t index) const
{
    if (index < 0 || index > upperBound()) {
        throw std::out_of_range("letter box index");
    }
    return *members_[static_cast<std::size_t>(index)];
}

LetterBox &LetterBoxArray::load()
{
    const LetterBox &pattern = (*this)(0);
    LetterBox *box = makeBox(static_cast<std::int16_t>(members_.size()));
    box->setGeometry(pattern.geometry());
    box->setMaxLength(pattern.maxLength());
    box->setAlignment(pattern.alignment());
    box->setFont(pattern.font());
    box->setPalette(pattern.palette());
    box->hide();

    const std::int16_t index = upperBound();
    connect(box, &QLineEdit::textChanged, this, [this, index] { emit Change(index); });
    box->installEventFilter(this);
    return *box;
}

void LetterBoxArray::unloadLast()
{
    if (upperBound() == 0) {
        throw std::logic_error("the pattern box is never unloaded");
    }
    delete members_.back();
    members_.pop_back();
}

void LetterBoxArray::setPatternBackground(const QColor &color)
{
    LetterBox &pattern = (*this)(0);
    QPalette palette = pattern.palette();
    palette.setColor(QPalette::Base, color);
    pattern.setPalette(palette);
}

bool LetterBoxArray::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (std::int16_t index = 1; index <= upperBound(); ++index) {
            if (members_[static_cast<std::size_t>(index)] == watched) {
                // Let the line edit finish its own focus handling first, so the
                // selection made by the handler is the one that stays.
                watched->event(event);
                emit GotFocus(index);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

LetterBox *LetterBoxArray::makeBox(std::int16_t index)
{
    auto *box = new LetterBox(parent_);
    box->setObjectName(QStringLiteral("%1(%2)").arg(name_).arg(index));
    members_.push_back(box);
    return box;
}
