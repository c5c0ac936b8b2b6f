#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A folder of small local pages, written for one test: the instructions page
// and two more to browse to. Nothing is ever fetched from a network.
class InstructionsPages {
public:
    static inline const QString InstructionsTitle = QStringLiteral("Test Instructions");
    static inline const QString SecondTitle = QStringLiteral("Second Page");
    static inline const QString ThirdTitle = QStringLiteral("Third Page");

    // withInstructions: false leaves the instructions page out.
    explicit InstructionsPages(bool withInstructions = true);

    bool isValid() const { return folder_.isValid(); }
    QString folder() const { return folder_.path(); }
    QString path(const QString &fileName) const { return folder_.filePath(fileName); }
    QString url(const QString &fileName) const { return QUrl::fromLocalFile(path(fileName)).toString(); }

    // A page big enough to be still loading a moment after it was asked for.
    QString writeSlowPage() const;

private:
    // Writes the page and gives its path.
    QString write(const QString &fileName, const QString &title, int paragraphs = 1) const;

    QTemporaryDir folder_;
};
