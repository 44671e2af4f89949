#include "tradequery/window/GridFont.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/Twips.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/KeyValueText.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/BrowseBase.h"

#include <QFontDialog>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr double kSmallestStoredSize = 1;
constexpr double kLargestStoredSize = 400;
constexpr double kSmallestReportSize = 9;
constexpr double kLargestReportSize = 18;
constexpr long kRowPadding = 30;       // twips above and below the text together
constexpr long kLowestRowHeight = 285;  // twips

// A Boolean as the profile writes it: "True"/"False", or a number (non-zero is true).
bool profileBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || trimmed.isEmpty())
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        throw com::ComError(13, QStringLiteral("BrowseBase"), QStringLiteral("类型不匹配"));
    return number != 0;
}

// "10.5", "9": at most four decimals, no trailing zeros.
QString sizeText(double points)
{
    QString text = QString::number(std::round(points * 10000) / 10000, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The height in twips the label takes for one line of text in the given size.
long measuredTextHeight(QLabel& label, double points)
{
    QFont font = label.font();
    font.setPointSizeF(points);
    label.setFont(font);
    if (label.text().isEmpty())
        label.setText(QStringLiteral("字Ag"));  // a label without a caption has no text height
    label.adjustSize();
    return win::twips::Height(&label);
}

} // namespace

QString StoredGridFont()
{
    return GetUserProfileValue(QLatin1String(kProfileApplication), QLatin1String(BrowseBase::kWindowName),
                               QStringLiteral("GridFont"), QString())
        .toString();
}

QFont GridFontFromProfile(const QString& value, QFont font)
{
    const QString separator = QStringLiteral("|");
    step([&] {
        const QString name = GetKeyValue(value, QStringLiteral("FontName"), separator);
        if (!name.isEmpty())
            font.setFamily(name);
    });
    step([&] {
        bool ok = false;
        const double size = GetKeyValue(value, QStringLiteral("FontSize"), separator).toDouble(&ok);
        // A size no one could have chosen (a damaged value) keeps the grid's own size.
        if (ok && size >= kSmallestStoredSize && size <= kLargestStoredSize)
            font.setPointSizeF(size);
    });
    step([&] { font.setBold(profileBoolean(GetKeyValue(value, QStringLiteral("FontBold"), separator))); });
    step([&] { font.setItalic(profileBoolean(GetKeyValue(value, QStringLiteral("FontItalic"), separator))); });
    return font;
}

void RestoreGridFont(BrowseBase& window)
{
    QString value;
    step([&] { value = StoredGridFont(); });
    if (value.isEmpty()) {
        window.setAppliedFontSize(0);
        step([&] { ApplyReportFontSize(window); });
        return;
    }
    step([&] { window.ldgBase().setFont(GridFontFromProfile(value, window.ldgBase().font())); });
    step([&] { CopyGridFontToTree(window); });
}

QString GridFontText(const QFont& font)
{
    const QString separator = QStringLiteral("|");
    return MakeKeyValue(QStringLiteral("FontName"), font.family(), separator)
           + MakeKeyValue(QStringLiteral("FontSize"), sizeText(font.pointSizeF()), separator)
           + MakeKeyValue(QStringLiteral("FontBold"), font.bold() ? QStringLiteral("1") : QStringLiteral("0"), separator)
           + MakeKeyValue(QStringLiteral("FontItalic"), font.italic() ? QStringLiteral("1") : QStringLiteral("0"),
                          separator);
}

bool ChooseGridFont(BrowseBase& window)
{
    try {
        QFontDialog dialog(window.ldgBase().font(), &window);
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        dialog.setWindowTitle(QStringLiteral("字体"));
        // The dialog offers whole sizes only: a size left as shown keeps the grid's exact one
        // (10.5 stays 10.5 when only the weight is changed).
        const int shownSize = dialog.currentFont().pointSize();
        if (win::runModal(dialog) != QDialog::Accepted)
            return false;
        const QFont chosen = dialog.currentFont();
        if (chosen.family().trimmed().isEmpty() || chosen.pointSizeF() <= 0)
            return false;
        QFont font = window.ldgBase().font();
        font.setFamily(chosen.family());
        if (chosen.pointSize() != shownSize)
            font.setPointSizeF(chosen.pointSizeF());
        font.setBold(chosen.bold());
        font.setItalic(chosen.italic());
        window.ldgBase().setFont(font);
        CopyGridFontToTree(window);
        SaveGridFont(window);
        return true;
    } catch (const com::ComError&) {
        return false;
    }
}

void SaveGridFont(BrowseBase& window)
{
    SaveUserProfileValue(QLatin1String(kProfileApplication), QLatin1String(BrowseBase::kWindowName),
                         QStringLiteral("GridFont"), GridFontText(window.ldgBase().font()));
}

void CopyGridFontToTree(BrowseBase& window)
{
    const QFont grid = window.ldgBase().font();
    QFont font = window.tvwBase().font();
    font.setFamily(grid.family());
    font.setPointSizeF(grid.pointSizeF());
    font.setBold(grid.bold());
    font.setItalic(grid.italic());
    window.tvwBase().setFont(font);
}

void ApplyReportFontSize(BrowseBase& window)
{
    if (!StoredGridFont().isEmpty())
        return;  // a chosen font wins over the report size
    const double size = GetUserSettingValue(GetUserID(), QStringLiteral("RptFontSize"), 9);
    if (size == window.AppliedFontSize())
        return;
    if (size < kSmallestReportSize || size > kLargestReportSize)
        return;
    window.setAppliedFontSize(size);

    long height = kLowestRowHeight;
    if (QLabel* label = window.browseControls().lblFont)
        height = std::max(height, measuredTextHeight(*label, size) + kRowPadding);

    QFont font = window.ldgBase().font();
    font.setPointSizeF(size);
    window.ldgBase().setFont(font);
    controls::Ledger50Grid& grid = window.ldgBase().LedgerGrid();
    if (grid.RowHeight() < height)
        grid.setRowHeight(height);  // a larger row height is kept
    CopyGridFontToTree(window);
}

} // namespace tq
