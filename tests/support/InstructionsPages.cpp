#include "InstructionsPages.h"

#include <QFile>

InstructionsPages::InstructionsPages(bool withInstructions) {
    if (withInstructions) {
        write(QStringLiteral("GameInstructions.htm"), InstructionsTitle);
    }
    write(QStringLiteral("second.htm"), SecondTitle);
    write(QStringLiteral("third.htm"), ThirdTitle);
}

QString InstructionsPages::writeSlowPage() const {
    return write(QStringLiteral("slow.htm"), QStringLiteral("Slow Page"), 100000);
}

QString InstructionsPages::write(const QString &fileName, const QString &title, int paragraphs) const {
    QFile page(path(fileName));
    if (page.open(QIODevice::WriteOnly)) {
        page.write(QStringLiteral(
                       "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head><body>")
                       .arg(title)
                       .toUtf8());
        const QByteArray paragraph = "<p>" + QByteArray(200, 'w') + "</p>\n";
        for (int i = 0; i < paragraphs; ++i) {
            page.write(paragraph);
        }
        page.write("</body></html>");
    }
    return page.fileName();
}
