#pragma once
// The host's help viewer, started by the command line "hh.exe <folder>\ZELV12.chm::/<topic>"
// (win::Shell): it shows the bundled page in a browser window; on a headless platform it
// prints the topic and the page's title instead.
#include "hostapp/app/HelpTopics.h"

#include <QWidget>

class QTextBrowser;

namespace zelhost {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showPage(const HelpPage& page);
    QTextBrowser& browser() { return *m_browser; }

private:
    QTextBrowser* m_browser;
};

// Opens a help command line's arguments; an unknown help file or topic is told in a message
// box and answers false (the program did not start).
bool openHelp(const QString& arguments);

// The one viewer window of the process, made on first use; null before.
HelpViewer* helpViewerWindow();

// Registers openHelp as the launcher of "hh.exe", and removes it again.
void installHelpLauncher();
void uninstallHelpLauncher();

} // namespace zelhost
