#pragma once

#include "rules/HintCycle.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

class LetterBox;
class QColor;
class QWidget;

// One row of letter boxes: an answer row, or the final row. A hidden pattern
// box (member 0) gives every box its look; boxes 1, 2, ... stand one per
// letter to its right. A letter typed or written into a box takes the case of
// its place and moves the focus on along the row, so an answer is typed in
// one go. Boxes of a shorter row stay hidden for reuse, since a new puzzle would
// otherwise create and destroy dozens of widgets.
class AnswerRow final : public QObject {
    Q_OBJECT

public:
    // objectName names the boxes ("txtAns1" gives "txtAns1(1)", ...); spokenName
    // is how a screen reader calls the row ("Answer 1"); leftTop is the
    // pattern box's place in twips.
    AnswerRow(QWidget *parent, const QString &objectName, QString spokenName, QPoint leftTop);

    // The pattern's background, which every box copies, with a text colour that reads on it.
    void setPatternBackground(const QColor &color);

    // Shows length empty boxes, marks the box at markedPosition red (0 marks
    // none) and puts them in the tab order after previousInTabOrder. The first
    // box alone carries the description, so that a screen reader tells it when
    // the player enters the row, not on every letter.
    void build(std::int16_t length, std::int16_t markedPosition, const QString &description,
               QWidget *previousInTabOrder);

    // Hides every box, and its letter, names and news with it.
    void clear();

    // Puts news before the accessible name of a box (also of one still to be
    // built) until that box has lost the focus: a screen reader landing on the
    // box, or already on it, then tells both at once.
    void tell(std::int16_t index, const QString &news);

    std::int16_t length() const { return length_; }

    // Box 1 to length(); box 0 is the pattern.
    LetterBox &box(std::int16_t index) const;

    // The letters in box order; an empty box adds nothing, so a gap reads shorter.
    QString text() const;

    // One press of the row's hint button: writes one more leading letter of
    // the answer and gives the new count of letters shown. The focus then
    // moves on as if the letters had been typed; hintButton describes what it
    // showed, and restingPlace holds the focus while it moves.
    std::int16_t showHint(std::int16_t hintCount, const QString &answer, QWidget &hintButton,
                          QWidget &restingPlace);

    // Whether one of the row's boxes has the focus.
    bool hasFocus() const { return focusedBox() != 0; }

private:
    LetterBox *makeBox(std::int16_t index);
    void nameBox(std::int16_t index);
    void dropNews();
    void LetterBox_Change(std::int16_t index);
    std::int16_t write(const std::vector<BoxWrite> &writes);
    std::int16_t focusedBox() const;

    QWidget *parent_;
    QString objectName_;
    QString spokenName_;
    std::vector<LetterBox *> boxes_; // every box ever made; [0] is the pattern
    std::int16_t length_ = 0;
    std::int16_t markedPosition_ = 0;
    std::int16_t newsBox_ = 0; // 0: no news
    QString news_;
    bool writing_ = false;
    std::int16_t focusAfterWrite_ = 0;
};
