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
// ... are made from it at run time, member i holding letter i of the row.
// Every change of a member's text and every focus it receives is reported
// with the member's index, whatever caused it.
class LetterBoxArray final : public QObject {
    Q_OBJECT

public:
    // leftTop is the pattern box's place in twips.
    LetterBoxArray(QWidget *parent, const QString &name, QPoint leftTop);

    const QString &name() const { return name_; }

    // Member index; 0 is the pattern box.
    LetterBox &operator()(std::int16_t index) const;

    // The highest member that exists (0 when only the pattern is loaded).
    std::int16_t upperBound() const { return static_cast<std::int16_t>(members_.size() - 1); }

    // Creates the next member as a hidden copy of the pattern box, standing on it.
    LetterBox &load();

    // Destroys the highest member.
    void unloadLast();

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
    std::vector<LetterBox *> members_;
};
