// The catalogue's own files: the bytes read as a group list, a group file, a source list
// and the satellite names list, and the names list asked for a name.
#include "catalogue/GroupFiles.h"
#include "catalogue/SatelliteNames.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "settings/SqfFile.h"

namespace orbivox::fuzz {

void FuzzCatalogueFiles(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = WriteScratchFile(QStringLiteral("Catalogue.SQF"), bytes);
    try {
        for (const QString& group : ReadGroupList(path)) {
            (void)GroupNameProblem(group);
        }
        (void)ReadGroupListSkippingComments(path);
        (void)ReadGroupFile(path);
        for (const QString& line : ReadSourceList(path)) {
            (void)ResolveSourcePath(line, ScratchFolder());
        }
        const NamesList names = ReadNamesList(path);
        (void)FindListName(names, 'I', "25544");
        (void)FindListName(names, 'D', "98067A  ");
        (void)ReadNameOptions(path);
    } catch (const SqfError&) {
        // the reader's own refusal, as the program shows it
    }
}

}  // namespace orbivox::fuzz
