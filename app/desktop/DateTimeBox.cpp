// Painting the date and time box at its fixed text positions; repaints only on a change.
#include "app/desktop/DateTimeBox.h"

#include <QPainter>

namespace orbivox {

DateTimeBox::DateTimeBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ptbDatZeit"));
    setAutoFillBackground(true);
}

void DateTimeBox::SetTexts(const QString& date, const QString& time) {
    if (date != date_ || time != time_) {
        date_ = date;
        time_ = time;
        update();
    }
}

QSize DateTimeBox::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(QStringLiteral("00:00:00 U")) + 8,
                 22 + metrics.height() + 3);
}

void DateTimeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int ascent = painter.fontMetrics().ascent();
    painter.drawText(3, 3 + ascent, date_);
    painter.drawText(3, 22 + ascent, time_);
}

}  // namespace orbivox
