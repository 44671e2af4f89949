#include "hostapp/app/LedgerOutput.h"

#include "hostapp/app/ConsoleOutput.h"
#include "platform/exporter/SavePathChooser.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QWidget>

namespace zelhost {

namespace {

// Sets the exporter's save-path variable for one export and puts back what was there.
class ExportPathForOneRun {
public:
    explicit ExportPathForOneRun(const QString& path)
        : m_had(qEnvironmentVariableIsSet(exporter::exportPathVariable)),
          m_previous(qgetenv(exporter::exportPathVariable))
    {
        qputenv(exporter::exportPathVariable, path.toLocal8Bit());
    }
    ~ExportPathForOneRun()
    {
        if (m_had)
            qputenv(exporter::exportPathVariable, m_previous);
        else
            qunsetenv(exporter::exportPathVariable);
    }
    ExportPathForOneRun(const ExportPathForOneRun&) = delete;
    ExportPathForOneRun& operator=(const ExportPathForOneRun&) = delete;

private:
    bool m_had;
    QByteArray m_previous;
};

int notWritten(const QString& what, const QString& path)
{
    printErr(QStringLiteral("zelhost: %1没有写成：%2\n").arg(what, path));
    return 1;
}

bool exportTo(QWidget& window, const QString& path)
{
    ExportPathForOneRun variable(path);
    bool written = false;
    const bool called = QMetaObject::invokeMethod(&window, "exportLedger", Qt::DirectConnection,
                                                  Q_RETURN_ARG(bool, written));
    return called && written && QFileInfo::exists(path);
}

bool printTo(QWidget& window, const QString& path)
{
    bool written = false;
    const bool called = QMetaObject::invokeMethod(&window, "printLedgerToPdf", Qt::DirectConnection,
                                                  Q_RETURN_ARG(bool, written), Q_ARG(QString, path));
    return called && written;
}

} // namespace

bool wantsLedgerOutput(const HostOptions& options)
{
    return !options.exportFile.isEmpty() || !options.printPdfFile.isEmpty();
}

int writeLedgerOutputs(QWidget& window, const HostOptions& options)
{
    int code = 0;
    if (!options.exportFile.isEmpty()) {
        const QString path = QFileInfo(options.exportFile).absoluteFilePath();
        if (exportTo(window, path))
            printOut(QStringLiteral("已引出：%1\n").arg(path));
        else
            code = notWritten(QStringLiteral("引出文件"), path);
    }
    if (!options.printPdfFile.isEmpty()) {
        const QString path = QFileInfo(options.printPdfFile).absoluteFilePath();
        if (printTo(window, path))
            printOut(QStringLiteral("已打印到：%1\n").arg(path));
        else
            code = notWritten(QStringLiteral("PDF 文件"), path);
    }
    return code;
}

} // namespace zelhost
