#include "qt/QtRegion.h"

#include "control/QueltaThreadData.h"
#include "platform/region/RegionalSettings.h"

namespace quelta::qt {

std::string regionNameOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return "en-US";
    return locale.name().replace(QLatin1Char('_'), QLatin1Char('-')).toStdString();
}

void selectRegionFor(const QString& region, const QLocale& locale) {
    if (threadData().DecimalSeparatorCode != 0) return;
    const std::string wanted = region.isEmpty() ? regionNameOf(locale) : region.toStdString();
    if (currentRegionalSettings().regionName != wanted) selectRegion(wanted);
}

}  // namespace quelta::qt
