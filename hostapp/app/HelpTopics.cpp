#include "hostapp/app/HelpTopics.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QFile>
#include <QRegularExpression>

// The pages live in a resource of the host's static library; Q_INIT_RESOURCE keeps the linker
// from dropping it and has to be called outside any namespace.
static void loadHelpResource()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace zelhost {

namespace {

constexpr char kHelpFile[] = "ZELV12.chm";

com::ComError helpError(const QString& description)
{
    return com::ComError(com::E_FAIL_, QStringLiteral("hh.exe"), description);
}

QString titleOf(const QString& html)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    return title.match(html).captured(1).trimmed();
}

} // namespace

QString helpTopicOf(const QString& arguments)
{
    const QString text = arguments.trimmed();
    const qsizetype separator = text.indexOf(QStringLiteral("::/"));
    const QString file = separator < 0 ? text : text.left(separator);
    const qsizetype slash = std::max(file.lastIndexOf(QLatin1Char('\\')), file.lastIndexOf(QLatin1Char('/')));
    if (file.mid(slash + 1).compare(QLatin1String(kHelpFile), Qt::CaseInsensitive) != 0)
        throw helpError(QStringLiteral("帮助文件“%1”不存在，主程序只带有 %2。").arg(file, QLatin1String(kHelpFile)));
    const QString topic = separator < 0 ? QString() : text.mid(separator + 3).trimmed();
    if (topic.isEmpty())
        throw helpError(QStringLiteral("帮助命令“%1”没有指明主题（%2::/主题.htm）。").arg(text, QLatin1String(kHelpFile)));
    return topic;
}

HelpPage loadHelpPage(const QString& topic)
{
    loadHelpResource();
    HelpPage page;
    page.topic = topic;
    QFile file(QStringLiteral(":/help/") + topic);
    if (topic.contains(QLatin1Char('/')) || !file.open(QIODevice::ReadOnly))
        throw helpError(QStringLiteral("帮助中没有“%1”这个主题。").arg(topic));
    page.html = QString::fromUtf8(file.readAll());
    page.title = titleOf(page.html);
    page.url = QUrl(QStringLiteral("qrc:/help/") + topic);
    return page;
}

} // namespace zelhost
