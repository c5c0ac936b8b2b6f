#include "GameDriver.h"

#include "Keys.h"

#include <QtTest>

GameDriver::GameDriver(PuzzleDraw draw)
    : window_(std::make_unique<frmWords>(dialogs, std::move(draw))) {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        qFatal("the game window never became active");
    }
}

void GameDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    test::press(*window_, key, modifiers);
}

void GameDriver::type(const QString &text) {
    test::type(*window_, text);
}

void GameDriver::selectPuzzle(const QString &typed) {
    dialogs.typedTexts.enqueue(typed);
    press(Qt::Key_F3);
}

void GameDriver::click(const QString &control) {
    QTest::mouseClick(window_->findChild<QWidget *>(control), Qt::LeftButton);
}

QLineEdit *GameDriver::box(std::int16_t row, std::int16_t index) const {
    const QString array = row == 6 ? QStringLiteral("txtPClue") : QStringLiteral("txtAns%1").arg(row);
    auto *found = window_->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(array).arg(index));
    return found && found->isVisible() ? found : nullptr;
}

QString GameDriver::rowText(std::int16_t row) const {
    QString text;
    for (std::int16_t index = 1; const QLineEdit *letter = box(row, index); ++index) {
        text += letter->text().isEmpty() ? QStringLiteral("_") : letter->text();
    }
    return text;
}

void GameDriver::typeRow(std::int16_t row, const QString &text) {
    QTest::mouseClick(box(row, 1), Qt::LeftButton);
    type(text);
}
