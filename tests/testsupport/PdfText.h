#pragma once
// A printed PDF's text as pdftotext reads it back, page by page (pages split at form feeds):
// the radical look-alikes it gives for some ideographs folded back (NFKC, 页, 民) and blanks
// dropped, since the extractor places them by layout.
#include <QStringList>

namespace testsupport {

QStringList pdfPages(const QString& path);

} // namespace testsupport
