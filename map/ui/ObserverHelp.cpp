// The help texts of the observer setup items, and the small help window that shows one of them.
#include "map/ui/ObserverHelp.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace orbivox {

QStringList ObserverHelpLines(ObserverItem item) {
    switch (item) {
        case ObserverItem::Altitude:
            return {"  Station altitude (meter):",
                    "    Height of your station above sea level, in meters."};
        case ObserverItem::Locator:
            return {"    Station grid locator:",
                    "    The 6 character Maidenhead locator of your station.",
                    "    Degrees computed from it are those of the centre",
                    "    of the sub square, which may differ slightly from",
                    "    the exact longitude and latitude of your location."};
        case ObserverItem::Longitude:
            return {"    Station longitude (-180..180):", "    Western longitudes are negative.",
                    "    Enter minutes as decimal fractions (minutes/60):",
                    "    140 degrees, 12 minutes East = 140.20",
                    "    96 degrees, 45 minutes West = -96.75"};
        case ObserverItem::Latitude:
            return {"    Station latitude (-90..90):", "    Southern latitudes are negative.",
                    "    Enter minutes as decimal fractions (minutes/60):",
                    "    10 degrees, 45 minutes South = -10.75"};
        case ObserverItem::UtcOffset:
            return {"    UTC offset:",
                    "    The program computes in UTC.",
                    "    auto: the offset is taken from the time zone of the PC.",
                    "    Else enter the hours to subtract from the PC clock",
                    "    to get UTC, within -15 to 15 hours;",
                    "    western time zones are negative."};
        case ObserverItem::SourceMask:
            return {"    Source file mask:",
                    "    Selects the element source files shown in the file list,",
                    "    for example:", "    Orbs????.txt or: Orbs????.*"};
    }
    return {};
}

THilfeObsF::THilfeObsF(ObserverItem item, bool dpi120, QWidget* setup) : QDialog(setup) {
    setObjectName(QStringLiteral("THilfeObsF"));
    setWindowTitle(QStringLiteral("Help"));
    const QStringList lines = ObserverHelpLines(item);
    const int n = static_cast<int>(lines.size());
    text_ = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    text_->setReadOnly(true);
    QFont font = text_->font();
    font.setPointSize(dpi120 ? 9 : 7);
    text_->setFont(font);
    const int textHeight = dpi120 ? (n - 1) * 18 + 23 : (n - 1) * 14 - 4 + 23;
    text_->setFixedHeight(textHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text_);
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    }
    resize(widest + 40, textHeight + (dpi120 ? 40 : 35));
    if (setup) {
        const QPoint at = setup->frameGeometry().topLeft() - QPoint(90, 30);
        const QRect screen = setup->screen() ? setup->screen()->availableGeometry() : QRect();
        move(std::max(at.x(), screen.left()), std::max(at.y(), screen.top()));
    }
}

}  // namespace orbivox
