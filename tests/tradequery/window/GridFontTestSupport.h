#pragma once
// The grid font as tests see it: the stored "GridFont" text, and a person answering the font
// dialog (and, in a print preview, asking for it with the preview's font button).
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"

#include <QAction>
#include <QDialog>
#include <QFontDialog>
#include <optional>

namespace browsetest {

inline QString storedGridFont(fakehost::FakeHost& host)
{
    for (const auto& [key, value] : host.userProfiles().section(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase")))
        if (key == QLatin1String("GridFont"))
            return value.toString();
    return {};
}

// Answers the font dialog with `font`, or cancels it when none is given, while it lives.
class FontDialogAnswer {
public:
    explicit FontDialogAnswer(std::optional<QFont> font)
        : m_previous(win::setModalResponder([font](QDialog& dialog) {
              if (auto* fonts = qobject_cast<QFontDialog*>(&dialog); fonts && font) {
                  fonts->setCurrentFont(*font);
                  return int(QDialog::Accepted);
              }
              if (auto* action = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction")))
                  action->trigger();
              return int(QDialog::Rejected);
          }))
    {
    }
    ~FontDialogAnswer() { win::setModalResponder(std::move(m_previous)); }
    FontDialogAnswer(const FontDialogAnswer&) = delete;
    FontDialogAnswer& operator=(const FontDialogAnswer&) = delete;

private:
    win::ModalResponder m_previous;
};

} // namespace browsetest
