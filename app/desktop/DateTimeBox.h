#pragma once
// ptbDatZeit: the display time's date at (3, 3) and its time with the zone letter at (3, 22).
#include <QWidget>

namespace orbivox {

class DateTimeBox : public QWidget {
public:
    explicit DateTimeBox(QWidget* parent = nullptr);
    void SetTexts(const QString& date, const QString& time);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString date_;
    QString time_;
};

}  // namespace orbivox
