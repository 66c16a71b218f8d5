#pragma once
// The fuzz targets: one entry function for each surface where outside bytes reach a reader.
// libFuzzer calls one of them per program (LibFuzzerMain.cpp, built by scripts/fuzz.sh);
// the ordinary build's replay driver (ReplayMain.cpp) runs every file of
// fuzz/corpus/<name>/ through the target of that name, so the sanitizer build checks the
// corpora on every test run.
//
// An entry function takes any bytes and must neither crash, hang nor leak; where the
// reader promises a property (a round trip, a bound) the entry checks it and aborts.
//
// A reader still to come joins here with a row in FuzzTargets() and a corpus folder.
#include <cstddef>
#include <cstdint>
#include <span>

namespace orbivox::fuzz {

using FuzzEntry = void (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name;  // also the corpus folder's name
    FuzzEntry entry;
};

// Element files in every format we read, told by content, read and then propagated.
void FuzzElementFile(const std::uint8_t* data, std::size_t size);
// Every settings file through its reader: the loader's step that reads it, or the reader of
// a dialog or a server program for a file read outside the loader. The first line names the
// file ("SatIni.SQF", "Radio2/TRX_Semi.SQF", "Talk.SQF"), the rest is its content.
void FuzzSettingsFiles(const std::uint8_t* data, std::size_t size);
// The transponder table Doppler.SQF.
void FuzzTransponderTable(const std::uint8_t* data, std::size_t size);
// Group list, group files, source lists and the satellite names list.
void FuzzCatalogueFiles(const std::uint8_t* data, std::size_t size);
// A download: the first line is the address, the rest the body the server sent; a body the
// check stores must read as element data.
void FuzzElementCheck(const std::uint8_t* data, std::size_t size);
// One line of the conversation protocol as a peer sends it.
void FuzzConversationLine(const std::uint8_t* data, std::size_t size);
// A radio's answer to a read-back, through every family's reply parser.
void FuzzRadioReply(const std::uint8_t* data, std::size_t size);
// rigctld's or rotctld's answer to one command, as the server programs read it.
void FuzzHamlibAnswer(const std::uint8_t* data, std::size_t size);
// Every family's dial read-back and transmit-status question, answered by the bytes.
void FuzzRadioReadBack(const std::uint8_t* data, std::size_t size);
// A rotor macro and a CAT macro's kHz number, as the server programs take them.
void FuzzServerMacros(const std::uint8_t* data, std::size_t size);
// A conversation peer's byte stream cut into lines as the data server cuts it.
void FuzzConversationFraming(const std::uint8_t* data, std::size_t size);

std::span<const FuzzTarget> FuzzTargets();

}  // namespace orbivox::fuzz
