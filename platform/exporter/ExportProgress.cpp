#include "platform/exporter/ExportProgress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>

namespace exporter {

namespace {

constexpr int showAfterMs = 700;
constexpr int updateEveryMs = 100;

} // namespace

ExportProgress::ExportProgress(int32_t rows, const QString& fileName)
    : m_dialog(std::make_unique<QProgressDialog>(QString(), QStringLiteral("取消"), 0, rows, QApplication::activeWindow()))
{
    // The file's name is the person's text: shown as typed, never as markup.
    auto* label = new QLabel(QStringLiteral("正在引出到 %1 ...").arg(fileName));
    label->setTextFormat(Qt::PlainText);
    m_dialog->setLabel(label);
    m_dialog->setWindowTitle(QStringLiteral("引出数据"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(showAfterMs);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    m_sinceUpdate.start();
}

ExportProgress::~ExportProgress() = default;

bool ExportProgress::advance(int32_t done)
{
    // setValue shows the window when due and lets the cancel button be pressed.
    if (m_sinceUpdate.hasExpired(updateEveryMs) || done == m_dialog->maximum()) {
        m_dialog->setValue(done);
        m_sinceUpdate.restart();
    }
    return !m_dialog->wasCanceled();
}

} // namespace exporter
