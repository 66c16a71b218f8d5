#pragma once
// The desktop program's screen metrics: the screen the main window stands on (the primary
// screen before it has one).
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "settings/ScreenMetrics.h"

namespace orbivox {

class WindowScreen : public ScreenMetrics {
public:
    explicit WindowScreen(const QWidget* window = nullptr) : window_(window) {}
    void SetWindow(const QWidget* window) { window_ = window; }

    int LogicalDpi() const override {
        const QScreen* s = Screen();
        return s ? qRound(s->logicalDotsPerInchX()) : 96;
    }
    QSize WorkArea() const override {
        const QScreen* s = Screen();
        return s ? s->availableGeometry().size() : QSize();
    }
    QPoint WorkAreaOrigin() const override {
        const QScreen* s = Screen();
        return s ? s->availableGeometry().topLeft() : QPoint();
    }
    int ScreenWidth() const override {
        const QScreen* s = Screen();
        return s ? s->geometry().width() : 0;
    }

private:
    const QScreen* Screen() const {
        if (window_ && window_->screen()) {
            return window_->screen();
        }
        return QGuiApplication::primaryScreen();
    }
    QPointer<const QWidget> window_;
};

}  // namespace orbivox
