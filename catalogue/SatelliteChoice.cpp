// The satellites dialog's logic: opening a source file and matching the group to its sets,
// editing the chosen list, switching groups with the way back, and the stores made on OK.
#include "catalogue/SatelliteChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "catalogue/ElementFileReader.h"
#include "settings/SqfFile.h"

namespace orbivox {

SatelliteChoice::SatelliteChoice(CatalogueContext context, orbit::ElementReadOptions readOptions)
    : context_(std::move(context)),
      readOptions_(std::move(readOptions)),
      sets_(std::make_unique<orbit::SetTable>()) {}

void SatelliteChoice::Open(const SelectionState& running, bool fromMenu) {
    running_ = running;
    fromMenu_ = fromMenu;
    deletedSinceOpen_ = false;
    outcome_ = ChoiceOutcome::Open;
    group_ = running.group;
    groupIndex_ = running.groupIndex;
    sourceFile_ = running.sourceFile;
    workingSlot_ = running.workingSlot;
    remembered_ = {group_, groupIndex_, sourceFile_};
    if (SourceExists()) {
        ChooseSourceFile(sourceFile_);
    } else {
        sets_->SetCount(0);
        allNames_.clear();
        filter_ = {};
        chosen_.clear();
        selected_.clear();
        info_.clear();
        okEnabled_ = false;
        displayEnabled_ = false;
    }
}

QString SatelliteChoice::sourceFolder() const {
    return sourceFile_.isEmpty() ? context_.configFolder : QFileInfo(sourceFile_).absolutePath();
}

QStringList SatelliteChoice::SourceFiles() const {
    QStringList files = QDir(sourceFolder())
                            .entryList(MaskPatterns(context_.sourceMask), QDir::Files,
                                       QDir::Name | QDir::IgnoreCase);
    // A file opened by hand may not fit the mask; it is listed all the same.
    const QString own = QFileInfo(sourceFile_).fileName();
    if (!own.isEmpty() && QFileInfo(sourceFile_).isFile() && !files.contains(own)) {
        files.append(own);
    }
    return files;
}

QString SatelliteChoice::SourceDateText() const {
    const QDateTime stamp = QFileInfo(sourceFile_).lastModified();
    // Date and time to the minute; a cut after a fixed count of characters would split the
    // minutes in some locales.
    return stamp.isValid() ? QLocale::system().toString(stamp, QLocale::ShortFormat) : QString();
}

QString SatelliteChoice::GroupFilePath() const {
    return FindGroupFile(context_.configFolder, group_);
}

std::vector<std::string> SatelliteChoice::SetNames() const {
    std::vector<std::string> names;
    for (int i = 1; i <= sets_->Count(); ++i) {
        names.push_back((*sets_)[i].name);
    }
    return names;
}

bool SatelliteChoice::ChooseSourceFile(const QString& path) {
    sourceFile_ = path;
    const orbit::ElementReadResult read =
        ReadElementFileByContent(path.toStdString(), *sets_, readOptions_);
    if (!read.fileRead || read.format == orbit::ElementFormat::None) {
        sets_->SetCount(0);
        allNames_.clear();
        filter_ = {};
        chosen_.clear();
        selected_.clear();
        // A file that is there but cannot be read (a folder, too large) says why.
        info_ = read.fileRead || !QFileInfo::exists(path) ? NoDataInfo(QFileInfo(path).fileName())
                                                          : QString::fromStdString(read.error);
        okEnabled_ = false;
        displayEnabled_ = false;
        return false;
    }
    allNames_.clear();
    for (const std::string& name : read.names) {
        allNames_.append(QString::fromStdString(name));
    }
    QList<GroupMember> members;
    try {
        members = ReadGroupFile(GroupFilePath());
    } catch (const SqfError&) {
        // A group without its file starts with an empty choice.
    }
    chosen_.clear();
    for (const GroupMember& member : members) {
        if (allNames_.contains(member.name)) {
            chosen_.append(member);
        }
    }
    allNames_.sort(Qt::CaseInsensitive);
    filter_ = SatelliteFilter(allNames_, *sets_);
    displayEnabled_ = true;
    Rematch();
    return true;
}

void SatelliteChoice::Rematch() {
    selected_ = MatchSelection(chosen_, SetNames());
    if (selected_.empty()) {
        chosen_.clear();
        info_ = kSelectSatellitesInfo;
        okEnabled_ = false;
    } else {
        info_.clear();
        okEnabled_ = true;
    }
    if (!fromMenu_ || deletedSinceOpen_) {
        workingSlot_ = selected_.empty() ? -1 : 0;
    }
}

SatelliteChoice::AddResult SatelliteChoice::AddSatellite(const QString& name) {
    if (chosen_.size() >= kMaxGroupMembers) {
        return AddResult::TooMany;
    }
    for (const GroupMember& member : chosen_) {
        if (member.name == name) {
            return AddResult::AlreadyChosen;
        }
    }
    chosen_.append({name, true});
    Rematch();
    return AddResult::Added;
}

void SatelliteChoice::DeleteEntry(int row) {
    if (row < 0 || row >= chosen_.size()) {
        return;
    }
    chosen_.removeAt(row);
    selected_ = MatchSelection(chosen_, SetNames());
    deletedSinceOpen_ = true;
    workingSlot_ = -1;
    okEnabled_ = !chosen_.isEmpty();
}

void SatelliteChoice::ToggleOnMap(int row) {
    if (row >= 0 && row < chosen_.size()) {
        chosen_[row].onMap = !chosen_[row].onMap;
    }
}

SelectionState SatelliteChoice::Current(int workingSlot) const {
    SelectionState state;
    state.group = group_;
    state.groupIndex = groupIndex_;
    state.sourceFile = sourceFile_;
    state.members = chosen_;
    state.selected = selected_;
    state.workingSlot = workingSlot;
    return state;
}

SelectionState SatelliteChoice::ActivateEntry(int row) {
    if (row >= 0 && row < static_cast<int>(selected_.size())) {
        workingSlot_ = row;
    }
    outcome_ = ChoiceOutcome::Activated;
    result_ = Current(workingSlot_);
    return result_;
}

SelectionState SatelliteChoice::Accept() {
    QStringList sources;
    try {
        sources = ReadSourceList(context_.sourceListPath);
    } catch (const SqfError&) {
        // A missing list is written afresh.
    }
    WriteSourceList(context_.sourceListPath, sources, groupIndex_, sourceFile_);
    WriteGroupFile(GroupFilePath(), chosen_);
    SelectionState state = Current(-1);
    state.members = ReadGroupFile(GroupFilePath());
    state.selected = MatchSelection(state.members, SetNames());
    const int count = state.SelectedCount();
    const bool keep = fromMenu_ && !deletedSinceOpen_ && workingSlot_ >= 0 && workingSlot_ < count;
    state.workingSlot = keep ? workingSlot_ : (count > 0 ? 0 : -1);
    chosen_ = state.members;
    selected_ = state.selected;
    workingSlot_ = state.workingSlot;
    outcome_ = ChoiceOutcome::Accepted;
    result_ = state;
    return state;
}

SelectionState SatelliteChoice::Cancel() {
    outcome_ = ChoiceOutcome::Cancelled;
    result_ = running_;
    return running_;
}

int SatelliteChoice::DisplayStartIndex() const {
    if (workingSlot_ >= 0 && workingSlot_ < static_cast<int>(selected_.size())) {
        return selected_[static_cast<size_t>(workingSlot_)];
    }
    return selected_.empty() ? 1 : selected_.front();
}

QStringList SatelliteChoice::ReadGroups() const {
    try {
        return ReadGroupList(QDir(context_.configFolder).filePath(QStringLiteral("SatFiles.SQF")));
    } catch (const SqfError&) {
        return {};
    }
}

void SatelliteChoice::GroupListChanged() {
    const QStringList groups = ReadGroups();
    for (auto [name, index] :
         {std::pair{&group_, &groupIndex_}, std::pair{&running_.group, &running_.groupIndex},
          std::pair{&remembered_.group, &remembered_.groupIndex}}) {
        const qsizetype found = groups.indexOf(*name);
        if (found >= 0) {
            *index = static_cast<int>(found);
        }
    }
}

void SatelliteChoice::BeginGroupChoice() {
    remembered_ = {group_, groupIndex_, sourceFile_};
}

bool SatelliteChoice::SwitchGroup(int index, QString* message) {
    const QStringList groups = ReadGroups();
    if (index < 0 || index >= groups.size()) {
        return false;
    }
    const QString& name = groups[index];
    if (!QFileInfo::exists(FindGroupFile(context_.configFolder, name))) {
        if (message != nullptr) {
            *message = MissingGroupFileMessage(name);
        }
        return false;
    }
    group_ = name;
    groupIndex_ = index;
    QStringList sources;
    try {
        sources = ReadSourceList(context_.sourceListPath);
    } catch (const SqfError&) {
        // No list: the group has no source yet and the operator is asked for one.
    }
    sourceFile_ = ResolveSourcePath(sources.value(index), context_.mainDataFolder);
    return true;
}

bool SatelliteChoice::SourceExists() const {
    return !sourceFile_.isEmpty() && QFileInfo(sourceFile_).isFile();
}

void SatelliteChoice::RestoreGroup() {
    group_ = remembered_.group;
    groupIndex_ = remembered_.groupIndex;
    sourceFile_ = remembered_.sourceFile;
    if (SourceExists()) {
        ChooseSourceFile(sourceFile_);
    }
}

bool SatelliteChoice::FinishGroupSwitch() {
    ChooseSourceFile(sourceFile_);
    workingSlot_ = selected_.empty() ? -1 : 0;
    return !selected_.empty();
}

SelectionState SatelliteChoice::TakeGroup() {
    outcome_ = ChoiceOutcome::GroupSwitched;
    result_ = Current(selected_.empty() ? -1 : 0);
    return result_;
}

}  // namespace orbivox
