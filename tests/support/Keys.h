#pragma once

#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace test {

// Keys as the desktop sends them: to the window, which hands each to its
// shortcuts or its focus widget. A key sent straight to a control skips
// whatever the control's own parent would do with it first.
inline void press(const QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.window()->windowHandle(), key, modifiers);
}

// One key per character, whatever its script or size.
inline void type(const QWidget &window, const QString &text) {
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        const char16_t upper = character.front().toUpper().unicode();
        const auto key = upper >= 0x20 && upper < 0x7f ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, window.window()->windowHandle(), key, character, Qt::NoModifier);
    }
}

} // namespace test
