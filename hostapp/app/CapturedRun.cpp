#include "hostapp/app/CapturedRun.h"

#include "hostapp/app/CommandLineOpen.h"
#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/HostMainWindow.h"
#include "hostapp/app/HostMessages.h"
#include "hostapp/app/WindowCapture.h"
#include "platform/com/ComError.h"
#include "platform/win/DoEvents.h"
#include "platform/win/Headless.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/MsgBox.h"

#include <optional>

namespace zelhost {

namespace {

int failed(const QString& message)
{
    printErr(QStringLiteral("zelhost: ") + message + QLatin1Char('\n'));
    return 1;
}

// Message boxes print themselves and take their default button, as on a headless screen,
// while nobody is there to answer them; restores the previous way when it goes.
class PrintedMessageBoxes {
public:
    PrintedMessageBoxes()
    {
        if (win::isHeadless())
            return;  // they print themselves already
        m_previous = win::setMsgBoxResponder([](const win::MsgBoxRequest& box) {
            printOut(QStringLiteral("[%1] %2\n").arg(box.title, box.text));
            return win::msgBoxDefaultButton(box.style);
        });
        m_installed = true;
    }
    ~PrintedMessageBoxes()
    {
        if (m_installed)
            win::setMsgBoxResponder(std::move(m_previous));
    }
    PrintedMessageBoxes(const PrintedMessageBoxes&) = delete;
    PrintedMessageBoxes& operator=(const PrintedMessageBoxes&) = delete;

private:
    win::MsgBoxResponder m_previous;
    bool m_installed = false;
};

// A window shown modally is captured while it is up, instead of waiting for it to be closed.
class ModalCapture {
public:
    explicit ModalCapture(const QString& path)
    {
        m_previous = win::setModalWindowResponder([this, path](QWidget& window) {
            try {
                m_text = captureWindow(window, path);
            } catch (const com::ComError& e) {
                m_error = e.description();
            }
        });
    }
    ~ModalCapture() { win::setModalWindowResponder(std::move(m_previous)); }
    ModalCapture(const ModalCapture&) = delete;
    ModalCapture& operator=(const ModalCapture&) = delete;

    const std::optional<QString>& text() const { return m_text; }
    const QString& error() const { return m_error; }

private:
    win::ModalWindowResponder m_previous;
    std::optional<QString> m_text;
    QString m_error;
};

} // namespace

int runCaptured(HostMainWindow& mainWindow, const HostOptions& options)
{
    const QString path = options.screenshotFile.isEmpty() ? defaultScreenshotPath() : options.screenshotFile;
    PrintedMessageBoxes boxes;
    if (options.open == QueryKind::None) {
        try {
            printOut(captureWindow(mainWindow, path));
        } catch (const com::ComError& e) {
            return failed(e.description());
        }
        return 0;
    }

    bool shown = false;
    ModalCapture modal(path);
    try {
        shown = openRequestedQuery(options, serviceConnection());
    } catch (const com::ComError& e) {
        return reportStartupError(e.description());
    }
    if (!modal.error().isEmpty())
        return failed(modal.error());
    if (modal.text()) {
        printOut(*modal.text());
        return 0;
    }
    win::DoEvents();
    QWidget* window = findComponentWindow(&mainWindow);
    if (!window) {
        printOut(QStringLiteral("没有打开查询窗口。\n"));
        return shown ? 0 : 1;
    }
    try {
        printOut(captureWindow(*window, path));
    } catch (const com::ComError& e) {
        return failed(e.description());
    }
    return 0;
}

} // namespace zelhost
