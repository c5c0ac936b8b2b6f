#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

class LetterBox;
class QColor;
class QWidget;

// A row of one-letter boxes. Member 0 is a hidden pattern box; members 1, 2,
// ... are loaded from it at run time, member i holding letter i of the row.
// Unloaded members are kept hidden for reuse, since a board rebuild would
// otherwise create and destroy dozens of widgets. A member holds at most one
// whole character, never half of one. Every change of a loaded member's text
// and every focus it receives is reported with its index, whatever caused it.
class LetterBoxArray final : public QObject {
    Q_OBJECT

public:
    // leftTop is the pattern box's place in twips.
    LetterBoxArray(QWidget *parent, QString name, QPoint leftTop);

    // A loaded member, or the pattern box for index 0.
    LetterBox &operator()(std::int16_t index) const;

    bool isLoaded(std::int16_t index) const;

    // Loads member index as a hidden copy of the pattern box, standing on it, empty.
    LetterBox &load(std::int16_t index);

    // Unloads member index: it disappears, and its letter with it.
    void unload(std::int16_t index);

    // The pattern box's background, which every member copies, and a text
    // colour that reads on it.
    void setPatternBackground(const QColor &color);

signals:
    void Change(std::int16_t index);
    void GotFocus(std::int16_t index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LetterBox *makeBox(std::int16_t index);

    QWidget *parent_;
    QString name_;
    std::vector<LetterBox *> members_; // every box ever made; [0] is the pattern
    std::vector<bool> loaded_;
};
