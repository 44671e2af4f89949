#pragma once
// Where tests leave pictures of what a person would see, for review: build/screenshots, beside
// the build's bin folder. Saving a picture is never what a test asserts.
#include <QWidget>

namespace testsupport {

// Saves a picture of the widget as it is painted now; true when the file was written.
bool saveScreenshot(QWidget& widget, const QString& fileName);

} // namespace testsupport
