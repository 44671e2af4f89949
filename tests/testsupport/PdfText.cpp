#include "tests/testsupport/PdfText.h"

#include <QProcess>

namespace testsupport {

QStringList pdfPages(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    tool.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (QString& page : pages)
        page = page.normalized(QString::NormalizationForm_KC)
                   .replace(QChar(0x2EDA), QStringLiteral("页"))
                   .replace(QChar(0x2EA0), QStringLiteral("民"))
                   .remove(u' ');
    return pages;
}

} // namespace testsupport
