#include "Fonts.h"

#include <QApplication>

namespace fonts {

QFont blackSans(qreal pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Black);
    return font;
}

QFont desktopSans(qreal pointSize, bool underline) {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QApplication::font().family()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setUnderline(underline);
    return font;
}

QFont boldSerif(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

} // namespace fonts
