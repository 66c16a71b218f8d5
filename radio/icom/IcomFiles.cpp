// Reading and writing the CI-V files of both radios (address pairs skip ";" and blank lines),
// and the VFO bytes that go with each radio 1 model.
#include "radio/icom/IcomFiles.h"

#include "radio/HexByte.h"
#include "settings/SqfFile.h"

namespace orbivox {

QString AddressPairText(const IcomAddressPair& pair) {
    return QLatin1Char(' ') + DollarHexByte(pair.receive) + QStringLiteral("    ") +
           DollarHexByte(pair.transmit);
}

QStringList AddressPairTexts(const QList<IcomAddressPair>& pairs) {
    QStringList texts;
    for (const IcomAddressPair& pair : pairs) {
        texts << AddressPairText(pair);
    }
    return texts;
}

IcomParameters ReadIcomParameters(const QString& path) {
    SqfReader file(path);
    IcomParameters parameters;
    parameters.baudRate = file.Text();
    const QStringList& lines = file.lines();
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char(';')) || line.trimmed().isEmpty()) {
            continue;
        }
        parameters.addressPairs.append(
            {ReadHexByte(file, line, 0, 3, i + 1), ReadHexByte(file, line, 4, 3, i + 1)});
    }
    return parameters;
}

void WriteIcomParameters(const QString& path, const IcomParameters& parameters) {
    SqfWriter writer;
    writer.Text(parameters.baudRate);
    for (const IcomAddressPair& pair : parameters.addressPairs) {
        writer.Text(DollarHexByte(pair.receive) + QLatin1Char(',') + DollarHexByte(pair.transmit));
    }
    writer.Commit(path);
}

IcomModel ReadIcomModel(const QString& path) {
    SqfReader file(path);
    IcomModel model;
    model.model = file.Text();
    const QString sub = file.Text();
    model.subVfo = ReadHexByte(file, sub, 0, sub.size(), 2);
    const QString main = file.Text();
    model.mainVfo = ReadHexByte(file, main, 0, main.size(), 3);
    return model;
}

void WriteIcomModel(const QString& path, const IcomModel& model) {
    SqfWriter()
        .Text(model.model)
        .Text(DollarHexByte(model.subVfo))
        .Text(DollarHexByte(model.mainVfo))
        .Commit(path);
}

IcomModel IcomVfoBytesForModel(IcomModel model) {
    const IcomModelRecord* record = FindIcomModel(model.model);
    model.subVfo = record != nullptr ? record->subVfo : 0x01;
    model.mainVfo = record != nullptr ? record->mainVfo : 0x00;
    return model;
}

SecondIcomParameters ReadSecondIcomParameters(const QString& path) {
    SqfReader file(path);
    SecondIcomParameters parameters;
    parameters.baudRate = file.Text();
    parameters.address = ReadHexByte(file, file.Text(), 0, 3, 2);
    return parameters;
}

void WriteSecondIcomParameters(const QString& path, const SecondIcomParameters& parameters) {
    SqfWriter().Text(parameters.baudRate).Text(DollarHexByte(parameters.address)).Commit(path);
}

QString ReadSecondIcomModel(const QString& path) {
    SqfReader file(path);
    return file.Text();
}

void WriteSecondIcomModel(const QString& path, const QString& model) {
    SqfWriter().Text(model).Commit(path);
}

}  // namespace orbivox
