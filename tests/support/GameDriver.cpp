#include "GameDriver.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

GameDriver::GameDriver(PuzzleDraw draw)
    : window_(std::make_unique<frmWords>(dialogs, accessories, std::move(draw))) {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        qFatal("the game window never became active");
    }
}

void GameDriver::choose(const char *menuItem) {
    window_->findChild<QAction *>(QString::fromLatin1(menuItem))->trigger();
}

void GameDriver::selectPuzzle(const QString &typed) {
    dialogs.typedTexts.enqueue(typed);
    choose("mnuSelectPuzzle");
}

QLineEdit *GameDriver::box(std::int16_t row, std::int16_t index) const {
    const QString array = row == 6 ? QStringLiteral("txtPClue") : QStringLiteral("txtAns%1").arg(row);
    return window_->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(array).arg(index));
}

QList<QLineEdit *> GameDriver::visibleBoxes(std::int16_t row) const {
    QList<QLineEdit *> boxes;
    for (std::int16_t index = 1; QLineEdit *candidate = box(row, index); ++index) {
        if (candidate->isVisible()) {
            boxes << candidate;
        }
    }
    return boxes;
}

QString GameDriver::rowText(std::int16_t row) const {
    QString text;
    for (const QLineEdit *letterBox : visibleBoxes(row)) {
        text += letterBox->text().isEmpty() ? QStringLiteral("_") : letterBox->text();
    }
    return text;
}

void GameDriver::pressHint(std::int16_t row) {
    const QString name = row == 6 ? QStringLiteral("cmdClueHint") : QStringLiteral("cmdHint(%1)").arg(row);
    QTest::mouseClick(window_->findChild<QPushButton *>(name), Qt::LeftButton);
}

void GameDriver::pressCorrect() {
    QTest::mouseClick(window_->findChild<QPushButton *>(QStringLiteral("cmdCorrectPuz")), Qt::LeftButton);
}

void GameDriver::typeRow(std::int16_t row, const QString &text) {
    QTest::mouseClick(box(row, 1), Qt::LeftButton);
    for (const QChar letter : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(letter));
    }
}
