#pragma once
// ptbDatZeit: the display time's date at (3, 3) and its time with the zone letter at (3, 22).
#include <QWidget>

namespace orbivox {

class DateTimeBox : public QWidget {
public:
    explicit DateTimeBox(QWidget* parent = nullptr);
    void SetTexts(const QString& date, const QString& time);
    const QString& date() const { return date_; }
    const QString& time() const { return time_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString date_;
    QString time_;
};

}  // namespace orbivox
