#include "InstructionsPages.h"

#include <QFile>

InstructionsPages::InstructionsPages(bool withInstructions) {
    if (withInstructions) {
        write(QStringLiteral("GameInstructions.htm"), InstructionsTitle);
    }
    write(QStringLiteral("second.htm"), SecondTitle);
    write(QStringLiteral("third.htm"), ThirdTitle);
}

void InstructionsPages::write(const QString &fileName, const QString &title) const {
    QFile page(path(fileName));
    if (page.open(QIODevice::WriteOnly)) {
        page.write(
            QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                           "<body><p>%1</p></body></html>")
                .arg(title)
                .toUtf8());
    }
}

QString InstructionsPages::writeSlowPage() const {
    const QString fileName = QStringLiteral("slow.htm");
    QFile page(path(fileName));
    if (page.open(QIODevice::WriteOnly)) {
        page.write("<!DOCTYPE html><html><head><title>Slow Page</title></head><body>");
        const QByteArray row = "<p>" + QByteArray(200, 'w') + "</p>\n";
        for (int i = 0; i < 100000; ++i) {
            page.write(row);
        }
        page.write("</body></html>");
    }
    return path(fileName);
}
