#pragma once
// The radio families: one descriptor each, in one small registry (RadioFamilies.cpp).
// A descriptor is what the rest of the program asks of a family: its word in TRX.SQF, its
// parameter files for radio 1 and radio 2, its command set, its model records and its
// part of the Radio Setup. No caller outside radio/<family>/ switches on the family or
// compares a model name; each loops over the descriptors or asks a capability.
//
// Adding a family: its folder radio/<family>/ (command set, frames, files, tones, model
// records, descriptor), its value in RadioFamily, one line in the registry; its data files,
// its emulator and its documentation (docs/architecture.md, "Adding a radio family").
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "radio/CatPort.h"
#include "radio/RadioCommandSet.h"
#include "radio/RadioFamily.h"
#include "radio/RadioFiles.h"
#include "radio/SerialPort.h"

namespace orbivox {

// What one radio's family shows in the Radio Setup's two combo boxes: the left one names
// the item, the right one lists its choices.
// Free-text items (Host, NetworkPort, RadioName) have no list of choices: any text the
// family's `choose` takes.
enum class RadioSetupItem {
    Model,
    BaudRate,
    SatelliteMemory,
    Trace,
    Addresses,
    Host,
    NetworkPort,
    VfoStyle,
    RadioName
};

// One parameter file of a family: radio 1's in the configuration folder, radio 2's in its
// Radio2/ subfolder.
struct RadioParameterFile {
    int loaderStep = 0;  // its step in the start-up loader
    const char* name = "";
    // Throws SqfError.
    void (*read)(const QString& path, RadioFiles& files) = nullptr;
    // As the Radio Setup stores it (with the bytes the model fixes). Throws SqfError.
    void (*store)(const QString& path, const RadioFiles& files) = nullptr;
    // The file that names the model, where a family keeps it apart from the other values
    // (otherwise the first file holds it).
    bool holdsModel = false;
};

struct RadioFamilyDescriptor {
    RadioFamily family = RadioFamily::None;
    const char* word = "";   // as TRX.SQF and TRX_Semi.SQF spell it
    const char* label = "";  // its button in the Radio Setup
    int setupRow = 0;        // the row of that button (radio 2's "None" comes first)
    // In the order the Radio Setup stores them.
    QList<RadioParameterFile> radio1Files;
    QList<RadioParameterFile> radio2Files;
    bool reportsPortErrors = true;  // false: errors on its port are passed over
    // Said in the Radio Setup when both radios are chosen of this family; null: nothing.
    const char* bothRadiosMessage = nullptr;
    std::unique_ptr<RadioCommandSet> (*makeCommandSet)(const CommandSetSettings& settings) =
        nullptr;
    // The model records in the Radio Setup's order.
    QList<const RadioModel*> (*models)() = nullptr;
    // The Radio Setup: the items, an item's choices for radio 1 or 2, the chosen value as
    // the combo box shows it, and a choice taken (already checked against the choices).
    // The Icom address pairs are edited by RadioSetup itself.
    QList<RadioSetupItem> setupItems;
    QStringList (*choices)(RadioSetupItem item, int radio) = nullptr;
    QString (*chosen)(const RadioFiles& files, RadioSetupItem item, int radio) = nullptr;
    void (*choose)(RadioFiles& files, RadioSetupItem item, int radio, const QString& choice) =
        nullptr;
    // The RX/TX exchange: radio 1's files as a radio 2's, and radio 2's as a radio 1's
    // (into a copy of radio 1's files).
    void (*radio1AsRadio2)(const RadioFiles& radio1, RadioFiles& radio2) = nullptr;
    void (*radio2AsRadio1)(const RadioFiles& radio2, RadioFiles& radio1) = nullptr;
    // A family reached over the network rather than a serial port: its line for radio 1's
    // files (no port number, baud rate or modem lines). Such a family is radio 1's only.
    std::unique_ptr<CatPort> (*makeNetworkLine)(const RadioFiles& files) = nullptr;
    // The Radio Setup's "Test" of that line: the radio's frequency, or what went wrong.
    QString (*testNetworkLine)(const RadioFiles& files) = nullptr;
    // A free-text item's value as typed: false (and nothing changed) when the family
    // refuses it, with `refusal` saying why.
    bool (*takeText)(RadioFiles& files, RadioSetupItem item, const QString& text,
                     QString* refusal) = nullptr;
};

// Helpers for the descriptors: a record's reader and writer as a parameter file's, a
// record copied between the two radios' files, and the Model and BaudRate items of a record
// with `model` and `baudRate`.
template <class Record, Record (*Read)(const QString&)>
void ReadRecord(const QString& path, RadioFiles& files) {
    files.Set(Read(path));
}
template <class Record, void (*Write)(const QString&, const Record&)>
void WriteRecord(const QString& path, const RadioFiles& files) {
    Write(path, files.Get<Record>());
}
template <class Record>
void CopyRecord(const RadioFiles& from, RadioFiles& to) {
    to.Set(from.Get<Record>());
}
template <class Record>
QString ModelOrBaudRate(const Record& record, RadioSetupItem item) {
    return item == RadioSetupItem::Model ? record.model : record.baudRate;
}
template <class Record>
void SetModelOrBaudRate(Record& record, RadioSetupItem item, const QString& choice) {
    (item == RadioSetupItem::Model ? record.model : record.baudRate) = choice;
}
// A descriptor's `chosen` and `choose` for a family whose items are the model and the baud
// rate of one record, the same for both radios.
template <class Record>
QString ChosenModelOrBaudRate(const RadioFiles& files, RadioSetupItem item, int) {
    return ModelOrBaudRate(files.Get<Record>(), item);
}
template <class Record>
void ChooseModelOrBaudRate(RadioFiles& files, RadioSetupItem item, int, const QString& choice) {
    SetModelOrBaudRate(files.Get<Record>(), item, choice);
}
// A descriptor's `models`: the common part of each of a family's records (a RadioModel, or a
// record holding one as `radio`).
template <class Record, const QList<Record>& (*Records)()>
QList<const RadioModel*> CommonModelRecords() {
    QList<const RadioModel*> models;
    for (const Record& record : Records()) {
        models << &CommonRecord(record);
    }
    return models;
}

// Every family, in the order their files are read and stored.
const QList<const RadioFamilyDescriptor*>& RadioFamilies();
// Null for None.
const RadioFamilyDescriptor* FindRadioFamily(RadioFamily family);
// A family whose radio is reached over the network (its own line), not on a serial port.
bool ReachedOverNetwork(RadioFamily family);

// A family's model names, for its --model list or the Radio Setup; the record of a name
// (null: none).
QStringList ModelNames(const RadioFamilyDescriptor& family);
const RadioModel* FindModel(const RadioFamilyDescriptor& family, const QString& name);

// The command set of a family (radio 1's, or radio 2's with `uplinkRole`); null for None.
std::unique_ptr<RadioCommandSet> MakeCommandSet(RadioFamily family,
                                                const CommandSetSettings& settings);

// For radio 1 or 2 whose parameter file names a model its family does not know: the
// warning naming the file, the name and the model `taken` instead; empty otherwise.
QString UnknownModelWarning(RadioFamily family, const RadioFiles& files, int radio,
                            const QString& taken);

// The line settings of a radio's port (radio 1 or 2): its file's baud text, or 4800 baud
// and two stop bits for the models that need them.
LineSettings LineSettingsFor(RadioFamily family, const RadioFiles& files, int radio);

}  // namespace orbivox
