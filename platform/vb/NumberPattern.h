#pragma once
// Single-section Format$ number patterns made of the placeholders '#' and '0', the decimal
// point '.' and the thousands separator ','.
#include "platform/vb/DecimalDigits.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace vb::detail {

struct NumberPattern {
    int minIntegerDigits = 0;  // placeholders from the first '0' up to the point
    int minDecimals = 0;       // placeholders after the point up to the last '0'
    int maxDecimals = 0;       // all placeholders after the point
    bool hasPoint = false;     // the point is shown even when no decimal follows
    bool grouping = false;     // a ',' between integer placeholders
    int thousandsScale = 0;    // each ',' right before the point (or the end) divides by 1000

    // The pattern when it consists of '#', '0', ',' and '.' only and is well formed;
    // nothing otherwise (another character, a second point, a ',' after the point).
    static std::optional<NumberPattern> parse(QStringView pattern);

    // The text of the number; rounds `number` to the shown decimals first.
    QString format(DecimalDigits number) const;
};

} // namespace vb::detail
