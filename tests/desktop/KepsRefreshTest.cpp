// The main window fetching its group's old elements by itself from a local HTTP server: a new
// file read at once with the working satellite kept and no "Update Keps" offer, and a failed
// fetch that leaves file, selection and working satellite as they were.
#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "app/desktop/KepsRefresh.h"
#include "app/desktop/MainWindow.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/BundledData.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/Spin.h"

namespace orbivox {
namespace {

// The element file with its sets in the opposite order: every set moves.
QByteArray Reversed(const QByteArray& elements) {
    const QList<QByteArray> lines = elements.trimmed().split('\n');
    QByteArray out;
    for (qsizetype first = lines.size() - 3; first >= 0; first -= 3) {
        out += lines[first] + '\n' + lines[first + 1] + '\n' + lines[first + 2] + '\n';
    }
    return out;
}

class KepsRefreshTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        SqfWriter().Lines({server_.Url("/amateur.txt")}).Commit(folders_.MainFile("Celestrak.SQF"));
        const QString satStart = folders_.ConfigFile("SatStart.SQF");
        QStringList lines = ReadSqfLines(satStart);
        lines[23] = "+7";
        SqfWriter().Lines(lines).Commit(satStart);
    }

    QString Stored() const { return folders_.MainFile("Kepler/amateur.txt"); }

    // The window 100 days after the elements, after its first tick.
    void OpenWindow() {
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
        window_ = std::make_unique<TAusgabe>(*session_, messages_, files_, screen_);
        window_->StartTracking();
        window_->Timer1().stop();
    }

    // Makes B the working satellite and lets the start's refresh run to its end.
    void OpenAndRefresh() {
        OpenWindow();
        SelectionState selection = session_->selection();
        selection.workingSlot = 1;
        session_->ApplySelection(selection);
        workingName_ = session_->engine().WorkingName();
        window_->OfferFreshElements();
        ASSERT_TRUE(window_->kepsRefresh().busy());
        ASSERT_TRUE(Spin([this] { return !window_->kepsRefresh().busy(); }));
    }

    orbit::FixedClock clock_{46256.0 + 100.0, 46256.0 + 100.0};
    LocalHttpServer server_;
    RecordingNotifier messages_;
    ScriptedFileChooser files_;
    FixedScreen screen_;
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<TAusgabe> window_;
    std::string workingName_;
};

TEST_F(KepsRefreshTest, ANewFileIsReadAtOnceKeepingTheWorkingSatellite) {
    Answer fresh;
    fresh.body = Reversed(ReadBytes(Stored()));
    server_.Serve("/amateur.txt", fresh);
    OpenAndRefresh();
    EXPECT_EQ(ReadBytes(Stored()), fresh.body);
    EXPECT_TRUE(messages_.questions.isEmpty()) << messages_.texts.join("|").toStdString();  // no "Update Keps" offer
    EXPECT_EQ(session_->engine().WorkingSlot(), 1);
    EXPECT_EQ(session_->engine().WorkingName(), workingName_);
    const orbit::SetTable& sets = session_->engine().Orbit().Sets();
    for (int slot = 0; slot < session_->selection().SelectedCount(); ++slot) {
        const int index = session_->selection().selected[static_cast<size_t>(slot)];
        EXPECT_EQ(QString::fromStdString(sets[index].name).trimmed(),
                  session_->members()[slot].name.trimmed());
    }
    EXPECT_TRUE(window_->kepsRefresh().panel()->text().endsWith("fresh elements"));
}

TEST_F(KepsRefreshTest, AFailedFetchLeavesEverythingAsItWas) {
    Answer broken;
    broken.status = 500;
    broken.reason = "Internal Server Error";
    server_.Serve("/amateur.txt", broken);
    const QByteArray file = ReadBytes(Stored());
    OpenAndRefresh();
    const std::vector<int> selected = session_->selection().selected;
    EXPECT_EQ(ReadBytes(Stored()), file);
    EXPECT_EQ(session_->selection().selected, selected);
    EXPECT_EQ(session_->engine().WorkingSlot(), 1);
    EXPECT_EQ(session_->engine().WorkingName(), workingName_);
    EXPECT_TRUE(messages_.questions.isEmpty()) << messages_.texts.join("|").toStdString();
    EXPECT_TRUE(window_->kepsRefresh().panel()->text().contains("Download failed"))
        << window_->kepsRefresh().panel()->text().toStdString();
}

// Off (the default, and what a file without line 24 reads as): the old elements are offered
// for "Update Keps" as before and nothing is fetched.
TEST_F(KepsRefreshTest, OffNothingIsFetched) {
    const QString satStart = folders_.ConfigFile("SatStart.SQF");
    SqfWriter().Lines(ReadSqfLines(satStart).mid(0, 23)).Commit(satStart);
    messages_.answer = false;
    OpenWindow();
    window_->OfferFreshElements();
    EXPECT_FALSE(window_->kepsRefresh().busy());
    EXPECT_EQ(messages_.questions.size(), 1);
    EXPECT_TRUE(server_.requests().isEmpty());
}

}  // namespace
}  // namespace orbivox
