#pragma once
// A label that reports left clicks while enabled: the main window's letter buttons and its
// radio switches (lblCat, lblVFO, lblTxRx) are labels of this kind.
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace orbivox {

class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (isEnabled() && event->button() == Qt::LeftButton && onClick_) {
            onClick_();
        }
    }

private:
    std::function<void()> onClick_;
};

}  // namespace orbivox
