#pragma once
// Controls carry the name their form gives them as their objectName, so tests, captures and
// the layout find them by that name:
//
//     cmdOK(win::named(new QPushButton(this), "cmdOK"))
#include <QString>

namespace win {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace win
