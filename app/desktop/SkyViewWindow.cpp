// The sky view window: the plot and the next-passes table from tracking/SkyView.
#include "app/desktop/SkyViewWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QVBoxLayout>
#include <cmath>

#include "map/SkyPlot.h"
#include "orbit/StationView.h"
#include "orbit/TimeScales.h"
#include "settings/SqfFile.h"
#include "tracking/NextPasses.h"
#include "tracking/SkyView.h"

namespace orbivox {
namespace {

constexpr int kPlotSize = 360;
constexpr double kTableRefreshDays = 60.0 * orbit::kSecondInDays;

}  // namespace

SkyViewWindow::SkyViewWindow(TrackingSession& session, Notifier& notifier, Hooks hooks,
                             QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::Tool),
      session_(session),
      notifier_(notifier),
      hooks_(std::move(hooks)),
      placeFile_(session.folders().ConfigFile(QStringLiteral("SkyView.SQF"))) {
    setObjectName(QStringLiteral("SkyView"));
    setWindowTitle(QStringLiteral("Sky View"));
    auto* layout = new QVBoxLayout(this);
    plot_ = new QLabel(this);
    plot_->setObjectName(QStringLiteral("picSky"));
    plot_->setFixedSize(kPlotSize, kPlotSize);
    layout->addWidget(plot_, 0, Qt::AlignHCenter);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("lstPasses"));
    table_->setColumnCount(static_cast<int>(NextPassTitles(QString()).size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setToolTip(QStringLiteral("Click a pass to work its satellite"));
    table_->setMinimumHeight(180);
    layout->addWidget(table_, 1);
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { RowClicked(row); });
    // Enter on a row works it too, so the list serves the keyboard.
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { RowClicked(row); });
    resize(740, kPlotSize + 300);
}

void SkyViewWindow::OpenFromMenu() {
    show();
    raise();
    activateWindow();
    tableTime_ = 0.0;
    AfterTick();
}

void SkyViewWindow::RestoreAtStart() {
    const SkyViewPlace place = ReadSkyViewPlace(placeFile_);
    if (place.position) {
        move(*place.position);
    }
    if (place.open) {
        show();
        tableTime_ = 0.0;
        AfterTick();
    }
}

void SkyViewWindow::AfterTick() {
    if (!isVisible()) {
        return;
    }
    TrackingEngine& engine = session_.engine();
    if (engine.SelectedCount() == 0) {
        plot_->clear();
        table_->setRowCount(0);
        return;
    }
    DrawPlot();
    const double now = EngineNowUtc(engine);
    if (engine.Selected() != tableSelection_ || engine.WorkingSlot() != tableWorking_ ||
        std::abs(now - tableTime_) >= kTableRefreshDays) {
        FillTable();
    }
}

void SkyViewWindow::DrawPlot() {
    TrackingEngine& engine = session_.engine();
    // The searches switch sets and instants; the tracking cycle gets its own back.
    const orbit::SearchScope scope(engine.View());
    const auto rotor = hooks_.rotorSetPoint ? hooks_.rotorSetPoint() : std::nullopt;
    const SkyPlotContent content = SkyViewContent(engine.Orbit(), SkyViewRequestOf(engine, rotor));
    const SkyPlotStyle style =
        engine.Switches().map.set == MapSet::Political ? SkyPlotStyle::Dark : SkyPlotStyle::Light;
    plot_->setPixmap(QPixmap::fromImage(DrawSkyPlot(content, kPlotSize, style)));
}

void SkyViewWindow::FillTable() {
    TrackingEngine& engine = session_.engine();
    const double now = EngineNowUtc(engine);
    const double shift = EngineZoneShiftDays(engine);
    std::vector<orbit::PassRow> rows;
    {
        const orbit::SearchScope scope(engine.View());
        rows = NextDayPasses(engine.Orbit(), engine.Selected(), engine.View().Site(), now);
    }
    const QList<NextPassLine> lines = NextPassLines(rows, shift);
    const QString zone =
        std::abs(shift) < orbit::kSecondInDays ? QStringLiteral("UTC") : QStringLiteral("local");
    table_->setHorizontalHeaderLabels(NextPassTitles(zone));
    table_->setRowCount(static_cast<int>(lines.size()));
    rowSets_.clear();
    const int working = engine.WorkingSetIndex();
    for (int r = 0; r < lines.size(); ++r) {
        const NextPassLine& l = lines[r];
        const QStringList cells = NextPassCells(l);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (IsNextPassNumberColumn(c)) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            QFont font = item->font();
            font.setBold(l.setIndex == working);
            item->setFont(font);
            table_->setItem(r, c, item);
        }
        rowSets_.push_back(l.setIndex);
    }
    table_->resizeColumnsToContents();
    tableSelection_ = engine.Selected();
    tableWorking_ = engine.WorkingSlot();
    tableTime_ = now;
}

void SkyViewWindow::RowClicked(int row) {
    if (row < 0 || row >= static_cast<int>(rowSets_.size()) || !hooks_.selectWorking) {
        return;
    }
    const std::vector<int>& selected = session_.engine().Selected();
    for (size_t slot = 0; slot < selected.size(); ++slot) {
        if (selected[slot] == rowSets_[static_cast<size_t>(row)]) {
            hooks_.selectWorking(static_cast<int>(slot));
            AfterTick();
            return;
        }
    }
}

void SkyViewWindow::StoreAtQuit() {
    Store(isVisible());
    quitting_ = true;
}

void SkyViewWindow::closeEvent(QCloseEvent* event) {
    // Closed by the operator it stays closed; closed with the program it opens again.
    if (!quitting_) {
        Store(false);
    }
    event->accept();
}

void SkyViewWindow::Store(bool open) {
    try {
        WriteSkyViewPlace(placeFile_, {open, pos()});
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
    }
}

}  // namespace orbivox
