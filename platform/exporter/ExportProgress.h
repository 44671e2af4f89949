#pragma once
// The progress of an export, with a cancel button. The window appears only when the export
// takes longer than a moment, and is updated a few times a second, not once per row, so a
// short export shows nothing and a long one is not slowed down.
#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <memory>

class QProgressDialog;

namespace exporter {

class ExportProgress {
public:
    ExportProgress(int32_t rows, const QString& fileName);
    ~ExportProgress();

    // `done` rows are written; false once the person cancelled.
    bool advance(int32_t done);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
};

} // namespace exporter
