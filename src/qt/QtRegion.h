#pragma once
// The platform's regional settings for Qt widgets. The settings belong to the thread, as
// on the platform, and the controls of a thread fix their notation (decimal separator,
// date order) when the first of them starts. So the first widget of a thread selects the
// region (the one it was given, otherwise its QLocale's) and later widgets share it.

#include <QLocale>
#include <QString>
#include <string>

namespace quelta::qt {

// "de_DE" becomes "de-DE"; Qt's "C" locale is the platform's default region, en-US.
std::string regionNameOf(const QLocale& locale);

// Selects `region`, or the locale's region when it is empty, unless the thread's controls
// have fixed their notation already.
void selectRegionFor(const QString& region, const QLocale& locale);

}  // namespace quelta::qt
