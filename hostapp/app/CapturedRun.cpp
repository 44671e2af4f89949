#include "hostapp/app/CapturedRun.h"

#include "hostapp/app/CommandLineOpen.h"
#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/HostMainWindow.h"
#include "hostapp/app/HostMessages.h"
#include "hostapp/app/LedgerOutput.h"
#include "hostapp/app/WindowCapture.h"
#include "platform/com/ComError.h"
#include "platform/win/DoEvents.h"
#include "platform/win/Headless.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/MsgBox.h"

#include <QMetaObject>
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

// What a captured run does with the opened window: its screenshot and text (unless only files
// from the ledger were asked for), then those files. Returns the exit code.
class WindowWork {
public:
    WindowWork(const HostOptions& options, QString screenshotPath)
        : m_options(options), m_path(std::move(screenshotPath))
    {
    }

    int run(QWidget& window) const
    {
        // --chart shows the pane for this capture only: what the user left stays remembered.
        bool chartWasShown = false;
        if (m_options.chart)
            QMetaObject::invokeMethod(&window, "setPriceTrendShown", Qt::DirectConnection,
                                      Q_RETURN_ARG(bool, chartWasShown), Q_ARG(bool, true));
        const int code = capture(window);
        if (m_options.chart && !chartWasShown)
            QMetaObject::invokeMethod(&window, "setPriceTrendShown", Qt::DirectConnection,
                                      Q_RETURN_ARG(bool, chartWasShown), Q_ARG(bool, false));
        return code;
    }

private:
    int capture(QWidget& window) const
    {
        if (m_options.screenshotRequested || !wantsLedgerOutput(m_options)) {
            try {
                printOut(captureWindow(window, m_path));
            } catch (const com::ComError& e) {
                return failed(e.description());
            }
        }
        return writeLedgerOutputs(window, m_options);
    }

    const HostOptions& m_options;
    QString m_path;
};

// A window shown modally is worked on while it is up, instead of waiting for it to be closed.
class ModalCapture {
public:
    explicit ModalCapture(const WindowWork& work)
    {
        m_previous = win::setModalWindowResponder([this, &work](QWidget& window) { m_code = work.run(window); });
    }
    ~ModalCapture() { win::setModalWindowResponder(std::move(m_previous)); }
    ModalCapture(const ModalCapture&) = delete;
    ModalCapture& operator=(const ModalCapture&) = delete;

    // The exit code of the work, when a modal window was shown.
    const std::optional<int>& code() const { return m_code; }

private:
    win::ModalWindowResponder m_previous;
    std::optional<int> m_code;
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
    const WindowWork work(options, path);
    ModalCapture modal(work);
    try {
        shown = openRequestedQuery(options, serviceConnection());
    } catch (const com::ComError& e) {
        return reportStartupError(e.description());
    }
    if (modal.code())
        return *modal.code();
    win::DoEvents();
    QWidget* window = findComponentWindow(&mainWindow);
    if (!window) {
        printOut(QStringLiteral("没有打开查询窗口。\n"));
        // Files were asked for and none could be written.
        return shown && !wantsLedgerOutput(options) ? 0 : 1;
    }
    return work.run(*window);
}

} // namespace zelhost
