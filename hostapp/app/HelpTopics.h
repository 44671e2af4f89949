#pragma once
// The host's help: the pages of the help file "ZELV12.chm" are bundled in the program, and a
// help command line names one of them: "<folder>\ZELV12.chm::/<topic>.htm".
#include <QString>
#include <QUrl>

namespace zelhost {

struct HelpPage {
    QString topic;  // "销售管理.htm"
    QString title;  // the page's <title>
    QUrl url;       // where the bundled page is: qrc:/help/<topic>
    QString html;
};

// The topic a help command line names: the text after "::/" of a "ZELV12.chm" file, whatever
// the folder. Raises com::ComError with a clear description for another file or no topic.
QString helpTopicOf(const QString& arguments);

// The bundled page of a topic (case as written); an unknown topic raises com::ComError naming it.
HelpPage loadHelpPage(const QString& topic);

} // namespace zelhost
