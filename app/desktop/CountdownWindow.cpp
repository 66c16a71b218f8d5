// The countdown window's controls and where it stands.
#include "app/desktop/CountdownWindow.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "map/WindowSizes.h"
#include "settings/SqfFile.h"

namespace orbivox {

TCountDown::TCountDown(CountdownControl& control, Notifier& notifier, const ScreenMetrics& screen,
                       QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint),
      control_(control),
      notifier_(notifier),
      screen_(screen),
      main_(mainWindow) {
    setObjectName(QStringLiteral("TCountDown"));
    setWindowTitle(QStringLiteral("CountDown"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const CountdownSettings& s = control_.Settings();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* headings = new QLabel(QStringLiteral("Satellite     AOS/LOS  maxE"), this);
    headings->setFont(fixed);
    layout->addWidget(headings);
    lstCountDown_ = new QListWidget(this);
    lstCountDown_->setObjectName(QStringLiteral("lstCountDown"));
    lstCountDown_->setFont(fixed);
    lstCountDown_->setSelectionMode(QAbstractItemView::MultiSelection);
    lstCountDown_->setFocusPolicy(Qt::NoFocus);
    // Clicking only redraws: the highlight says who is up, not what was clicked.
    connect(lstCountDown_, &QListWidget::itemClicked, this, [this] { Draw(); });
    layout->addWidget(lstCountDown_);

    ChkCountDown_ = new QCheckBox(QStringLiteral("Open Window at Program Start"), this);
    ChkCountDown_->setObjectName(QStringLiteral("ChkCountDown"));
    ChkCountDown_->setChecked(s.openAtStart);
    connect(ChkCountDown_, &QCheckBox::toggled, this,
            [this](bool on) { control_.SetOpenAtStart(on); });
    layout->addWidget(ChkCountDown_);
    chkDock_ = new QCheckBox(QStringLiteral("Attach to Main Window"), this);
    chkDock_->setObjectName(QStringLiteral("chkDock"));
    chkDock_->setChecked(s.attached);
    layout->addWidget(chkDock_);

    auto* offsets = new QGridLayout;
    UpDCal_ = new QSpinBox(this);
    UpDCal_->setObjectName(QStringLiteral("UpDCal"));
    UpDCalTop_ = new QSpinBox(this);
    UpDCalTop_->setObjectName(QStringLiteral("UpDCalTop"));
    for (QSpinBox* spin : {UpDCal_, UpDCalTop_}) {
        spin->setRange(-30, 30);
    }
    UpDCal_->setValue(s.horizontalOffset);
    // The vertical spinner moves the window up when its value goes up.
    UpDCalTop_->setValue(-s.verticalOffset);
    offsets->addWidget(new QLabel(QStringLiteral("Calibr."), this), 0, 0);
    offsets->addWidget(UpDCal_, 0, 1);
    offsets->addWidget(new QLabel(QStringLiteral("Position"), this), 1, 0);
    offsets->addWidget(UpDCalTop_, 1, 1);
    UpdMinEl_ = new QSpinBox(this);
    UpdMinEl_->setObjectName(QStringLiteral("UpdMinEl"));
    UpdMinEl_->setRange(0, 90);
    UpdMinEl_->setValue(static_cast<int>(s.MinElevationDegrees()));
    auto* memMinEl = new QLabel(QStringLiteral("Minimum\nElevation"), this);
    memMinEl->setObjectName(QStringLiteral("MemMinEl"));
    offsets->addWidget(memMinEl, 0, 2, 2, 1);
    offsets->addWidget(UpdMinEl_, 0, 3, 2, 1);
    layout->addLayout(offsets);

    auto* order = new QGroupBox(QStringLiteral(" Sort Satellites by "), this);
    order->setObjectName(QStringLiteral("rgpSatOrder"));
    auto* orderLayout = new QHBoxLayout(order);
    byLetters_ = new QRadioButton(QStringLiteral("Ident Letters"), order);
    byTimes_ = new QRadioButton(QStringLiteral("AOS/LOS Times"), order);
    (s.sortByLetters ? byLetters_ : byTimes_)->setChecked(true);
    orderLayout->addWidget(byLetters_);
    orderLayout->addWidget(byTimes_);
    layout->addWidget(order);

    cmdOK_ = new QPushButton(QStringLiteral("Store"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setToolTip(QStringLiteral("Execute and save changes,  save last screen position"));
    layout->addWidget(cmdOK_);

    const bool attached = s.attached;
    UpDCal_->setEnabled(attached);
    UpDCalTop_->setEnabled(attached);
    connect(chkDock_, &QCheckBox::toggled, this, [this](bool on) {
        control_.SetAttached(on);
        UpDCal_->setEnabled(on);
        UpDCalTop_->setEnabled(on);
        if (on) {
            Attach();
        }
    });
    connect(UpDCal_, &QSpinBox::valueChanged, this, [this] { OffsetsChanged(); });
    connect(UpDCalTop_, &QSpinBox::valueChanged, this, [this] { OffsetsChanged(); });
    connect(byLetters_, &QRadioButton::toggled, this, [this](bool on) {
        control_.SetSortByLetters(on);
        Draw();
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { Store(); });
}

void TCountDown::OffsetsChanged() {
    control_.SetOffsets(UpDCal_->value(), -UpDCalTop_->value());
    Attach();
}

void TCountDown::OpenFromMenu() {
    control_.Compute();
    Draw();
    const int rows = lstCountDown_->count();
    const int rowHeight = lstCountDown_->fontMetrics().height() + 2;
    lstCountDown_->setFixedHeight((rows + 1) * rowHeight + 6);
    adjustSize();
    Open();
}

void TCountDown::Open() {
    control_.SetOpened();
    if (lstCountDown_->count() == 0) {
        control_.Compute();
        Draw();
    }
    ShowAt();
    show();
    raise();
}

void TCountDown::ShowAt() {
    if (control_.Settings().attached) {
        Attach();
    } else {
        PlaceFrame(QPoint(control_.Settings().left, control_.Settings().top));
    }
}

const QWidget& TCountDown::Framed() const {
    return frameGeometry() != geometry() ? static_cast<const QWidget&>(*this) : *main_;
}

QSize TCountDown::FrameSize() {
    // Not shown yet: the size it will show with.
    if (!isVisible() && !testAttribute(Qt::WA_Resized)) {
        adjustSize();
    }
    const QWidget& framed = Framed();
    return size() + (framed.frameGeometry().size() - framed.geometry().size());
}

void TCountDown::PlaceFrame(QPoint at) {
    // The stored place and the attached one are the frame's, as pos() gives it to "Store".
    // The inside is placed, which every platform does as asked, where the frame puts it.
    const QRect frame(at, FrameSize());
    const QWidget& framed = Framed();
    const QPoint toInside = framed.geometry().topLeft() - framed.frameGeometry().topLeft();
    const QPoint inside =
        KeepInsideWorkArea(frame, QRect(screen_.WorkAreaOrigin(), screen_.WorkArea()));
    setGeometry(QRect(inside + toInside, size()));
}

void TCountDown::Draw() {
    lstCountDown_->clear();
    for (const CountdownRow& row : control_.Rows()) {
        auto* item = new QListWidgetItem(QString::fromStdString(row.text), lstCountDown_);
        item->setSelected(row.highlighted);
    }
    lstCountDown_->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
}

void TCountDown::Attach() {
    if (!control_.Settings().attached) {
        return;
    }
    lastMainFrame_ = main_->frameGeometry();
    const CountdownSettings& s = control_.Settings();
    PlaceFrame(AttachedPosition(lastMainFrame_, FrameSize(),
                                QRect(screen_.WorkAreaOrigin(), screen_.WorkArea()),
                                s.horizontalOffset, s.verticalOffset));
}

void TCountDown::FollowMainWindow() {
    if (isVisible() && control_.Settings().attached && main_->frameGeometry() != lastMainFrame_) {
        Attach();
    }
}

void TCountDown::Store() {
    try {
        control_.Store(UpdMinEl_->value(), pos());
    } catch (const SqfError& error) {
        notifier_.Error(QString::fromUtf8(error.what()));
        return;
    }
    Draw();
}

}  // namespace orbivox
