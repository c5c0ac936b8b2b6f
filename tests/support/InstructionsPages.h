#pragma once

#include <QFile>
#include <QString>
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
        write(withInstructions ? QStringLiteral("GameInstructions.htm") : QStringLiteral("other.htm"),
              InstructionsTitle);
        write(QStringLiteral("second.htm"), SecondTitle);
    }

    bool isValid() const { return folder_.isValid(); }
    // An empty name gives the folder itself.
    QString path(const QString &fileName) const { return folder_.filePath(fileName); }
    QString url(const QString &fileName) const { return QUrl::fromLocalFile(path(fileName)).toString(); }

    // Writes a page and gives its path; one of many paragraphs is still loading
    // a moment after it was asked for.
    QString write(const QString &fileName, const QString &title, int paragraphs = 1) const {
        QFile page(path(fileName));
        const QString body = QStringLiteral("<p>%1</p>\n").arg(QString(200, u'w')).repeated(paragraphs);
        page.open(QIODevice::WriteOnly);
        page.write(QStringLiteral("<title>%1</title>%2").arg(title, body).toUtf8());
        return page.fileName();
    }

private:
    QTemporaryDir folder_;
};
