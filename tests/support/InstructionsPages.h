#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

// A folder of small local pages, written for one test: the instructions page
// and one more to browse to. Nothing is ever fetched from a network.
class InstructionsPages {
public:
    static inline const QString InstructionsTitle = QStringLiteral("Test Instructions");
    static inline const QString SecondTitle = QStringLiteral("Second Page");

    // withInstructions: false leaves the instructions page out (its title goes to another page).
    explicit InstructionsPages(bool withInstructions = true) {
        write(withInstructions ? "GameInstructions.htm" : "other.htm", InstructionsTitle);
        write("second.htm", SecondTitle);
    }

    // An empty name gives the folder itself.
    QString path(const QString &fileName) const { return folder_.filePath(fileName); }
    QString url(const QString &fileName) const { return QUrl::fromLocalFile(path(fileName)).toString(); }

    // Writes a page and gives its path; one of many paragraphs is still loading
    // a moment after it was asked for.
    QString write(const QString &fileName, const QString &title, int paragraphs = 1) const {
        QFile page(path(fileName));
        const QString body = QStringLiteral("<p>%1</p>\n").arg(QString(200, u'w')).repeated(paragraphs);
        return page.open(QIODevice::WriteOnly) &&
                       page.write(("<title>" + title + "</title>" + body).toUtf8()) > 0
                   ? page.fileName()
                   : QString();
    }

private:
    QTemporaryDir folder_;
};
