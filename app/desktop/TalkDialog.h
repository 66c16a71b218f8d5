#pragma once
// TTalk, the Speech dialog: the voice, rate, volume and pitch of the rising announcements,
// the run's announcement switch, "Test" and "Save" (Talk.SQF). The engine's voices are
// asked for only when the dialog is first shown, so a run that never opens it or says
// anything never starts a speech service.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QScrollBar>
#include <functional>

#include "links/SpeechAnnouncer.h"
#include "settings/Notifier.h"

namespace orbivox {

inline const QString kActivateAnnouncementText =
    QStringLiteral("Activate the checkbox \"AOS Announcement\"!");

class TTalk : public QDialog {
public:
    // `announcements` is the run's switch; `workingName` the satellite "Test" announces.
    TTalk(SpeechAnnouncer& announcer, Notifier& notifier, bool& announcements,
          std::function<QString()> workingName, QString talkFile, QWidget* parent);

    // Fills the voices (once) and shows the values in force.
    void Prepare();

private:
    void Apply();
    void Test();
    void Save();

    SpeechAnnouncer& announcer_;
    Notifier& notifier_;
    bool& announcements_;
    std::function<QString()> workingName_;
    QString talkFile_;
    QComboBox* ComboBox2_;
    QScrollBar* ScrollBar1_;  // rate
    QScrollBar* ScrollBar2_;  // volume
    QScrollBar* ScrollBar3_;  // pitch
    QCheckBox* CkbTalk_;
    bool voicesFilled_ = false;
};

}  // namespace orbivox
