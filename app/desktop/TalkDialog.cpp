// The Speech dialog's controls: every change goes to the engine at once.
#include "app/desktop/TalkDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/SqfFile.h"

namespace orbivox {

TTalk::TTalk(SpeechAnnouncer& announcer, Notifier& notifier, bool& announcements,
             std::function<QString()> workingName, QString talkFile, QWidget* parent)
    : QDialog(parent),
      announcer_(announcer),
      notifier_(notifier),
      announcements_(announcements),
      workingName_(std::move(workingName)),
      talkFile_(std::move(talkFile)) {
    setObjectName(QStringLiteral("TTalk"));
    setWindowTitle(QStringLiteral("Speech"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    ComboBox2_ = new QComboBox(this);
    ComboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    form->addRow(QStringLiteral("Voice"), ComboBox2_);
    auto bar = [this, form](const char* name, const char* label, int low, int high) {
        auto* scroll = new QScrollBar(Qt::Horizontal, this);
        scroll->setObjectName(QString::fromLatin1(name));
        scroll->setRange(low, high);
        scroll->setMinimumWidth(160);
        form->addRow(QString::fromLatin1(label), scroll);
        connect(scroll, &QScrollBar::valueChanged, this, [this] { Apply(); });
        return scroll;
    };
    ScrollBar1_ = bar("ScrollBar1", "Rate", -10, 10);
    ScrollBar2_ = bar("ScrollBar2", "Volume", 0, 100);
    ScrollBar3_ = bar("ScrollBar3", "Pitch", -10, 10);
    layout->addLayout(form);
    CkbTalk_ = new QCheckBox(QStringLiteral("AOS Announcement"), this);
    CkbTalk_->setObjectName(QStringLiteral("CkbTalk"));
    layout->addWidget(CkbTalk_);
    layout->addWidget(
        new QLabel(QStringLiteral("(activates /de-activates  speech function temporarily)"), this));
    auto* buttons = new QHBoxLayout;
    auto* test = new QPushButton(QStringLiteral("Test"), this);
    test->setObjectName(QStringLiteral("Button1"));
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(test);
    buttons->addWidget(save);
    layout->addLayout(buttons);

    connect(ComboBox2_, &QComboBox::currentIndexChanged, this, [this] { Apply(); });
    connect(CkbTalk_, &QCheckBox::toggled, this, [this](bool on) { announcements_ = on; });
    connect(test, &QPushButton::clicked, this, [this] { Test(); });
    connect(save, &QPushButton::clicked, this, [this] { Save(); });
}

void TTalk::Prepare() {
    const SpeechSettings s = announcer_.Settings();
    const QSignalBlocker blockCombo(ComboBox2_);
    if (!voicesFilled_) {
        // An engine still looking for its voices has none yet: the next opening fills them.
        const QStringList voices = announcer_.VoiceNames();
        ComboBox2_->addItems(voices);
        voicesFilled_ = !voices.isEmpty();
    }
    ComboBox2_->setCurrentIndex(s.voice < ComboBox2_->count() ? s.voice : 0);
    for (auto [scroll, value] : {std::pair{ScrollBar1_, s.rate}, std::pair{ScrollBar2_, s.volume},
                                 std::pair{ScrollBar3_, s.pitch}}) {
        const QSignalBlocker block(scroll);
        scroll->setValue(value);
    }
    CkbTalk_->setChecked(announcements_);
}

void TTalk::Apply() {
    SpeechSettings s;
    s.voice = std::max(0, ComboBox2_->currentIndex());
    s.rate = ScrollBar1_->value();
    s.volume = ScrollBar2_->value();
    s.pitch = ScrollBar3_->value();
    announcer_.SetSettings(s);
}

void TTalk::Test() {
    if (!announcements_) {
        notifier_.Message(kActivateAnnouncementText);
        return;
    }
    Apply();
    announcer_.Announce(workingName_ ? workingName_() : QString());
}

void TTalk::Save() {
    try {
        announcer_.Save(talkFile_);
    } catch (const SqfError& error) {
        notifier_.Error(QString::fromUtf8(error.what()));
    }
}

}  // namespace orbivox
